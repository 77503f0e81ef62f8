// The replay page's model (trace/pagina/modelo.js) under node's own test
// runner, with no browser: what every panel and code block shows at each
// step, against a replay from the start, whether and where a strategy left
// its values out of order, and what the address asks for; and the look's
// one source, aspecto.json: the strategies' colours, and the style's.
//
// node --test modelo_test.js
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { test } = require('node:test');
const Modelo = require(path.join(__dirname, 'cargue.js'))('modelo');
const Direccion = require(path.join(__dirname, 'cargue.js'))('direccion');
const Palabras = require(path.join(__dirname, 'cargue.js'))('palabras');
const { contraste, VISIONES, diferencia } = require(path.join(__dirname, 'navegador', 'colores.js'));
const ASPECTO = require(path.join(__dirname, '..', 'trace', 'pagina', 'aspecto.json'));

// A reproducible stream of numbers in [0, 1).
function generador(semilla) {
  let x = semilla;
  return () => {
    x = (x * 1103515245 + 12345) % 2147483648;
    return x / 2147483648;
  };
}

// Calls as a recording holds them, on n positions: comparisons with any
// answer, exchanges of a position with itself among them.
function llamadas(azar, n, cuantas) {
  return Array.from({ length: cuantas }, () => {
    const i = Math.floor(azar() * n), j = Math.floor(azar() * n);
    return azar() < 0.5 ? [i, j, azar() < 0.5 ? 1 : 0] : [i, j];
  });
}

function inversiones(v) {
  let cuenta = 0;
  v.forEach((x, i) => v.slice(i + 1).forEach((y) => { cuenta += x > y ? 1 : 0; }));
  return cuenta;
}

test('each step matches a replay of the calls from the start', () => {
  const azar = generador(7);
  // Short recordings, one with no call, and long ones that cross several
  // snapshots; few values, so that many are equal. Each call comes from
  // one of lines 0 (unknown) to 11, of which the code shows 3 to 9.
  const mostradas = new Set([3, 4, 5, 6, 7, 8, 9]);
  for (const [n, cuantas] of [[2, 0], [3, 9], [5, 40], [8, 2 * Modelo.FOTO_CADA + 37], [64, 700]]) {
    const entrada = Array.from({ length: n }, () => Math.floor(azar() * 6) - 2);
    const ops = llamadas(azar, n, cuantas);
    const lineas = ops.map(() => Math.floor(azar() * 12));
    const e = Modelo.recorra({ nombre: 'E', ops: ops, lineas: lineas }, entrada);
    const valores = entrada.slice(), origenes = entrada.map((_, p) => p);
    const cuenta = { comparaciones: 0, intercambios: 0, enlaces: 0 };
    for (let K = 0; K <= cuantas + 2; K++) {
      const k = Math.min(K, cuantas), donde = 'n = ' + n + ', K = ' + K;
      if (K > 0 && K <= cuantas) {
        const op = ops[K - 1];
        cuenta.enlaces += op[0] + op[1];
        if (op.length === 3) {
          cuenta.comparaciones++;
        } else {
          cuenta.intercambios++;
          [valores[op[0]], valores[op[1]]] = [valores[op[1]], valores[op[0]]];
          [origenes[op[0]], origenes[op[1]]] = [origenes[op[1]], origenes[op[0]]];
        }
      }
      const estado = Modelo.estadoEn(e, K);
      const terminado = K >= cuantas;
      // Settled: no exchange from the current call on touches it; at the
      // end, every position but those beside a value greater than the one
      // after it.
      const asentadas = entrada.map((_, p) => (terminado
        ? !(valores[p - 1] > valores[p] || valores[p] > valores[p + 1])
        : k > 0 && !ops.slice(k - 1).some((op) => op.length === 2 && op.includes(p))));
      const op = k > 0 && K <= cuantas ? ops[k - 1] : null;
      const linea = op !== null && mostradas.has(lineas[k - 1]) ? lineas[k - 1] : null;
      assert.deepEqual(
        [estado.k, estado.valores, estado.origenes, estado.terminado, estado.op,
         entrada.map((_, p) => Modelo.asentada(e, estado, p)), Modelo.lineaActual(e, estado, mostradas),
         e.comparaciones[k], e.intercambios[k], e.enlaces[k], e.inversiones[k]],
        [k, valores, origenes, terminado, op, asentadas, linea,
         cuenta.comparaciones, cuenta.intercambios, cuenta.enlaces, inversiones(valores)], donde);
    }
  }
});

