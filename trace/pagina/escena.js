// What the page and its slides draw alike (see modelo.js for the parts and
// how they share): a panel's parts and a strategy's code at a state, as
// data. dibujo.js turns them into the page's elements and lamina.js into a
// slide's SVG, so that each is worked out once. No page is needed: it also
// runs under node, for its tests.
//
// A panel is its heading, then its parts, top to bottom: the bars with
// their value labels (barras), the positions under them (rotulosDePosicion),
// the ranges of the calls running (tramos) and the variables that point at
// positions (punteros), the list's chain (cadena), the chain of calls
// (llamadas), the call in words (llamada), the variables of the innermost
// call (vigilancia) and the counters (contadores). Each part is a pure
// function of the model and the strategy's state, gathered by panel(); a
// new part is one more such function there, and a drawing of its data in
// dibujo.js and in lamina.js.
Traza.defina('escena', ['modelo', 'palabras', 'seguido'], function (Modelo, Palabras, Seguido) {
  'use strict';


  // ---- A panel's parts.

  // Each bar of strategy e at state estado (of model m), by position: its
  // value, the position it started at (origen) and which occurrence of its
  // value it is (vez, 0 for a value that occurs once); whether it is
  // settled; at an unsorted end, whether it stands beside a descent
  // ('primera' for the first of the two, which carries the mark between
  // them, 'segunda', or null); the current call's mark on it ('comparada',
  // 'intercambiada' or ''), and whether its label takes the lower row (the
  // right one of the call's two). muestra is what it shows, the first of
  // these that holds: the call's mark, a descent ('descenso'), settled
  // ('asentada'), or none ('normal').
  function barras(m, e, estado) {
    const op = estado.op, v = estado.valores;
    const marca = op === null ? '' : Modelo.esComparacion(op) ? 'comparada' : 'intercambiada';
    return v.map((valor, p) => {
      const origen = estado.origenes[p], asentada = Modelo.asentada(e, estado, p);
      const descenso = estado.terminado && e.enDescenso[p] ? (p + 1 < v.length && valor > v[p + 1] ? 'primera'
        : 'segunda') : null;
      const suya = op !== null && (op[0] === p || op[1] === p) ? marca : '';
      return { valor: valor, origen: origen, vez: m.ocurrencias[origen], asentada: asentada, descenso: descenso,
               marca: suya, segunda: suya !== '' && op[0] !== op[1] && p === Math.max(op[0], op[1]),
               muestra: suya || (descenso !== null ? 'descenso' : asentada ? 'asentada' : 'normal') };
    });
  }

  // How many rows the value labels take, for labels anchoCifra wide over
  // bars anchoColumna apart: as many as a label needs columns, each label
  // on the next row, up to three; past that, 'actuales': only the current
  // call's two, on two rows.
  function filasDeCifras(anchoCifra, anchoColumna) {
    const filas = Math.max(1, Math.ceil(anchoCifra / anchoColumna));
    return filas <= 3 ? filas : 'actuales';
  }

  // The row of the label of bar p (its entry of barras) where the labels
  // take filas rows; -1 where it is not shown.
  function filaDeCifra(barra, p, filas) {
    if (filas !== 'actuales') { return p % filas; }
    return barra.marca === '' ? -1 : barra.segunda ? 1 : 0;
  }

  // A list's chain of n nodes at call op: for each node, whether a walk of
  // the call reaches it (pisado), the link from it to the next as walked
  // by one of the call's two walks ('una'), by both ('dos', up to the
  // nearer position), or by none (null), and whether it is one of the
  // call's two positions (destino); and the kind of call (llamada:
  // 'comparacion', 'intercambio', or null where there is none), whose look
  // those two take.
  function cadena(op, n) {
    const largo = op === null ? -1 : Math.max(op[0], op[1]);
    const corto = op === null ? -1 : Math.min(op[0], op[1]);
    const eslabones = [];
    for (let q = 0; q < n; q++) {
      eslabones.push({ pisado: q <= largo, tramo: q < corto ? 'dos' : q < largo ? 'una' : null,
                       destino: op !== null && (q === op[0] || q === op[1]) });
    }
    return { llamada: op === null ? null : Modelo.esComparacion(op) ? 'comparacion' : 'intercambio',
             eslabones: eslabones };
  }

  // Strategy e's counters after its first k calls, on a container that
  // follows porPosicion links to reach a position: each with its key, its
  // name as shown and its value; the links only where it follows some.
  function contadores(e, k, porPosicion) {
    const lista = [{ clave: 'comparaciones', nombre: 'Comparaciones', valor: e.comparaciones[k] },
                   { clave: 'intercambios', nombre: 'Intercambios', valor: e.intercambios[k] },
                   { clave: 'operaciones', nombre: 'Operaciones', valor: k }];
    if (porPosicion > 0) { lista.push({ clave: 'enlaces', nombre: 'Enlaces', valor: e.enlaces[k] * porPosicion }); }
    return lista;
  }

  // Every how many positions a number is written under the bars, of n
  // bars anchoColumna pixels apart: each where a number fits, otherwise
  // every second or fourth; past 32 bars, every eighth. The current call's
  // two are always written (rotulosDePosicion).
  function cadaCuantas(n, anchoColumna) {
    if (n > 32) { return 8; }
    return [1, 2, 4, 8].find((cada) => cada * anchoColumna >= 16) || 8;
  }

  // The positions written under n bars anchoColumna pixels apart at call
  // op, every cada: each { p, actual, alineado }, actual for the current
  // call's two. A number too near one of the call's two gives way to it;
  // the call's two, too near each other, stand on either side of the line
  // between them (alineado 'fin' for the left one, 'inicio' for the right).
  function rotulosDePosicion(n, op, cada, anchoColumna) {
    const ANCHO = 16;  // a number's width with room around it, in pixels, as cadaCuantas takes it
    const actuales = op === null ? [] : op[0] === op[1] ? [op[0]] : [Math.min(op[0], op[1]), Math.max(op[0], op[1])];
    const juntas = actuales.length === 2 && (actuales[1] - actuales[0]) * anchoColumna < ANCHO;
    const lejos = (p) => actuales.every((q) => Math.abs(p - q) * anchoColumna >= (juntas ? 2 : 1) * ANCHO);
    const rotulos = actuales.map((p) => ({ p: p, actual: true,
      alineado: !juntas ? '' : p === actuales[0] ? 'fin' : 'inicio' }));
    for (let p = 0; p < n; p += cada) {
      if (actuales.indexOf(p) < 0 && lejos(p)) { rotulos.push({ p: p, actual: false, alineado: '' }); }
    }
    return rotulos.sort((a, b) => a.p - b.p);
  }

  // The most ranges drawn under the bars: those of the innermost calls.
  const TRAMOS_DIBUJADOS = 3;

  // The ranges of the calls running (Seguido.funcionesEn's cadena), the
  // positions each call's own calls touch, the innermost TRAMOS_DIBUJADOS:
  // each { desde, hasta, nivel }, nivel counted from the outermost call
  // (0), so that a deeper range stands inside a shallower one.
  function tramos(funciones) {
    if (funciones === null) { return []; }
    return funciones.cadena.map((c, nivel) => ({ desde: c.rango[0], hasta: c.rango[1], nivel: nivel }))
      .filter((t) => t.desde <= t.hasta).slice(-TRAMOS_DIBUJADOS);
  }

  // The variables that point at positions (Seguido.funcionesEn's punteros),
  // by position, under n bars anchoColumna pixels apart, on up to filas
  // rows: each { posicion, nombres, texto, fila, alineado }, in order of
  // position. texto is the names after a mark (▲i,j), on the first row
  // where it fits beside the text before it; where none has room, the mark
  // alone on the last row (the variables' line says the names). A text is
  // centred under its bar, or, where it would cross an end of the row, it
  // starts (alineado 'inicio') or ends ('fin') there.
  const ANCHO_DE_LETRA = 7;
  function punteros(funciones, n, anchoColumna, filas) {
    if (funciones === null) { return []; }
    const por = new Map();
    funciones.punteros.forEach((x) => por.set(x.posicion, (por.get(x.posicion) || []).concat(x.nombre)));
    const ancho = n * anchoColumna, libres = new Array(filas || 1).fill(0);
    return Array.from(por.keys()).sort((a, b) => a - b).map((p) => {
      const completo = '▲' + por.get(p).join(','), centro = (p + 0.5) * anchoColumna;
      const largo = completo.length * ANCHO_DE_LETRA;
      const alineado = centro - largo / 2 < 0 ? 'inicio' : centro + largo / 2 > ancho ? 'fin' : 'centro';
      const desde = alineado === 'inicio' ? 0 : alineado === 'fin' ? ancho - largo : centro - largo / 2;
      const fila = libres.findIndex((libre) => desde >= libre);
      if (fila < 0) {
        libres[libres.length - 1] = centro + ANCHO_DE_LETRA;
        return { posicion: p, nombres: por.get(p), texto: '▲', fila: libres.length - 1, alineado: 'centro' };
      }
      libres[fila] = desde + largo + 2;
      return { posicion: p, nombres: por.get(p), texto: completo, fila: fila, alineado: alineado };
    });
  }

  // The chain of calls in one line, innermost last:
  // "Ordene › Ordene_Tramo(primero=0, ultimo=19) › Particione(primero=0, ultimo=9)".
  function llamadas(funciones) {
    if (funciones === null) { return ''; }
    return funciones.cadena.map((c) => c.funcion + (c.parametros.length === 0 ? ''
      : '(' + c.parametros.map((par) => par[0] + '=' + par[1]).join(', ') + ')')).join(' › ');
  }

  // The variables of the innermost call with their values: "i = 2 · j = 5".
  function vigilancia(funciones) {
    if (funciones === null) { return ''; }
    return funciones.vigiladas.map((par) => par[0] + ' = ' + par[1]).join(' · ');
  }

  // n positions as a binary tree, position k's children at 2k + 1 and
  // 2k + 2: how many levels it has, and for each position its level and
  // where it stands across, as a share of the width (x, its slot's middle).
  function arbol(n) {
    const nodos = [];
    for (let k = 0; k < n; k++) {
      const nivel = Math.floor(Math.log2(k + 1)), enNivel = k + 1 - Math.pow(2, nivel);
      nodos.push({ nivel: nivel, x: (enNivel + 0.5) / Math.pow(2, nivel) });
    }
    return { niveles: n === 0 ? 0 : nodos[n - 1].nivel + 1, nodos: nodos };
  }

  // The parts of panel info (its entry of the data's paneles) of model m
  // at its strategy's state estado, its bars anchoColumna pixels apart; a
  // container that follows no links has no chain (null). What the strategy's functions do (funciones, from
  // Seguido.funcionesEn) gives the ranges, pointers, chain of calls and
  // variables, all empty where it is not known.
  // While practice asks on it (practicando), its call keeps a comparison's
  // answer to itself.
  function panel(m, info, estado, anchoColumna, practicando) {
    const e = m.estrategias[info.estrategia];
    const porPosicion = m.datos.contenedores[info.contenedor].enlaces_por_posicion;
    const comunes = deLaEstrategia(m, e, estado), funciones = comunes.funciones;
    return { barras: comunes.barras, cadena: porPosicion > 0 ? cadena(estado.op, m.n) : null,
             tramos: comunes.tramos, punteros: punteros(funciones, m.n, anchoColumna || 20, e.seguido.filasDePunteros),
             llamadas: comunes.llamadas,
             llamada: Palabras.estadoDePanel(e, estado, porPosicion, practicando), vigilancia: comunes.vigilancia,
             contadores: contadores(e, estado.k, porPosicion) };
  }

  // The parts that strategy e's state alone decides, worked out once for
  // the last state asked for: a strategy's panels, on the array and on the
  // list, are drawn one after the other on the same state. Nothing changes
  // a state or its parts once made.
  let comunesDelUltimo = { e: null, estado: null };
  function deLaEstrategia(m, e, estado) {
    if (comunesDelUltimo.e !== e || comunesDelUltimo.estado !== estado) {
      const funciones = Seguido.funcionesEn(e, estado, m.n);
      comunesDelUltimo = { e: e, estado: estado, funciones: funciones, barras: barras(m, e, estado),
                           tramos: tramos(funciones), llamadas: llamadas(funciones), vigilancia: vigilancia(funciones) };
    }
    return comunesDelUltimo;
  }

  // ---- A strategy's code.

  // Where a function's first line breaks: before its name, after "X::",
  // since the class's name makes it the longest.
  const ANTES_DEL_NOMBRE = /(?<=::)(?=~?[A-Za-z_]\w*\s*\()/;

  // The rows of a strategy's code (codigo, its entry of codigo.json): each
  // line of each piece (tramo) with its number, its key
  // (Modelo.claveDeLinea), its file where it is not the strategy's source
  // (archivo, otherwise null) and its text in pieces (trozos: a function's
  // first line broken before its name); before each piece but the first,
  // an unnumbered row (numero null) that says code is left out ('⋮'), or,
  // before a piece from another file than the one before it, that file's
  // name.
  function filasDeCodigo(codigo) {
    const filas = [];
    codigo.tramos.forEach((tramo, t) => {
      const anterior = t > 0 ? codigo.tramos[t - 1].archivo : codigo.archivo;
      if (t > 0 || tramo.archivo !== anterior) {
        filas.push({ numero: null, texto: tramo.archivo !== anterior ? tramo.archivo : '⋮' });
      }
      tramo.lineas.forEach((texto, i) => filas.push({ numero: tramo.desde + i,
        clave: Modelo.claveDeLinea(codigo, tramo, i), archivo: tramo.archivo === codigo.archivo ? null : tramo.archivo,
        inicio: i === 0,
        trozos: i === 0 ? texto.split(ANTES_DEL_NOMBRE) : [texto] }));
    });
    return filas;
  }

  // The note beside the code while the current call lights no line of it.
  const NOTA_SIN_LINEA = 'La llamada actual no viene de una línea numerada de este código.';

  // The notes above a strategy's code, in order: what the build could not
  // read (aviso), each call it could not light (sin_luz), and, where
  // sinLinea (Modelo.sinLinea), NOTA_SIN_LINEA.
  function notasDeCodigo(codigo, sinLinea) {
    const notas = [codigo.aviso].concat((codigo.sin_luz || []).map((l) =>
      'No se ilumina la llamada de la línea ' + l.linea + ' de ' + l.archivo + ': ' + l.motivo + '.'));
    return notas.filter((nota) => nota).concat(sinLinea ? [NOTA_SIN_LINEA] : []);
  }

  // The line lit in strategy e's code at state estado, of the lines
  // mostradas it shows (Modelo.lineasMostradas): its key (clave, null for
  // none), whether the call is an exchange, whose line has a look of its
  // own, and whether the current call lights no line (sinLinea).
  function luz(e, estado, mostradas) {
    const clave = Modelo.lineaActual(e, estado, mostradas);
    return { clave: clave, intercambio: clave !== null && !Modelo.esComparacion(estado.op),
             sinLinea: Modelo.sinLinea(e, estado, mostradas) };
  }

  // The first of cuantas rows out of total shown around row donde, the lit
  // one (0 where none is): donde at the middle, as far as the ends allow.
  function ventana(total, donde, cuantas) {
    return Math.max(0, Math.min(total - cuantas, donde - Math.floor(cuantas / 2)));
  }

  // The rows of code printed out of filas (the numbered rows of
  // filasDeCodigo, each piece a function from its first line) around row
  // donde, the lit one: all where they are cuantas or fewer; otherwise a
  // window of them (ventana), and before it the first line of the function
  // its first row is in, so that each function printed in part says which
  // it is, cuantas rows in all. Their indices, in order.
  function impresas(filas, donde, cuantas) {
    const hasta = (d, c) => Array.from({ length: c }, (_, i) => d + i);
    if (filas.length <= cuantas) { return hasta(0, filas.length); }
    for (let c = cuantas; c > 1; c--) {
      const d = ventana(filas.length, donde, c);
      let cabeza = d;
      while (cabeza > 0 && !filas[cabeza].inicio) { cabeza--; }
      if (cabeza === d) { return hasta(d, c); }
      if (c < cuantas) { return [cabeza].concat(hasta(d, c)); }
    }
    return [donde];
  }

  // What printed rows of code (filas, in order) say they are: "líneas A a
  // B", each run of them, as "líneas 9, 14 a 25"; '' where none is.
  function rotuloDeImpresas(filas) {
    const tramos = [];
    filas.forEach((f) => {
      const ultimo = tramos[tramos.length - 1];
      if (ultimo !== undefined && f.numero === ultimo[1] + 1) {
        ultimo[1] = f.numero;
      } else {
        tramos.push([f.numero, f.numero]);
      }
    });
    return tramos.length === 0 ? ''
      : 'líneas ' + tramos.map((t) => (t[0] === t[1] ? String(t[0]) : t[0] + ' a ' + t[1])).join(', ');
  }

  // What rows of code shown in a window say they are: "líneas A a B", from
  // the first and the last numbered one; '' where none is.
  function rotuloDeVentana(filas) {
    const numeradas = filas.filter((f) => f.numero !== null);
    return numeradas.length === 0 ? ''
      : 'líneas ' + numeradas[0].numero + ' a ' + numeradas[numeradas.length - 1].numero;
  }

  const escena = {
    barras: barras, filasDeCifras: filasDeCifras, filaDeCifra: filaDeCifra, cadena: cadena, contadores: contadores,
    cadaCuantas: cadaCuantas, rotulosDePosicion: rotulosDePosicion, tramos: tramos, punteros: punteros,
    llamadas: llamadas, vigilancia: vigilancia, TRAMOS_DIBUJADOS: TRAMOS_DIBUJADOS, arbol: arbol, panel: panel, filasDeCodigo: filasDeCodigo, NOTA_SIN_LINEA: NOTA_SIN_LINEA, notasDeCodigo: notasDeCodigo,
    luz: luz, ventana: ventana, rotuloDeVentana: rotuloDeVentana, impresas: impresas, rotuloDeImpresas: rotuloDeImpresas
  };
  return escena;
});
