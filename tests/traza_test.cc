// The replay tool's command line, read in-process as the tool reads it,
// and the page it writes: the data the page carries, and where it goes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

#include "apoyo.h"
#include "registradas.h"
#include "sorting/ordenador_rapido.h"
#include "trace/escritor_json.h"
#include "trace/opciones_traza.h"
#include "trace/pagina_traza.h"

namespace {

Opciones_Traza Lea(const std::vector<std::string>& palabras) {
  std::vector<const char*> argv;
  argv.reserve(palabras.size());
  for (const std::string& palabra : palabras) {
    argv.push_back(palabra.c_str());
  }
  Opciones_Traza opciones;
  EXPECT_EQ(opciones.Lea(static_cast<int>(argv.size()), argv.data()),
            Opciones_Traza::Resultado::kTrazar)
      << opciones.Mensaje();
  return opciones;
}

TEST(OpcionesTest, BothCommandsShownBuildTheSameInputAgain) {
  for (const std::vector<std::string>& palabras :
       std::vector<std::vector<std::string>>{
           {"ordenamiento_traza"},
           {"ordenamiento_traza", "--entrada", "ordenada", "--n", "7"},
           {"ordenamiento_traza", "--entrada=invertida", "--semilla", "9"},
           {"ordenamiento_traza", "--entrada", "casi_ordenada", "--n", "64"},
           {"ordenamiento_traza", "--entrada", "organo", "--n", "5"},
           {"ordenamiento_traza", "--valores=-5,0,2147483647"}}) {
    const Opciones_Traza opciones = Lea(palabras);
    for (const std::string& comando :
         {opciones.Comando(), opciones.Comando_Semilla()}) {
      if (comando.empty()) {
        continue;
      }
      std::istringstream palabras_del_comando(comando);
      std::vector<std::string> de_nuevo;
      for (std::string palabra; palabras_del_comando >> palabra;) {
        de_nuevo.push_back(palabra);
      }
      EXPECT_EQ(Lea(de_nuevo).Entrada(), opciones.Entrada()) << comando;
    }
  }
}

// The program's path as it was called may be any bytes: the page names the
// program by its installed name instead, and nothing in the data can end
// the script element that carries it.
TEST(PaginaTest, NoStringCanEndTheScriptThatCarriesTheData) {
  const std::string programa =
      "/tmp/</script><script>alert(1)</script><!--<script>\xff/traza";
  const Pagina_Traza pagina(Lea({programa, "--valores", "3,1,2"}));
  const std::string datos = pagina.Datos();
  EXPECT_EQ(datos.find('<'), std::string::npos);

  const std::string html = pagina.Html();
  const std::string apertura = R"(<script type="application/json" id="datos">)";
  const std::size_t inicio = html.find(apertura);
  ASSERT_NE(inicio, std::string::npos);
  const std::size_t desde = inicio + apertura.size();
  EXPECT_EQ(html.substr(desde, html.find("</script>", desde) - desde), datos);

  const nlohmann::json leidos = nlohmann::json::parse(datos);
  EXPECT_EQ(leidos["comando"], "ordenamiento_traza --valores 3,1,2");
  EXPECT_EQ(leidos["entrada"], nlohmann::json({3, 1, 2}));
  std::vector<std::string> nombres;
  for (const nlohmann::json& estrategia : leidos["estrategias"]) {
    nombres.push_back(estrategia["nombre"]);
  }
  EXPECT_EQ(nombres, Nombres_Registrados());
}

// The data names its input as the options read it, with a seed and its
// command only for values drawn, and gives each strategy two panels, on
// the array and on the list, headed as the demonstration's report heads
// its sections.
TEST(PaginaTest, DataNamesItsInputAndHeadsThePanelsAsTheReport) {
  const nlohmann::json sorteada =
      nlohmann::json::parse(Pagina_Traza(Lea({"t", "--entrada", "invertida",
                                              "-n", "5", "--semilla", "7"}))
                                .Datos());
  EXPECT_EQ(sorteada["origen"], "invertida");
  EXPECT_EQ(sorteada["entrada"].size(), 5U);
  EXPECT_EQ(sorteada["semilla"], 7);
  EXPECT_EQ(sorteada["comando_semilla"],
            "ordenamiento_traza --entrada invertida --n 5 --semilla 7");
  const nlohmann::json dada = nlohmann::json::parse(
      Pagina_Traza(Lea({"t", "--valores", "3,1,2"})).Datos());
  EXPECT_EQ(dada["origen"], "valores");
  EXPECT_TRUE(dada["semilla"].is_null());
  EXPECT_TRUE(dada["comando_semilla"].is_null());
  const nlohmann::json& paneles = dada["paneles"];
  ASSERT_EQ(paneles.size(), 2 * Nombres_Registrados().size());
  for (std::size_t p = 0; p < paneles.size(); ++p) {
    EXPECT_EQ(paneles[p]["estrategia"], p / 2) << p;
    EXPECT_EQ(paneles[p]["contenedor"], p % 2) << p;
  }
  EXPECT_EQ(paneles[3]["titulo"],
            "<<< 4 >>> => Lista_Ordenable <===> Ordenador_Burbuja_Optimizada");
}

// Every byte a string may hold, and every integer, comes back the same
// through a JSON parser, and no '<' is written, which could end the script
// element around the data.
TEST(EscritorJsonTest, EveryStringAndIntegerComesBackTheSame) {
  std::string todos(1, '\0');
  for (int c = 1; c < 0x80; ++c) {
    todos += static_cast<char>(c);
  }
  todos += "\xc3\xa1\xe2\x80\xa8\xf0\x9f\x98\x80";  // á, U+2028, 😀
  const std::vector<long long> numeros = {
      std::numeric_limits<long long>::min(), -1, 0,
      std::numeric_limits<long long>::max()};
  Escritor_Json json;
  json.Abra_Objeto();
  json.Clave(todos).Lista(std::vector<std::string>{todos, ""});
  json.Clave("numeros").Lista(numeros);
  json.Clave("nada").Nulo();
  json.Clave("vacio").Abra_Objeto().Cierre_Objeto();
  json.Clave("listas").Abra_Lista().Abra_Lista().Cierre_Lista();
  json.Lista(std::vector<int>{1}).Cierre_Lista();
  json.Cierre_Objeto();
  EXPECT_EQ(json.Texto().find('<'), std::string::npos);
  const nlohmann::json esperado = {{todos, nlohmann::json::array({todos, ""})},
                                   {"numeros", numeros},
                                   {"nada", nullptr},
                                   {"vacio", nlohmann::json::object()},
                                   {"listas", {nlohmann::json::array(), {1}}}};
  EXPECT_EQ(nlohmann::json::parse(json.Texto()), esperado);
}

// ---- The command line, read as the tool reads it.

TEST(OpcionesTest, EachMistakeGetsOneLineThatNamesTheOption) {
  using Casos = std::vector<std::pair<std::vector<std::string>, std::string>>;
  const std::string lista =
      "ERROR: --valores debe ser una lista de enteros separados por comas, "
      "como 7,3,3; ";
  std::string muchos = "1";
  for (int i = 2; i <= 65; ++i) {
    muchos += ", " + std::to_string(i);
  }
  std::string largo;
  for (int i = 0; i < 100; ++i) {
    largo += "\xc5\x9b";  // "ś": a valid C5 9B is kept, and cut whole
  }
  const Casos casos = {
      {{"-o", "--help"}, "ERROR: falta el valor de --salida"},
      {{"--n", "5", "-o", "--semilla"}, "ERROR: falta el valor de --semilla"},
      {{"--n", "--semilla", "3"}, "ERROR: falta el valor de --n"},
      {{"-n"}, "ERROR: falta el valor de --n"},
      {{"--n", "1", "--valores", "3,1,2"},
       "ERROR: --valores no se combina con --entrada, --n ni --semilla"},
      {{"-o", "a.html", "-o", "b.html"},
       "ERROR: --salida se dio más de una vez"},
      {{"--n", "5", "-n", "70"}, "ERROR: --n se dio más de una vez"},
      {{"--n", "65"}, "ERROR: --n debe ser un entero de 2 a 64, no \"65\""},
      {{"-n", "0x10"}, "ERROR: --n debe ser un entero de 2 a 64, no \"0x10\""},
      {{"--semilla", "-1"},
       "ERROR: --semilla debe ser un entero de 0 a 4294967295, no \"-1\""},
      {{"--entrada", "desordenada"},
       "ERROR: --entrada debe ser aleatoria, ordenada, invertida, "
       "casi_ordenada u organo, no \"desordenada\""},
      {{"--valores", "1,,2"}, lista + "\"\" no es un entero"},
      {{"--valores", "7, x ,3"}, lista + "\"x\" no es un entero"},
      {{"--valores", "1, 2147483648"},
       "ERROR: --valores admite enteros de -2147483648 a 2147483647, no "
       "\"2147483648\""},
      {{"--valores", "5"}, "ERROR: --valores admite de 2 a 64 valores, no 1"},
      {{"--valores", muchos},
       "ERROR: --valores admite de 2 a 64 valores, no 65"},
      // Control characters escaped, C1 as a code point (C2 9B) or as a
      // stray byte (9B), and long values cut on a character.
      {{"--entrada", "t\x1b]0;X\a\n\x9b\xc2\x9b\xc5\x9b\xff"},
       "ERROR: --entrada debe ser aleatoria, ordenada, invertida, "
       "casi_ordenada u organo, no "
       "\"t\\x1b]0;X\\x07\\n\\x9b\\u009b\xc5\x9b\\xff\""},
      {{"--entrada", largo},
       "ERROR: --entrada debe ser aleatoria, ordenada, invertida, "
       "casi_ordenada u organo, no \"" +
           largo.substr(0, 120) + "…\""},
      {{"--desconocida"},
       "ERROR: opción desconocida: \"--desconocida\" (vea ordenamiento_traza "
       "--help)"},
      {{"--", "--n", "3"},
       "ERROR: argumento inesperado: \"--n\" (vea ordenamiento_traza --help)"},
      {{""},
       "ERROR: argumento inesperado: \"\" (vea ordenamiento_traza --help)"}};
  // The page's messages name its form's fields, and send nobody to --help.
  const Casos en_la_pagina = {
      {{"--n", "70"}, "ERROR: «n» debe ser un entero de 2 a 64, no \"70\""},
      {{"--n"}, "ERROR: falta el valor de «n»"},
      {{"--semilla", "1", "--valores", "3,1,2"},
       "ERROR: «valores» no se combina con «entrada», «n» ni «semilla»"},
      {{"--valores", "a"},
       "ERROR: «valores» debe ser una lista de enteros separados por comas, "
       "como 7,3,3; \"a\" no es un entero"},
      {{"sobrante"}, "ERROR: argumento inesperado: \"sobrante\""}};
  for (const auto& [voz, lista_de_casos] :
       {std::pair(Opciones_Traza::Voz::kHerramienta, casos),
        std::pair(Opciones_Traza::Voz::kPagina, en_la_pagina)}) {
    for (const auto& [palabras, mensaje] : lista_de_casos) {
      std::vector<const char*> argv = {"ordenamiento_traza"};
      for (const std::string& palabra : palabras) {
        argv.push_back(palabra.c_str());
      }
      Opciones_Traza opciones;
      EXPECT_EQ(opciones.Lea(static_cast<int>(argv.size()), argv.data(), voz),
                Opciones_Traza::Resultado::kError)
          << ::testing::PrintToString(palabras);
      EXPECT_EQ(opciones.Mensaje(), mensaje);
    }
  }
  EXPECT_EQ(Lea({"ordenamiento_traza", "--valores", "-5,3,-5,0"}).Entrada(),
            (std::vector<int>{-5, 3, -5, 0}));
  EXPECT_EQ(Lea({"ordenamiento_traza", "--valores", " 7 ,3, 3"}).Entrada(),
            (std::vector<int>{7, 3, 3}));
  EXPECT_EQ(Lea({"ordenamiento_traza", "-o", "-", "--n", "3", "--"}).Salida(),
            "-");
  // Numbers are decimal, a leading zero included.
  EXPECT_EQ(Lea({"ordenamiento_traza", "-n", "010"}).Entrada().size(), 10U);
  EXPECT_EQ(Lea({"ordenamiento_traza", "--semilla", "010"}).Semilla(), 10U);
}

TEST(OpcionesTest, DrawnShapesHoldOverManySeeds) {
  for (unsigned semilla = 0; semilla < 250; ++semilla) {
    for (int n : {2, 3, 20, 64}) {
      const auto forma = [&](const std::string& nombre) {
        return Lea({"ordenamiento_traza", "--semilla", std::to_string(semilla),
                    "--n", std::to_string(n), "--entrada", nombre});
      };
      const std::vector<int> sorteados =
          Sorteo(semilla, static_cast<unsigned>(n));
      std::vector<int> ordenados = sorteados;
      std::sort(ordenados.begin(), ordenados.end());
      ASSERT_EQ(forma("aleatoria").Entrada(), sorteados);
      ASSERT_EQ(forma("ordenada").Entrada(), ordenados);
      ASSERT_EQ(forma("invertida").Entrada(),
                std::vector<int>(ordenados.rbegin(), ordenados.rend()));

      // Each exchange leaves one pair of unequal neighbours out of order,
      // and there is one unless every value is the same.
      const Opciones_Traza casi = forma("casi_ordenada");
      std::vector<int> valores = casi.Entrada();
      int descensos = 0;
      for (std::size_t p = 1; p < valores.size(); ++p) {
        descensos += valores[p] < valores[p - 1] ? 1 : 0;
      }
      EXPECT_EQ(descensos, casi.Cambios()) << semilla << " " << n;
      EXPECT_LE(casi.Cambios(), std::max(1, n / 10));
      EXPECT_EQ(casi.Cambios() == 0, ordenados.front() == ordenados.back());
      std::sort(valores.begin(), valores.end());
      ASSERT_EQ(valores, ordenados);

      // Read from its two ends in turn, front first, organo is sorted.
      const std::vector<int> organo = forma("organo").Entrada();
      std::vector<int> leidos;
      for (auto frente = organo.begin(), fondo = organo.end();
           frente != fondo;) {
        leidos.push_back(leidos.size() % 2 == 0 ? *frente++ : *--fondo);
      }
      ASSERT_EQ(leidos, ordenados) << semilla << " " << n;
      // Quicksort makes N^2 / 5 comparisons or more on organo, and at most
      // 2 N lg N on the values as drawn.
      if (n == 64) {
        using Memoria = Contenedor_Registro::Memoria;
        Contenedor_Registro en_organo(organo, Memoria::kCuentas);
        Contenedor_Registro al_azar(sorteados, Memoria::kCuentas);
        Ordenador_Rapido().Ordene(en_organo);
        Ordenador_Rapido().Ordene(al_azar);
        EXPECT_GE(en_organo.Cuenta(Operacion::kEs_Menor), n * n / 5) << semilla;
        EXPECT_LE(al_azar.Cuenta(Operacion::kEs_Menor), 2 * n * 6) << semilla;
      }
    }
  }
}

// ---- Where the page is written.

#ifndef _WIN32
// While it lives, the process acts as an ordinary user even when the tests
// run as root, whom no file permission stops.
class Sin_Privilegios {
 public:
  Sin_Privilegios() {
    if (root_) {
      EXPECT_EQ(seteuid(65534), 0);  // nobody
    }
  }
  Sin_Privilegios(const Sin_Privilegios&) = delete;
  Sin_Privilegios& operator=(const Sin_Privilegios&) = delete;
  ~Sin_Privilegios() {
    if (root_) {
      EXPECT_EQ(seteuid(0), 0);
    }
  }

