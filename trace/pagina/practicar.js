// Practice on the page (see modelo.js for the parts and how they share;
// practica.js holds its rules and words): on the first panel shown, the
// page plays the comparisons itself and stops before each exchange; the
// student picks the two bars it exchanges, by pointer, touch or keyboard,
// and the page says whether they were right, shows the right pair where
// they were not, and keeps the score on the panel.
//
// controles.js starts it with the hooks it needs (see inicie), and asks
// activa() before it moves the step or speaks for itself.
(function () {
  'use strict';

  const Traza = window.Traza, Practica = Traza.practica, Modelo = Traza.modelo, Dibujo = Traza.dibujo;

  let pagina = null;    // the hooks of controles.js
  let p = null;         // the practice, or null where there is none
  let panel = null;     // the panel practised on, as dibujo.js built it
  let caja = null;      // the practice's box on that panel
  let reloj = null;     // the timer of the steps played
  let enfocada = 0;     // the bar that the keyboard is on, while the page waits
  let avisado = '';     // the words last said, so that a redraw does not say them again
  let acertado = '';    // what the last right pick was, shown until the next pick
  let oyente = null;    // told of each verdict and each run's end (see observe)
  let desde = 0;        // when the page began to wait for the picks
  let contada = false;  // whether the run's end was told

  function activa() { return p !== null; }

  function $(id) { return document.getElementById(id); }

  function boton(texto, accion) {
    const b = Dibujo.elemento('button', '', texto);
    b.type = 'button';
    b.addEventListener('click', accion);
    return b;
  }

  // The practice's box, under the panel's counters: the score, what the
  // page asks or says, the buttons to go on, start again and leave, and a
  // row of positions to pick from where the bars are too narrow to tap.
  function construyaCaja(n) {
    caja = Dibujo.elemento('div', 'practica');
    caja.appendChild(Dibujo.elemento('p', 'puntuacion'));
    caja.appendChild(Dibujo.elemento('p', 'acierto'));
    caja.appendChild(Dibujo.elemento('p', 'indicacion'));
    const botones = Dibujo.elemento('div', 'botones');
    caja.seguir = botones.appendChild(boton('Seguir', siga));
    caja.otraVez = botones.appendChild(boton('Otra vez', otraVez));
    botones.appendChild(boton('Salir', salga));
    caja.appendChild(botones);
    caja.selector = Dibujo.elemento('div', 'selector');
    caja.selector.setAttribute('role', 'group');
    caja.selector.setAttribute('aria-label', 'Posiciones');
    for (let q = 0; q < n; q++) {
      const b = caja.selector.appendChild(boton(String(q), () => elija(q)));
      b.setAttribute('data-posicion', q);
    }
    caja.appendChild(caja.selector);
    panel.seccion.appendChild(caja);
  }

  // Draws the practice's state: the bars are buttons only while the page
  // waits, the first pick and, after a wrong pick, the right pair are
  // marked, and the box says what is asked, what was right or the end.
  function muestre() {
    const v = pagina.vista(), e = v.m.estrategias[panel.s], estado = Modelo.estadoEn(e, p.paso);
    const veredicto = p.veredicto, errado = veredicto !== null && !veredicto.acierto;
    Dibujo.texto(caja.querySelector('.puntuacion'), Practica.puntuacion(p));
    if (p.terminada) { cuente(); }
    const dicho = p.terminada ? Practica.final(p) : errado ? Practica.dichoDelVeredicto(veredicto)
      : Practica.indicacion(p);
    Dibujo.texto(caja.querySelector('.indicacion'), dicho);
    Dibujo.texto(caja.querySelector('.acierto'), errado || p.primera !== null ? '' : acertado);
    Dibujo.poner(panel.seccion, 'data-esperando', p.esperando ? '' : null);
    caja.seguir.hidden = !errado;
    caja.otraVez.hidden = !p.terminada;
    panel.columnas.forEach((columna, q) => {
      const el = columna.elemento;
      Dibujo.poner(el, 'role', p.esperando ? 'button' : null);
      Dibujo.poner(el, 'tabindex', p.esperando ? (q === enfocada ? '0' : '-1') : null);
      Dibujo.poner(el, 'aria-label', p.esperando ? Practica.nombreDePosicion(v.m, estado, q) : null);
      Dibujo.poner(el, 'data-elegida', p.primera === q ? '' : null);
      Dibujo.poner(el, 'data-respuesta', errado && veredicto.par.indexOf(q) >= 0 ? '' : null);
    });
    caja.selector.hidden = !p.esperando || panel.barras.clientWidth / v.m.n >= 24;
    caja.selector.querySelectorAll('button').forEach((b, q) => {
      b.setAttribute('aria-label', Practica.nombreDePosicion(v.m, estado, q));
      Dibujo.poner(b, 'aria-pressed', p.esperando ? String(p.primera === q) : null);
    });
    // A wrong pick lights the line of the exchange it missed.
    if (errado) { Dibujo.resalte(v.m, v.vista, panel.s, p.paso + 1); }
    const palabras = (dicho === '' ? '' : dicho + ' ') + Practica.puntuacion(p) + '.';
    if ((p.esperando || veredicto !== null || p.terminada) && palabras !== avisado) {
      avisado = palabras;
      pagina.diga(palabras);
    }
  }

  // Plays the steps up to the next exchange at the speed chosen, several
  // to a tick where it is fast.
  function juegue() {
    window.clearTimeout(reloj);
    if (p === null || p.esperando || p.veredicto !== null || p.terminada) { return; }
    const siguiente = p.paradas[p.preguntas], tope = siguiente === undefined ? p.total : siguiente.paso;
    const porSegundo = pagina.velocidad(), intervalo = Math.max(16, 1000 / porSegundo);
    reloj = window.setTimeout(() => {
      const pasos = Math.max(1, Math.round(porSegundo * intervalo / 1000));
      p = Practica.llegue(p, Math.min(tope, p.paso + pasos));
      pagina.vaya(p.paso);
      muestre();
      if (p.esperando) { espere(enfocada); }
      juegue();
    }, p.paso === tope ? 0 : intervalo);
  }

  // The page waits for the picks from now on.
  function espere(q) {
    desde = Date.now();
    enfoque(q);
  }

  // Tells the listener that the run ended, once: at its end, or left early.
  function cuente() {
    if (!contada && oyente !== null) { oyente({ tipo: 'fin', practica: p }); }
    contada = true;
  }

  function enfoque(q) {
    enfocada = Math.max(0, Math.min(panel.columnas.length - 1, q));
    panel.columnas.forEach((c, r) => Dibujo.poner(c.elemento, 'tabindex', r === enfocada ? '0' : '-1'));
    const selector = caja.selector.hidden ? null : caja.selector.children[enfocada];
    (selector || panel.columnas[enfocada].elemento).focus();
  }

  // The student's pick of position q: a right pair makes the exchange and
  // play goes on; a wrong one waits for "Seguir".
  function elija(q) {
    const antes = p;
    p = Practica.elija(p, q);
    if (p === antes) { return; }
    acertado = '';
    if (p.veredicto !== null && oyente !== null) {
      oyente({ tipo: 'veredicto', practica: p, veredicto: p.veredicto, ms: Date.now() - desde });
    }
    if (p.veredicto !== null && p.veredicto.acierto) {
      acertado = Practica.dichoDelVeredicto(p.veredicto);
      pagina.diga(Practica.dichoDelVeredicto(p.veredicto) + ' ' + Practica.puntuacion(p) + '.');
      avisado = '';
      siga();
      return;
    }
    muestre();
    if (p.veredicto !== null) { caja.seguir.focus(); }
  }

  function siga() {
    if (p === null || p.veredicto === null) { return; }
    p = Practica.siga(p);
    pagina.vaya(p.paso);
    muestre();
    if (p.esperando) { espere(enfocada); }
    if (p.terminada) { caja.otraVez.focus(); }
    juegue();
  }

  // Again from where it started; with new values where the page can draw
  // them (the browser page, for drawn values), which starts it anew.
  function otraVez() {
    if (pagina.otrosValores()) { return; }
    p = Practica.otraVez(p);
    avisado = '';
    acertado = '';
    contada = false;
    pagina.vaya(p.paso);
    muestre();
    juegue();
  }

  // Takes the practice off the page: its timer, its box, the bars' marks.
  function quite() {
    window.clearTimeout(reloj);
    p = null;
    pagina.vista().vista.paneles.forEach((x) => { x.practica = false; });
    panel.columnas.forEach((c) => ['role', 'tabindex', 'aria-label', 'data-elegida', 'data-respuesta']
      .forEach((a) => Dibujo.poner(c.elemento, a, null)));
    Dibujo.poner(panel.seccion, 'data-esperando', null);
    caja.remove();
    caja = null;
    pagina.vaya(pagina.vista().K);  // the panel's call says its answer again
  }

  // Leaves practice at the step reached.
  function salga() {
    if (p === null) { return; }
    cuente();
    quite();
    pagina.termine();
  }

  // Practice on the first panel shown, from the step shown; none where no
  // panel is shown.
  function empiece() {
    if (p !== null) { quite(); }
    const v = pagina.vista();
    panel = v.vista.paneles.find((x) => x.numero === v.eleccion[0]);
    p = Practica.inicie(v.m.estrategias[panel.s], v.K);
    enfocada = 0;
    avisado = '';
    acertado = '';
    contada = false;
    // While it asks, the comparisons of its strategy's panels keep their
    // answers: the student compares the values.
    v.vista.paneles.forEach((x) => { x.practica = x.s === panel.s; });
    construyaCaja(v.m.n);
    pagina.vaya(p.paso);
    muestre();
    if (p.esperando) { espere(0); }
    // The strategy's code, then the panel, in view, its lit line too.
    const bloque = v.vista.codigos.find((b) => b.s === panel.s);
    if (bloque !== undefined) {
      bloque.elemento.scrollIntoView({ block: 'nearest' });
      Dibujo.muestreLinea(bloque.elemento);
    }
    panel.seccion.scrollIntoView({ block: 'nearest' });
    juegue();
  }

  // The keys on a bar while the page waits: the arrows, Home and End move
  // between the bars; Enter or space picks. A tap or a click on a bar
  // picks it; after a wrong pick, Enter or a tap on the panel goes on.
  function escuche() {
    document.addEventListener('keydown', (evento) => {
      if (p === null) { return; }
      if (evento.key === 'Escape') { salga(); return; }
      const columna = evento.target.closest && evento.target.closest('.columna[role="button"]');
      const q = columna === null ? -1 : panel.columnas.findIndex((c) => c.elemento === columna);
      const mover = { ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1 }[evento.key];
      if (q >= 0 && mover !== undefined) {
        enfoque(q + mover);
      } else if (q >= 0 && (evento.key === 'Home' || evento.key === 'End')) {
        enfoque(evento.key === 'Home' ? 0 : panel.columnas.length - 1);
      } else if (q >= 0 && (evento.key === 'Enter' || evento.key === ' ')) {
        if (!evento.repeat) { elija(q); }
      } else if (evento.key === 'Enter' && p.veredicto !== null && !evento.target.closest('button')) {
        siga();
      } else {
        return;
      }
      evento.preventDefault();
    });
    document.addEventListener('click', (evento) => {
      if (p === null || !panel.seccion.contains(evento.target) || caja.contains(evento.target)) { return; }
      const columna = evento.target.closest('.columna');
      const q = columna === null ? -1 : panel.columnas.findIndex((c) => c.elemento === columna);
      if (p.esperando && q >= 0) {
        elija(q);
      } else if (p.veredicto !== null) {
        siga();
      }
    });
  }

  // Starts the page's practice with controles.js's hooks: vista() gives the
  // model (m), the elements (vista), the panels shown (eleccion) and the
  // step (K); vaya(k) shows step k; diga(texto) tells a screen reader;
  // velocidad() is the speed in steps a second; otrosValores() draws new
  // values where the page can, and says whether it did; termine() is
  // told when practice ends.
  function inicie(ganchos) {
    pagina = ganchos;
    escuche();
  }

  // oyente(suceso) is told of each verdict, { tipo: 'veredicto', practica,
  // veredicto, ms: the time the picks took }, and once of each run's end,
  // { tipo: 'fin', practica }, at its end or left early.
  function observe(f) { oyente = f; }

  Traza.practicar = { inicie: inicie, empiece: empiece, salga: salga, activa: activa, observe: observe };
}());
