// Full screen (see modelo.js for the parts and how they share): the
// button that fills the screen with the page and leaves it again, shown
// only where the browser allows it (not on an iPhone's Safari). Its words
// follow the state, whoever changed it (Esc leaves too).
(function () {
  'use strict';

  const Dibujo = window.Traza.dibujo;

  function inicie() {
    const boton = document.getElementById('boton-pantalla');
    if (!document.fullscreenEnabled) { return; }
    boton.hidden = false;
    boton.addEventListener('click', () => {
      const pedido = document.fullscreenElement ? document.exitFullscreen()
        : document.documentElement.requestFullscreen();
      // A refusal (no gesture, a browser's policy) leaves the page as it was.
      pedido.catch(() => {});
    });
    document.addEventListener('fullscreenchange', () => {
      Dibujo.texto(boton, document.fullscreenElement ? 'Salir de pantalla completa' : 'Pantalla completa');
    });
  }

  window.Traza.pantallaCompleta = { inicie: inicie };
}());
