// What the replay page draws of a strategy's own functions, under node's
// own test runner: the calls running, their ranges and variables read back
// from a recording stored as changes (trace/pagina/seguido.js), and the
// parts drawn from them (trace/pagina/escena.js): the chain, the ranges,
// the pointers and their rows, the positions written and the tree.
//
// node --test seguido_test.js
'use strict';

const assert = require('node:assert/strict');
const path = require('node:path');
const { test } = require('node:test');
const cargue = require(path.join(__dirname, 'cargue.js'));
const Modelo = cargue('modelo'), Escena = cargue('escena'), Palabras = cargue('palabras');

// A quicksort of four values as the tool records it: Ordene calls
// Tramo(0, 3), which runs Parte over calls 0 to 2 and then Tramo(2, 3)
// over calls 3 and 4. Parte's i points at 1, then 2, then past the end
// (4), and ends with Parte; Ordene's n is no position.
const PARAMETRO = 1, POSICION = 2;
function rapido() {
  const estrategia = {
    nombre: 'Ordenador_Rapido', visible: 'Rápido',
    ops: [[1, 0, 0], [2, 0, 0], [1, 0], [3, 2, 0], [3, 2]], lineas: [20, 20, 26, 20, 26],
    funciones: ['Ordene', 'Tramo', 'Parte'],
    marcos: [0, 0, 5, 1, 0, 5, 2, 0, 3, 1, 3, 5],
    nombres: ['primero', 'ultimo', 'i', 'n'],
    variables: [1, 0, PARAMETRO | POSICION, 1, 1, PARAMETRO, 2, 2, POSICION, 3, 0, PARAMETRO | POSICION,
                3, 1, PARAMETRO, 0, 3, 0],
    // [calls since the change before, variable, value]: n, primero, ultimo
    // and i at call 0; i at 1 and 2; Tramo(2, 3)'s at 3.
    cambios: [0, 5, 4, 0, 0, 0, 0, 1, 3, 0, 2, 1, 1, 2, 2, 1, 2, 4, 1, 3, 2, 0, 4, 3],
    fines: [3, 2]
  };
  const contenedores = [{ nombre: 'Vector_Ordenable', etiqueta: 'Arreglo', enlaces_por_posicion: 0 }];
  return Modelo.cree({ entrada: [4, 3, 2, 1], estrategias: [estrategia], contenedores: contenedores,
                       paneles: [{ estrategia: 0, contenedor: 0, titulo: 'Rápido' }],
                       descripcion: '', semilla: null });
}

test('the functions running at each call: chain, ranges, watch and pointers, from changes', () => {
  const m = rapido(), e = m.estrategias[0], info = m.datos.paneles[0];
  assert.deepEqual([e.seguido.profundidad, e.seguido.filasDePunteros], [3, 2]);
  const en = (k) => Escena.panel(m, info, Modelo.estadoEn(e, k), 30);
  // Inside Parte, i at 2: the innermost's pointer first, each name once.
  let partes = en(2);
  assert.equal(partes.llamadas, 'Ordene › Tramo(primero=0, ultimo=3) › Parte');
  assert.equal(partes.vigilancia, 'i = 2');
  assert.deepEqual(partes.tramos, [{ desde: 0, hasta: 3, nivel: 0 }, { desde: 0, hasta: 3, nivel: 1 },
                                   { desde: 0, hasta: 2, nivel: 2 }]);
  assert.deepEqual(partes.punteros.map((x) => [x.texto, x.posicion, x.fila]), [['▲primero', 0, 0], ['▲i', 2, 0]]);
  assert.match(Palabras.anuncio(m, 2, [0]),
    /; en Ordene, que llama a Tramo con primero 0 y ultimo 3, que llama a Parte; i en la posición 2, primero en la 0/);
  // i past the last position is watched, not drawn.
  partes = en(3);
  assert.equal(partes.vigilancia, 'i = 4');
  assert.deepEqual(partes.punteros.map((x) => x.texto), ['▲primero']);
  // The second Tramo, once Parte has returned: its own parameters, and
  // the outer primero hidden by its own.
  partes = en(5);
  assert.equal(partes.llamadas, 'Ordene › Tramo(primero=0, ultimo=3) › Tramo(primero=2, ultimo=3)');
  assert.equal(partes.vigilancia, 'primero = 2 · ultimo = 3');
  assert.deepEqual(partes.tramos.map((t) => [t.desde, t.hasta]), [[0, 3], [0, 3], [2, 3]]);
  assert.deepEqual(partes.punteros.map((x) => [x.texto, x.posicion]), [['▲primero', 2]]);
  // Before the first call and with nothing followed: nothing drawn.
  const sinSeguir = Modelo.cree(Object.assign({}, m.datos, { estrategias: [{ nombre: 'Ordenador_Rapido',
    visible: 'Rápido', ops: e.ops, lineas: e.lineas }] }));
  [en(0), Escena.panel(sinSeguir, info, Modelo.estadoEn(sinSeguir.estrategias[0], 3), 30)].forEach((vacio) =>
    assert.deepEqual([vacio.llamadas, vacio.vigilancia, vacio.tramos, vacio.punteros], ['', '', [], []]));
});

