// The replay page's script is in parts, run in this order, each in its
// own <script> element of the joined page:
//
//   defina.js     how the parts below that need no page say what they are;
//   seguido.js    what the strategy's own functions were doing at a step:
//                 the chain of calls, their ranges, their variables;
//   modelo.js     what a recording means at each step, with no page:
//                 counts, positions, settled positions, origins,
//                 inversions, whether the values end sorted, the line of
//                 code that made each call;
//   direccion.js  what the address asks for, and how often the address
//                 and the words said are written;
//   palabras.js   the words: each panel's call and state, and what a
//                 screen reader is told;
//   escena.js     what the page and its slides draw alike, as data: a
//                 panel's parts at a state (the bars and their labels, the
//                 chain, the call, the counters) and a strategy's code (its
//                 rows, notes and lit line, the lines shown around it);
//   svg.js        SVG written as text, and a text's width guessed;
//   lamina.js     a step drawn as one SVG slide (escena.js's parts as
//                 SVG), and a GIF's frames;
//   practica.js   practice's rules and words: what to ask, what is right,
//                 the score;
//   dibujo.js     the panels, the code and the header: their elements, and
//                 how step K is drawn on them (escena.js's parts as DOM);
//   eleccion.js   the table of the panels to choose from, by name;
//   grafico.js    the cost chart below the panels and its legend;
//   ajuste.js     the fitting of the first screen to the window;
//   teclado.js    which keys are the page's and which a control's, and Esc;
//   guardado.js   saving the step as SVG, PNG or GIF, and its controls;
//   practicar.js  practice on the page: play, picks, the box on the panel;
//   sonido.js     a tone for each call while playing, once asked for;
//   pantalla_completa.js
//                 the button that fills the screen and leaves it;
//   aviso.js      the line under the step bar that says what the page did
//                 not do as asked (panels or a step a link names that it
//                 does not have, the last panel unticked);
//   controles.js  the page's state (the data loaded, the step shown, the
//                 panel choice), the controls, keys and address; it loads
//                 the data and starts the page.
//
// The page's look, its colours and the strategies', is data of its own,
// aspecto.json, which the build makes the style's custom properties and
// carries in the page (#aspecto) for the scripts, as the part 'aspecto':
// this part hands it on to the others (Modelo.aspecto), and the
// benchmark's plot reads it too.
//
// The parts share one namespace, window.Traza, and nothing else: each adds
// its functions to it under its own name (Traza.modelo, Traza.dibujo, ...).
// No part reads another's variables. The page's state belongs to
// controles.js, which passes what each function needs as arguments: the
// model of the data, the elements built for it, the step. So each part
// reads on its own. This one, seguido.js, palabras.js, escena.js, svg.js,
// lamina.js and practica.js need no page: each says what it is, and what parts it
// uses, through Traza.defina (defina.js), so that it also runs under node
// as it is, for its tests (tests/cargue.js).
Traza.defina('modelo', ['aspecto', 'seguido'], function (aspecto, Seguido) {
  'use strict';


  // Each strategy keeps its positions every FOTO_CADA steps, so that a step
  // is reached by replaying fewer calls than that.
  const FOTO_CADA = 256;

  // A recorded call: [i, j, answer] for Es_Menor, [i, j] for Intercambie.
  function esComparacion(op) { return op.length === 3; }

  function intercambie(v, a, b) {
    const guarda = v[a];
    v[a] = v[b];
    v[b] = guarda;
  }

  // Pairs out of order: i < j with v[i] > v[j].
  function cuenteInversiones(v) {
    let cuenta = 0;
    for (let i = 0; i < v.length; i++) {
      for (let j = i + 1; j < v.length; j++) {
        if (v[i] > v[j]) { cuenta++; }
      }
    }
    return cuenta;
  }

  // How exchanging positions a and b of v changes its inversions: only the
  // pair itself and the pairs it forms with the positions between them.
  function cambioDeInversiones(v, a, b) {
    if (a === b) { return 0; }
    const i = Math.min(a, b), j = Math.max(a, b), x = v[i], y = v[j];
    let cambio = (y > x ? 1 : 0) - (x > y ? 1 : 0);
    for (let m = i + 1; m < j; m++) {
      const z = v[m];
      cambio += (y > z) + (z > x) - (x > z) - (z > y);
    }
    return cambio;
  }

  // Where values go down: each position p with v[p] > v[p + 1], as
  // { p, antes: v[p], despues: v[p + 1] }. None for sorted values.
  function descensos(v) {
    const lista = [];
    for (let p = 0; p + 1 < v.length; p++) {
      if (v[p] > v[p + 1]) { lista.push({ p: p, antes: v[p], despues: v[p + 1] }); }
    }
    return lista;
  }

  // One strategy's calls with the running counts after each of them, the
  // last step at which an exchange touched each position, snapshots of the
  // values and of the positions they started at, and where its final
  // values go down (none where it sorted them). enlaces[k] is the sum of
  // i + j over the first k calls: what they cost a container that follows
  // one link per position. lineas[t] is the line of the strategy's file
  // that made call t, 0 where the recording does not know it. A strategy
  // stopped has why (falla), and how many calls it made (hechas, more than
  // its total where the page keeps only the first); and what its own
  // functions did is read once (seguido).
  function recorra(e, entrada) {
    const total = e.ops.length;
    const comparaciones = [0], intercambios = [0], enlaces = [0];
    const inversiones = [cuenteInversiones(entrada)];
    const ultimo = entrada.map(() => 0);
    const valores = entrada.slice(), origenes = entrada.map((_, p) => p);
    const fotos = [];
    e.ops.forEach((op, t) => {
      if (t % FOTO_CADA === 0) { fotos.push({ valores: valores.slice(), origenes: origenes.slice() }); }
      const c = esComparacion(op);
      comparaciones.push(comparaciones[t] + (c ? 1 : 0));
      intercambios.push(intercambios[t] + (c ? 0 : 1));
      enlaces.push(enlaces[t] + op[0] + op[1]);
      let inv = inversiones[t];
      if (!c) {
        inv += cambioDeInversiones(valores, op[0], op[1]);
        intercambie(valores, op[0], op[1]);
        intercambie(origenes, op[0], op[1]);
        ultimo[op[0]] = ultimo[op[1]] = t + 1;
      }
      inversiones.push(inv);
    });
    const finales = descensos(valores);
    // The positions on either side of a descent.
    const enDescenso = entrada.map(() => false);
    finales.forEach((d) => { enDescenso[d.p] = enDescenso[d.p + 1] = true; });
    if (total % FOTO_CADA === 0) { fotos.push({ valores: valores, origenes: origenes }); }
    return { nombre: e.nombre, visible: nombreVisible(e), ops: e.ops, lineas: e.lineas || [], total: total,
             comparaciones: comparaciones, intercambios: intercambios, enlaces: enlaces,
             inversiones: inversiones, ultimo: ultimo, fotos: fotos,
             ordenado: finales.length === 0, descensos: finales, enDescenso: enDescenso,
             falla: e.falla || null, hechas: e.hechas || total, seguido: Seguido.lea(e, e.ops) };
  }

  // The values after the first k calls of e, and where each started.
  function posiciones(e, k) {
    const desde = Math.floor(k / FOTO_CADA) * FOTO_CADA;
    const foto = e.fotos[desde / FOTO_CADA];
    const valores = foto.valores.slice(), origenes = foto.origenes.slice();
    for (let t = desde; t < k; t++) {
      const op = e.ops[t];
      if (!esComparacion(op)) {
        intercambie(valores, op[0], op[1]);
        intercambie(origenes, op[0], op[1]);
      }
    }
    return { valores: valores, origenes: origenes };
  }

  // Strategy e at global step K: a strategy that has finished stays at its
  // end. op is the current call, shown until the step after the last one.
  function estadoEn(e, K) {
    const k = Math.min(K, e.total);
    const p = posiciones(e, k);
    return { k: k, valores: p.valores, origenes: p.origenes, terminado: K >= e.total,
             op: k > 0 && K <= e.total ? e.ops[k - 1] : null };
  }

  // A position is settled from the step after the last exchange that
  // touches it. Once its strategy has finished, every position is if the
  // values ended sorted; otherwise every position but the two on either
  // side of each descent, which stay unsettled beside the mark that says
  // where the order breaks, so that an unsorted end never looks like a
  // sorted one. A strategy that was stopped never ended: its positions
  // stay as its last exchanges left them.
  function asentada(e, estado, p) {
    if (estado.terminado && !e.falla) { return !e.enDescenso[p]; }
    return estado.k > e.ultimo[p];
  }

  // A line of a strategy's code is named by a number: n for line n of its
  // source, -n for line n of its header, as the recording names the line
  // of each call (0 where it does not know it).
  function claveDeLinea(codigo, tramo, i) {
    return (tramo.archivo === codigo.cabecera ? -1 : 1) * (tramo.desde + i);
  }

  // The line of code lit for strategy e at state estado: the line that
  // made the current call, if mostradas (a Set of the lines its code panel
  // shows) holds it; otherwise, and where there is no current call, null.
  function lineaActual(e, estado, mostradas) {
    if (estado.op === null) { return null; }
    const numero = e.lineas[estado.k - 1] || 0;
    return numero !== 0 && mostradas.has(numero) ? numero : null;
  }

  // Whether strategy e at state estado has a current call that lights no
  // line of its code: one made where the build could not number it, which
  // the page says beside the code.
  function sinLinea(e, estado, mostradas) {
    return estado.op !== null && lineaActual(e, estado, mostradas) === null;
  }

  // The lines that a strategy's entry of codigo.json shows, and may light:
  // every line of its pieces (tramos), each numbered from its piece's
  // first.
  function lineasMostradas(codigo) {
    const claves = new Set();
    codigo.tramos.forEach((tramo) => tramo.lineas.forEach((_, i) => claves.add(claveDeLinea(codigo, tramo, i))));
    return claves;
  }

  // For each starting position, which occurrence of its value it is
  // (1, 2, ...), or 0 where the value occurs once.
  function ocurrencias(entrada) {
    const vistas = new Map(), cuantas = new Map();
    entrada.forEach((v) => cuantas.set(v, (cuantas.get(v) || 0) + 1));
    return entrada.map((v) => {
      if (cuantas.get(v) === 1) { return 0; }
      vistas.set(v, (vistas.get(v) || 0) + 1);
      return vistas.get(v);
    });
  }

  // The model of the page's data: each strategy's recording walked once,
  // and what the drawing needs of the input.
  function cree(datos) {
    const estrategias = datos.estrategias.map((e) => recorra(e, datos.entrada));
    return {
      datos: datos,
      n: datos.entrada.length,
      estrategias: estrategias,
      M: Math.max.apply(null, estrategias.map((e) => e.total)),
      ocurrencias: ocurrencias(datos.entrada),
      repetidos: new Set(datos.entrada).size < datos.entrada.length,
      minimo: Math.min(0, Math.min.apply(null, datos.entrada)),
      maximo: Math.max(0, Math.max.apply(null, datos.entrada))
    };
  }

  // A strategy's name as the page says it: its display name (the C++'s
  // Nombre_Visible, which may have accents and spaces), or where the data
  // has none, its class's name with spaces for its underscores.
  function nombreVisible(e) { return e.visible || e.nombre.replace(/_/g, ' '); }

  // ---- Colours.

  // The page's look, aspecto (aspecto.json), holds the colours of the style
  // (colores, by the name of each custom property) and the strategies'
  // (estrategias).

  // The strategies' colours, in the order of the registry: blue,
  // vermillion, near-black, indigo, grey-green, brown and plum. Each stands
  // 3:1 or more from white, and each two stay 33 or more apart in CIELAB
  // (CIE76) seen with normal colour vision, and 20 or more without red
  // cones or without green ones (modelo_test.js measures them). The
  // benchmark's plot gives each strategy the same colour.
  const COLORES = aspecto.estrategias;

  // Strategy s's colour, in its row, its boxes, its chart line and its
  // legend. Past the palette's length colours repeat; the strategies are
  // still told apart by name, and in the chart by their lines' dashes.
  function color(s) { return COLORES[s % COLORES.length]; }

  // Strategy s's dash in the chart: as many as there are, five, is prime
  // to the colours' seven, so that the first 35 strategies differ in colour
  // or dash.
  const TRAZOS = ['none', '9 4', '2 3', '12 3 3 3', '5 2'];
  function trazo(s) { return TRAZOS[s % TRAZOS.length]; }

  // ---- Which panels are shown, and the steps they span.

  // The demonstration's strategies, which the registry lists first: their
  // panels are those shown when the address names none.
  const DEMOSTRACION = 3;

  // The numbers (from 1, as in the report) of the panels shown by default:
  // the demonstration's strategies' panels, every panel where there are no
  // more strategies than those.
  function panelesPorOmision(datos) {
    return datos.paneles.map((info, i) => (info.estrategia < DEMOSTRACION ? i + 1 : 0)).filter((x) => x > 0);
  }

  // The panels a list of numbers chooses out of cuantos: each valid number
  // once, in order; porOmision where none is valid, so that a page always
  // shows some panel.
  function elijaPaneles(numeros, cuantos, porOmision) {
    const validos = numeros.filter((x) => Number.isInteger(x) && x >= 1 && x <= cuantos);
    const elegidos = Array.from(new Set(validos)).sort((a, b) => a - b);
    return elegidos.length === 0 ? porOmision.slice() : elegidos;
  }

  // The numbers of a list that name no panel out of cuantos, each once, in
  // order: what a link asks for that the page does not have.
  function panelesQueFaltan(numeros, cuantos) {
    const faltan = numeros.filter((x) => !(Number.isInteger(x) && x >= 1 && x <= cuantos));
    return Array.from(new Set(faltan)).sort((a, b) => a - b);
  }

  // What the address says of a choice of panels: nothing (null) for the
  // default, so that an address without paneles keeps meaning it.
  function panelesDeDireccion(eleccion, porOmision) {
    const igual = eleccion.length === porOmision.length && eleccion.every((x, i) => x === porOmision[i]);
    return igual ? null : eleccion;
  }

  // The strategies (their indices, in order) that have a panel among the
  // panels numbered in eleccion.
  function estrategiasMostradas(datos, eleccion) {
    const mostradas = new Set(eleccion.map((x) => datos.paneles[x - 1].estrategia));
    return datos.estrategias.map((_, s) => s).filter((s) => mostradas.has(s));
  }

  // The last step of model m for the strategies numbered in estrategias:
  // where the longest of them ends.
  function ultimoPaso(m, estrategias) {
    return estrategias.reduce((M, s) => Math.max(M, m.estrategias[s].total), 0);
  }

  // How many panels the first screen fits to the window: more reflow, as
  // on a smaller window, and the page scrolls.
  const PANELES_AJUSTADOS = 6;

  // How the first screen lays out the panels numbered in eleccion: whether
  // it fits them to the window (ajusta), and in how many columns its rows
  // stand: two past three rows, a row of two panels across both, so that
  // up to PANELES_AJUSTADOS panels take three lines.
  function reparto(datos, eleccion) {
    const filas = estrategiasMostradas(datos, eleccion).length;
    return { ajusta: eleccion.length <= PANELES_AJUSTADOS, columnas: filas > 3 ? 2 : 1 };
  }

  const modelo = {
    FOTO_CADA: FOTO_CADA, esComparacion: esComparacion,
    cuenteInversiones: cuenteInversiones, cambioDeInversiones: cambioDeInversiones,
    recorra: recorra, posiciones: posiciones, estadoEn: estadoEn, asentada: asentada,
    lineaActual: lineaActual, lineasMostradas: lineasMostradas, claveDeLinea: claveDeLinea, sinLinea: sinLinea,
    ocurrencias: ocurrencias, cree: cree, DEMOSTRACION: DEMOSTRACION, panelesPorOmision: panelesPorOmision,
    elijaPaneles: elijaPaneles, panelesQueFaltan: panelesQueFaltan, panelesDeDireccion: panelesDeDireccion, estrategiasMostradas: estrategiasMostradas,
    ultimoPaso: ultimoPaso, nombreVisible: nombreVisible, aspecto: aspecto, COLORES: COLORES, color: color,
    trazo: trazo, PANELES_AJUSTADOS: PANELES_AJUSTADOS, reparto: reparto
  };
  return modelo;
});