test('equal values: the bubble sorts keep them in order, selection sort does not', () => {
  // What ordenamiento_traza --valores 3,3,1 records.
  const datos = {
    entrada: [3, 3, 1],
    estrategias: [
      { nombre: 'Ordenador_Burbuja', ops: [[1, 0, 0], [2, 1, 1], [2, 1], [1, 0, 1], [1, 0]] },
      { nombre: 'Ordenador_Burbuja_Optimizada', ops: [[1, 0, 0], [2, 1, 1], [2, 1], [1, 0, 1], [1, 0]] },
      { nombre: 'Ordenador_Seleccion', ops: [[1, 0, 0], [2, 0, 1], [0, 2], [2, 1, 0], [1, 1]] }
    ]
  };
  const m = Modelo.cree(datos);
  assert.deepEqual([m.n, m.M, m.ocurrencias, m.repetidos, m.minimo, m.maximo], [3, 5, [1, 2, 0], true, 0, 3]);
  assert.deepEqual(m.estrategias.map((e) => Modelo.estadoEn(e, m.M).origenes), [[2, 0, 1], [2, 0, 1], [2, 1, 0]]);
  // Selection sort's exchange 0, 2 at call 3 carries the first 3 past the
  // second; position 0 is settled from the step after it, position 1 only
  // at the end, after the exchange of 1 with itself.
  const seleccion = m.estrategias[2];
  assert.deepEqual([0, 1, 2, 3, 4, 5].map((K) => [0, 1].map((p) =>
    Modelo.asentada(seleccion, Modelo.estadoEn(seleccion, K), p))),
  [[false, false], [false, false], [false, false], [false, false], [true, false], [true, true]]);
});

test('the address: the step, the end, the panels, the trees, the input, and every other key kept', () => {
  // Each fragment, what it asks for, and its parts other than the input's.
  const casos = [
    ['', { paso: null, fin: false, paneles: null, arbol: null, entrada: null, otras: [], ilegibles: [] }, []],
    ['#fin&paso=3', { paso: 3, fin: true, paneles: null, arbol: null, entrada: null, otras: [], ilegibles: [] },
     ['fin', 'paso=3']],
    ['#paneles=1,3,5,&arbol=3,x&paso=40&otra=1',
     { paso: 40, fin: false, paneles: [1, 3, 5], arbol: [3], entrada: null, otras: ['otra=1'], ilegibles: ['arbol=3,x'] },
     ['paneles=1,3,5,', 'arbol=3,x', 'paso=40', 'otra=1']],
    ['paneles=2%2C4,x,&&paso=-1&paso&fin=1&arbol', { paso: null, fin: false, paneles: [2, 4], arbol: [], entrada: null,
       otras: ['fin=1'], ilegibles: ['paneles=2%2C4,x,', 'paso=-1', 'paso', 'arbol'] },
     ['paneles=2%2C4,x,', 'paso=-1', 'paso', 'fin=1', 'arbol']],
    // A key given twice is kept twice, for the recording to refuse.
    ['#valores=3,3,1&paso=2&valores=7%2C3%2C3&n=&semilla',
     { paso: 2, fin: false, paneles: null, arbol: null, entrada: [['valores', '3,3,1'], ['valores', '7,3,3'], ['n', '']],
       otras: ['valores=3,3,1', 'valores=7%2C3%2C3', 'n=', 'semilla'], ilegibles: [] }, ['paso=2']],
    // Bad percent-encoding is kept as typed.
    ['#entrada=invertida&n=12&semilla=5&fin&valores=%E0%A4%A',
     { paso: null, fin: true, paneles: null, arbol: null,
       entrada: [['entrada', 'invertida'], ['n', '12'], ['semilla', '5'], ['valores', '%E0%A4%A']],
       otras: ['entrada=invertida', 'n=12', 'semilla=5', 'valores=%E0%A4%A'], ilegibles: [] }, ['fin']]
  ];
  for (const [fragmento, leida, resto] of casos) {
    assert.deepEqual(Direccion.leaDireccion(fragmento), Object.assign({ vista: Direccion.VISTA_POR_OMISION }, leida),
      fragmento);
    assert.deepEqual(Direccion.sinEntrada(fragmento), resto, fragmento);
  }
  // What the page writes, it reads back.
  for (const [paneles, paso, M, otras, arbol] of [[null, 0, 9, [], null], [[1, 3], 4, 9, ['otra=1'], [3]],
    [[2], 9, 9, ['valores=1,2'], []]]) {
    const escrito = Direccion.fragmento(paneles, paso, M, otras, arbol);
    const leida = Direccion.leaDireccion(escrito);
    assert.deepEqual([leida.paneles, leida.fin ? M : leida.paso || 0, leida.otras, leida.arbol || []],
      [paneles, paso, otras, arbol || []], escrito);
  }
  assert.equal(Direccion.fragmento([1, 3], 4, 9, ['otra=1']), 'paneles=1,3&paso=4&otra=1');
  // How the page is looked at: only the slider's speeds and the two
  // looks' values are read, the rest dropped; what differs from the
  // defaults is written, and read back.
  const vistas = [['texto=grande&codigo=no&velocidad=500', { texto: 'grande', codigo: 'no', velocidad: 500 }],
    ['texto=GRANDE&codigo&velocidad=3&velocidad=1&paso=2', { texto: 'normal', codigo: 'si', velocidad: 1 },
      ['texto=GRANDE', 'codigo', 'velocidad=3']],
    ['velocidad=20&texto=normal&codigo=si', Direccion.VISTA_POR_OMISION]];
  for (const [fragmento, vista, ilegibles] of vistas) {
    const leida = Direccion.leaDireccion(fragmento);
    assert.deepEqual([leida.vista, leida.otras, leida.ilegibles], [vista, [], ilegibles || []], fragmento);
    assert.deepEqual(Direccion.leaDireccion(Direccion.fragmento(null, 2, 9, ['x'], null, leida.vista)).vista, vista);
  }
  assert.equal(Direccion.fragmento([2], 9, 9, ['x'], null, vistas[0][1]), 'paneles=2&texto=grande&codigo=no&velocidad=500&fin&x');
  assert.equal(Direccion.fragmento(null, 0, 9, [], null, vistas[2][1]), '');
});