 private:
  bool root_ = geteuid() == 0;
};
#endif

TEST(PaginaTest, ReplacesOnlyRegularFilesThatMayBeWritten) {
  namespace fs = std::filesystem;
  const Pagina_Traza pagina(Lea({"ordenamiento_traza", "--valores", "3,1,2"}));
  const Carpeta carpeta;
  std::string error;
  const auto escriba = [&](const fs::path& ruta) {
    return pagina.Escriba(ruta.string(), error);
  };

  // An existing page is replaced and keeps its permissions.
  const fs::path existente = carpeta.Ruta() / "traza.html";
  std::ofstream(existente) << "antes";
  fs::permissions(existente, fs::perms::owner_read | fs::perms::owner_write);
  const fs::perms antes = fs::status(existente).permissions();
  ASSERT_TRUE(escriba(existente)) << error;
  EXPECT_EQ(Lea_Archivo(existente), pagina.Html());
  EXPECT_EQ(fs::status(existente).permissions(), antes);

  // Refused, each with its reason, and left as they were.
  EXPECT_FALSE(escriba(carpeta.Ruta()));
  EXPECT_EQ(error, "ERROR: " + carpeta.Ruta().string() + " es una carpeta");
  const fs::path sin_carpeta = carpeta.Ruta() / "falta" / "traza.html";
  EXPECT_FALSE(escriba(sin_carpeta));
  EXPECT_EQ(error, "ERROR: no existe la carpeta de " + sin_carpeta.string());
  // A file this user may not write, in a folder where anyone may write.
  const fs::path protegido = carpeta.Ruta() / "protegido.html";
  std::ofstream(protegido) << "protegido";
  fs::permissions(protegido, fs::perms::owner_read);
  fs::permissions(carpeta.Ruta(), fs::perms::all);
  {
#ifndef _WIN32
    const Sin_Privilegios nadie;
#endif
    // wine run by root lets anyone write a read-only file.
    if (!std::ofstream(protegido, std::ios::app)) {
      EXPECT_FALSE(escriba(protegido));
      EXPECT_EQ(error,
                "ERROR: permiso denegado para escribir " + protegido.string());
    }
  }
  EXPECT_EQ(Lea_Archivo(protegido), "protegido");

#ifndef _WIN32
  // A link is followed to its target, which is replaced; the link stays.
  std::ofstream(existente) << "antes";
  const fs::path enlace = carpeta.Ruta() / "enlace.html";
  fs::create_symlink("traza.html", enlace);
  ASSERT_TRUE(escriba(enlace)) << error;
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(enlace)));
  EXPECT_EQ(Lea_Archivo(existente), pagina.Html());

  // A FIFO is refused without being opened, which would wait for a reader.
  const fs::path fifo = carpeta.Ruta() / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(escriba(fifo));
  EXPECT_EQ(error, "ERROR: " + fifo.string() + " no es un archivo regular");
  EXPECT_EQ(fs::symlink_status(fifo).type(), fs::file_type::fifo);

  // The longest name a file may have is written, since the temporary file
  // has a short name of its own; one byte more is refused in Spanish.
  const fs::path largo = carpeta.Ruta() / std::string(255, 'x');
  EXPECT_TRUE(escriba(largo)) << error;
  EXPECT_FALSE(escriba(largo.string() + "x"));
  EXPECT_EQ(error, "ERROR: la ruta " + largo.string() + "x es demasiado larga");
  const fs::path ciclo = carpeta.Ruta() / "ciclo";
  fs::create_symlink("ciclo", ciclo);
  EXPECT_FALSE(escriba(ciclo));
  EXPECT_EQ(error, "ERROR: los enlaces simbólicos de " + ciclo.string() +
                       " forman un ciclo o son demasiados");
  // A path is shown with its control characters escaped.
  EXPECT_FALSE(escriba(carpeta.Ruta() / "\x1b[2J" / "traza.html"));
  EXPECT_EQ(error, "ERROR: no existe la carpeta de " + carpeta.Ruta().string() +
                       "/\\x1b[2J/traza.html");
  EXPECT_EQ(carpeta.Archivos(), 6U) << "a temporary file was left behind";
