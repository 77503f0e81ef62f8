// The practice mode's rules and words (see modelo.js for the parts and how
// they share), with no page: the student watches one strategy's recording
// and, before each exchange, says which two positions it exchanges.
//
// The page plays the comparisons itself and tells the practice each step
// it reaches (llegue). At the step before an exchange the practice waits
// (esperando): the page stops there and takes the student's two picks
// (elija), in either order, the same position twice for an exchange of a
// position with itself. The second pick gives a verdict; the page then
// goes on (siga), which makes the exchange: at once after a right pick,
// after the student has seen the right pair after a wrong one.
//
// A practice is a plain object that no function changes: each returns a
// new one. A call that the practice does not allow at that moment (a pick
// while it does not wait, play past the step where it waits) is refused:
// it returns the very object it was given, so that the page can tell.
Traza.defina('practica', ['modelo', 'palabras'], function (Modelo, Palabras) {
  'use strict';


  // The index t >= K of strategy e's next exchange (e.ops[t] is [i, j]), or
  // null where none is left. Practice asks about it at step t, the step
  // before it is made.
  function proximaParada(e, K) {
    for (let t = Math.max(K, 0); t < e.ops.length; t++) {
      if (!Modelo.esComparacion(e.ops[t])) { return t; }
    }
    return null;
  }

  // The practice as play reaches step K (no check: llegue and siga make
  // theirs first). It waits there if K is the step before the next
  // exchange to ask, and has ended once K reaches the recording's end.
  function situe(practica, K) {
    return Object.freeze(Object.assign({}, practica, {
      paso: K, esperando: pare(practica, K), primera: null, veredicto: null, terminada: K >= practica.total
    }));
  }

  // A practice on strategy e (a strategy of Modelo.cree's model) from step
  // K0, 0 where not given: only the exchanges from K0 on are asked. Its
  // fields, for the page to read:
  //   paso        the step to show;
  //   esperando   whether it waits for the student's picks at paso;
  //   primera     the first position picked, or null;
  //   veredicto   after the second pick, until siga: { acierto, par, elegido },
  //               whether it was right, the pair exchanged as recorded, and
  //               the pair picked; null otherwise;
  //   terminada   whether play has reached the end;
  //   aciertos, preguntas   right answers out of the exchanges asked;
  //   inicio, total, paradas, comparaciones   where it started, the
  //               recording's length, the exchanges to ask ({ paso, par },
  //               in order) and the comparisons play makes from inicio on;
  //   detenida    why and when the strategy was stopped, '' if it ended.
  function inicie(e, K0) {
    const inicio = Math.min(Math.max(K0 || 0, 0), e.total);
    const paradas = [];
    for (let t = proximaParada(e, inicio); t !== null; t = proximaParada(e, t + 1)) {
      paradas.push(Object.freeze({ paso: t, par: Object.freeze(e.ops[t].slice(0, 2)) }));
    }
    const practica = { inicio: inicio, total: e.total, paradas: Object.freeze(paradas), aciertos: 0, preguntas: 0,
                       comparaciones: e.comparaciones[e.total] - e.comparaciones[inicio],
                       detenida: Palabras.detenida(e) };
    return situe(practica, inicio);
  }

  // Whether play that reaches step K must stop there and ask: K is the step
  // before the next exchange not yet asked.
  function pare(practica, K) {
    const siguiente = practica.paradas[practica.preguntas];
    return siguiente !== undefined && siguiente.paso === K;
  }

  // The practice once play has reached step K. Play goes forward, one step
  // or more, but never past the exchange the practice asks about next, and
  // never while it waits for picks or shows a verdict: such a K is refused.
  function llegue(practica, K) {
    const siguiente = practica.paradas[practica.preguntas];
    const tope = siguiente === undefined ? practica.total : siguiente.paso;
    if (practica.esperando || practica.veredicto !== null || K < practica.paso || K > tope) { return practica; }
    return situe(practica, K);
  }

  // Whether positions a and b name the pair par, in either order.
  function mismoPar(a, b, par) {
    return (a === par[0] && b === par[1]) || (a === par[1] && b === par[0]);
  }

  // The practice after the student picks position p: the first pick is
  // kept; the second gives the verdict and counts the answer, right where
  // the two picks name the pair exchanged. Refused where it does not wait.
  function elija(practica, p) {
    if (!practica.esperando) { return practica; }
    if (practica.primera === null) { return Object.freeze(Object.assign({}, practica, { primera: p })); }
    const par = practica.paradas[practica.preguntas].par;
    const acierto = mismoPar(practica.primera, p, par);
    return Object.freeze(Object.assign({}, practica, {
      esperando: false, primera: null,
      veredicto: Object.freeze({ acierto: acierto, par: par, elegido: Object.freeze([practica.primera, p]) }),
      aciertos: practica.aciertos + (acierto ? 1 : 0), preguntas: practica.preguntas + 1
    }));
  }

  // The practice after a verdict, once the student goes on: the exchange
  // is made, and paso is the step after it (where the next exchange may
  // already be asked). Refused where there is no verdict.
  function siga(practica) {
    if (practica.veredicto === null) { return practica; }
    return situe(practica, practica.paso + 1);
  }

  // The practice again from the step where it started, with no answers.
  function otraVez(practica) {
    return situe(Object.assign({}, practica, { aciertos: 0, preguntas: 0 }), practica.inicio);
  }

  // ---- The words.

  // The exchange of pair par said as the page says a call: its positions as
  // recorded.
  function intercambio(par) {
    return par[0] === par[1] ? 'intercambia la posición ' + par[0] + ' consigo misma'
      : 'intercambia las posiciones ' + par[0] + ' y ' + par[1];
  }

  // What the page asks while the practice waits, '' where it does not.
  function indicacion(practica) {
    if (!practica.esperando) { return ''; }
    if (practica.primera === null) { return '¿Qué dos posiciones intercambia ahora? Elija dos barras.'; }
    return 'Elegida la posición ' + practica.primera +
      ': elija la otra, o la misma otra vez si la intercambia consigo misma.';
  }

  // The verdict said: "Sí: intercambia las posiciones 2 y 5." or "No: ..."
  // with the right pair; "... la posición 4 consigo misma." for an exchange
  // of a position with itself.
  function dichoDelVeredicto(veredicto) {
    return (veredicto.acierto ? 'Sí: ' : 'No: ') + intercambio(veredicto.par) + '.';
  }

  // The score: "Aciertos: 2 de 3", the right answers of the exchanges asked.
  function puntuacion(practica) {
    return 'Aciertos: ' + practica.aciertos + ' de ' + practica.preguntas;
  }

  // The words at the end: the score and the comparisons that play made on
  // the way; where there was no exchange to ask, that it made none, not
  // "0 de 0". From a later step than the first, the step it started at.
  function final(practica) {
    const c = practica.comparaciones, desde = practica.inicio > 0 ? ' desde el paso ' + practica.inicio : '';
    // A strategy stopped did not end: it says why first, and no "Terminado".
    const antes = practica.detenida === '' ? '' : practica.detenida + '. ';
    if (practica.paradas.length === 0) {
      const ninguno = practica.inicio > 0
        ? 'Desde el paso ' + practica.inicio + ', esta estrategia no hizo ningún intercambio más'
        : 'Esta estrategia no hizo ningún intercambio';
      return antes + ninguno + (c === 0 ? ' ni ninguna comparación.'
        : ': ' + Palabras.plural(c, 'comparación la llevó', 'comparaciones la llevaron') +
          (antes === '' ? ' al final.' : ' hasta ahí.'));
    }
    return (antes === '' ? 'Terminado: ' : antes + 'Hasta ahí, ') +
      Palabras.plural(practica.aciertos, 'acierto', 'aciertos') + ' de ' +
      Palabras.plural(practica.preguntas, 'intercambio', 'intercambios') + desde +
      (c === 0 ? ', sin ninguna comparación.' : ', tras ' + Palabras.plural(c, 'comparación', 'comparaciones') + '.');
  }

  // A position as a pick names it, "Posición 3, valor 7", or where the
  // input repeats the value, "Posición 3, valor 3, segunda vez". estado is
  // the recording's state at the step shown, Modelo.estadoEn(e, paso), and
  // m the model, whose ocurrencias tell the repeated values apart.
  function nombreDePosicion(m, estado, p) {
    return 'Posición ' + p + ', valor ' + Palabras.valor(m.ocurrencias, estado, p);
  }

  const practica = {
    proximaParada: proximaParada, inicie: inicie, pare: pare, llegue: llegue, elija: elija, siga: siga,
    otraVez: otraVez, indicacion: indicacion, dichoDelVeredicto: dichoDelVeredicto, puntuacion: puntuacion,
    final: final, nombreDePosicion: nombreDePosicion
  };
  return practica;
});
