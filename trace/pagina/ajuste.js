// Fitting the first screen to the window (see modelo.js for the parts and
// how they share): the code's font and width, and how many rows the value
// labels take. cree() makes a fitter, which keeps the sizes it measured
// for as long as they hold, across data loaded again.
(function () {
  'use strict';

  // The smallest font the code takes where the first screen is fitted:
  // below it, code scrolls in its box rather than shrink; and the largest,
  // the size tried first. Large text (sala.js) takes its own.
  const TALLAS = { normal: [11, 14], grande: [20, 28] };
  // The least height of the bars where the first screen is fitted (the
  // style's too).
  const ALTO_MINIMO = 24;
  function tipo() { return document.body.getAttribute('data-texto') === 'grande' ? 'grande' : 'normal'; }
  function tallas() { return TALLAS[tipo()]; }
  // The most of a row's width that the code may take: less with large
  // text, whose panels need the width to keep their labels and their call
  // on fewer lines.
  const PARTE_DEL_CODIGO = { normal: 0.45, grande: 0.36 };

  // Whether el is shown: the panel choice hides elements through their
  // hidden attribute, which is read without laying the page out.
  function mostrado(el) { return el.closest('[hidden]') === null; }

  // Whether the panels are fitted to the window: the style says so, for a
  // window large enough, through --pantalla. Otherwise the page reflows,
  // and the code keeps the style's own size.
  function ajustado(vista) {
    return vista.filas.length > 0 &&
      getComputedStyle(vista.filas[0].parentNode).getPropertyValue('--pantalla').trim() === '1';
  }

  function cree() {
    let tallaDelCodigo = null;   // the code's font and width, and for what
    let anchoDeColumnas = null;  // each panel's bars' width, and for what
    // Labels are measured on a canvas, which lays nothing out.
    const lienzo = document.createElement('canvas').getContext('2d');

    // What the first screen's sizes depend on, other than the data: the
    // code is the same for any data, and the panels share the row the same
    // way. Sizes measured for one geometry hold for the next data, and
    // measuring again would lay the whole page out before it is drawn.
    function geometria(vista, eleccion) {
      return [window.innerWidth, window.innerHeight, eleccion, vista.paneles.length, tallas()[0],
        document.body.hasAttribute('data-sin-codigo')].join('|');
    }

    // Marks the blocks named in desbordados as too tall for their row,
    // which then scroll to their lit line, and those named in envueltos as
    // too wide, whose lines then wrap; no other. The keyboard reaches a
    // block that scrolls, to scroll it with its arrows.
    function marqueDesbordados(vista, desbordados, envueltos) {
      const poner = window.Traza.dibujo.poner;
      vista.codigos.forEach((b) => {
        const nombre = b.elemento.getAttribute('data-codigo');
        const desborda = desbordados.includes(nombre);
        poner(b.elemento, 'data-envuelve', (envueltos || []).includes(nombre) ? '' : null);
        poner(b.elemento, 'data-desborda', desborda ? '' : null);
        poner(b.elemento, 'tabindex', desborda ? '0' : null);
        if (desborda) { window.Traza.dibujo.muestreLinea(b.elemento); }
      });
    }

    // The largest code font, from 14 px down to 11 (large text: 28 to
    // 20), at which every shown strategy's code fits its row, in height and
    // within the width it may take: up to 45 % of the row (36 % with large
    // text), as long as each panel beside it keeps 300 px (the narrowest
    // row's, where rows differ). All take that font and the same width, so
    // that the panels line up. Code that does not fit even at the smallest
    // (a quicksort with its partition) keeps it and that width: a line too
    // wide wraps, and a block too tall scrolls, keeping its lit line in
    // view.
    function ajusteCodigo(vista, eleccion) {
      const bloques = document.body.hasAttribute('data-sin-codigo') ? []
        : vista.codigos.map((b) => b.elemento).filter(mostrado);
      const [TALLA_MINIMA, TALLA_MAXIMA] = tallas();
      if (bloques.length === 0 || !ajustado(vista)) {
        marqueDesbordados(vista, []);
        return;
      }
      // The style reads the size from two properties, which it ignores
      // where the page reflows.
      const ponga = (tamano, ancho) => bloques.forEach((el) => {
        if (tamano !== null) { el.style.setProperty('--talla-codigo', tamano + 'px'); }
        if (ancho !== null) { el.style.setProperty('--ancho-codigo', ancho); }
      });
      // The code is the same whatever the data: for the same window and the
      // same panels shown, the size found before still holds, and measuring
      // again would lay out the whole page several times.
      const clave = geometria(vista, eleccion);
      if (tallaDelCodigo !== null && tallaDelCodigo.clave === clave) {
        ponga(tallaDelCodigo.tamano, tallaDelCodigo.ancho);
        marqueDesbordados(vista, tallaDelCodigo.desbordados, tallaDelCodigo.envueltos);
        return;
      }
      // Measured as plain blocks, without the scroll bar of one too tall.
      marqueDesbordados(vista, []);
      const maximo = Math.min.apply(null, bloques.map((el) => {
        const fila = el.parentNode.clientWidth;
        // Panels stacked beside it (a grid, sala.css) stand one to a line.
        const paneles = getComputedStyle(el.parentNode).display === 'grid' ? 1
          : el.parentNode.querySelectorAll('section:not([hidden])').length;
        return Math.max(0.22 * fila, Math.min(PARTE_DEL_CODIGO[tipo()] * fila, fila - paneles * 306));
      }));
      const cabe = (el) => el.scrollHeight <= el.clientHeight + 1 && el.offsetWidth <= maximo;
      ponga(null, 'max-content');
      // Text scales with its font, so one measure at the largest gives the
      // size to try first; each try lays the page out again, so few are made.
      let tamano = TALLA_MAXIMA;
      ponga(tamano, null);
      if (!bloques.every(cabe)) {
        const escala = Math.min.apply(null, bloques.map((el) =>
          Math.min((el.clientHeight + 1) / el.scrollHeight, maximo / el.offsetWidth)));
        tamano = Math.max(TALLA_MINIMA, Math.floor(tamano * escala * 2) / 2);
        ponga(tamano, null);
        while (tamano > TALLA_MINIMA && !bloques.every(cabe)) {
          tamano -= 0.5;
          ponga(tamano, null);
        }
      }
      const envueltos = bloques.filter((el) => el.offsetWidth > maximo).map((el) => el.getAttribute('data-codigo'));
      const ancho = Math.min(Math.floor(maximo), Math.max.apply(null, bloques.map((el) => el.offsetWidth))) + 'px';
      ponga(null, ancho);
      marqueDesbordados(vista, [], envueltos);
      const desbordados = bloques.filter((el) => el.scrollHeight > el.clientHeight + 1)
        .map((el) => el.getAttribute('data-codigo'));
      marqueDesbordados(vista, desbordados, envueltos);
      tallaDelCodigo = { clave: clave, tamano: tamano, ancho: ancho, desbordados: desbordados, envueltos: envueltos };
    }

    // The widest label of the data: a value, and its occurrence's index
    // where it has one.
    function anchoDeCifras(m, cifra) {
      const estilo = getComputedStyle(cifra);
      // A browser that draws on no canvas gets a guess: a digit is some
      // 0.6 of its font's size.
      const ancho = (texto, tamano) => {
        if (lienzo === null) { return texto.length * parseFloat(tamano) * 0.6; }
        lienzo.font = tamano + ' ' + estilo.fontFamily;
        return lienzo.measureText(texto).width;
      };
      const valores = Math.max.apply(null, m.datos.entrada.map((v) => ancho(String(v), estilo.fontSize)));
      const indice = Math.max.apply(null, m.ocurrencias);
      return Math.ceil(valores) + 3 + (indice === 0 ? 0 : Math.ceil(ancho(String(indice), '10px')) + 1);
    }

    // Labels in as many rows, up to three, as a label needs columns, each
    // label on the next row; where three are not enough, only the current
    // call's.
    function ajusteCifras(m, vista, eleccion) {
      const mostrados = vista.paneles.filter((panel) => mostrado(panel.seccion));
      if (mostrados.length === 0) { return; }
      const clave = geometria(vista, eleccion);
      if (anchoDeColumnas === null || anchoDeColumnas.clave !== clave) {
        anchoDeColumnas = { clave: clave, anchos: new Map(mostrados.map((p) => [p.numero, p.barras.clientWidth])) };
      }
      const cifra = anchoDeCifras(m, mostrados[0].cifras[0]);
      mostrados.forEach((panel) => window.Traza.dibujo.poner(panel.seccion, 'data-cifras',
        window.Traza.escena.filasDeCifras(cifra, anchoDeColumnas.anchos.get(panel.numero) / m.n)));
    }

    // One scale for every panel shown: where the first screen is fitted,
    // the bars of each take the height that the shortest panel's have (a
    // chain, a heading on two lines, labels on more rows take some of a
    // panel's), kept for as long as the window, the panels and the number
    // of values stay.
    let altoDeBarras = null;
    function ajusteBarras(m, vista, eleccion) {
      const poner = window.Traza.dibujo.poner, contenedor = vista.filas.length > 0 ? vista.filas[0].parentNode : null;
      if (contenedor === null) { return; }
      if (!ajustado(vista)) {
        poner(contenedor, 'data-alto', null);
        return;
      }
      const clave = geometria(vista, eleccion) + '|' + m.n;
      if (altoDeBarras === null || altoDeBarras.clave !== clave) {
        poner(contenedor, 'data-alto', null);
        const altos = vista.paneles.filter((panel) => mostrado(panel.seccion)).map((panel) => panel.barras.clientHeight);
        altoDeBarras = { clave: clave, alto: Math.max(ALTO_MINIMO, Math.min.apply(null, altos)) };
      }
      contenedor.style.setProperty('--alto-barras', altoDeBarras.alto + 'px');
      poner(contenedor, 'data-alto', '');
    }

    // The bars' height was measured at the step shown, and a later call
    // may take another line (a longer call, more variables): at the frame
    // after a step is drawn, when the page is laid out anyway, the bars of
    // every panel give up what the fullest panel lacks, down to their least
    // height, and keep it, one scale still, for as long as the sizes hold.
    let porRevisar = false;
    function reviseDesborde(vista) {
      if (porRevisar) { return; }
      porRevisar = true;
      window.requestAnimationFrame(() => {
        porRevisar = false;
        const contenedor = vista.filas.length > 0 ? vista.filas[0].parentNode : null;
        if (altoDeBarras === null || contenedor === null || !contenedor.hasAttribute('data-alto') ||
            altoDeBarras.alto <= ALTO_MINIMO) { return; }
        const falta = Math.max.apply(null, vista.paneles.filter((panel) => mostrado(panel.seccion))
          .map((panel) => panel.seccion.scrollHeight - panel.seccion.clientHeight));
        if (falta > 0) {
          altoDeBarras.alto = Math.max(ALTO_MINIMO, altoDeBarras.alto - falta);
          contenedor.style.setProperty('--alto-barras', altoDeBarras.alto + 'px');
        }
      });
    }

    // Fits the view of model m with the panels eleccion shown (a list of
    // numbers, or null for all) to the window.
    return {
      ajuste: function (m, vista, eleccion) {
        ajusteCodigo(vista, eleccion);
        ajusteCifras(m, vista, eleccion);
        ajusteBarras(m, vista, eleccion);
        reviseDesborde(vista);
      },
      reviseDesborde: reviseDesborde,
      // Forgets the sizes measured, for a first screen whose header or
      // controls took another height in the same window (an error line, a
      // form that wraps).
      olvide: function () {
        tallaDelCodigo = null;
        anchoDeColumnas = null;
        altoDeBarras = null;
      }
    };
  }

  // The first screen is fitted again (ajuste, at the next frame) when the
  // window is resized, and when the header (cabecera) and the controls
  // under it change their height in the same window (an error line, a box
  // unfolded, a form that wraps), after the fitter forgets its sizes: the
  // panels have another height to fit.
  function vigile(cabecera, ajustador, ajuste) {
    let pendiente = false;
    const pida = () => {
      if (pendiente) { return; }
      pendiente = true;
      window.requestAnimationFrame(() => { pendiente = false; ajuste(); });
    };
    window.addEventListener('resize', pida);
    if (!window.ResizeObserver) { return; }
    let alto = null;
    new ResizeObserver((cambios) => {
      const antes = alto;
      alto = Math.round(cambios[cambios.length - 1].contentRect.height);
      if (antes !== null && antes !== alto) {
        ajustador.olvide();
        pida();
      }
    }).observe(cabecera);
  }

  window.Traza.ajuste = { cree: cree, vigile: vigile };
}());
