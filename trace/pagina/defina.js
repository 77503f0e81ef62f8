// The one way the page's parts that need no page (modelo.js, palabras.js,
// escena.js, svg.js, lamina.js, practica.js) say what they are:
//
//   Traza.defina('palabras', ['modelo'], function (Modelo) { ...; return palabras; });
//
// names the part, the parts it uses, and the function that makes it from
// them. In the page every part is kept in window.Traza, made in the order
// the scripts run (pagina.cmake), and the page's look, read from #aspecto,
// is the part 'aspecto'. Under node, tests/cargue.js gives each file a
// Traza of its own, whose defina makes the part from files in the same
// way: so each part runs as it is in both.
window.Traza = Object.assign(window.Traza || {}, {
  // The body as it was read, before any script changed it, and this, its
  // first script: the browser page saves a clean copy of itself from them.
  cuerpo: { apertura: document.body.cloneNode(false).outerHTML.replace(/<\/body>$/, ''),
            texto: document.body.innerHTML, guion: document.currentScript },
  aspecto: JSON.parse(document.getElementById('aspecto').textContent),
  defina: function (nombre, usados, fabrica) {
    'use strict';
    this[nombre] = fabrica.apply(null, usados.map((usado) => this[usado]));
  }
});
