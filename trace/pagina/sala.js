// How the page is looked at, for a room (see modelo.js for the parts and
// how they share): large text, read from the back of a room (texto=grande
// in the address, "Texto grande" on the page); the code shown or hidden,
// so that the bars take its room (codigo=no, "Código"); and the speed of
// playing and of a GIF (velocidad=S, the speed slider). The address and
// the controls say the same: each writes the other (direccion.js reads and
// writes the keys). The style reads the body's data-texto and
// data-sin-codigo; ajuste.js fits the code's font to them.
(function () {
  'use strict';

  const Traza = window.Traza, Direccion = Traza.direccion, poner = Traza.dibujo.poner;
  const vista = Object.assign({}, Direccion.VISTA_POR_OMISION);
  let cambiada = () => {};  // what the page does after a change on its controls

  function $(id) { return document.getElementById(id); }

  // The body's marks and the controls, as vista says.
  function muestre() {
    poner(document.body, 'data-texto', vista.texto === 'grande' ? 'grande' : null);
    poner(document.body, 'data-sin-codigo', vista.codigo === 'no' ? '' : null);
    $('texto-grande').checked = vista.texto === 'grande';
    $('ver-codigo').checked = vista.codigo !== 'no';
    const indice = String(Direccion.VELOCIDADES.indexOf(vista.velocidad));
    if ($('velocidad').value !== indice) {
      $('velocidad').value = indice;
      // The slider's own words follow it (controles.js).
      $('velocidad').dispatchEvent(new Event('input'));
    }
  }

  // Takes the look that an address gives (Direccion.leaDireccion's vista).
  function lea(leida) {
    Object.assign(vista, leida);
    muestre();
  }

  // Starts the controls. alCambiar(refite) is called after a control
  // changed the look, refite saying whether the panels are to be fitted
  // again (the text or the code changed, not the speed): it writes the
  // address.
  function inicie(alCambiar) {
    cambiada = alCambiar;
    $('texto-grande').addEventListener('change', () => {
      vista.texto = $('texto-grande').checked ? 'grande' : 'normal';
      muestre();
      cambiada(true);
    });
    $('ver-codigo').addEventListener('change', () => {
      vista.codigo = $('ver-codigo').checked ? 'si' : 'no';
      muestre();
      cambiada(true);
    });
    $('velocidad').addEventListener('input', () => {
      const velocidad = Direccion.VELOCIDADES[+$('velocidad').value];
      if (velocidad !== vista.velocidad) {
        vista.velocidad = velocidad;
        cambiada(false);
      }
    });
    muestre();
  }

  window.Traza.sala = { inicie: inicie, lea: lea, vista: () => Object.assign({}, vista) };
}());
