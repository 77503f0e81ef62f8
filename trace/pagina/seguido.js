// What a strategy's own functions were doing at each step (see modelo.js
// for the parts and how they share), from what the recording followed
// beside the calls (Pagina_Traza's data: funciones, marcos, nombres,
// variables, cambios, fines): the chain of the functions running, each
// with its parameters as it was entered and the positions that its calls,
// nested ones included, touch over its whole run; and the variables of
// each with their values, of which those the function passes whole to
// Es_Menor or Intercambie are positions. No page is needed.
Traza.defina('seguido', [], function () {
  'use strict';

  // Flags of a variable (Seguimiento::Clase).
  const PARAMETRO = 1, POSICION = 2;

  // The runs and variables of a strategy's data d, whose calls are ops,
  // read once: each run with its function's name, the calls it ran over
  // ([entrada, salida)), the run it was called from (padre, -1 for none),
  // its depth (nivel, 0 for the outermost), its variables, and the lowest
  // and highest position its calls touch;
  // each variable with its name, flags and the calls its value changed or
  // it ended at (eventos, in order); and, for each call, the innermost run
  // running it (-1 for none); and how deep the calls went (profundidad:
  // 1 where only Ordene ran) and how many rows its pointers take under
  // the bars (filasDePunteros: none where no variable is a position, two
  // where two or more names are).
  function lea(d, ops) {
    const marcos = [], variables = [], plano = d.marcos || [];
    for (let i = 0; i < plano.length; i += 3) {
      marcos.push({ funcion: d.funciones[plano[i]], entrada: plano[i + 1], salida: plano[i + 2], padre: -1,
                    variables: [], menor: Infinity, mayor: -Infinity });
    }
    const abiertos = [];
    const dentro = new Int32Array(ops.length).fill(-1);
    marcos.forEach((marco, i) => {
      while (abiertos.length > 0 && marcos[abiertos[abiertos.length - 1]].salida <= marco.entrada) { abiertos.pop(); }
      marco.padre = abiertos.length > 0 ? abiertos[abiertos.length - 1] : -1;
      abiertos.push(i);
      for (let t = marco.entrada; t < Math.min(marco.salida, ops.length); t++) {
        dentro[t] = i;
        marco.menor = Math.min(marco.menor, ops[t][0], ops[t][1]);
        marco.mayor = Math.max(marco.mayor, ops[t][0], ops[t][1]);
      }
    });
    const vars = d.variables || [];
    for (let i = 0; i < vars.length; i += 3) {
      variables.push({ nombre: d.nombres[vars[i + 1]], clase: vars[i + 2], eventos: [] });
      marcos[vars[i]].variables.push(variables.length - 1);
    }
    const sume = (lista, paso, guarde) => {
      let t = 0;
      for (let i = 0; i < lista.length; i += paso) { t += lista[i]; guarde(t, i); }
    };
    sume(d.cambios || [], 3, (t, i) => variables[d.cambios[i + 1]].eventos.push({ t: t, valor: d.cambios[i + 2] }));
    sume(d.fines || [], 2, (t, i) => variables[d.fines[i + 1]].eventos.push({ t: t, valor: null }));
    variables.forEach((v) => v.eventos.sort((a, b) => a.t - b.t));
    // How deep its calls went, and whether any variable is a position: what
    // a panel has room for.
    let profundidad = 0;
    marcos.forEach((marco) => {
      marco.nivel = marco.padre < 0 ? 0 : marcos[marco.padre].nivel + 1;
      if (marco.salida > marco.entrada) { profundidad = Math.max(profundidad, marco.nivel + 1); }
    });
    const nombres = new Set(variables.filter((v) => v.clase & POSICION).map((v) => v.nombre));
    return { marcos: marcos, variables: variables, dentro: dentro, profundidad: profundidad,
             filasDePunteros: Math.min(2, nombres.size) };
  }

  // The value of variable v at call t: the last it took at t or before;
  // null where it did not live then.
  function valorEn(v, t) {
    let bajo = 0, alto = v.eventos.length - 1, hallado = null;
    while (bajo <= alto) {
      const medio = (bajo + alto) >> 1;
      if (v.eventos[medio].t <= t) { hallado = v.eventos[medio]; bajo = medio + 1; } else { alto = medio - 1; }
    }
    return hallado === null ? null : hallado.valor;
  }

  // What strategy e's functions were doing at state estado (Modelo.estadoEn):
  // the chain of runs from the outermost in, each as { funcion,
  // parametros: [[name, value as entered]], rango: [lowest, highest]
  // position its calls touch }; the variables living in the innermost, as
  // [[name, value]], its parameters first (vigiladas); and the positions
  // that the runs of the chain hold in variables, as { nombre, posicion },
  // the innermost's first, each name once, within 0 to n - 1 (punteros).
  // null where there is no current call, or the recording followed none.
  function funcionesEn(e, estado, n) {
    if (estado.op === null || !e.seguido) { return null; }
    const s = e.seguido, t = estado.k - 1, interno = s.dentro[t];
    if (interno < 0) { return null; }
    const cadena = [];
    for (let i = interno; i >= 0; i = s.marcos[i].padre) { cadena.unshift(s.marcos[i]); }
    const vivas = (marco) => marco.variables.map((i) => s.variables[i])
      .map((v) => ({ v: v, valor: valorEn(v, t) })).filter((x) => x.valor !== null);
    const punteros = [], nombrados = new Set();
    cadena.slice().reverse().forEach((marco) => vivas(marco).forEach((x) => {
      if ((x.v.clase & POSICION) && !nombrados.has(x.v.nombre) && x.valor >= 0 && x.valor < n) {
        nombrados.add(x.v.nombre);
        punteros.push({ nombre: x.v.nombre, posicion: x.valor });
      }
    }));
    const parametros = (marco) => marco.variables.map((i) => s.variables[i]).filter((v) => v.clase & PARAMETRO)
      .map((v) => [v.nombre, valorEn(v, marco.entrada)]).filter((par) => par[1] !== null);
    const vigiladas = vivas(cadena[cadena.length - 1])
      .sort((a, b) => (b.v.clase & PARAMETRO) - (a.v.clase & PARAMETRO)).map((x) => [x.v.nombre, x.valor]);
    return { cadena: cadena.map((marco) => ({ funcion: marco.funcion, parametros: parametros(marco),
                                               rango: [marco.menor, marco.mayor] })),
             vigiladas: vigiladas, punteros: punteros };
  }

  return { lea: lea, valorEn: valorEn, funcionesEn: funcionesEn, PARAMETRO: PARAMETRO, POSICION: POSICION };
});
