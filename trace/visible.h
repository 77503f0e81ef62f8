#ifndef ORDENAMIENTO_TRACE_VISIBLE_H_
#define ORDENAMIENTO_TRACE_VISIBLE_H_

#include <cstddef>
#include <string>
#include <string_view>

// texto fit to be shown on a terminal, so that a line that quotes what the
// user typed (a value, a path) stays one line and cannot send the terminal
// commands: valid UTF-8 stays as it is, but control characters become
// escapes, C0 and DEL as \n, \t, \r or \x1b, C1 (U+0080 to U+009F) as
// \u009b, and each byte that is not part of valid UTF-8 as \xff. Past
// limite characters (an escape counts as one) the rest is cut and "…"
// ends it.
std::string Visible(std::string_view texto,
                    std::size_t limite = std::string_view::npos);

// The longest a message quotes a value: Visible(valor, kCita).
constexpr std::size_t kCita = 60;

#endif  // ORDENAMIENTO_TRACE_VISIBLE_H_
