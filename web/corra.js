// Runs the browser page's scripts where they would stand, at the end of
// its body: the page carries them packed (#guiones), and arranque.js
// unpacked them while the rest of the page was read. They run as one
// script, put in the body, which runs it at once, and taken out again: a
// copy of the page (actividad_scorm.js) holds this script and the packed
// text, as the page itself does, not the scripts a second time.
(function () {
  'use strict';

  window.Traza.guiones.then((texto) => {
    const guion = document.createElement('script');
    guion.text = texto;
    document.body.appendChild(guion);
    guion.remove();
  }, (fallo) => {
    const linea = document.querySelector('[data-error]');
    linea.textContent = 'ERROR: este navegador no puede leer los guiones de la página (' + fallo + ')';
    linea.hidden = false;
    document.body.setAttribute('data-estado', 'error');
  });
}());