#else
  EXPECT_EQ(carpeta.Archivos(), 2U) << "a temporary file was left behind";
#endif
}

#ifndef _WIN32
// The signal that SIGXFSZ turns into in the child of the next test.
volatile std::sig_atomic_t senal_pedida = 0;

// A signal that ends the tool while it writes the temporary page removes
// that file, leaves the page as it was, and still ends the process. To make
// the signal land in the middle of the write every time, a child process
// may write files of 4 KB at most: the write that passes that size raises
// SIGXFSZ, whose handler raises the signal under test, inside the write.
TEST(PaginaTest, ASignalWhileWritingLeavesNoTemporaryFile) {
  const Pagina_Traza pagina(Lea({"ordenamiento_traza", "--n", "64"}));
  ASSERT_GT(pagina.Html().size(), 4096U);
  for (const int senal : {SIGINT, SIGTERM, SIGHUP}) {
    const Carpeta carpeta;
    const std::filesystem::path existente = carpeta.Ruta() / "traza.html";
    std::ofstream(existente) << "antes";
    senal_pedida = senal;
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
      const rlimit limite = {4096, 4096};
      setrlimit(RLIMIT_FSIZE, &limite);
      static_cast<void>(std::signal(
          SIGXFSZ, [](int) { static_cast<void>(std::raise(senal_pedida)); }));
      std::string error;
      _exit(pagina.Escriba(existente.string(), error) ? 0 : 1);
    }
    int estado = 0;
    ASSERT_EQ(waitpid(hijo, &estado, 0), hijo);
    EXPECT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == senal)
        << "signal " << senal << ", status " << estado;
    EXPECT_EQ(Lea_Archivo(existente), "antes");
    EXPECT_EQ(carpeta.Archivos(), 1U) << "a temporary file was left behind";
  }
}
#endif

}  // namespace
