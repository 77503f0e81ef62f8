// How the containers use the free store. This program replaces the global
// operator new and delete with versions that count the blocks alive, tell
// the scalar forms from the array forms, and can be told to fail, so it runs
// apart from the other tests.

#include <gtest/gtest.h>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <process.h>
#include <windows.h>
#else
#include <pthread.h>
#endif

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"

namespace {

long bloques_vivos = 0;    // blocks allocated and not yet released
long fallar_tras = -1;     // allocations left before one fails; -1: never
long asignaciones = 0;     // allocations made since the last reset
long formas_cruzadas = 0;  // blocks released by the other form of delete

// Which form of new allocated a block: kept in a header in front of it, as
// large as the strictest fundamental alignment so that the block keeps
// malloc's alignment.
enum class Forma : unsigned char { kEscalar = 0x5C, kArreglo = 0xA7 };
constexpr std::size_t kCabecera = alignof(std::max_align_t);

void* Reserve(std::size_t bytes, Forma forma) {
  if (fallar_tras == 0) {
    throw std::bad_alloc();
  }
  if (fallar_tras > 0) {
    --fallar_tras;
  }
  auto* bloque = static_cast<unsigned char*>(std::malloc(kCabecera + bytes));
  if (bloque == nullptr) {
    throw std::bad_alloc();
  }
  std::memcpy(bloque, &forma, sizeof forma);
  ++bloques_vivos;
  ++asignaciones;
  return bloque + kCabecera;
}

void Libere(void* puntero, Forma forma) noexcept {
  if (puntero == nullptr) {
    return;
  }
  unsigned char* bloque = static_cast<unsigned char*>(puntero) - kCabecera;
  Forma registrada{};
  std::memcpy(&registrada, bloque, sizeof registrada);
  if (registrada != Forma::kEscalar && registrada != Forma::kArreglo) {
    // Not a block of this allocator: freeing it from here would corrupt the
    // heap.
    static_cast<void>(std::fputs(
        "memoria_test: delete of a block this operator new did not hand out\n",
        stderr));
    std::abort();
  }
  if (registrada != forma) {
    ++formas_cruzadas;
  }
  --bloques_vivos;
  std::free(bloque);
}

}  // namespace

// The scalar and array forms are replaced, plain and nothrow alike: a
// runtime such as AddressSanitizer's would otherwise serve them itself, past
// the counter and without the header. The over-aligned forms (those taking
// std::align_val_t) are not: the containers allocate no over-aligned type.
void* operator new(std::size_t bytes) {
  return Reserve(bytes, Forma::kEscalar);
}

void* operator new[](std::size_t bytes) {
  return Reserve(bytes, Forma::kArreglo);
}

void* operator new(std::size_t bytes, const std::nothrow_t& /*sin*/) noexcept {
  try {
    return Reserve(bytes, Forma::kEscalar);
  } catch (...) {
    return nullptr;
  }
}

void* operator new[](std::size_t bytes,
                     const std::nothrow_t& /*sin*/) noexcept {
  try {
    return Reserve(bytes, Forma::kArreglo);
  } catch (...) {
    return nullptr;
  }
}

void operator delete(void* bloque) noexcept { Libere(bloque, Forma::kEscalar); }

void operator delete(void* bloque, std::size_t /*bytes*/) noexcept {
  Libere(bloque, Forma::kEscalar);
}

void operator delete(void* bloque, const std::nothrow_t& /*sin*/) noexcept {
  Libere(bloque, Forma::kEscalar);
}

void operator delete[](void* bloque) noexcept {
  Libere(bloque, Forma::kArreglo);
}

void operator delete[](void* bloque, std::size_t /*bytes*/) noexcept {
  Libere(bloque, Forma::kArreglo);
}

void operator delete[](void* bloque, const std::nothrow_t& /*sin*/) noexcept {
  Libere(bloque, Forma::kArreglo);
}

namespace {

// Fails the test in which some block was released by the other form of
// delete than its new: delete on memory from new[], or delete[] on memory
// from new.
class MemoriaTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(std::exchange(formas_cruzadas, 0), 0)
        << "blocks released by the other form of delete than their new";
  }
};

TEST_F(MemoriaTest, EachContainerReleasesAllItOwnsThroughItsBase) {
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

TEST_F(MemoriaTest, ListThatFailsPartWayReleasesTheNodesAlreadyLinked) {
  for (long fallo : {0L, 1L, 10L, 19L}) {
    const long antes = bloques_vivos;
    fallar_tras = fallo;
    EXPECT_THROW(Lista_Ordenable lista(20), std::bad_alloc) << fallo;
    fallar_tras = -1;
    EXPECT_EQ(bloques_vivos, antes) << "failing after " << fallo << " nodes";
  }
}

TEST_F(MemoriaTest, DeletingANodeReleasesEveryNodeAfterIt) {
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
void LibereListaLarga() {
  const long antes = bloques_vivos;
  { Lista_Ordenable lista(2000000); }
  restantes_del_hilo = bloques_vivos - antes;
}

constexpr unsigned kPilaPequena = 256U * 1024U;

#ifdef _WIN32
unsigned __stdcall HiloQueLibera(void* /*argumento*/) {
  LibereListaLarga();
  return 0;
}
#else
void* HiloQueLibera(void* /*argumento*/) {
  LibereListaLarga();
  return nullptr;
}
#endif

TEST_F(MemoriaTest, ALongListIsReleasedWithoutExhaustingTheStack) {
#ifdef _WIN32
  // Without STACK_SIZE_PARAM_IS_A_RESERVATION the size would only be what is
  // committed at first, and the stack could still grow to the default 1 MiB.
  const auto hilo = reinterpret_cast<HANDLE>(
      _beginthreadex(nullptr, kPilaPequena, HiloQueLibera, nullptr,
                     STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
  ASSERT_NE(hilo, nullptr);
  ASSERT_EQ(WaitForSingleObject(hilo, INFINITE), WAIT_OBJECT_0);
  CloseHandle(hilo);
#else
  pthread_attr_t atributos;
  ASSERT_EQ(pthread_attr_init(&atributos), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&atributos, kPilaPequena), 0);
  pthread_t hilo{};
  ASSERT_EQ(pthread_create(&hilo, &atributos, HiloQueLibera, nullptr), 0);
  ASSERT_EQ(pthread_join(hilo, nullptr), 0);
  pthread_attr_destroy(&atributos);
#endif
  EXPECT_EQ(restantes_del_hilo, 0);
}

}  // namespace
