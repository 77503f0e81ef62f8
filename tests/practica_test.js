// The practice mode (trace/pagina/practica.js) under node's own test
// runner: which exchanges it asks about and where, the picks, the score
// and its words. node --test practica_test.js
'use strict';

const assert = require('node:assert/strict');
const path = require('node:path');
const { test } = require('node:test');
const Modelo = require(path.join(__dirname, 'cargue.js'))('modelo');
const Practica = require(path.join(__dirname, 'cargue.js'))('practica');

// One strategy's recording of entrada.
const modelo = (entrada, ops) => Modelo.cree({ entrada: entrada, estrategias: [{ nombre: 'Ordenador', ops: ops }] });
// Bubble sort on 3, 1, 2, as ordenamiento_traza records it; selection sort
// on 3, 3, 1, whose last exchange is of position 1 with itself; bubble sort
// on sorted values, which exchanges nothing; and two exchanges in a row.
const modelos = {
  burbuja: modelo([3, 1, 2], [[1, 0, 1], [1, 0], [2, 1, 1], [2, 1], [1, 0, 0]]),
  seleccion: modelo([3, 3, 1], [[1, 0, 0], [2, 0, 1], [0, 2], [2, 1, 0], [1, 1]]),
  ninguno: modelo([1, 2, 3], [[1, 0, 0], [2, 1, 0], [1, 0, 0]]),
  seguidos: modelo([3, 2, 1], [[0, 2], [1, 1]]),
  // An endless strategy, stopped after four calls.
  detenida: Modelo.cree({ entrada: [2, 1], estrategias: [{ nombre: 'Ordenador', ops: [[1, 0, 1], [0, 1], [1, 0, 0], [0, 1]],
    falla: 'no termina: más de 4 llamadas', hechas: 4 }] })
};

// A practice from step K0 played as the page plays it, each exchange
// answered with the picks that responda gives for its pair: the steps
// asked at, and the practice at the end.
function juegue(e, K0, responda) {
  let practica = Practica.inicie(e, K0);
  const preguntados = [];
  while (!practica.terminada) {
    const paso = practica.paso;
    if (practica.esperando) {
      preguntados.push(paso);
      const [a, b] = responda(e.ops[paso]);
      practica = Practica.siga(Practica.elija(Practica.elija(practica, a), b));
    } else {
      practica = Practica.llegue(practica, paso + 1);
    }
    // Play goes on, past an exchange asked once it is made.
    assert.equal(practica.paso, paso + 1);
  }
  return { preguntados: preguntados, practica: practica };
}

test('each exchange from the starting step on is asked once, at the step before it, whatever the answers', () => {
  const respuestas = { bien: (op) => [op[0], op[1]], alReves: (op) => [op[1], op[0]],
                       mal: (op) => [op[0], (op[1] + 1) % 3] };
  for (const [nombre, { estrategias: [e] }] of Object.entries(modelos)) {
    for (let K0 = 0; K0 <= e.total; K0++) {
      const intercambios = e.ops.map((op, t) => (op.length === 2 && t >= K0 ? t : -1)).filter((t) => t >= 0);
      assert.equal(Practica.proximaParada(e, K0), intercambios.length > 0 ? intercambios[0] : null);
      for (const [forma, responda] of Object.entries(respuestas)) {
        const jugada = juegue(e, K0, responda), donde = nombre + ' desde ' + K0 + ', ' + forma;
        const B = intercambios.length, A = forma === 'mal' ? 0 : B;
        assert.deepEqual([jugada.preguntados, jugada.practica.paso, Practica.puntuacion(jugada.practica)],
          [intercambios, e.total, 'Aciertos: ' + A + ' de ' + B], donde);
        // Again: as from the start.
        assert.deepEqual(Practica.otraVez(jugada.practica), Practica.inicie(e, K0), donde);
      }
    }
  }
  // The end's words, right answers or wrong.
  const casos = [['burbuja', 0, 'bien'], ['seleccion', 3, 'mal'], ['ninguno', 0, 'bien'], ['seleccion', 5, 'bien'],
    ['seguidos', 0, 'alReves'], ['detenida', 0, 'bien'], ['detenida', 4, 'bien']];
  assert.deepEqual(casos.map(([nombre, K0, forma]) =>
    Practica.final(juegue(modelos[nombre].estrategias[0], K0, respuestas[forma]).practica)), [
    'Terminado: 2 aciertos de 2 intercambios, tras 3 comparaciones.',
    'Terminado: 0 aciertos de 1 intercambio desde el paso 3, tras 1 comparación.',
    'Esta estrategia no hizo ningún intercambio: 3 comparaciones la llevaron al final.',
    'Desde el paso 5, esta estrategia no hizo ningún intercambio más ni ninguna comparación.',
    'Terminado: 2 aciertos de 2 intercambios, sin ninguna comparación.',
    'No termina: detenida tras 4 llamadas. Hasta ahí, 2 aciertos de 2 intercambios, tras 2 comparaciones.',
    'No termina: detenida tras 4 llamadas. Desde el paso 4, esta estrategia no hizo ningún intercambio más ni ' +
      'ninguna comparación.']);
});

