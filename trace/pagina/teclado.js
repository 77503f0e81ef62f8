// The page's keys (see modelo.js for the parts and how they share): which
// of them a control keeps and which the page takes, and Esc, which folds
// what is unfolded. controles.js gives it the page's actions by key.
(function () {
  'use strict';

  // The page's keys that a control reached by the keyboard keeps, by its
  // type: a check box toggles and a button is pressed by the space, a
  // slider moves by the arrows, Home and End; a text field or a list takes
  // every key (the browser page shares the page with a form).
  const TECLAS_PROPIAS = {
    checkbox: [' '], radio: [' ', 'ArrowLeft', 'ArrowRight'], button: [' '], submit: [' '], reset: [' '],
    range: ['ArrowLeft', 'ArrowRight', 'Home', 'End']
  };
  function usaTecla(el, tecla) {
    if (el.isContentEditable || el.tagName === 'TEXTAREA' || el.tagName === 'SELECT') { return true; }
    if (el.tagName === 'BUTTON' || el.tagName === 'SUMMARY') { return tecla === ' '; }
    if (el.tagName !== 'INPUT') { return false; }
    const propias = TECLAS_PROPIAS[el.type];
    return propias === undefined || propias.indexOf(tecla) >= 0;
  }

  // A button, a box or a summary: pressed by a pointer, it leaves the focus
  // on itself, and the keys go on being the page's, as the hint says.
  function deLaPagina(el) {
    return el !== null && (el.tagName === 'BUTTON' || el.tagName === 'SUMMARY' ||
      (el.tagName === 'INPUT' && el.type === 'checkbox'));
  }

  // Folds every box unfolded, and brings the focus out of one to its
  // summary, which stays where it was.
  function pliegue() {
    document.querySelectorAll('details[open]').forEach((caja) => {
      const dentro = caja.contains(document.activeElement) && document.activeElement !== caja.firstElementChild;
      caja.open = false;
      if (dentro) { caja.querySelector('summary').focus(); }
    });
  }

  // Listens for the keys: acciones maps a key to the page's action, which
  // takes whether the key is held down. plegables are the boxes that
  // unfold over the panels, which a press of a pointer outside folds.
  function inicie(acciones, plegables) {
    let pulsado = null;  // the control last pressed by a pointer, while it keeps the focus
    document.addEventListener('pointerdown', (evento) => {
      const el = evento.target.closest('button, summary, label, input');
      const control = el !== null && el.tagName === 'LABEL' ? el.control : el;
      pulsado = deLaPagina(control) ? control : null;
      plegables.forEach((caja) => { if (caja.open && !caja.contains(evento.target)) { caja.open = false; } });
    }, true);
    document.addEventListener('focusin', (evento) => {
      if (evento.target !== pulsado) { pulsado = null; }
    });
    document.addEventListener('keydown', (evento) => {
      if (evento.key === 'Tab') { pulsado = null; }
      if (evento.key === 'Escape') { pliegue(); }
      const accion = acciones.get(evento.key);
      if (!accion || evento.altKey || evento.ctrlKey || evento.metaKey || evento.defaultPrevented ||
          (evento.target !== pulsado && usaTecla(evento.target, evento.key))) { return; }
      evento.preventDefault();
      // A space held down would play and pause in turn.
      if (evento.key !== ' ' || !evento.repeat) { accion(evento.repeat); }
    });
    // A pressed button or box would take the space again as it comes up.
    document.addEventListener('keyup', (evento) => {
      if (evento.key === ' ' && evento.target === pulsado) { evento.preventDefault(); }
    });
  }

  window.Traza.teclado = { inicie: inicie };
}());
