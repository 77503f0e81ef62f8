#ifndef ORDENAMIENTO_BENCH_CONTENEDOR_CONTADO_H_
#define ORDENAMIENTO_BENCH_CONTENEDOR_CONTADO_H_

#include "containers/contenedor_ordenable.h"

// A Contenedor_Contado wraps a real container and forwards every call to it,
// counting the calls of Es_Menor and Intercambie on the way. A strategy that
// sorts the wrapper sorts the real container, so the counts are exactly the
// work that strategy asks of it. The wrapped container must outlive the
// wrapper, which owns nothing.
class Contenedor_Contado : public Contenedor_Ordenable {
 public:
  explicit Contenedor_Contado(Contenedor_Ordenable& real);

  ~Contenedor_Contado() override;
  void Intercambie(int i, int j) override;
  bool Es_Menor(int i, int j) const override;
  void ImprimaSe() const override;
  const char* Nombre() const override;  // the wrapped container's name

  long Comparaciones() const { return comparaciones_; }
  long Intercambios() const { return intercambios_; }

 private:
  Contenedor_Ordenable& real_;
  mutable long comparaciones_ = 0;
  long intercambios_ = 0;
};

#endif  // ORDENAMIENTO_BENCH_CONTENEDOR_CONTADO_H_
