// Under each panel, what the strategy's own functions are doing (see
// modelo.js for the parts and how they share; escena.js works the parts
// out): the position under each bar, the ranges of the calls running,
// deeper ones below, the variables that point at positions, named under
// their bars, and a line with the chain of calls, innermost last, and the
// innermost call's variables. dibujo.js builds and draws a panel's other
// parts.
(function () {
  'use strict';

  const Traza = window.Traza, Escena = Traza.escena;

  function elemento(etiqueta, clase, texto) {
    const e = document.createElement(etiqueta);
    e.className = clase;
    if (texto !== undefined) { e.textContent = texto; }
    return e;
  }

  // Where a position's centre stands, as a share of the bars' width.
  function centro(p, n) { return ((p + 0.5) / n * 100).toFixed(3) + '%'; }

  // The rows of panel (as dibujo.js builds it) for n values of strategy e,
  // added to its section in order: positions, ranges, pointers; the line of
  // calls goes where dibujo.js puts it (linea), and the variables' words
  // (panel.vigilancia) after the call's words. Ranges and the line of calls
  // are drawn where e's calls go deeper than Ordene, and pointers where
  // some variable is a position: a panel's rows stay the same at every
  // step, and a strategy written in Ordene alone keeps its room for bars.
  function construya(panel, n, e) {
    const posiciones = elemento('div', 'posiciones');
    posiciones.setAttribute('aria-hidden', 'true');
    // What was last written, so that a step writes only what changes.
    panel.rotulos = [];
    panel.clasesEscritas = new Map();
    panel.tramosEscritos = [];
    for (let p = 0; p < n; p++) {
      const rotulo = posiciones.appendChild(elemento('span', 'posicion oculta', String(p)));
      rotulo.style.left = centro(p, n);
      panel.rotulos.push(rotulo);
    }
    const tramos = elemento('div', 'tramos');
    tramos.setAttribute('aria-hidden', 'true');
    panel.tramos = [];
    for (let t = 0; t < Escena.TRAMOS_DIBUJADOS; t++) {
      panel.tramos.push(tramos.appendChild(elemento('div', 'tramo')));
    }
    panel.punteros = elemento('div', 'punteros');
    // The panel's words say where each variable points.
    panel.punteros.setAttribute('aria-hidden', 'true');
    tramos.hidden = e.seguido.profundidad < 2;
    panel.punteros.hidden = e.seguido.filasDePunteros === 0;
    panel.punteros.classList.toggle('dos-filas', e.seguido.filasDePunteros > 1);
    panel.seccion.append(posiciones, tramos, panel.punteros);
    const linea = elemento('div', 'llamadas');
    linea.hidden = e.seguido.profundidad < 2;
    panel.llamadas = linea.appendChild(elemento('span', 'cadena-de-llamadas'));
    panel.vigilancia = elemento('span', 'vigilancia');
    panel.cada = null;
    return linea;
  }

  // A page's view, on a change of the window's size: the positions written
  // under the bars are worked out again.
  function olvideAnchos(vista) { vista.paneles.forEach((panel) => { panel.cada = null; }); }

  // The distance between panel's bars, in pixels, measured once a layout.
  function anchoDeColumna(panel, n) {
    if (panel.cada === null) {
      panel.ancho = panel.barras.clientWidth / n;
      panel.cada = Escena.cadaCuantas(n, panel.ancho);
    }
    return panel.ancho;
  }

  // The position labels under panel's bars at call op: worked out and
  // written only where the pair or the room changed.
  function dibujeRotulos(panel, op, n) {
    const cada = panel.enArbol ? 1 : panel.cada, ancho = panel.enArbol ? Infinity : panel.ancho;
    const clave = (op === null ? '' : op[0] + ',' + op[1]) + '|' + cada + '|' + ancho;
    if (panel.rotulosEscritos === clave) { return; }
    panel.rotulosEscritos = clave;
    const clases = new Map();
    Escena.rotulosDePosicion(n, op, cada, ancho)
      .forEach((r) => clases.set(r.p, 'posicion' + (r.actual ? ' actual' : '') + (r.alineado ? ' ' + r.alineado : '')));
    panel.clasesEscritas.forEach((clase, p) => {
      if (!clases.has(p)) { panel.rotulos[p].className = 'posicion oculta'; }
    });
    clases.forEach((clase, p) => {
      if (panel.clasesEscritas.get(p) !== clase) { panel.rotulos[p].className = clase; }
    });
    panel.clasesEscritas = clases;
  }

  // The ranges (Escena.tramos), the deeper below.
  function dibujeTramos(panel, tramos, n) {
    const primero = tramos.length > 0 ? tramos[0].nivel : 0;
    for (let t = 0; t < panel.tramos.length; t++) {
      const tramo = tramos[t];
      const clave = tramo === undefined ? '' : tramo.desde + ',' + tramo.hasta + ',' + (tramo.nivel - primero);
      if (panel.tramosEscritos[t] === clave) { continue; }
      panel.tramosEscritos[t] = clave;
      panel.tramos[t].style.cssText = tramo === undefined ? 'display: none'
        : 'left: ' + (tramo.desde / n * 100).toFixed(3) + '%; width: ' +
          ((tramo.hasta - tramo.desde + 1) / n * 100).toFixed(3) + '%; top: ' + (3 * (tramo.nivel - primero)) + 'px';
    }
  }

  // Sets el's property nombre (of el itself, or of its style) to valor, if
  // it differs from what this module last wrote there.
  function escriba(el, cual, nombre, valor) {
    const clave = cual + nombre;
    el.escritos = el.escritos || {};
    if (el.escritos[clave] === valor) { return; }
    el.escritos[clave] = valor;
    (cual === 'estilo' ? el.style : el)[nombre] = valor;
  }

  // The pointers (Escena.punteros): each property written where it changed.
  function dibujePunteros(panel, punteros, n, texto) {
    while (panel.punteros.childElementCount < punteros.length) {
      panel.punteros.appendChild(elemento('span', 'puntero'));
    }
    const spans = panel.punteros.children;
    for (let i = 0; i < spans.length; i++) {
      const span = spans[i], puntero = punteros[i];
      escriba(span, '', 'hidden', puntero === undefined);
      if (puntero === undefined) { continue; }
      texto(span, puntero.texto);
      escriba(span, '', 'className', 'puntero ' + (panel.enArbol ? 'centro' : puntero.alineado));
      const enArbol = panel.enArbol ? Traza.arbol.lugar(puntero.posicion, n) : null;
      escriba(span, 'estilo', 'left', enArbol ? enArbol.left : puntero.alineado === 'inicio' ? '0'
        : puntero.alineado === 'fin' ? '100%' : centro(puntero.posicion, n));
      escriba(span, 'estilo', 'top', enArbol ? enArbol.top : puntero.fila * 13 + 'px');
      escriba(span, '', 'title', puntero.nombres.join(', ') + ' en la posición ' + puntero.posicion);
    }
  }

  // Draws the parts (Escena.panel) of panel at call op, for n values,
  // writing only what differs from the step drawn before.
  function dibuje(panel, partes, op, n, texto) {
    dibujeRotulos(panel, op, n);
    dibujeTramos(panel, partes.tramos, n);
    dibujePunteros(panel, partes.punteros, n, texto);
    texto(panel.llamadas, partes.llamadas);
    texto(panel.vigilancia, partes.vigilancia);
    escriba(panel.llamadas.parentNode, '', 'title', partes.llamadas);
  }

  Traza.dibujoSeguido = { construya: construya, dibuje: dibuje, olvideAnchos: olvideAnchos,
                          anchoDeColumna: anchoDeColumna };
}());
