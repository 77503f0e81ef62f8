#ifndef ORDENAMIENTO_TRACE_PAGINA_TRAZA_H_
#define ORDENAMIENTO_TRACE_PAGINA_TRAZA_H_

#include <string>
#include <vector>

#include "trace/recorrido.h"

class Opciones_Traza;

// Pagina_Traza is the replay page: the three strategies, each recorded once
// on the input the options describe, and the HTML that plays them back on
// Vector_Ordenable and on Lista_Ordenable, six panels in the order of the
// demonstration's report. The page is the template trace/pagina.html with
// the recordings in it as JSON; it needs no other file and makes no request.
class Pagina_Traza {
 public:
  // Builds the input (which reseeds the generator when it is drawn) and
  // records the three strategies sorting it.
  explicit Pagina_Traza(const Opciones_Traza& opciones);

  // Ordenador_Burbuja, Ordenador_Burbuja_Optimizada, Ordenador_Seleccion.
  const std::vector<Recorrido>& Recorridos() const { return recorridos_; }

  // The recordings and what the page shows about them, as compact JSON fit
  // to stand inside a <script> element: no '<' appears in it unescaped, so
  // no string in it, however hostile, can close the element. Each
  // strategy's calls are one list shared by its two panels: [i, j, 1 or 0]
  // for Es_Menor with its answer, [i, j] for Intercambie.
  std::string Datos() const;

  // The whole page.
  std::string Html() const;

  // Writes the page to ruta through a temporary file in the same folder,
  // then renames it over ruta, so that a failure leaves no partial page and
  // leaves a file already at ruta as it was. On failure returns false and
  // sets error to one line in Spanish.
  bool Escriba(const std::string& ruta, std::string& error) const;

 private:
  std::vector<Recorrido> recorridos_;
  std::string origen_;
  bool sorteada_;
  unsigned semilla_;
  std::string orden_;
};

#endif  // ORDENAMIENTO_TRACE_PAGINA_TRAZA_H_