test('the words for a screen reader: the step, each call once for the strategies that make it', () => {
  const datos = {
    entrada: [3, 3, 1],
    estrategias: [
      { nombre: 'Ordenador_Burbuja', ops: [[1, 0, 0], [2, 1, 1], [2, 1]], lineas: [7, 7, 9] },
      { nombre: 'Ordenador_Burbuja_Optimizada', ops: [[1, 0, 0], [2, 1, 1], [2, 1], [1, 0, 1], [1, 0]] },
      { nombre: 'Ordenador_Seleccion', ops: [[1, 0, 0], [2, 0, 1], [0, 2], [1, 1]] }
    ]
  };
  const m = Modelo.cree(datos);
  const dicho = (K, estrategias, breve) => Palabras.anuncio(m, K, estrategias, breve);
  // Which 3 is which, the line of the file that made the call where the
  // recording has it, and the positions settled (the first bubble sort
  // never exchanges position 0).
  assert.equal(dicho(1, [0, 1, 2]), 'Paso 1 de 5. Ordenador Burbuja compara las posiciones 1 y 0 (línea 7): 3, ' +
    'segunda vez, no es menor que 3, primera vez; asentada la posición 0. Ordenador Burbuja Optimizada y Ordenador ' +
    'Seleccion comparan las posiciones 1 y 0: 3, segunda vez, no es menor que 3, primera vez.');
  // The first bubble sort stops after one pass, its values left 3 1 3:
  // it says so at its last call and from then on.
  assert.equal(dicho(3, [0, 1, 2]), 'Paso 3 de 5. Ordenador Burbuja intercambia las posiciones 2 y 1 (línea 9), que ' +
    'quedan con 3, segunda vez, y 1, y termina; NO ordenado: 3 antes de 1 en las posiciones 0 y 1. Ordenador Burbuja ' +
    'Optimizada intercambia las posiciones 2 y 1, que quedan con 3, segunda vez, y 1. Ordenador Seleccion intercambia ' +
    'las posiciones 0 y 2, que quedan con 1 y 3, primera vez.');
  // The steps span the strategies said: selection sort's 4 calls are the
  // longest of these two.
  assert.equal(dicho(4, [2, 0]), 'Paso 4 de 4. Ordenador Seleccion intercambia la posición 1 consigo misma, y ' +
    'termina. Ordenador Burbuja terminó tras 3 operaciones; NO ordenado: 3 antes de 1 en las posiciones 0 y 1.');
  assert.equal(dicho(4, [0, 1, 2], true), 'Paso 4 de 5');
  // A strategy with a display name is said by it, accents and all.
  datos.estrategias[2].visible = 'Selección';
  datos.estrategias[1].visible = 'Burbuja optimizada';
  assert.match(Palabras.anuncio(Modelo.cree(datos), 1, [1, 2]), /^Paso 1 de 5\. Burbuja optimizada y Selección comparan /);
  // Positions said in runs, and occurrences past the ordinals' words.
  assert.deepEqual([Palabras.posiciones([0, 1, 4, 5, 6, 7, 9]), Palabras.vez(3), Palabras.vez(13)],
    ['0 y 1, 4 a 7 y 9', 'tercera vez', 'vez número 13']);
});

