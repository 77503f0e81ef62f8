#include "recording/veredicto.h"

#include <algorithm>
#include <cstddef>

namespace {

// valores as a verdict writes them: [1, 0].
std::string Lista(const std::vector<int>& valores) {
  std::string texto = "[";
  for (std::size_t p = 0; p < valores.size(); ++p) {
    texto += (p == 0 ? "" : ", ") + std::to_string(valores[p]);
  }
  return texto + "]";
}

}  // namespace

std::string Veredicto(const std::string& estrategia,
                      const std::string& contenedor,
                      const std::vector<int>& entrada,
                      const std::vector<int>& resultado,
                      const std::string& falla) {
  const std::string quien =
      estrategia + " sobre " + contenedor + ": la entrada " + Lista(entrada);
  if (!falla.empty()) {
    return quien + " " + falla;
  }
  std::vector<int> esperado = entrada;
  std::sort(esperado.begin(), esperado.end());
  return resultado == esperado ? ""
                               : quien + " quedó " + Lista(resultado) +
                                     "; debía quedar " + Lista(esperado);
}
