#ifndef ORDENAMIENTO_RECORDING_VEREDICTO_H_
#define ORDENAMIENTO_RECORDING_VEREDICTO_H_

#include <string>
#include <vector>

// What a strategy did to one input, in the one line in Spanish that every
// judge of a strategy gives (the tests, the benchmark's check, the replay
// tool's warnings), or "" where it sorted it:
//   Ordenador_X sobre Lista_Ordenable: la entrada [1, 0] quedó [1, 0];
//   debía quedar [0, 1]
// or, where it was stopped (falla, as Contenedor_Registro's exceptions say
// it), "Ordenador_X sobre Contenedor_Registro: la entrada [1, 0] no
// termina: más de 1008 llamadas", or "... usa la posición 2, y solo hay de 0
// a 1". resultado is what it left; the order expected is the input sorted.
std::string Veredicto(const std::string& estrategia,
                      const std::string& contenedor,
                      const std::vector<int>& entrada,
                      const std::vector<int>& resultado,
                      const std::string& falla);

#endif  // ORDENAMIENTO_RECORDING_VEREDICTO_H_