test('an unsorted end: whether the values are sorted, and where their order breaks, in words', () => {
  // Final values (no call made) and what is said of them.
  for (const [valores, dicho] of [
    [[1, 2, 2, 3], ''],
    [[2, 1], '2 antes de 1 en las posiciones 0 y 1'],
    [[1, 5, 5, 2, 9, 0], 'el orden se rompe en 2 lugares: 5 antes de 2 en las posiciones 2 y 3; ' +
      '9 antes de 0 en las posiciones 4 y 5'],
    [[5, 4, 3, 2, 1], 'el orden se rompe en 4 lugares, los 3 primeros: 5 antes de 4 en las posiciones 0 y 1; ' +
      '4 antes de 3 en las posiciones 1 y 2; 3 antes de 2 en las posiciones 2 y 3']
  ]) {
    const e = Modelo.recorra({ nombre: 'E', ops: [] }, valores);
    assert.deepEqual([e.ordenado, Palabras.desorden(e)], [dicho === '', dicho], valores.join(' '));
  }
  // Briefly, under a panel: the first, and how many more.
  assert.equal(Palabras.desorden(Modelo.recorra({ nombre: 'E', ops: [] }, [3, 2, 1]), true),
    '3 antes de 2 en las posiciones 0 y 1 (y en 1 lugar más)');
});

test('a strategy stopped: its panel, its words and its positions say so, and how many calls it shows', () => {
  const ops = [[1, 0, 0], [1, 0], [2, 1, 1], [2, 1]];
  const datos = { entrada: [3, 2, 1], estrategias: [
    { nombre: 'Ordenador_Eterno', ops: ops, falla: 'no termina: más de 9000 llamadas con 3 valores', hechas: 9000 },
    { nombre: 'Ordenador_Fuera', ops: ops.slice(0, 2), falla: 'usa la posición 3, y solo hay de 0 a 2' }] };
  const m = Modelo.cree(datos), [eterno, fuera] = m.estrategias;
  const linea = (e, K, practicando) => Palabras.estadoDePanel(e, Modelo.estadoEn(e, K), 0, practicando);
  assert.deepEqual([linea(eterno, 0), linea(eterno, 4), linea(eterno, 9), linea(fuera, 2), linea(fuera, 3)], [
    'Sin empezar: no termina: detenida tras 9000 llamadas (se muestran las primeras 4)',
    'No termina: detenida tras 9000 llamadas (se muestran las primeras 4); la última, Intercambie(2, 1)',
    'No termina: detenida tras 9000 llamadas (se muestran las primeras 4)',
    'Usa la posición 3, y solo hay de 0 a 2: detenida tras 2 llamadas; la última, Intercambie(1, 0)',
    'Usa la posición 3, y solo hay de 0 a 2: detenida tras 2 llamadas']);
  // It never ended: at its end a position is settled as before it (by its
  // last exchange), not as a finished strategy's are.
  assert.deepEqual([0, 1, 2].map((p) => Modelo.asentada(eterno, Modelo.estadoEn(eterno, 9), p)), [true, false, false]);
  assert.equal(Palabras.anuncio(m, 4, [0, 1]), 'Paso 4 de 4. Ordenador Eterno intercambia las posiciones 2 y 1, ' +
    'que quedan con 3 y 1, y se detiene: No termina: detenida tras 9000 llamadas (se muestran las primeras 4). ' +
    'Ordenador Fuera se detuvo: Usa la posición 3, y solo hay de 0 a 2: detenida tras 2 llamadas.');
  // While practice asks, a comparison shows its positions and values, not
  // its answer; an exchange is as ever.
  assert.deepEqual([linea(eterno, 3, true), linea(eterno, 2, true)],
    ['Operación 3 de 4: Es_Menor(2, 1): ¿1 < 3?', linea(eterno, 2)]);
});

