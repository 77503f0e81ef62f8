#include "sorting/algoritmo_ordenador.h"

Algoritmo_Ordenador::~Algoritmo_Ordenador() = default;
