#include "trace/entradas.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Entradas::Forma;

// aleatoria: the values as drawn.
int Tal_Cual(std::vector<int>& /*valores*/) { return 0; }

// ordenada: sorted.
int Ordenada(std::vector<int>& valores) {
  std::sort(valores.begin(), valores.end());
  return 0;
}

// invertida: sorted backwards.
int Invertida(std::vector<int>& valores) {
  std::sort(valores.begin(), valores.end(), std::greater<>());
  return 0;
}

// casi_ordenada: sorted, then N / 10 exchanges (at least one) of unequal
// neighbours at positions drawn next, as long as any are left.
int Casi_Ordenada(std::vector<int>& valores) {
  std::sort(valores.begin(), valores.end());
  const auto n = static_cast<int>(valores.size());
  // The positions p whose neighbours p and p + 1 may still be exchanged:
  // unequal, so that the exchange puts them out of order, and untouched by
  // any exchange so far, so that no exchange undoes or overlaps another.
  std::vector<int> libres;
  for (int p = 0; p + 1 < n; ++p) {
    if (valores[static_cast<std::size_t>(p)] !=
        valores[static_cast<std::size_t>(p) + 1]) {
      libres.push_back(p);
    }
  }
  int cambios = 0;
  for (; cambios < std::max(1, n / 10) && !libres.empty(); ++cambios) {
    const int p = libres[static_cast<std::size_t>(rand()) % libres.size()];
    std::swap(valores[static_cast<std::size_t>(p)],
              valores[static_cast<std::size_t>(p) + 1]);
    libres.erase(std::remove_if(libres.begin(), libres.end(),
                                [p](int q) { return std::abs(q - p) <= 1; }),
                 libres.end());
  }
  return cambios;
}

// organo: sorted, then dealt out like organ pipes: the 1st, 3rd, 5th, ...
// smallest rise from the front to the middle and the 2nd, 4th, ... fall from
// the middle to the back, so that the largest meet in the middle: 0 0 1 1 ...
// 31 31 becomes 0 1 ... 31 31 ... 1 0.
int Organo(std::vector<int>& valores) {
  std::vector<int> ordenados = valores;
  std::sort(ordenados.begin(), ordenados.end());
  for (std::size_t k = 0; k < ordenados.size(); ++k) {
    valores[k % 2 == 0 ? k / 2 : ordenados.size() - 1 - k / 2] = ordenados[k];
  }
  return 0;
}

// Every shape (Entradas::Formas). What casi_ordenada's exchanges did is
// added to its description by Opciones_Traza::Descripcion, which knows how
// many there were.
constexpr std::array<Forma, 5> kFormas = {{
    {"aleatoria", "", "", Tal_Cual},
    {"ordenada", "", ", ya ordenados", Ordenada},
    {"invertida", "", ", en orden inverso", Invertida},
    {"casi_ordenada", "", ", ordenados", Casi_Ordenada},
    {"organo", ", que sube hasta el centro y baja de nuevo",
     ", en forma de órgano: suben hasta el centro y bajan de nuevo", Organo},
}};

}  // namespace

const std::array<Forma, 5>& Entradas::Formas() { return kFormas; }

const Forma* Entradas::Busque_Forma(std::string_view nombre) {
  const auto indice = static_cast<std::size_t>(
      std::find_if(kFormas.begin(), kFormas.end(),
                   [nombre](const Forma& f) { return f.nombre == nombre; }) -
      kFormas.begin());
  return indice < kFormas.size() ? &kFormas.at(indice) : nullptr;
}

std::string Entradas::Lista_De_Formas(bool en_la_ayuda) {
  std::string lista;
  for (std::size_t i = 0; i < kFormas.size(); ++i) {
    const Forma& forma = kFormas.at(i);
    if (i > 0) {
      // "o" becomes "u" before a word that starts with an o.
      lista += i + 1 < kFormas.size()   ? ", "
               : forma.nombre[0] == 'o' ? " u "
                                        : " o ";
    }
    lista += forma.nombre;
    lista += en_la_ayuda ? forma.en_la_ayuda : "";
  }
  return lista;
}

std::string Entradas::Cuantos_Admite() {
  return "de " + std::to_string(kMinimo) + " a " + std::to_string(kMaximo);
}
