// Runs the built program and reads its report as a user would receive it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Where the program under test sends its standard output.
enum class Destino { kArchivo, kDispositivoLleno, kCerrada };

struct Ejecucion {
  std::string salida;   // standard output, when sent to a file
  std::string errores;  // standard error
  int estado = 0;       // as waitpid reports it
};

std::string Lea(const char* ruta) {
  std::ifstream archivo(ruta, std::ios::binary);
  return {std::istreambuf_iterator<char>(archivo), {}};
}

// Runs programa with no arguments, standard output going to destino and
// standard error to a file, and waits for it to end.
Ejecucion Ejecute(const std::string& programa, Destino destino) {
  char salida[] = "/tmp/informe_salida_XXXXXX";
  char errores[] = "/tmp/informe_errores_XXXXXX";
  const int fd_salida = mkstemp(salida);
  const int fd_errores = mkstemp(errores);
  Ejecucion ejecucion;
  if (fd_salida < 0 || fd_errores < 0) {
    ADD_FAILURE() << "no temporary files";
    return ejecucion;
  }
  const pid_t hijo = fork();
  if (hijo < 0) {
    ADD_FAILURE() << "fork failed";
    return ejecucion;
  }
  if (hijo == 0) {
    if (destino == Destino::kArchivo) {
      dup2(fd_salida, STDOUT_FILENO);
    } else if (destino == Destino::kDispositivoLleno) {
      dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO);
    } else {
      close(STDOUT_FILENO);
    }
    dup2(fd_errores, STDERR_FILENO);
    execl(programa.c_str(), programa.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  waitpid(hijo, &ejecucion.estado, 0);
  close(fd_salida);
  close(fd_errores);
  ejecucion.salida = Lea(salida);
  ejecucion.errores = Lea(errores);
  unlink(salida);
  unlink(errores);
  return ejecucion;
}

// The path of a built program: the environment variable named variable if
// it is set, otherwise the path this test was built with.
std::string Programa(const char* variable, const char* compilado) {
  const char* ruta = std::getenv(variable);
  return ruta != nullptr ? ruta : compilado;
}

std::vector<std::string> Lineas(const std::string& texto) {
  std::vector<std::string> lineas;
  std::istringstream entrada(texto);
  for (std::string linea; std::getline(entrada, linea);) {
    lineas.push_back(linea);
  }
  return lineas;
}

// The values of a printout "[v v ... v]" that follows label, or an empty
// list when the line is not exactly label and a printout of 20 values from 0
// to 99 separated by single blanks.
std::vector<int> Valores(const std::string& linea, const std::string& rotulo) {
  if (linea.rfind(rotulo + "[", 0) != 0 || linea.back() != ']') {
    return {};
  }
  std::istringstream entrada(linea.substr(rotulo.size() + 1));
  std::vector<int> valores;
  std::string rehecho = rotulo + "[";
  for (int v = 0; entrada >> v;) {
    if (v < 0 || v > 99) {
      return {};
    }
    rehecho += (valores.empty() ? "" : " ") + std::to_string(v);
    valores.push_back(v);
  }
  if (rehecho + "]" != linea || valores.size() != 20) {
    return {};
  }
  return valores;
}

const char* const kRegla =
    "==================================================================";

TEST(InformeTest, SixDemonstrationsInFortyFiveExactLines) {
  const Ejecucion ejecucion =
      Ejecute(Programa("ORDENAMIENTO", ORDENAMIENTO), Destino::kArchivo);
  ASSERT_TRUE(WIFEXITED(ejecucion.estado));
  EXPECT_EQ(WEXITSTATUS(ejecucion.estado), 0);
  EXPECT_EQ(ejecucion.errores, "");
  const std::string& texto = ejecucion.salida;
  EXPECT_TRUE(std::all_of(texto.begin(), texto.end(), [](char c) {
    return c == '\n' || (c >= ' ' && c <= '~');
  })) << "only printable ASCII and LF";
  ASSERT_FALSE(texto.empty());
  EXPECT_EQ(texto.back(), '\n');

  const std::vector<std::string> lineas = Lineas(texto);
  ASSERT_EQ(lineas.size(), 45U);
  EXPECT_EQ(lineas[0] + lineas[1] + lineas[2], "");
  const char* const pares[6][2] = {
      {"Vector_Ordenable", "Ordenador_Burbuja"},
      {"Lista_Ordenable", "Ordenador_Burbuja"},
      {"Vector_Ordenable", "Ordenador_Burbuja_Optimizada"},
      {"Lista_Ordenable", "Ordenador_Burbuja_Optimizada"},
      {"Vector_Ordenable", "Ordenador_Seleccion"},
      {"Lista_Ordenable", "Ordenador_Seleccion"}};
  for (std::size_t d = 0; d < 6; ++d) {
    const std::string* l = &lineas[3 + 7 * d];
    EXPECT_EQ(l[0] + l[3] + l[5], "");
    EXPECT_EQ(l[1], kRegla);
    EXPECT_EQ(l[2], "<<< " + std::to_string(d + 1) + " >>> => " + pares[d][0] +
                        " <===> " + pares[d][1]);
    std::vector<int> sin_orden = Valores(l[4], "[Sin orden]: ");
    const std::vector<int> ordenados = Valores(l[6], "[Ordenados]: ");
    ASSERT_EQ(sin_orden.size(), 20U) << l[4];
    ASSERT_EQ(ordenados.size(), 20U) << l[6];
    std::sort(sin_orden.begin(), sin_orden.end());
    EXPECT_EQ(ordenados, sin_orden) << "demonstration " << d + 1;
  }
}

// The driver built with a bubble sort that sorts backwards. The environment
// variable lets the same test check a build of another type.
TEST(FallaTest, UnsortedResultPrintsTheErrorLineAndAborts) {
  const Ejecucion ejecucion =
      Ejecute(Programa("ORDENAMIENTO_DEFECTUOSO", ORDENAMIENTO_DEFECTUOSO),
              Destino::kArchivo);
  ASSERT_TRUE(WIFSIGNALED(ejecucion.estado)) << "status " << ejecucion.estado;
  EXPECT_EQ(WTERMSIG(ejecucion.estado), SIGABRT);

  const std::vector<std::string> lineas = Lineas(ejecucion.salida);
  ASSERT_EQ(lineas.size(), 3U + 7U + 2U) << ejecucion.salida;
  EXPECT_EQ(lineas[10], "");
  EXPECT_EQ(lineas[11],
            "ERRROR: El contenedor Vector_Ordenable NO est\xE1 ordenado");
  EXPECT_NE(ejecucion.errores.find("\"ERRROR: El contenedor NO est"),
            std::string::npos)
      << ejecucion.errores;
}

TEST(SalidaTest, AReportThatCannotBeWrittenIsAFailure) {
  for (Destino destino : {Destino::kDispositivoLleno, Destino::kCerrada}) {
    const Ejecucion ejecucion =
        Ejecute(Programa("ORDENAMIENTO", ORDENAMIENTO), destino);
    ASSERT_TRUE(WIFEXITED(ejecucion.estado));
    EXPECT_NE(WEXITSTATUS(ejecucion.estado), 0);
    EXPECT_EQ(ejecucion.errores, "ERROR: no se pudo escribir el informe\n");
  }
}

}  // namespace
