#ifndef ORDENAMIENTO_TRACE_ENTRADAS_H_
#define ORDENAMIENTO_TRACE_ENTRADAS_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The inputs a replay page is made from, in one table: the shapes a drawn
// input may take, how many values a page shows, and what is taken when an
// option is not given. Opciones_Traza writes its help, its checks and
// their messages from here, and the browser page fills its form from here
// (web/traza_web.cc).
namespace Entradas {

constexpr int kMinimo = 2;    // fewest values a page shows
constexpr int kMaximo = 64;   // most values a page shows
constexpr int kCuantos = 20;  // how many are drawn when --n is not given

// Where the page goes when --salida is not given.
constexpr std::string_view kSalida = "traza.html";

// A shape a drawn input may take.
struct Forma {
  // Its name, as --entrada takes it.
  std::string_view nombre;
  // What the help says of it after its name, if anything.
  std::string_view en_la_ayuda;
  // What the page's description says of it after "N valores al azar,
  // rand() % 100".
  std::string_view en_la_pagina;
  // Gives values drawn as rand() % 100 this shape, drawing from rand()
  // whatever more it needs, and returns how many exchanges it made, which
  // only casi_ordenada makes.
  int (*forme)(std::vector<int>& valores);
};

// Every shape, in the order that the help and the page's form list them:
// aleatoria, ordenada, invertida, casi_ordenada and organo
// (Opciones_Traza::Entrada says what each is). The first is drawn when
// --entrada is not given.
const std::array<Forma, 5>& Formas();

// The shape named nombre, or null.
const Forma* Busque_Forma(std::string_view nombre);

// The shapes' names as a list in Spanish, "aleatoria, ordenada, invertida,
// casi_ordenada u organo", each followed by what the help says of it when
// en_la_ayuda.
std::string Lista_De_Formas(bool en_la_ayuda);

// How many values a page shows, in words: "de 2 a 64".
std::string Cuantos_Admite();

}  // namespace Entradas

#endif  // ORDENAMIENTO_TRACE_ENTRADAS_H_
