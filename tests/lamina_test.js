// The replay page's slide (trace/pagina/lamina.js) and what it draws as
// the page does (trace/pagina/escena.js) under node's own test runner,
// with no browser: the SVG is well-formed and self-contained, and shows
// what the model gives at each step; a panel's parts and a strategy's code
// as data; and the GIF's frames keep to what a GIF can play.
//
// node --test lamina_test.js
'use strict';

const assert = require('node:assert/strict');
const path = require('node:path');
const { test } = require('node:test');
const Modelo = require(path.join(__dirname, 'cargue.js'))('modelo');
const Lamina = require(path.join(__dirname, 'cargue.js'))('lamina');
const Escena = require(path.join(__dirname, 'cargue.js'))('escena');
const { colores: TINTA, estrategias: COLORES } = require(path.join(__dirname, '..', 'trace', 'pagina', 'aspecto.json'));

// ---- A small XML reader: the tree of elements, or an assertion where a
// tag is left open, closed out of turn, or text holds a bare & or <.
function lea(xml) {
  const raiz = { nombre: '#', atributos: {}, hijos: [], texto: '' }, pila = [raiz];
  const cuerpo = xml.replace(/^<\?xml[^?]*\?>\s*/, '');
  const etiqueta = /<(\/?)([\w:-]+)((?:\s+[\w:-]+="[^"<]*")*)\s*(\/?)>|([^<]+)/gy;
  let trozo, leidos = 0;
  while ((trozo = etiqueta.exec(cuerpo)) !== null) {
    leidos = etiqueta.lastIndex;
    const arriba = pila[pila.length - 1];
    if (trozo[5] !== undefined) {
      assert.doesNotMatch(trozo[5], /&(?!(amp|lt|gt|quot|#\d+);)/, 'a bare & in ' + arriba.nombre);
      arriba.texto += trozo[5];
    } else if (trozo[1] === '/') {
      assert.equal(trozo[2], arriba.nombre, 'closes ' + trozo[2] + ' inside ' + arriba.nombre);
      pila.pop();
    } else {
      const atributos = {};
      for (const [, clave, valor] of trozo[3].matchAll(/([\w:-]+)="([^"]*)"/g)) {
        assert.ok(!(clave in atributos), 'attribute ' + clave + ' twice');
        atributos[clave] = valor;
      }
      const nuevo = { nombre: trozo[2], atributos: atributos, hijos: [], texto: '' };
      arriba.hijos.push(nuevo);
      if (trozo[4] !== '/') { pila.push(nuevo); }
    }
  }
  assert.equal(leidos, cuerpo.length, 'unreadable from: ' + cuerpo.slice(leidos, leidos + 40));
  assert.equal(pila.length, 1, 'left open: ' + pila.slice(1).map((e) => e.nombre).join(' '));
  assert.equal(raiz.hijos.length, 1);
  return raiz.hijos[0];
}

// Every element under e (itself included) that cumple accepts.
function busque(e, cumple) {
  return (cumple(e) ? [e] : []).concat(...e.hijos.map((h) => busque(h, cumple)));
}
const clase = (nombre) => (e) => e.atributos.class === nombre;
const todoTexto = (e) => e.texto + e.hijos.map(todoTexto).join('');

// ---- Data as the replay tool writes it: each strategy's calls recorded
// as it sorts the input, with the line of its code that made each.
function grabe(entrada, ordene) {
  const v = entrada.slice(), ops = [], lineas = [];
  ordene(v.length, (i, j) => { ops.push([i, j, v[i] < v[j] ? 1 : 0]); lineas.push(8); return v[i] < v[j]; },
    (i, j) => { [v[i], v[j]] = [v[j], v[i]]; ops.push([i, j]); lineas.push(9); });
  return { ops: ops, lineas: lineas };
}
const burbuja = (n, menor, cambie) => {
  for (let m = n; m > 1; m--) { for (let i = 1; i < m; i++) { if (menor(i, i - 1)) { cambie(i, i - 1); } } }
};
const seleccion = (n, menor, cambie) => {
  for (let i = 0; i + 1 < n; i++) {
    let m = i;
    for (let j = i + 1; j < n; j++) { if (menor(j, m)) { m = j; } }
    cambie(i, m);
  }
};
// Stops after one pass: its values end out of order.
const unaPasada = (n, menor, cambie) => { for (let i = 1; i < n; i++) { if (menor(i, i - 1)) { cambie(i, i - 1); } } };

const CONTENEDORES = [{ nombre: 'Vector_Ordenable', etiqueta: 'Arreglo', enlaces_por_posicion: 0 },
                      { nombre: 'Lista_Ordenable', etiqueta: 'Lista', enlaces_por_posicion: 1 }];

// The data and the code of the strategies ordenes on entrada, each over
// both containers; each strategy's code has largo lines, 8 and 9 those
// of its calls.
function caso(entrada, ordenes, largo) {
  const estrategias = ordenes.map((ordene, s) => Object.assign({ nombre: 'Ordenador_' + s, visible: 'E' + s },
    grabe(entrada, ordene)));
  const codigo = {};
  estrategias.forEach((e) => {
    const archivo = 'sorting/' + e.nombre + '.cc';
    codigo[e.nombre] = { archivo: archivo, aviso: null, tramos: [{ archivo: archivo, desde: 5,
      lineas: Array.from({ length: largo }, (_, i) => '  x' + (i + 5) + ' = a < b && c > "d";') }] };
  });
  const paneles = [];
  estrategias.forEach((e, s) => CONTENEDORES.forEach((c, k) => paneles.push({ estrategia: s, contenedor: k,
    titulo: '<<< ' + (paneles.length + 1) + ' >>> => ' + c.nombre + ' <===> ' + e.nombre })));
  const datos = { entrada: entrada, estrategias: estrategias, contenedores: CONTENEDORES, paneles: paneles,
                  descripcion: 'valores de prueba', semilla: null };
  return { m: Modelo.cree(datos), codigo: codigo };
}

test('the slide is well-formed, self-contained and escaped, at 1280x720 or twice that', () => {
  const { m, codigo } = caso([5, -3, 9, 5, 0, 12, 5, 1], [burbuja, seleccion, unaPasada], 40);
  for (const [eleccion, escala] of [[[1, 2, 3, 4, 5, 6], 1], [[2], 2]]) {
    const texto = Lamina.svg(m, codigo, eleccion, 7, { codigo: true, escala: escala });
    const svg = lea(texto);
    assert.equal(svg.nombre, 'svg');
    assert.deepEqual([svg.atributos.width, svg.atributos.height, svg.atributos.viewBox],
      [String(1280 * escala), String(720 * escala), '0 0 1280 720']);
    assert.doesNotMatch(texto, /<script|<foreignObject|href=|@import|<<<|url\((?!#)/i);
    // Every id once, and every url(#id) one of them.
    const ids = busque(svg, (e) => 'id' in e.atributos).map((e) => e.atributos.id);
    assert.equal(new Set(ids).size, ids.length);
    for (const [, id] of texto.matchAll(/url\(#([^)]+)\)/g)) { assert.ok(ids.includes(id), 'url(#' + id + ')'); }
    // The fonts are generic families.
    for (const e of busque(svg, (x) => 'font-family' in x.atributos)) {
      assert.match(e.atributos['font-family'], /^(sans-serif|serif|monospace)$/);
    }
    const dicho = todoTexto(svg);
    const M = Modelo.ultimoPaso(m, Modelo.estrategiasMostradas(m.datos, eleccion));
    assert.ok(dicho.includes('Paso 7 de ' + M), dicho.slice(0, 80));
    assert.ok(dicho.includes('[5 -3 9 5 0 12 5 1]'));
    for (const x of eleccion) {
      assert.ok(dicho.includes(m.datos.paneles[x - 1].titulo.replace(/</g, '&lt;').replace(/>/g, '&gt;')));
    }
  }
});

test('each panel shown: a bar per value in the state the model gives, inside its card, in the page\'s colours', () => {
  const { m, codigo } = caso([4, 4, 1, 7, 4, 2, 9, 0, 3], [burbuja, seleccion, unaPasada, burbuja], 12);
  const ultimo = Math.max.apply(null, m.estrategias.map((e) => e.total));
  for (const eleccion of [[1], [1, 2, 3, 4, 5, 6], [1, 3, 5, 8]]) {
    for (const K of [0, 1, 2, 5, 17, m.estrategias[2].total, ultimo]) {
      const svg = lea(Lamina.svg(m, codigo, eleccion, K, { codigo: K % 2 === 0 }));
      const paneles = busque(svg, clase('panel'));
      assert.deepEqual(paneles.map((p) => Number(p.atributos['data-panel'])), eleccion);
      const cajas = paneles.map((p) => {
        const r = p.hijos[0].atributos;
        return [Number(r.x), Number(r.y), Number(r.x) + Number(r.width), Number(r.y) + Number(r.height)];
      });
      cajas.forEach((c, i) => {
        assert.ok(c[0] >= 0 && c[1] >= 0 && c[2] <= 1280 && c[3] <= 720, 'panel ' + eleccion[i] + ' off the slide');
        cajas.slice(i + 1).forEach((d) => assert.ok(c[2] <= d[0] || d[2] <= c[0] || c[3] <= d[1] || d[3] <= c[1],
          'panels overlap'));
      });
      paneles.forEach((p, i) => {
        const e = m.estrategias[m.datos.paneles[eleccion[i] - 1].estrategia], estado = Modelo.estadoEn(e, K);
        const v = estado.valores, donde = 'panel ' + eleccion[i] + ', K = ' + K;
        const barras = busque(p, clase('barra'));
        assert.deepEqual(barras.map((b) => Number(b.atributos['data-valor'])), v, donde);
        const esperados = v.map((_, q) => {
          if (estado.op !== null && estado.op.slice(0, 2).includes(q)) {
            return estado.op.length === 3 ? 'comparada' : 'intercambiada';
          }
          if (estado.terminado && (v[q - 1] > v[q] || v[q] > v[q + 1])) { return 'descenso'; }
          return Modelo.asentada(e, estado, q) ? 'asentada' : 'normal';
        });
        assert.deepEqual(barras.map((b) => b.atributos['data-estado']), esperados, donde);
        // The colours of aspecto.json, as on the page: the plain and the
        // settled bars', and the strategy's on its card's edge.
        const rellenos = { normal: TINTA.barra, asentada: TINTA.asentada };
        barras.forEach((b, q) => assert.equal(b.atributos.fill, rellenos[esperados[q]] || b.atributos.fill, donde));
        assert.equal(p.hijos[0].atributos.fill, COLORES[m.datos.paneles[eleccion[i] - 1].estrategia], donde);
        barras.forEach((b) => {
          const x = Number(b.atributos.x), y = Number(b.atributos.y);
          assert.ok(x >= cajas[i][0] && x + Number(b.atributos.width) <= cajas[i][2] && y >= cajas[i][1] &&
            y + Number(b.atributos.height) <= cajas[i][3], donde + ': a bar out of its card');
        });
        const cifras = busque(p, clase('cifra'));
        cifras.forEach((c) => assert.ok(Number(c.atributos['font-size']) >= 11));
        assert.ok(cifras.length === m.n || (cifras.length <= 2 && m.n > 32), donde);
        const sinTerminar = !estado.terminado && K > 0;
        assert.equal(todoTexto(p).includes('Operación ' + K + ' de ' + e.total), sinTerminar, donde);
        // The list's chain, with its call's cost.
        assert.equal(busque(p, clase('cadena')).length, eleccion[i] % 2 === 0 ? 1 : 0, donde);
      });
    }
  }
});

test('the code shows where asked, its lit line that of the call, even in code too long to show whole', () => {
  const { m, codigo } = caso([3, 1, 2, 0], [burbuja, seleccion], 60);
  for (let K = 0; K <= m.M; K += 3) {
    const svg = lea(Lamina.svg(m, codigo, [1, 2, 3, 4], K, { codigo: true }));
    const bloques = busque(svg, clase('codigo'));
    assert.equal(bloques.length, 2);
    bloques.forEach((bloque, s) => {
      const e = m.estrategias[s], estado = Modelo.estadoEn(e, K);
      const lucidas = busque(bloque, (x) => 'data-actual' in x.atributos);
      const linea = Modelo.lineaActual(e, estado, Modelo.lineasMostradas(codigo[e.nombre]));
      assert.deepEqual(lucidas.map((x) => Number(x.atributos['data-linea'])), linea === null ? [] : [linea]);
      assert.ok(busque(bloque, clase('linea')).length < 60, 'long code shows only some lines');
    });
    assert.equal(busque(lea(Lamina.svg(m, codigo, [1, 2, 3, 4], K, {})), clase('codigo')).length, 0);
  }
});

test('a repeated value carries its occurrence; with many values, only the call\'s labels', () => {
  const { m, codigo } = caso([2, 7, 2, 7, 2, 5], [burbuja], 5);
  const svg = lea(Lamina.svg(m, codigo, [1], 3, {}));
  const indices = busque(svg, clase('cifra')).map((c) => {
    const sub = busque(c, clase('indice'));
    return [c.texto, sub.length === 0 ? '' : sub[0].texto];
  });
  const estado = Modelo.estadoEn(m.estrategias[0], 3);
  assert.deepEqual(indices, estado.valores.map((v, p) => [String(v),
    v === 5 ? '' : String(m.ocurrencias[estado.origenes[p]])]));
  const largo = caso(Array.from({ length: 64 }, (_, i) => (i * 37) % 64 * 3 - 100), [seleccion], 5);
  const cifras = busque(lea(Lamina.svg(largo.m, largo.codigo, [1, 2], 9, {})), clase('cifra'));
  assert.equal(cifras.length, 4);
});

// What the page and the slide draw alike, at every step of both
// containers: the bars hold the state's values, the call's mark on its
// positions alone, and at an unsorted end one mark per descent; labels
// past three rows keep only the call's two, on rows of their own; the
// chain walks i + j links for a call on i and j, what the counters say it
// cost; the counters add up.
test('a panel\'s parts as data: bars, labels, the chain and the counters, at every step', () => {
  const { m } = caso([4, 4, 1, 7, 4, 2, 9, 0, 3], [burbuja, seleccion, unaPasada], 5);
  m.datos.paneles.forEach((info) => {
    const e = m.estrategias[info.estrategia];
    for (let K = 0; K <= m.M; K++) {
      const estado = Modelo.estadoEn(e, K), op = estado.op, partes = Escena.panel(m, info, estado);
      const donde = info.titulo + ' at ' + K, llamadas = op === null ? [] : [...new Set(op.slice(0, 2))];
      const { barras, cadena, contadores } = partes;
      assert.deepEqual(barras.map((b) => b.valor), estado.valores, donde);
      assert.deepEqual(barras.map((b, p) => (b.marca === '' ? -1 : p)).filter((p) => p >= 0),
        llamadas.sort((a, b) => a - b), donde);
      assert.equal(barras.filter((b) => b.descenso === 'primera').length, estado.terminado ? e.descensos.length : 0);
      assert.deepEqual(barras.map((b, p) => Escena.filaDeCifra(b, p, 'actuales')).filter((f) => f >= 0).sort(),
        llamadas.map((_, i) => i), donde);
      const cuenta = Object.fromEntries(contadores.map((c) => [c.clave, c.valor]));
      assert.equal(cuenta.comparaciones + cuenta.intercambios, cuenta.operaciones, donde);
      assert.equal(cadena === null, info.contenedor === 0, donde);
      if (cadena !== null && op !== null && !estado.terminado) {
        const pasos = cadena.eslabones.reduce((a, x) => a + (x.tramo === 'dos' ? 2 : x.tramo === 'una' ? 1 : 0), 0);
        assert.deepEqual([pasos, cadena.eslabones.filter((x) => x.destino).length],
          [op[0] + op[1], llamadas.length], donde);
        assert.equal(pasos, cuenta.enlaces - e.enlaces[K - 1], donde);
      }
    }
  });
  assert.deepEqual([[5, 10], [30, 10], [31, 10], [12, 3]].map(([a, b]) => Escena.filasDeCifras(a, b)),
    [1, 3, 'actuales', 'actuales']);
});

// A strategy's code as both draw it: the header's piece after its file's
// name, a gap between pieces of one file, a signature broken before the
// function's name; the notes; the lit line by its key; windows of lines
// that keep the lit one and stay within the code. The slide says the
// notes the page says.
test('a strategy\'s code as data: rows, notes, the lit line and the lines shown around it', () => {
  const codigo = { archivo: 'x.cc', cabecera: 'x.h', aviso: null, sin_luz: [{ linea: 7, archivo: 'x.h', motivo: 'M' }],
    tramos: [{ archivo: 'x.cc', desde: 5, lineas: ['void Ordenador_X::Ordene(C& c) {', '  c.Es_Menor(0, 1);'] },
             { archivo: 'x.cc', desde: 30, lineas: ['}'] },
             { archivo: 'x.h', desde: 8, lineas: ['void X::Y() {', '  c.Intercambie(0, 1);'] }] };
  const filas = Escena.filasDeCodigo(codigo);
  assert.deepEqual(filas.map((f) => (f.numero === null ? f.texto : [f.clave, f.archivo, f.trozos])), [
    [5, null, ['void Ordenador_X::', 'Ordene(C& c) {']], [6, null, ['  c.Es_Menor(0, 1);']], '⋮', [30, null, ['}']],
    'x.h', [-8, 'x.h', ['void X::', 'Y() {']], [-9, 'x.h', ['  c.Intercambie(0, 1);']]]);
  const e = { ops: [[0, 1], [0, 1, 1]], lineas: [-9, 0] }, mostradas = Modelo.lineasMostradas(codigo);
  assert.deepEqual([1, 2].map((k) => Escena.luz(e, { op: e.ops[k - 1], k: k }, mostradas)),
    [{ clave: -9, intercambio: true, sinLinea: false }, { clave: null, intercambio: false, sinLinea: true }]);
  const notas = Escena.notasDeCodigo(Object.assign({}, codigo, { aviso: 'A.' }), true);
  assert.deepEqual(notas, ['A.', 'No se ilumina la llamada de la línea 7 de x.h: M.', Escena.NOTA_SIN_LINEA]);
  for (const total of [1, 9, 13, 40]) {
    for (let donde = 0; donde < total; donde++) {
      for (const cuantas of [1, 9, 13]) {
        const desde = Escena.ventana(total, donde, cuantas);
        assert.ok(desde >= 0 && (desde + cuantas <= total || desde === 0) && (cuantas > total ||
          (donde >= desde && donde < desde + cuantas)), [total, donde, cuantas, desde].join(' '));
      }
    }
  }
  assert.equal(Escena.rotuloDeVentana(filas.slice(2, 5)), 'líneas 30 a 30');
  // Printed code around each lit line: as many rows as asked, the lit one
  // among them, and the first line of each function printed in part; told
  // in runs of lines.
  const piezas = [[12, 19], [33, 8], [44, 3]].map(([desde, n]) => ({ archivo: 'x.cc', desde: desde,
    lineas: Array.from({ length: n }, (_, i) => (i === 0 ? 'void F' + desde + '() {' : '  x;')) }));
  const largas = Escena.filasDeCodigo({ archivo: 'x.cc', tramos: piezas }).filter((f) => f.numero !== null);
  for (const cuantas of [9, 13]) {
    for (let donde = 0; donde < largas.length; donde++) {
      const impresas = Escena.impresas(largas, donde, cuantas), funcion = (i) => piezas.findIndex((p) =>
        largas[i].numero >= p.desde && largas[i].numero < p.desde + p.lineas.length);
      const cabezas = new Set(impresas.map(funcion).map((f) => largas.findIndex((x) => x.numero === piezas[f].desde)));
      assert.ok(impresas.length === cuantas && impresas.includes(donde) &&
        [...cabezas].every((i) => impresas.includes(i)), cuantas + ' ' + donde + ': ' + impresas);
    }
  }
  assert.equal(Escena.rotuloDeImpresas(Escena.impresas(largas, 25, 9).map((i) => largas[i])), 'líneas 33, 35 a 40, 44 a 45');
  // On a slide: each note, in the box of the code.
  const { m, codigo: todos } = caso([3, 1, 2], [burbuja], 4);
  todos.Ordenador_0 = Object.assign(todos.Ordenador_0, { aviso: 'A.', sin_luz: codigo.sin_luz });
  const dicho = todoTexto(busque(lea(Lamina.svg(m, todos, [1], 1, { codigo: true })), clase('codigo'))[0]);
  Escena.notasDeCodigo(todos.Ordenador_0, false).forEach((nota) => assert.ok(dicho.includes(nota), nota));
});

test('the GIF\'s frames: ends included, evenly taken past 50 a second or 600 frames, delays of 2 or more', () => {
  for (const [A, B] of [[0, 0], [0, 1], [5, 25], [0, 599], [0, 600], [3, 5000], [100, 101]]) {
    for (const v of [0.5, 1, 3, 10, 33, 50, 51, 64, 100, 1000]) {
      const c = Lamina.cuadros(A, B, v), donde = A + '..' + B + ' at ' + v;
      assert.equal(c.pasos[0], A, donde);
      assert.equal(c.pasos[c.pasos.length - 1], B, donde);
      assert.ok(c.pasos.every((K, i) => i === 0 || K > c.pasos[i - 1]), donde);
      assert.ok(c.pasos.length <= Lamina.MAX_CUADROS && c.centesimas >= 2 && Number.isInteger(c.centesimas), donde);
      assert.equal(c.final, Math.max(200, c.centesimas), donde);
      assert.equal(c.muestreado, c.pasos.length < B - A + 1, donde);
      assert.equal(c.nota === '', !c.muestreado, donde);
      // Sampled or not, it lasts about as long as the steps at that speed.
      if (B - A >= 10 && c.centesimas > 2) {
        const dura = c.pasos.length * c.centesimas / 100, debe = (B - A + 1) / v;
        assert.ok(Math.abs(dura - debe) / debe < 0.1, donde + ': ' + dura + ' s for ' + debe);
      }
      if (v <= 50 && B - A < 600) { assert.deepEqual(c.pasos, Array.from({ length: B - A + 1 }, (_, i) => A + i)); }
    }
  }
});
