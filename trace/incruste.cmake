# Writes the bytes of ENTRADA into SALIDA as a C++ header holding one
# std::array<char, N> named kPaginaHtml. An array of character literals has
# no length limit, where one string literal does on some compilers, and the
# bytes pass through unchanged whatever the template holds.
#
# cmake -DENTRADA=pagina.html -DSALIDA=pagina_html.h -P incruste.cmake

file(READ "${ENTRADA}" hexadecimal HEX)
string(LENGTH "${hexadecimal}" cifras)
math(EXPR largo "${cifras} / 2")
# Sixteen bytes a line keeps the generated file readable.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1', " bytes "${hexadecimal}")
string(REGEX REPLACE "(('\\\\x[0-9a-f][0-9a-f]', ){16})" "\\1\n    " bytes "${bytes}")

file(WRITE "${SALIDA}"
"// Generated from the joined replay page by trace/incruste.cmake: do not edit.
#include <array>

inline constexpr std::array<char, ${largo}> kPaginaHtml = {
    ${bytes}};
")