test('a link that names what the page does not have: the panels and the step, in words', () => {
  assert.deepEqual([Modelo.panelesQueFaltan([3, 99, 0, 99, 15, 2], 14), Modelo.panelesQueFaltan([1, 14], 14)],
    [[0, 15, 99], []]);
  assert.deepEqual([Palabras.faltantes([99], 14, false, null, 5), Palabras.faltantes([15, 16], 14, true, 3, 5),
    Palabras.faltantes([], 14, false, 200, 109), Palabras.faltantes([], 14, false, 109, 109),
    Palabras.faltantes([], 14, false, null, 5, [2]), Palabras.faltantes([99], 14, false, null, 5, [4, 99])],
  ['No hay panel 99; hay 14.', 'No hay paneles 15 y 16; hay 14: se muestran los paneles de inicio.',
    'No hay paso 200; el último es el 109.', '', 'No se dibuja como árbol el panel 2: solo los de un arreglo.',
    'No hay panel 99; hay 14. No se dibujan como árbol los paneles 4 y 99: solo los de un arreglo.']);
  assert.deepEqual([Palabras.ilegibles([]), Palabras.ilegibles(['paso=-1', 'velocidad=3'])],
    ['', 'No se entiende en la dirección: «paso=-1» y «velocidad=3».']);
});

test('the lines a code panel shows: each piece numbered from its first line, the header\'s negative', () => {
  const tramos = [{ archivo: 'x.h', desde: 8, lineas: ['h'] }, { archivo: 'x.cc', desde: 5, lineas: ['a', 'b', 'c'] },
    { archivo: 'x.cc', desde: 30, lineas: ['d'] }, { archivo: 'x.cc', desde: 40, lineas: [] }];
  const codigo = { archivo: 'x.cc', cabecera: 'x.h', tramos: tramos, aviso: null };
  assert.deepEqual([...Modelo.lineasMostradas(codigo)], [-8, 5, 6, 7, 30]);
  // A call whose line is not known, or not shown, lights nothing, and is said.
  const e = { lineas: [5, 0, -8, 9] }, mostradas = Modelo.lineasMostradas(codigo);
  assert.deepEqual([1, 2, 3, 4].map((k) => Modelo.lineaActual(e, { op: [0, 1], k: k }, mostradas)), [5, null, -8, null]);
  assert.deepEqual([1, 2, 3, 4].map((k) => Modelo.sinLinea(e, { op: [0, 1], k: k }, mostradas)), [false, true, false, true]);
  assert.equal(Modelo.sinLinea(e, { op: null, k: 0 }, mostradas), false);
});

test('pacing: at once after a move of its own, at most once an interval while steps run on, the last always', () => {
  // A clock that moves only when told, and runs the timer due (a
  // seguidor sets one at a time).
  let t = 0, timer = null, paso = 0;
  const reloj = { ahora: () => t, espere: (f, ms) => (timer = { cuando: t + ms, f: f }), cancele: () => { timer = null; } };
  const avance = (hasta) => {
    for (let x = timer; x !== null && x.cuando <= hasta; x = timer) { timer = null; t = x.cuando; x.f(); }
    t = hasta;
  };
  const escritos = [];
  const seguidor = Direccion.seguidor(250, () => escritos.push([t, paso]), reloj);
  // Steps of their own, however close, are each written at once.
  for (paso = 1; paso <= 3; paso++) { avance(t + 50); seguidor.pida(true); }
  assert.deepEqual(escritos.splice(0), [[50, 1], [100, 2], [150, 3]]);
  // Ten seconds of playing, a step a frame: the step then shown, written
  // every 250 ms, and the last at once on stopping.
  for (let k = 0; k < 600; k++) { avance(t + 1000 / 60); paso++; seguidor.pida(false); }
  seguidor.pida(true);
  const huecos = escritos.slice(1).map((e, i) => e[0] - escritos[i][0]);
  assert.ok(escritos.length >= 38 && escritos.length <= 42 && Math.max(...huecos) <= 250 + 1000 / 60, escritos.join(' '));
  assert.deepEqual(escritos[escritos.length - 1], [t, paso]);
  // A drag that stops after a write: its last step is written once the
  // interval is over, or at once by ya(); olvide() drops it.
  for (const fin of ['timer', 'ya', 'olvide']) {
    avance(t + 5000);
    seguidor.pida(true);
    escritos.length = 0;
    const inicio = t;
    for (let k = 0; k < 5; k++) { avance(t + 20); paso++; seguidor.pida(false); }
    avance(inicio + 150);
    if (fin !== 'timer') { seguidor[fin](); }
    avance(inicio + 5000);
    assert.deepEqual(escritos, { timer: [[inicio + 250, paso]], ya: [[inicio + 150, paso]], olvide: [] }[fin], fin);
  }
});

