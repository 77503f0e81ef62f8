// The line under the step bar (see modelo.js for the parts and how they
// share) that says what the page did not do as asked: an address with a
// value the page cannot take, or that names panels or a step the page does
// not have, or a panel to draw as a tree that is no array's, which the
// page corrects; and the last panel shown, which cannot be unticked. It
// stays until the address is read again or the panels are chosen again.
(function () {
  'use strict';

  const Traza = window.Traza, Modelo = Traza.modelo, Palabras = Traza.palabras;

  function $(id) { return document.getElementById(id); }

  function diga(texto) { Traza.dibujo.texto($('aviso'), texto); }

  // What the address read (leida, Direccion.leaDireccion) asks for that a
  // page of cuantos panels and M steps, with the panels enArbol drawn as
  // trees, does not have, said on the line; whether there was any, so that
  // the address is written again as shown.
  function revise(leida, cuantos, M, enArbol) {
    const pedidos = leida.paneles || [];
    const faltan = Modelo.panelesQueFaltan(pedidos, cuantos);
    const ninguno = Modelo.elijaPaneles(pedidos, cuantos, []).length === 0;
    const sinArbol = [...new Set(leida.arbol || [])].filter((n) => !enArbol.includes(n)).sort((a, b) => a - b);
    const texto = [Palabras.ilegibles(leida.ilegibles),
      Palabras.faltantes(faltan, cuantos, ninguno, leida.fin ? null : leida.paso, M, sinArbol)]
      .filter((dicho) => dicho !== '').join(' ');
    diga(texto);
    return texto !== '';
  }

  // The last box ticked in the panels' table stays ticked, and the line
  // says why; this listener runs before the controls', which never see an
  // empty choice. Any other choice clears the line.
  function inicie() {
    const casillas = $('casillas');
    casillas.addEventListener('change', (evento) => {
      if (casillas.querySelector('input:checked') === null) {
        evento.target.checked = true;
        evento.stopImmediatePropagation();
        diga('El último panel mostrado no se quita: marque otro antes.');
        window.dispatchEvent(new Event('resize'));  // the line takes room: fit the panels again
        return;
      }
      diga('');
    });
    casillas.addEventListener('click', (evento) => { if (evento.target.closest('button')) { diga(''); } });
  }

  inicie();
  Traza.aviso = { revise: revise, diga: diga };
}());
