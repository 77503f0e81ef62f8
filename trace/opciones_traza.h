#ifndef ORDENAMIENTO_TRACE_OPCIONES_TRAZA_H_
#define ORDENAMIENTO_TRACE_OPCIONES_TRAZA_H_

#include <string>
#include <vector>

// Opciones_Traza reads the command line of ordenamiento_traza: which input
// the strategies sort (drawn from a seed and shaped, or given as a list)
// and where the page goes. It builds that input, and the command line that
// builds the same page again.
class Opciones_Traza {
 public:
  enum class Resultado {
    kTrazar,  // the options are good: write the page
    kAyuda,   // --help: Mensaje() is the help text, for standard output
    kError,   // bad input: Mensaje() is one line in Spanish, for standard error
  };

  static constexpr int kMinimo = 2;   // fewest values a page shows
  static constexpr int kMaximo = 64;  // most values a page shows

  Resultado Lea(int argc, const char* const* argv);

  const std::string& Mensaje() const { return mensaje_; }
  const std::string& Salida() const { return salida_; }

  // How the input is made, as the page names it: "aleatoria", "ordenada",
  // "invertida", "casi_ordenada", or "valores" when the values were given.
  std::string Origen() const;

  // Whether the input is drawn from the seed (everything but --valores).
  bool Sorteada() const { return !valores_dados_; }
  unsigned Semilla() const { return semilla_; }

  // The input the strategies sort. A drawn input is N values rand() % 100
  // after srand(Semilla()), then sorted, sorted backwards, or sorted with
  // N / 10 (at least one) exchanges of neighbours drawn next; so this
  // reseeds the generator.
  std::vector<int> Entrada() const;

  // The command that writes this page again: the program as it was called,
  // then either --valores or --entrada, --n and --semilla, then --salida if
  // it was given. Words that a POSIX shell would split or expand are quoted.
  std::string Orden() const;

 private:
  std::string mensaje_;
  std::string programa_ = "ordenamiento_traza";
  std::string tipo_ = "aleatoria";
  int n_ = 20;
  unsigned semilla_ = 0;
  bool valores_dados_ = false;
  std::vector<int> valores_;
  std::string salida_ = "traza.html";
  bool salida_dada_ = false;
};

// texto with every control character shown as '?', so that an error line
// that quotes what the user typed (an option, a path) stays one line.
std::string Visible(std::string texto);

#endif  // ORDENAMIENTO_TRACE_OPCIONES_TRAZA_H_
