// The source reader (lector/): the registry in every layout C++ allows, the
// copy it writes, and strategies written as courses and students write
// them (tests/corpus/), built from the reader's copies as the registry's
// are and run over a recording container.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "apoyo.h"
#include "lector/codigo_estrategia.h"
#include "lector/registro_estrategias.h"
#include "lector/texto_fuente.h"
#include "recording/contenedor_registro.h"
#include "recording/seguimiento.h"
#include "sorting/ordenador_monticulo.h"
#include "sorting/ordenador_rapido.h"
#include "tests/corpus/ordenador_cabecera_prueba.h"
#include "tests/corpus/ordenador_campos_prueba.h"
#include "tests/corpus/ordenador_gnomo_prueba.h"
#include "tests/corpus/ordenador_macro_prueba.h"
#include "tests/corpus/ordenador_mezcla_prueba.h"
#include "tests/corpus/ordenador_peine_prueba.h"

namespace {

std::string Ruta_En_Corpus(const std::string& clase, const char* extension) {
  std::string archivo;
  for (const char c : clase) {
    archivo += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return std::string(ORDENAMIENTO_CORPUS) + "/" + archivo + extension;
}

Codigo_Estrategia Codigo_Del_Corpus(const std::string& clase) {
  const auto lea = [&clase](const char* extension) -> Archivo_Fuente {
    const std::string ruta = Ruta_En_Corpus(clase, extension);
    return {ruta, ruta, *Texto_Fuente::Lea(ruta)};
  };
  return {clase, lea(".h"), lea(".cc")};
}

// The lines of a strategy of the corpus that end with a mark: "luz" (a
// call lit), "sin luz" (a call named instead), "tal cual" (a call of a file
// built as it is, whose copy did not compile) or "oculta" (a line the
// panel does not show), named as the recording names them: n in the
// source, -n in the header.
std::set<int> Marcadas(const std::string& clase, const std::string& marca) {
  std::set<int> lineas;
  for (const auto& [extension, signo] : {std::pair{".h", -1}, {".cc", 1}}) {
    std::istringstream texto(Lea_Archivo(Ruta_En_Corpus(clase, extension)));
    int n = 0;
    for (std::string linea; std::getline(texto, linea);) {
      ++n;
      const std::size_t donde = linea.rfind("// ");
      if (donde != std::string::npos && linea.substr(donde + 3) == marca) {
        lineas.insert(signo * n);
      }
    }
  }
  return lineas;
}

template <typename T>
class CorpusTest : public ::testing::Test {};
using Corpus =
    ::testing::Types<Ordenador_Peine_Prueba, Ordenador_Gnomo_Prueba,
                     Ordenador_Cabecera_Prueba, Ordenador_Macro_Prueba,
                     Ordenador_Campos_Prueba>;
TYPED_TEST_SUITE(CorpusTest, Corpus, NombreDeClase);

// Built from the reader's copy and run, each call lights the line where its
// name stands, or is named by the panel and the build where it cannot; the
// panel shows every line lit, and none of code not called or not compiled.
TYPED_TEST(CorpusTest, EachCallIsLitOrNamedWhereThePanelShowsIt) {
  const std::string clase = TypeParam::kNombre;
  TypeParam ordenador;
  std::set<int> lucidas;
  bool sin_linea = false;
  for (const std::vector<int>& entrada :
       {Sorteo(3, 20), Sorteo(8, 9), std::vector<int>{5, 4, 3, 2, 1, 0}}) {
    Contenedor_Registro registro(entrada);
    ordenador.Ordene(registro);
    EXPECT_TRUE(
        std::is_sorted(registro.Valores().begin(), registro.Valores().end()));
    for (const Contenedor_Registro::Llamada& l : registro.Llamadas()) {
      if (l.linea == 0) {
        sin_linea = true;
      } else {
        lucidas.insert(l.linea);
      }
    }
  }
  EXPECT_EQ(lucidas, Marcadas(clase, "luz"));
  EXPECT_EQ(sin_linea, !Marcadas(clase, "sin luz").empty() ||
                           !Marcadas(clase, "tal cual").empty());

  const Codigo_Estrategia codigo = Codigo_Del_Corpus(clase);
  std::set<int> mostradas;
  for (const Codigo_Estrategia::Tramo& t : codigo.Tramos()) {
    for (int n = t.desde; n <= t.hasta; ++n) {
      mostradas.insert(t.de_cabecera ? -n : n);
    }
  }
  for (const int linea : Marcadas(clase, "luz")) {
    EXPECT_EQ(mostradas.count(linea), 1U) << linea;
  }
  for (const int linea : Marcadas(clase, "oculta")) {
    EXPECT_EQ(mostradas.count(linea), 0U) << linea;
  }
  std::set<int> sin_luz;
  for (const Codigo_Estrategia::Sin_Luz& l : codigo.Llamadas_Sin_Luz()) {
    sin_luz.insert(l.de_cabecera ? -l.linea : l.linea);
  }
  EXPECT_EQ(sin_luz, Marcadas(clase, "sin luz"));
  // Only the macros' strategy cannot be followed: it is shown whole, and
  // the build warns of it and of its unlit call.
  const bool entera = clase == "Ordenador_Macro_Prueba";
  EXPECT_EQ(codigo.Problema_De_Lectura().Hay(), entera);
  EXPECT_EQ(codigo.Avisos().size(), entera ? 2U : 0U);
}

// The copy changes nothing but what notes the lines and what follows the
// functions shown and their variables: after a call's '(', a function's
// '{', a declaration's ';', and before a for loop's condition, on the same
// line.
TEST(CopiaTest, NotesLinesAndFollowsVariablesWithoutTouchingTheRest) {
  const std::string cabecera =
      "struct X {\n"
      "  static void F(Contenedor_Ordenable& C) { C.Intercambie(0, 1); }\n"
      "};\n";
  const std::string fuente =
      "void X::Ordene(Contenedor_Ordenable& C) {\n"
      "  const char* s = \"C.Es_Menor(1, 0)\";  // C.Es_Menor(2, 0)\n"
      "  for (int j = 1, k; j < 2; ++j) {\n"
      "    if (C.Es_Menor(std::pair<int, int>(j, 0).first,\n"
      "                   0)) F(C);\n"
      "  }\n"
      "}\n";
  const Codigo_Estrategia codigo(
      "X", Archivo_Fuente{"/x/x.h", "x.h", Texto_Fuente(cabecera)},
      Archivo_Fuente{"/x/x.cc", "x.cc", Texto_Fuente(fuente)});
  const std::string previo = "#include \"recording/seguimiento.h\"\n#line 1 ";
  const std::string marco = " ::Seguimiento::Marco marco_del_registro_1";
  const std::string parametro =
      "; ::Seguimiento::Variable variable_del_registro_2{\"C\", C, "
      "::Seguimiento::kParametro};";
  const std::string j = "\"j\", j, ::Seguimiento::kLocal";
  EXPECT_EQ(codigo.Copia(true, true),
            "// Written by ordenamiento_lector from x.h: each call notes its "
            "line for the replay.\n" +
                previo + "\"/x/x.h\"\nstruct X {\n" +
                "  static void F(Contenedor_Ordenable& C) {" + marco +
                "{\"F\"}" + parametro +
                " C.Intercambie(::Contenedor_Registro::Linea{-2} = 0, 1); "
                "}\n};\n");
  const std::string copia = codigo.Copia(false, true);
  EXPECT_EQ(copia.substr(copia.find("#include")),
            previo + "\"/x/x.cc\"\n" +
                "void X::Ordene(Contenedor_Ordenable& C) {" + marco +
                "{\"Ordene\"}" + parametro +
                "\n  const char* s = \"C.Es_Menor(1, 0)\";  // C.Es_Menor(2, "
                "0)\n  for (int j = 1, k; ::Seguimiento::Variable(" +
                j +
                "), j < 2; ++j) { ::Seguimiento::Variable "
                "variable_del_registro_3{" +
                j +
                "};\n"
                "    if (C.Es_Menor(::Contenedor_Registro::Linea{4} = "
                "std::pair<int, int>(j, 0).first,\n"
                "                   0)) F(C);\n  }\n}\n");
  const std::string tal_cual = codigo.Copia(false, false);
  EXPECT_EQ(tal_cual.substr(tal_cual.find("#include")),
            previo + "\"/x/x.cc\"\n" + fuente);
}

// What was followed at call t, as the page shows it: the chain of the
// functions running, each with its parameters as they were entered, then
// the variables living in the innermost with their values at t, a
// position marked with a '*': "Ordene > Hunda(k=2, n=8) | k*=2 n=8 hijo*=5".
std::string Estado_En(const Seguimiento::Seguido& s, int t) {
  const auto nombre = [&s](const Seguimiento::Variable_Seguida& v) {
    return s.nombres.at(static_cast<std::size_t>(v.nombre)) +
           ((v.clase & Seguimiento::kPosicion) != 0 ? "*" : "");
  };
  std::string cadena;
  std::string vigiladas;
  for (int m = 0; m < static_cast<int>(s.marcos.size()); ++m) {
    const Seguimiento::Marco_Seguido& marco =
        s.marcos[static_cast<std::size_t>(m)];
    if (marco.entrada > t || t >= marco.salida) {
      continue;
    }
    std::string parametros;
    vigiladas.clear();
    for (int v = 0; v < static_cast<int>(s.variables.size()); ++v) {
      const Seguimiento::Variable_Seguida& variable =
          s.variables[static_cast<std::size_t>(v)];
      std::string entrada;
      std::string ahora;
      for (const Seguimiento::Cambio& c : s.cambios) {
        if (c.variable == v && c.llamada <= t) {
          entrada = entrada.empty() ? std::to_string(c.valor) : entrada;
          ahora = c.vive ? std::to_string(c.valor) : "";
        }
      }
      if (variable.marco == m &&
          (variable.clase & Seguimiento::kParametro) != 0) {
        parametros += (parametros.empty() ? "" : ", ") +
                      s.nombres.at(static_cast<std::size_t>(variable.nombre)) +
                      "=" + entrada;
      }
      if (variable.marco == m && !ahora.empty()) {
        vigiladas += " " + nombre(variable) + "=" + ahora;
      }
    }
    cadena += (cadena.empty() ? "" : " > ") +
              s.funciones.at(static_cast<std::size_t>(marco.funcion)) +
              (parametros.empty() ? "" : "(" + parametros + ")");
  }
  return cadena + " |" + vigiladas;
}

// The chain of calls, the parameters as entered and the living variables at
// a few calls of quicksort, heap sort and a merge sort by rotations, worked
// out by hand; a variable no longer lives once its loop has ended.
TEST(SeguimientoTest, ChainAndVariablesAtCallsWorkedOutByHand) {
  const auto siga = [](Algoritmo_Ordenador&& ordenador, std::vector<int> v) {
    Contenedor_Registro registro(std::move(v));
    const Seguimiento seguimiento(registro);
    ordenador.Ordene(registro);
    return seguimiento.Lo_Seguido();
  };
  const std::vector<int> entrada = {5, 1, 4, 2, 8, 7, 3, 6};
  const Seguimiento::Seguido rapido = siga(Ordenador_Rapido(), entrada);
  EXPECT_EQ(
      Estado_En(rapido, 5),
      "Ordene > Ordene_Tramo(primero=0, ultimo=7) > Particione(primero=0, "
      "ultimo=7) | primero*=0 ultimo=7 i*=2 j*=5");
  EXPECT_EQ(
      Estado_En(rapido, 11),
      "Ordene > Ordene_Tramo(primero=0, ultimo=7) > Ordene_Tramo(primero=2, "
      "ultimo=7) > Particione(primero=2, ultimo=7) | primero*=2 ultimo=7");
  const Seguimiento::Seguido monticulo = siga(Ordenador_Monticulo(), entrada);
  EXPECT_EQ(Estado_En(monticulo, 3),
            "Ordene > Hunda(k=2, n=8) | k*=2 n=8 hijo*=5");
  EXPECT_EQ(Estado_En(monticulo, 15), "Ordene | n=8 fin*=7");
  const Seguimiento::Seguido mezcla =
      siga(Ordenador_Mezcla_Prueba(), {3, 1, 2});
  EXPECT_EQ(
      Estado_En(mezcla, 0),
      "Ordene > Ordene_Tramo(ini=0, fin=3) > Ordene_Tramo(ini=1, fin=3) > "
      "Mezcle(ini=1, med=2, fin=3) | ini=1 med*=2 fin=3 i*=1");
  EXPECT_EQ(
      Estado_En(mezcla, 2),
      "Ordene > Ordene_Tramo(ini=0, fin=3) > Mezcle(ini=0, med=1, fin=3) > "
      "Rote(desde=0, hasta=1) | desde=0 hasta=1 k*=1");
  EXPECT_EQ(
      Estado_En(mezcla, 3),
      "Ordene > Ordene_Tramo(ini=0, fin=3) > Mezcle(ini=0, med=1, fin=3) | "
      "ini=0 med*=2 fin=3 i*=1");
}

// The registry's list, whatever its layout, and what is wrong with it.
TEST(RegistroTest, AnyLayoutGivesTheSameListAndAMistakeOneLine) {
  const auto lea = [](const std::string& texto) {
    return Lea_Registro(Texto_Fuente(texto), "sorting/estrategias.h");
  };
  const Registro_Leido leido =
      lea("// ::Con<Ordenador_Comentado>\n"
          "using Estrategias = Lista_Estrategias<>\n"
          "    ::Con<Ordenador_A>::Con<Ordenador_B> /* ::Con<Ordenador_C> */\n"
          "#if 0\n    ::Con<Ordenador_Apagado>\n#endif\n"
          "    ::Con<\n      Ordenador_D >\n    ::Fin;\n");
  EXPECT_EQ(leido.clases, (std::vector<std::string>{
                              "Ordenador_A", "Ordenador_B", "Ordenador_D"}));
  EXPECT_EQ(leido.error, "");
  EXPECT_EQ(lea("Lista_Estrategias<>\n  ::Con<3>\n::Fin;").error,
            "sorting/estrategias.h: `::Con<3>` names no class: each "
            "strategy's line is `::Con<Ordenador_X>`");
  EXPECT_EQ(lea("Lista_Estrategias<>::Con<A>::Con<A>::Fin;").error,
            "sorting/estrategias.h names A twice");
}

// Configure's check of the folder: a class needs both its files, and a
// strategy's source no line names is named with the class it defines.
TEST(RegistroTest, EachClassHasItsFilesAndEachSourceItsLine) {
  const Carpeta carpeta;
  const auto escriba = [&carpeta](const char* archivo, const char* texto) {
    std::ofstream(carpeta.Ruta() / archivo) << texto;
  };
  escriba("estrategias.h", "Lista_Estrategias<>::Con<Ordenador_A>::Fin;");
  escriba("ordenador_a.h", "");
  escriba("ordenador_quicksort.cc",
          "void Ordenador_QuickSort::Ordene(Contenedor_Ordenable& C) {}");
  EXPECT_EQ(Revise_Registro(carpeta.Ruta().string(), "sorting").error,
            "sorting/estrategias.h names Ordenador_A, but "
            "sorting/ordenador_a.cc does not exist: the strategy Ordenador_A "
            "is the pair sorting/ordenador_a.h and sorting/ordenador_a.cc, "
            "named after the class in lower case");
  escriba("ordenador_a.cc", "");
  const Registro_Revisado revisado =
      Revise_Registro(carpeta.Ruta().string(), "sorting");
  EXPECT_EQ(revisado.clases, std::vector<std::string>{"Ordenador_A"});
  EXPECT_EQ(revisado.avisos,
            std::vector<std::string>{
                "sorting/ordenador_quicksort.cc is in no line of the registry "
                "sorting/estrategias.h, so nothing builds, tests or shows it: "
                "add the line `::Con<Ordenador_QuickSort>` there"});
}

}  // namespace
