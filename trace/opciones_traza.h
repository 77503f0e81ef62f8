#ifndef ORDENAMIENTO_TRACE_OPCIONES_TRAZA_H_
#define ORDENAMIENTO_TRACE_OPCIONES_TRAZA_H_

#include <string>
#include <vector>

// Opciones_Traza reads the command line of ordenamiento_traza: which input
// the strategies sort (drawn from a seed and shaped, or given as a list)
// and where the page goes. It builds that input, and the commands that
// give the same input again.
class Opciones_Traza {
 public:
  enum class Resultado {
    kTrazar,  // the options are good: write the page
    kAyuda,   // --help: Mensaje() is the help text, for standard output
    kError,   // bad input: Mensaje() is one line in Spanish, for standard error
  };

  // Whose words the messages use. The tool's name the options ("--n");
  // the browser page's name the form's fields instead ("«n»"), and send
  // nobody to --help.
  enum class Voz { kHerramienta, kPagina };

  // Reads the options in argv[1] to argv[argc - 1], numbers always in
  // decimal, and words its messages in voz. The shapes, the limits and the
  // defaults are those of trace/entradas.h. On kTrazar it has also built
  // the input, which reseeds the generator when the input is drawn.
  Resultado Lea(int argc, const char* const* argv, Voz voz = Voz::kHerramienta);

  const std::string& Mensaje() const { return mensaje_; }

  // Where the page goes: a path, or "-" for standard output.
  const std::string& Salida() const { return salida_; }

  // How the input is made: "aleatoria", "ordenada", "invertida",
  // "casi_ordenada", "organo", or "valores" when the values were given.
  const std::string& Origen() const { return origen_; }

  // The same in words, for the page, with the number of values and, for
  // casi_ordenada, of the exchanges made.
  std::string Descripcion() const;

  // Whether the input is drawn from the seed (everything but --valores).
  bool Sorteada() const { return origen_ != "valores"; }
  unsigned Semilla() const { return semilla_; }

  // The input the strategies sort. A drawn input is N values rand() % 100
  // after srand(Semilla()): kept as drawn (aleatoria), sorted (ordenada),
  // sorted backwards (invertida), sorted and then disturbed by N / 10
  // exchanges, at least one, of unequal neighbours at positions drawn next,
  // no two exchanges touching the same position (casi_ordenada), or sorted
  // and dealt out like organ pipes (organo): the 1st, 3rd, 5th, ...
  // smallest rise from the front to the middle and the 2nd, 4th, 6th, ...
  // fall from the middle to the back, so that 0 0 1 1 ... 31 31 becomes
  // 0 1 ... 31 31 ... 1 0. Quicksort taking its middle value as the pivot
  // makes about N^2 / 4 comparisons on it, against about 1.39 N lg N on
  // aleatoria.
  const std::vector<int>& Entrada() const { return entrada_; }

  // The exchanges that casi_ordenada made: N / 10 (at least one) unless
  // there were too few unequal neighbours, and none when all the values are
  // equal. Each leaves its pair out of order. Zero for the other shapes.
  int Cambios() const { return cambios_; }

  // The command that gives this input on every platform, from its values:
  // "ordenamiento_traza --valores 7,3,3".
  std::string Comando() const;

  // For a drawn input, the command that draws it again from its seed, or ""
  // for given values. srand and rand differ between C libraries, so it
  // gives the same values only where the C library is the same.
  std::string Comando_Semilla() const;

 private:
  // Builds the input from the options read: n values drawn from the seed,
  // or dados.
  void Construya_Entrada(int n, const std::vector<int>& dados);

  std::string mensaje_;
  std::string origen_;
  unsigned semilla_ = 0;
  std::vector<int> entrada_;
  int cambios_ = 0;
  std::string salida_;
};

#endif  // ORDENAMIENTO_TRACE_OPCIONES_TRAZA_H_