test('pointers: names at one position together, on the free row, kept inside the row', () => {
  const f = (punteros) => ({ cadena: [], vigiladas: [], punteros: punteros });
  // Wide columns: each name centred on the first row, the ends aligned.
  assert.deepEqual(Escena.punteros(f([{ nombre: 'j', posicion: 5 }, { nombre: 'i', posicion: 5 },
    { nombre: 'primero', posicion: 0 }, { nombre: 'ultimo', posicion: 9 }]), 10, 40, 2)
    .map((x) => [x.texto, x.fila, x.alineado]),
  [['▲primero', 0, 'inicio'], ['▲j,i', 0, 'centro'], ['▲ultimo', 0, 'fin']]);
  // Narrow columns: the second name takes the second row; with one row,
  // a mark alone.
  const juntos = [{ nombre: 'k', posicion: 3 }, { nombre: 'hijo', posicion: 4 }];
  assert.deepEqual(Escena.punteros(f(juntos), 16, 8, 2).map((x) => [x.texto, x.fila]), [['▲k', 0], ['▲hijo', 1]]);
  assert.deepEqual(Escena.punteros(f(juntos), 16, 8, 1).map((x) => [x.texto, x.fila]), [['▲k', 0], ['▲', 0]]);
});

test('positions under the bars: every one that fits, the call\'s two always, none over another', () => {
  const ANCHO = 16;
  for (const n of [5, 20, 64]) {
    for (const anchoColumna of [4, 6, 10, 17, 40]) {
      const cada = Escena.cadaCuantas(n, anchoColumna);
      for (const op of [null, [1, 0], [n - 1, 0], [Math.floor(n / 2), Math.floor(n / 2) + 1], [3, 3]]) {
        const rotulos = Escena.rotulosDePosicion(n, op, cada, anchoColumna);
        const donde = `N = ${n}, ${anchoColumna} px, call ${op}`;
        if (op !== null) {
          assert.deepEqual(rotulos.filter((r) => r.actual).map((r) => r.p),
            [...new Set(op)].sort((a, b) => a - b), donde);
        }
        if (anchoColumna >= ANCHO && n <= 32) { assert.equal(rotulos.length, n, donde); }
        // Each number's extent, centred or on one side of its bar's middle.
        const extension = rotulos.map((r) => {
          const centro = (r.p + 0.5) * anchoColumna;
          return r.alineado === 'fin' ? [centro - ANCHO, centro] : r.alineado === 'inicio' ? [centro, centro + ANCHO]
            : [centro - ANCHO / 2, centro + ANCHO / 2];
        });
        extension.slice(1).forEach((x, i) => assert.ok(x[0] >= extension[i][1] - 1e-9, donde + ': ' +
          rotulos[i].p + ' and ' + rotulos[i + 1].p));
      }
    }
  }
});

test('the tree: position k\'s children at 2k + 1 and 2k + 2, a level down, on either side of it', () => {
  for (const n of [1, 2, 7, 20, 64]) {
    const arbol = Escena.arbol(n);
    assert.equal(arbol.niveles, Math.floor(Math.log2(n)) + 1);
    arbol.nodos.forEach((nodo, k) => {
      if (k === 0) { assert.deepEqual(nodo, { nivel: 0, x: 0.5 }); return; }
      const padre = arbol.nodos[(k - 1) >> 1];
      assert.equal(nodo.nivel, padre.nivel + 1);
      assert.ok(k % 2 === 1 ? nodo.x < padre.x : nodo.x > padre.x, 'n = ' + n + ', node ' + k);
      if (k + 1 < n && arbol.nodos[k + 1].nivel === nodo.nivel) { assert.ok(arbol.nodos[k + 1].x > nodo.x); }
    });
  }
});
