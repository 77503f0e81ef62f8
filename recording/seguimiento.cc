#include "recording/seguimiento.h"

#include <algorithm>
#include <utility>

Seguimiento::Seguimiento(Contenedor_Registro& registro) : registro_(registro) {
  registro_.Siga(this);
  Actual() = this;
}

Seguimiento::~Seguimiento() {
  registro_.Siga(nullptr);
  if (Actual() == this) {
    Actual() = nullptr;
  }
}

Seguimiento*& Seguimiento::Actual() {
  // The one Seguimiento that follows this thread's calls, if any.
  // NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
  thread_local Seguimiento* actual = nullptr;
  return actual;
}

int Seguimiento::Llamadas() const {
  return static_cast<int>(
      registro_.Cuenta(Contenedor_Registro::Operacion::kEs_Menor) +
      registro_.Cuenta(Contenedor_Registro::Operacion::kIntercambie));
}

int Seguimiento::Indice(std::vector<std::string>& tabla,
                        std::map<std::string, int>& indices,
                        const char* nombre) {
  const auto [donde, nuevo] =
      indices.emplace(nombre, static_cast<int>(tabla.size()));
  if (nuevo) {
    tabla.emplace_back(nombre);
  }
  return donde->second;
}

void Seguimiento::Antes_De_Llamada(int llamada) {
  std::vector<int> vivas;
  for (const Viva& viva : vivas_) {
    const long long valor = viva.lector(viva.valor);
    Ultimo& ultimo = ultimos_[static_cast<std::size_t>(viva.variable)];
    if (!ultimo.vivia || valor != ultimo.valor) {
      seguido_.cambios.push_back({llamada, viva.variable, valor, true});
      ultimo = {true, valor};
    }
    vivas.push_back(viva.variable);
  }
  std::sort(vivas.begin(), vivas.end());
  for (const int variable : vivas_antes_) {
    if (!std::binary_search(vivas.begin(), vivas.end(), variable)) {
      seguido_.cambios.push_back({llamada, variable, 0, false});
      ultimos_[static_cast<std::size_t>(variable)].vivia = false;
    }
  }
  vivas_antes_ = std::move(vivas);
}

Seguimiento::Marco::Marco(const char* funcion)
    : guardada_(Contenedor_Registro::Aparte_Linea()) {
  Seguimiento* s = Actual();
  if (s != nullptr) {
    indice_ = static_cast<int>(s->seguido_.marcos.size());
    const int llamadas = s->Llamadas();
    s->seguido_.marcos.push_back(
        {s->Indice(s->seguido_.funciones, s->indices_de_funciones_, funcion),
         llamadas, llamadas});
    s->abiertos_.push_back(indice_);
  }
}

Seguimiento::Marco::~Marco() {
  Seguimiento* s = Actual();
  if (s != nullptr && indice_ >= 0 &&
      static_cast<std::size_t>(indice_) < s->seguido_.marcos.size()) {
    s->seguido_.marcos[static_cast<std::size_t>(indice_)].salida =
        s->Llamadas();
    while (!s->abiertos_.empty() && s->abiertos_.back() >= indice_) {
      s->abiertos_.pop_back();
    }
  }
  Contenedor_Registro::Anote(guardada_);
}

void Seguimiento::Variable::Empiece(const char* nombre, const void* valor,
                                    Lector lector, int clase) {
  Seguimiento* s = Actual();
  if (s == nullptr || s->abiertos_.empty()) {
    return;
  }
  const int marco = s->abiertos_.back();
  const int indice_de_nombre =
      s->Indice(s->seguido_.nombres, s->indices_de_nombres_, nombre);
  const auto [donde, nueva] = s->indices_de_variables_.emplace(
      std::make_tuple(marco, valor, indice_de_nombre),
      static_cast<int>(s->seguido_.variables.size()));
  if (nueva) {
    s->seguido_.variables.push_back({marco, indice_de_nombre, clase});
    s->ultimos_.emplace_back();
  }
  s->vivas_.push_back({donde->second, valor, lector});
  seguida_ = true;
}

Seguimiento::Variable::~Variable() {
  Seguimiento* s = Actual();
  if (seguida_ && s != nullptr && !s->vivas_.empty()) {
    s->vivas_.pop_back();
  }
}