test('the panels shown: the default view, any choice, the address, and the steps they span', () => {
  const azar = generador(11);
  // Registries of one to nine strategies, two panels each as the tool
  // writes them, with recordings of random lengths (some empty).
  for (let cuantas = 1; cuantas <= 9; cuantas++) {
    const estrategias = Array.from({ length: cuantas }, (_, s) =>
      ({ nombre: 'E' + s, ops: llamadas(azar, 4, Math.floor(azar() * 30)) }));
    const paneles = estrategias.flatMap((_, s) => [0, 1].map((c) => ({ estrategia: s, contenedor: c })));
    const datos = { entrada: [3, 1, 2, 0], estrategias: estrategias, paneles: paneles };
    const m = Modelo.cree(datos), total = paneles.length;
    // By default the demonstration's three strategies' panels, 1 to 6, or
    // all where there are fewer; an address without paneles means them.
    const omision = Modelo.panelesPorOmision(datos);
    assert.deepEqual(omision, Array.from({ length: Math.min(total, 6) }, (_, i) => i + 1), cuantas + ' strategies');
    assert.deepEqual(Modelo.elijaPaneles([], total, omision), omision);
    assert.deepEqual(Modelo.elijaPaneles([0, total + 1, 2.5, NaN], total, omision), omision);
    assert.equal(Modelo.panelesDeDireccion(omision, omision), null);
    assert.equal(Direccion.fragmento(Modelo.panelesDeDireccion(omision, omision), 0, 5, []), '');
    // Random choices, as boxes or an address give them: each number once,
    // in order; the strategies shown, and the last step theirs.
    for (let prueba = 0; prueba < 40; prueba++) {
      const numeros = Array.from({ length: Math.floor(azar() * 8) }, () => Math.floor(azar() * (total + 3)) - 1);
      const eleccion = Modelo.elijaPaneles(numeros, total, omision);
      const validos = numeros.filter((x) => x >= 1 && x <= total);
      const esperada = validos.length === 0 ? omision : [...new Set(validos)].sort((a, b) => a - b);
      assert.deepEqual(eleccion, esperada, String(numeros));
      const mostradas = Modelo.estrategiasMostradas(datos, eleccion);
      assert.deepEqual(mostradas, estrategias.map((_, s) => s).filter((s) =>
        eleccion.some((x) => paneles[x - 1].estrategia === s)), String(eleccion));
      const M = Modelo.ultimoPaso(m, mostradas);
      assert.equal(M, Math.max(0, ...mostradas.map((s) => estrategias[s].ops.length)), String(eleccion));
      assert.ok(M <= m.M);
      // The address reads back the same choice, and the step within it.
      const K = Math.floor(azar() * (M + 1));
      const leida = Direccion.leaDireccion(Direccion.fragmento(Modelo.panelesDeDireccion(eleccion, omision), K, M, []));
      assert.deepEqual([Modelo.elijaPaneles(leida.paneles || [], total, omision), leida.fin ? M : leida.paso || 0],
        [eleccion, K], String(eleccion));
      assert.match(Palabras.anuncio(m, K, mostradas, true), new RegExp('^Paso ' + K + ' de ' + M + '$'));
      // Up to six panels fit the first screen in three lines: a row a
      // strategy, or past three rows two to a line, a row of two panels
      // across the line.
      const reparto = Modelo.reparto(datos, eleccion);
      assert.equal(reparto.ajusta, eleccion.length <= 6, String(eleccion));
      const dobles = mostradas.filter((s) => eleccion.filter((x) => paneles[x - 1].estrategia === s).length === 2).length;
      const lineas = reparto.columnas === 1 ? mostradas.length : dobles + Math.ceil((mostradas.length - dobles) / 2);
      assert.ok(!reparto.ajusta || lineas <= 3, eleccion + ': ' + lineas + ' lines');
    }
  }
});

