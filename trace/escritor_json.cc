#include "trace/escritor_json.h"

#include <string>
#include <string_view>

namespace {

// texto as a JSON string, quotes included.
std::string Cadena(std::string_view texto) {
  constexpr std::string_view kCifras = "0123456789abcdef";
  std::string cadena = "\"";
  cadena.reserve(texto.size() + 2);
  for (const char c : texto) {
    switch (c) {
      case '"':
        cadena += "\\\"";
        break;
      case '\\':
        cadena += "\\\\";
        break;
      case '\n':
        cadena += "\\n";
        break;
      case '\t':
        cadena += "\\t";
        break;
      case '\r':
        cadena += "\\r";
        break;
      default: {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || c == '<') {
          cadena += "\\u00";
          cadena += kCifras.at(byte >> 4);
          cadena += kCifras.at(byte & 0xF);
        } else {
          cadena += c;
        }
      }
    }
  }
  return cadena + "\"";
}

}  // namespace

Escritor_Json& Escritor_Json::Clave(std::string_view clave) {
  Separe();
  texto_ += Cadena(clave);
  texto_ += ':';
  sin_coma_ = true;
  return *this;
}

Escritor_Json& Escritor_Json::Valor(std::string_view texto) {
  return Escriba_Valor(Cadena(texto));
}

Escritor_Json& Escritor_Json::Abra(char apertura) {
  Separe();
  texto_ += apertura;
  sin_coma_ = true;
  return *this;
}

Escritor_Json& Escritor_Json::Cierre(char cierre) {
  texto_ += cierre;
  sin_coma_ = false;
  return *this;
}

Escritor_Json& Escritor_Json::Escriba_Valor(std::string_view escrito) {
  Separe();
  texto_ += escrito;
  sin_coma_ = false;
  return *this;
}

void Escritor_Json::Separe() {
  if (!sin_coma_) {
    texto_ += ',';
  }
}
