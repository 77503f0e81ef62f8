#include "trace/visible.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace {

// The length of the UTF-8 character that texto starts with, or 0 if its
// first bytes are not one: a stray continuation byte, an overlong form, a
// surrogate, a code point past U+10FFFF, or a character cut short.
std::size_t Largo_Utf8(std::string_view texto) {
  const auto byte = [texto](std::size_t i) {
    return static_cast<unsigned char>(texto[i]);
  };
  const unsigned char c = byte(0);
  if (c < 0x80) {
    return 1;
  }
  const std::size_t largo = c >= 0xC2 && c <= 0xDF   ? 2
                            : c >= 0xE0 && c <= 0xEF ? 3
                            : c >= 0xF0 && c <= 0xF4 ? 4
                                                     : 0;
  if (largo == 0 || texto.size() < largo) {
    return 0;
  }
  // After E0, ED, F0 and F4 the second byte's range is narrower.
  const unsigned minimo = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
  const unsigned maximo = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
  if (byte(1) < minimo || byte(1) > maximo) {
    return 0;
  }
  for (std::size_t i = 2; i < largo; ++i) {
    if ((byte(i) & 0xC0) != 0x80) {
      return 0;
    }
  }
  return largo;
}

// prefijo and c in two hexadecimal digits, as in \x1b.
std::string Escape(const char* prefijo, unsigned char c) {
  constexpr std::string_view kHex = "0123456789abcdef";
  return prefijo + std::string{kHex[c >> 4], kHex[c & 0xF]};
}

}  // namespace

std::string Visible(std::string_view texto, std::size_t limite) {
  std::string visible;
  std::size_t caracteres = 0;
  for (std::size_t p = 0; p < texto.size(); ++caracteres) {
    if (caracteres == limite) {
      return visible + "…";
    }
    const auto c = static_cast<unsigned char>(texto[p]);
    const std::size_t largo = Largo_Utf8(texto.substr(p));
    if (c == '\n' || c == '\r' || c == '\t') {
      visible += std::string{'\\', c == '\n' ? 'n' : c == '\r' ? 'r' : 't'};
    } else if (largo == 0 || c < ' ' || c == 0x7F) {
      visible += Escape("\\x", c);
    } else if (c == 0xC2 && static_cast<unsigned char>(texto[p + 1]) < 0xA0) {
      visible += Escape("\\u00", static_cast<unsigned char>(texto[p + 1]));
    } else {
      visible += texto.substr(p, largo);
    }
    p += std::max<std::size_t>(largo, 1);
  }
  return visible;
}
