// What the page and its slides draw alike (see modelo.js for the parts and
// how they share): a panel's parts and a strategy's code at a state, as
// data. dibujo.js turns them into the page's elements and lamina.js into a
// slide's SVG, so that each is worked out once. No page is needed: it also
// runs under node, for its tests.
//
// A panel is its heading, then its parts, top to bottom: the bars with
// their value labels (barras), the list's chain (cadena), the call in
// words (llamada) and the counters (contadores). Each part is a pure
// function of the model and the strategy's state, gathered by panel(); a
// new part is one more such function there, and a drawing of its data in
// dibujo.js and in lamina.js.
Traza.defina('escena', ['modelo', 'palabras'], function (Modelo, Palabras) {
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

  // The parts of panel info (its entry of the data's paneles) of model m
  // at its strategy's state estado; a container that follows no links has
  // no chain (null).
  function panel(m, info, estado) {
    const e = m.estrategias[info.estrategia];
    const porPosicion = m.datos.contenedores[info.contenedor].enlaces_por_posicion;
    return { barras: barras(m, e, estado), cadena: porPosicion > 0 ? cadena(estado.op, m.n) : null,
             llamada: Palabras.estadoDePanel(e, estado, porPosicion), contadores: contadores(e, estado.k, porPosicion) };
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

  // What rows of code shown in a window say they are: "líneas A a B", from
  // the first and the last numbered one; '' where none is.
  function rotuloDeVentana(filas) {
    const numeradas = filas.filter((f) => f.numero !== null);
    return numeradas.length === 0 ? ''
      : 'líneas ' + numeradas[0].numero + ' a ' + numeradas[numeradas.length - 1].numero;
  }

  const escena = {
    barras: barras, filasDeCifras: filasDeCifras, filaDeCifra: filaDeCifra, cadena: cadena, contadores: contadores,
    panel: panel, filasDeCodigo: filasDeCodigo, NOTA_SIN_LINEA: NOTA_SIN_LINEA, notasDeCodigo: notasDeCodigo,
    luz: luz, ventana: ventana, rotuloDeVentana: rotuloDeVentana
  };
  return escena;
});