test('picks: either order, the same bar twice, a wrong pair, what is refused, and the bars named', () => {
  const e = modelos.seleccion.estrategias[0];
  const elija = (practica, a, b) => Practica.elija(Practica.elija(practica, a), b);
  // Play stops at step 2, before Intercambie(0, 2), and goes neither past
  // it nor back, nor on while it waits; no pick while playing, no going on
  // without a verdict, and none while the verdict shows.
  const antes = Practica.llegue(Practica.inicie(e, 0), 1), practica = Practica.llegue(antes, 2);
  assert.deepEqual([Practica.llegue(antes, 3), Practica.llegue(antes, 0), Practica.elija(antes, 0),
    Practica.llegue(practica, 3), Practica.siga(practica)], [antes, antes, antes, practica, practica]);
  assert.deepEqual([Practica.indicacion(practica), Practica.indicacion(Practica.elija(practica, 2))],
    ['¿Qué dos posiciones intercambia ahora? Elija dos barras.',
     'Elegida la posición 2: elija la otra, o la misma otra vez si la intercambia consigo misma.']);
  // 2 then 0 is right; the same bar twice is not.
  const alReves = elija(practica, 2, 0), dosVeces = elija(practica, 0, 0);
  const dicho = (p) => [p.veredicto, Practica.dichoDelVeredicto(p.veredicto), Practica.puntuacion(p)];
  assert.deepEqual([dicho(alReves), dicho(dosVeces), Practica.elija(dosVeces, 1)], [
    [{ acierto: true, par: [0, 2], elegido: [2, 0] }, 'Sí: intercambia las posiciones 0 y 2.', 'Aciertos: 1 de 1'],
    [{ acierto: false, par: [0, 2], elegido: [0, 0] }, 'No: intercambia las posiciones 0 y 2.', 'Aciertos: 0 de 1'],
    dosVeces]);
  // On, to Intercambie(1, 1): the same bar twice is right; another is not.
  const ultima = Practica.llegue(Practica.siga(dosVeces), 4), misma = elija(ultima, 1, 1), otra = elija(ultima, 1, 2);
  assert.deepEqual([Practica.dichoDelVeredicto(misma.veredicto), Practica.dichoDelVeredicto(otra.veredicto)],
    ['Sí: intercambia la posición 1 consigo misma.', 'No: intercambia la posición 1 consigo misma.']);
  const fin = Practica.siga(misma);
  assert.deepEqual([fin.terminada, fin.esperando, Practica.elija(fin, 1), Practica.final(fin)],
    [true, false, fin, 'Terminado: 1 acierto de 2 intercambios, tras 3 comparaciones.']);
  // The bars named at step 3, where the first 3 has passed the second.
  const estado = Modelo.estadoEn(e, 3);
  assert.deepEqual([0, 1, 2].map((p) => Practica.nombreDePosicion(modelos.seleccion, estado, p)),
    ['Posición 0, valor 1', 'Posición 1, valor 3, segunda vez', 'Posición 2, valor 3, primera vez']);
});
