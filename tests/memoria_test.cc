// How the containers use the free store. This program replaces the global
// operator new and delete with versions that count the blocks alive and can
// be told to fail, so it runs apart from the other tests.

#include <gtest/gtest.h>
#include <pthread.h>

#include <cstdlib>
#include <memory>
#include <new>

#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"

namespace {

long bloques_vivos = 0;  // blocks allocated and not yet released
long fallar_tras = -1;   // allocations left before one fails; -1: never
long asignaciones = 0;   // allocations made since the last reset

}  // namespace

void* operator new(std::size_t bytes) {
  if (fallar_tras == 0) {
    throw std::bad_alloc();
  }
  if (fallar_tras > 0) {
    --fallar_tras;
  }
  void* bloque = std::malloc(bytes == 0 ? 1 : bytes);
  if (bloque == nullptr) {
    throw std::bad_alloc();
  }
  ++bloques_vivos;
  ++asignaciones;
  return bloque;
}

void operator delete(void* bloque) noexcept {
  if (bloque == nullptr) {
    return;
  }
  --bloques_vivos;
  std::free(bloque);
}

void operator delete(void* bloque, std::size_t /*bytes*/) noexcept {
  operator delete(bloque);
}

// The array forms too: a runtime such as AddressSanitizer's would otherwise
// serve them itself, past the counter.
void* operator new[](std::size_t bytes) { return operator new(bytes); }

void operator delete[](void* bloque) noexcept { operator delete(bloque); }

void operator delete[](void* bloque, std::size_t /*bytes*/) noexcept {
  operator delete(bloque);
}

namespace {

TEST(MemoriaTest, EachContainerReleasesAllItOwnsThroughItsBase) {
  const long antes = bloques_vivos;
  asignaciones = 0;
  std::unique_ptr<Contenedor_Ordenable> lista(new Lista_Ordenable(20));
  EXPECT_EQ(asignaciones, 1 + 20);  // the list and its 20 nodes
  lista.reset();
  EXPECT_EQ(bloques_vivos, antes);

  asignaciones = 0;
  std::unique_ptr<Contenedor_Ordenable> vector(new Vector_Ordenable(20));
  EXPECT_EQ(asignaciones, 1 + 1);  // the vector and its array
  vector.reset();
  EXPECT_EQ(bloques_vivos, antes);
}

TEST(MemoriaTest, ListThatFailsPartWayReleasesTheNodesAlreadyLinked) {
  for (long fallo : {0L, 1L, 10L, 19L}) {
    const long antes = bloques_vivos;
    fallar_tras = fallo;
    EXPECT_THROW(Lista_Ordenable lista(20), std::bad_alloc) << fallo;
    fallar_tras = -1;
    EXPECT_EQ(bloques_vivos, antes) << "failing after " << fallo << " nodes";
  }
}

TEST(MemoriaTest, DeletingANodeReleasesEveryNodeAfterIt) {
  const long antes = bloques_vivos;
  auto* primero = new Lista_Ordenable::Nodo(1);
  primero->Siguiente = new Lista_Ordenable::Nodo(2);
  primero->Siguiente->Siguiente = new Lista_Ordenable::Nodo(3);
  delete primero;
  EXPECT_EQ(bloques_vivos, antes);
}

long restantes_del_hilo = -1;

// Runs on a thread with a small stack: one nested call per node would
// overflow it long before the end of the list.
void* LibereListaLarga(void* /*argumento*/) {
  const long antes = bloques_vivos;
  { Lista_Ordenable lista(2000000); }
  restantes_del_hilo = bloques_vivos - antes;
  return nullptr;
}

TEST(MemoriaTest, ALongListIsReleasedWithoutExhaustingTheStack) {
  pthread_attr_t atributos;
  ASSERT_EQ(pthread_attr_init(&atributos), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&atributos, std::size_t{256} * 1024), 0);
  pthread_t hilo{};
  ASSERT_EQ(pthread_create(&hilo, &atributos, LibereListaLarga, nullptr), 0);
  ASSERT_EQ(pthread_join(hilo, nullptr), 0);
  pthread_attr_destroy(&atributos);
  EXPECT_EQ(restantes_del_hilo, 0);
}

}  // namespace
