// A panel of an array drawn as a binary tree (see modelo.js for the parts
// and how they share), position k's children at 2k + 1 and 2k + 2, as a
// heap keeps them: each position a node with its bar's states, hatching and
// value, its position beside it and the variables that point at it under
// it. The tree is made of the panel's own elements, placed otherwise, so
// that a step draws them as it draws the bars; drawn back as bars, they
// take their places again.
(function () {
  'use strict';

  const Traza = window.Traza, Escena = Traza.escena;

  // A level's height in pixels: a node with its position, its value, and a
  // line for pointers.
  const ALTO_DE_NIVEL = 42;

  function porcentaje(x) { return (x * 100).toFixed(3) + '%'; }

  // The lines from each node to its children, as an SVG behind the nodes.
  function ramas(arbol) {
    const svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
    svg.setAttribute('class', 'ramas');
    svg.setAttribute('aria-hidden', 'true');
    arbol.nodos.forEach((nodo, k) => {
      if (k === 0) { return; }
      const padre = arbol.nodos[(k - 1) >> 1];
      const linea = document.createElementNS('http://www.w3.org/2000/svg', 'line');
      linea.setAttribute('x1', porcentaje(padre.x));
      linea.setAttribute('y1', padre.nivel * ALTO_DE_NIVEL + 8);
      linea.setAttribute('x2', porcentaje(nodo.x));
      linea.setAttribute('y2', nodo.nivel * ALTO_DE_NIVEL + 8);
      svg.appendChild(linea);
    });
    return svg;
  }

  // Draws panel of n values as a tree (enArbol) or as bars.
  function muestre(panel, n, enArbol) {
    if (Boolean(panel.enArbol) === enArbol) { return; }
    panel.enArbol = enArbol;
    panel.seccion.classList.toggle('en-arbol', enArbol);
    const arbol = Escena.arbol(n);
    panel.seccion.style.setProperty('--niveles', arbol.niveles);
    if (enArbol) {
      panel.ramas = panel.ramas || ramas(arbol);
      panel.barras.insertBefore(panel.ramas, panel.barras.firstChild);
    } else if (panel.ramas) {
      panel.ramas.remove();
    }
    arbol.nodos.forEach((nodo, p) => {
      const arriba = nodo.nivel * ALTO_DE_NIVEL;
      const columna = panel.columnas[p].elemento, cifra = panel.cifras[p], rotulo = panel.rotulos[p];
      columna.style.left = enArbol ? porcentaje(nodo.x) : '';
      columna.style.top = enArbol ? arriba + 'px' : '';
      cifra.style.left = enArbol ? porcentaje(nodo.x) : ((p + 0.5) / n * 100).toFixed(3) + '%';
      cifra.style.setProperty('--arriba', (arriba + 17) + 'px');
      rotulo.style.left = enArbol ? porcentaje(nodo.x) : ((p + 0.5) / n * 100).toFixed(3) + '%';
      rotulo.style.setProperty('--arriba', arriba + 'px');
    });
    panel.cada = null;
  }

  // Where a pointer at position p stands in a tree of n values: its left,
  // as a share, and its top, in pixels.
  const arboles = new Map();
  function lugar(p, n) {
    if (!arboles.has(n)) { arboles.set(n, Escena.arbol(n)); }
    const nodo = arboles.get(n).nodos[p];
    return { left: porcentaje(nodo.x), top: (nodo.nivel * ALTO_DE_NIVEL + 30) + 'px' };
  }

  let alCambiar = () => {};  // what the page does once a panel is drawn anew

  // Each panel of an array has a control, "Árbol", pressed while it is drawn
  // as a tree; a panel of a list, which no heap is kept in, has none.
  function boton(panel, n) {
    const b = document.createElement('button');
    b.type = 'button';
    b.className = 'boton-arbol';
    b.textContent = 'Árbol';
    b.setAttribute('aria-pressed', 'false');
    b.setAttribute('aria-label', 'Árbol: el panel ' + panel.numero + ' como árbol binario');
    b.addEventListener('click', () => {
      muestre(panel, n, !panel.enArbol);
      b.setAttribute('aria-pressed', String(panel.enArbol));
      alCambiar();
    });
    panel.botonArbol = b;
    panel.enArbol = false;
    return b;
  }

  // Draws as trees the panels of vista numbered in numeros that are
  // arrays' (model m), and the others as bars.
  function elija(vista, m, numeros) {
    vista.paneles.forEach((panel) => {
      if (panel.botonArbol) {
        muestre(panel, m.n, numeros.indexOf(panel.numero) >= 0);
        panel.botonArbol.setAttribute('aria-pressed', String(panel.enArbol));
      }
    });
  }

  // The numbers of the panels of vista drawn as trees, for the address.
  function lista(vista) {
    return vista.paneles.filter((panel) => panel.enArbol).map((panel) => panel.numero);
  }

  Traza.arbol = {
    muestre: muestre, lugar: lugar, boton: boton, elija: elija, lista: lista, ALTO_DE_NIVEL: ALTO_DE_NIVEL,
    inicie: (cambio) => { alCambiar = cambio; }
  };
}());
