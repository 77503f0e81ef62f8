#ifndef ORDENAMIENTO_TRACE_ESCRITOR_JSON_H_
#define ORDENAMIENTO_TRACE_ESCRITOR_JSON_H_

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// Escritor_Json writes compact JSON, part after part, as it is told: no
// spaces, integers in decimal, and strings as their bytes, with '"', '\'
// and the control characters escaped, and '<' written \u003c, so that the
// text may stand inside a <script> element: no string in it can end the
// element. Strings are meant to be UTF-8; a byte that is not part of
// valid UTF-8 is written as it is, and a browser reads it as U+FFFD. The
// replay's data and the browser page's answers are written with it rather
// than with nlohmann::json, whose code the browser would compile on the
// page's first recording: about a third of that recording's time.
//
// It adds the commas between members and items; the caller opens and
// closes objects and lists in order and gives each member its key first.
class Escritor_Json {
 public:
  Escritor_Json& Abra_Objeto() { return Abra('{'); }
  Escritor_Json& Cierre_Objeto() { return Cierre('}'); }
  Escritor_Json& Abra_Lista() { return Abra('['); }
  Escritor_Json& Cierre_Lista() { return Cierre(']'); }

  // The key of the member whose value comes next.
  Escritor_Json& Clave(std::string_view clave);

  template <typename Entero,
            typename = std::enable_if_t<std::is_integral_v<Entero> &&
                                        !std::is_same_v<Entero, bool>>>
  Escritor_Json& Valor(Entero numero) {
    return Escriba_Valor(std::to_string(numero));
  }
  Escritor_Json& Valor(std::string_view texto);
  Escritor_Json& Nulo() { return Escriba_Valor("null"); }

  // A list of values, each written as Valor writes it.
  template <typename T>
  Escritor_Json& Lista(const std::vector<T>& valores) {
    Abra_Lista();
    for (const T& valor : valores) {
      Valor(valor);
    }
    return Cierre_Lista();
  }

  // What has been written.
  const std::string& Texto() const { return texto_; }

 private:
  Escritor_Json& Abra(char apertura);
  Escritor_Json& Cierre(char cierre);
  Escritor_Json& Escriba_Valor(std::string_view escrito);
  // The comma before an item or a member that is not its list's or its
  // object's first.
  void Separe();

  std::string texto_;
  // Whether what comes next is the first in its list or object, or the
  // value of the key just written: no comma goes before it.
  bool sin_coma_ = true;
};

#endif  // ORDENAMIENTO_TRACE_ESCRITOR_JSON_H_