test('the strategies\' colours: 3:1 from white, apart with and without red or green cones; past them, dashes', () => {
  const colores = ASPECTO.estrategias;
  assert.deepEqual(colores.map((_, s) => Modelo.color(s)), colores, 'the page\'s colours are the data\'s');
  assert.ok(colores.length >= 7, 'a colour for each of seven strategies');
  colores.forEach((c, s) => {
    assert.ok(contraste(c, '#ffffff') >= 3, c + ' against white');
    // CIE76 differences: 25 with normal vision, 15 with protanopia and
    // deuteranopia simulated.
    colores.slice(s + 1).forEach((d) => VISIONES.forEach((vision, v) => {
      const dE = diferencia(c, d, vision);
      assert.ok(dE >= (v === 0 ? 25 : 15), c + ' and ' + d + ' with vision ' + v + ': ' + dE.toFixed(1));
    }));
  });
  // The measure itself: black and white are 100 apart, a colour none from
  // itself, and a protanope sees pure red and a dark olive as near alike.
  assert.ok(Math.abs(diferencia('#000000', '#ffffff', VISIONES[0]) - 100) < 0.01);
  assert.equal(diferencia('#0072b2', '#0072b2', VISIONES[1]), 0);
  assert.ok(diferencia('#ff0000', '#8a7a00', VISIONES[1]) < diferencia('#ff0000', '#8a7a00', VISIONES[0]) / 2);
  // Strategies past the palette differ from every other in colour or in
  // the chart's dash, for five times the palette's length.
  const vistos = new Set();
  for (let s = 0; s < 5 * colores.length; s++) {
    const par = Modelo.color(s) + ' ' + Modelo.trazo(s);
    assert.ok(!vistos.has(par), 'strategy ' + s + ': ' + par);
    vistos.add(par);
  }
});

// The style writes no colour of its own: each var(--name) that the pages'
// style uses is a colour of aspecto.json, or a property that the style or
// a script of the page sets; each colour of aspecto.json is used, by the
// style or by the slide.
test('one source for the look: the style\'s colours are aspecto.json\'s, and each of those is used', () => {
  const pagina = path.join(__dirname, '..', 'trace', 'pagina');
  const lea = (...partes) => fs.readFileSync(path.join(...partes), 'utf8');
  const estilo = (lea(pagina, 'pagina.css') + lea(pagina, 'sala.css') + lea(pagina, 'impresion.css') + lea(__dirname, '..', 'web', 'web.css')).replace(/\/\*[^]*?\*\//g, '');
  const guiones = fs.readdirSync(pagina).filter((f) => f.endsWith('.js')).map((f) => lea(pagina, f)).join('\n');
  const colores = Object.keys(ASPECTO.colores);
  Object.values(ASPECTO.colores).concat(ASPECTO.estrategias)
    .forEach((c) => assert.match(c, /^#[0-9a-f]{6}([0-9a-f]{2})?$/));
  assert.deepEqual(estilo.match(/#[0-9a-f]{3,8}\b|rgba?\(|hsla?\(/gi), null, 'a colour written in the style');
  const propias = new Set([...estilo.matchAll(/(--[\w-]+)\s*:/g), ...guiones.matchAll(/setProperty\('(--[\w-]+)'/g)]
    .map((x) => x[1]));
  const usadas = new Set([...estilo.matchAll(/var\((--[\w-]+)/g)].map((x) => x[1]));
  assert.deepEqual([...usadas].filter((x) => !propias.has(x) && !colores.includes(x.slice(2))), [], 'unknown');
  const lamina = lea(pagina, 'lamina.js');
  assert.deepEqual(colores.filter((x) => !usadas.has('--' + x) && !lamina.includes('TINTA' +
    (/-/.test(x) ? "['" + x + "']" : '.' + x))), [], 'colours nothing uses');
});
