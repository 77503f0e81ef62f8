#ifndef ORDENAMIENTO_TRACE_PAGINA_TRAZA_H_
#define ORDENAMIENTO_TRACE_PAGINA_TRAZA_H_

#include <cstddef>
#include <string>
#include <vector>

#include "trace/opciones_traza.h"
#include "trace/recorrido.h"

// Pagina_Traza is the replay page: every strategy of sorting/estrategias.h,
// each recorded once on the input the options describe, and the HTML that
// plays them back on Vector_Ordenable and on Lista_Ordenable, two panels a
// strategy in the order of the demonstration's report. The page is
// trace/pagina/pagina.html with its style and scripts (joined at build
// time) and the recordings in it as JSON; it needs no other file and makes
// no request. The browser page (web/) is built from the same files, and
// gets the same JSON from Datos in the browser.
class Pagina_Traza {
 public:
  // Records every strategy sorting the input that opciones built.
  explicit Pagina_Traza(const Opciones_Traza& opciones);

  // Recordings already made, of opciones' input, each with the name it
  // shows (recorridos[s] shows visibles[s]).
  struct Grabadas {
    std::vector<Recorrido> recorridos;
    std::vector<std::string> visibles;
  };
  // The page of such recordings: of other strategies than the registry's.
  Pagina_Traza(Opciones_Traza opciones, Grabadas&& grabadas);

  // The most calls of one strategy that the page keeps: a strategy that
  // never ends may make 263,144 at 64 values, too many to carry.
  static constexpr std::size_t kLlamadasMostradas = 20000;

  // One line in Spanish for each strategy that went wrong, a verdict
  // (recording/veredicto.h) on the recording container: one that was
  // stopped, since it would never end or asked for a position out of
  // range, or that left its values out of order. The page shows them all
  // the same, each up to where it went wrong.
  const std::vector<std::string>& Avisos() const { return avisos_; }

  // The recordings and what the page says about them, as compact JSON fit
  // to stand inside a <script> element: no '<' appears in it unescaped, so
  // no string in it can close the element. Each strategy's calls are one
  // list shared by its two panels: [i, j, 1 or 0] for Es_Menor with its
  // answer, [i, j] for Intercambie; beside it "lineas", the line of the
  // strategy's code that made each call (Contenedor_Registro::Llamada's
  // linea: n in its source, -n in its header, 0 where not known), and
  // "visible", the name the page shows for it (Nombre_Visible, in UTF-8,
  // which may hold accents); where it was stopped, "falla", why
  // (Recorrido::Falla()); where it made more calls than the page keeps,
  // "hechas", how many it made. Each container is
  // {"nombre", "etiqueta", "enlaces_por_posicion"}: its class, what the page
  // calls it, and the links it follows to reach a position, per position.
  std::string Datos() const;

  // The whole page.
  std::string Html() const;

  // Writes the page to ruta, a file or a stream, as Escriba_Salida
  // (trace/escritura.h) does: never half-written, and on failure false with
  // error set to one line in Spanish that says why.
  bool Escriba(const std::string& ruta, std::string& error) const;

 private:
  Opciones_Traza opciones_;
  std::vector<Recorrido> recorridos_;
  // Each strategy's name to show (Nombre_Visible), in recorridos_' order.
  std::vector<std::string> visibles_;
  std::vector<std::string> avisos_;
};

#endif  // ORDENAMIENTO_TRACE_PAGINA_TRAZA_H_
