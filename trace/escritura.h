#ifndef ORDENAMIENTO_TRACE_ESCRITURA_H_
#define ORDENAMIENTO_TRACE_ESCRITURA_H_

#include <optional>
#include <string>
#include <string_view>

// Writing a page where the user asked for it, so that a failure, a full
// device or an interrupted program never leaves a half-written page.

// The descriptor that salida names when it names a stream rather than a
// file, or nothing: "-" is standard output, 1, and on POSIX systems
// /dev/stdin, /dev/stdout and /dev/stderr are 0, 1 and 2, and /dev/fd/N
// and /proc/self/fd/N are N, each also written with more slashes or with
// "." or ".." in it (/dev//stdout). Taken as paths, they would be links
// followed to the file behind the stream, which would be replaced rather
// than written to.
std::optional<int> Flujo(const std::string& salida);

// Writes texto to salida. A stream (see Flujo) is written to as it is.
// Any other salida is a regular file, or a symbolic link that leads to
// one and stays a link; texto goes into a temporary file in the same
// folder, under a short name of its own, which is then renamed over it, so
// that a failure leaves no partial file and leaves a file already there as
// it was. SIGINT, SIGTERM or SIGHUP while the temporary file exists remove
// it before the program dies of the signal. A path that is something else
// than a regular file (a folder, a FIFO, a device) is refused, and so is an
// existing file that this user may not write. On failure returns false and
// sets error to one line in Spanish that says why.
bool Escriba_Salida(const std::string& salida, std::string_view texto,
                    std::string& error);

#endif  // ORDENAMIENTO_TRACE_ESCRITURA_H_
