// The controls (see modelo.js for the parts and how they share): the page's
// state, the buttons, keys, panel choice, address and sound. The data (the
// input and each strategy's recorded calls) come from the program in the
// element #datos, the text of each strategy's Ordene from the build in
// #codigo.
//
// window.Traza.cargue(datos) (re)builds the whole view from a data object
// of that shape; the page calls it once with its own data.
(function () {
  'use strict';

  const Traza = window.Traza, Modelo = Traza.modelo, Dibujo = Traza.dibujo;
  const VELOCIDADES = [1, 2, 5, 10, 20, 50, 100, 200, 500, 1000];

  // ---- State of the page.

  let m = null;            // the model of the data loaded
  let vista = null;        // the elements built for it
  let planos = null;       // the cost chart's plots
  let K = 0;               // the global step shown
  let eleccion = null;     // panel numbers shown, or null for all
  let otras = [];          // parts of the address the page does not read
  const reproduccion = { activa: false, anterior: null, acumulado: 0 };
  const ajustador = Traza.ajuste.cree();
  let audio = null;

  function $(id) { return document.getElementById(id); }

  function ajuste() { ajustador.ajuste(m, vista, eleccion); }

  // A check box per panel, and a button per container that shows its
  // panels alone.
  function construyaEleccion(datos) {
    const casillas = $('casillas');
    casillas.replaceChildren();
    datos.paneles.forEach((info, i) => {
      const etiqueta = Dibujo.elemento('label');
      const casilla = Dibujo.elemento('input');
      casilla.type = 'checkbox';
      casilla.value = i + 1;
      etiqueta.title = info.titulo;
      etiqueta.appendChild(casilla);
      etiqueta.appendChild(document.createTextNode(String(i + 1)));
      casillas.appendChild(etiqueta);
    });
    datos.contenedores.forEach((contenedor, c) => {
      const boton = Dibujo.elemento('button', '', contenedor.etiqueta);
      boton.type = 'button';
      boton.title = 'Solo ' + contenedor.nombre;
      boton.setAttribute('data-contenedor', c);
      casillas.appendChild(boton);
    });
    const todos = Dibujo.elemento('button', '', 'Todos');
    todos.type = 'button';
    casillas.appendChild(todos);
  }

  function dibujeControles() {
    Dibujo.texto($('paso-texto'), 'Paso ' + K + ' de ' + m.M);
    $('posicion').value = K;
    Dibujo.texto($('boton-reproducir'), reproduccion.activa ? '‖ Pausa' : '▶ Reproducir');
  }

  // Draws step K everywhere; returns each strategy's state at K.
  function dibuje() {
    const estados = Dibujo.dibuje(m, vista, K);
    Traza.grafico.dibuje(m, planos, K);
    dibujeControles();
    return estados;
  }

  // ---- Which panels are shown.

  function muestreEleccion() {
    const mostrado = (numero) => eleccion === null || eleccion.indexOf(numero) >= 0;
    vista.paneles.forEach((panel) => { panel.seccion.hidden = !mostrado(panel.numero); });
    vista.filas.forEach((fila) => {
      fila.hidden = !Array.prototype.some.call(fila.querySelectorAll('section'), (s) => !s.hidden);
    });
    $('casillas').querySelectorAll('input').forEach((casilla) => {
      casilla.checked = mostrado(+casilla.value);
    });
  }

  function elija(numeros) {
    const validos = numeros.filter((x) => x >= 1 && x <= vista.paneles.length);
    eleccion = validos.length === 0 || validos.length === vista.paneles.length
      ? null : validos.sort((a, b) => a - b);
    muestreEleccion();
    ajuste();
    escribaDireccion();
  }

  // ---- The address (read and written by the model): keys the page does
  // not read are kept as they came.

  let escrituraPendiente = null;
  function escribaDireccion() {
    clearTimeout(escrituraPendiente);
    escrituraPendiente = null;
    const nuevo = Modelo.fragmento(eleccion, K, m.M, otras);
    if (window.location.hash.replace(/^#/, '') === nuevo) { return; }
    const base = window.location.href.replace(/#.*$/, '');
    window.history.replaceState(window.history.state, '', nuevo === '' ? base : base + '#' + nuevo);
  }

  // Browsers limit how often the address may change: while stepping, it is
  // written once the steps pause.
  function escribaDireccionLuego() {
    clearTimeout(escrituraPendiente);
    escrituraPendiente = setTimeout(escribaDireccion, 300);
  }

  function lugar() {
    const leida = Modelo.leaDireccion(window.location.hash);
    otras = leida.otras;
    pare();
    eleccion = null;
    if (leida.paneles !== null) {
      const validos = leida.paneles.filter((x) => x >= 1 && x <= vista.paneles.length);
      eleccion = validos.length === 0 ? null : validos.sort((a, b) => a - b);
    }
    muestreEleccion();
    K = Math.max(0, Math.min(m.M, leida.fin ? m.M : leida.paso === null ? 0 : leida.paso));
    dibuje();
    ajuste();
  }

  // ---- Sound: a short tone for each strategy shown that made a call, its
  // pitch from the value at the call's first position.

  function suene(estados) {
    if (!$('sonido').checked || audio === null) { return; }
    const rango = Math.max(1, m.maximo - m.minimo);
    estados.forEach((estado, s) => {
      const mostrada = vista.paneles.some((panel) => panel.s === s && !panel.seccion.hidden);
      if (estado.op === null || estado.terminado || !mostrada) { return; }
      const v = estado.valores[estado.op[0]];
      const frecuencia = 220 * Math.pow(2, 2 * (v - m.minimo) / rango);
      const t = audio.currentTime;
      const oscilador = audio.createOscillator();
      const volumen = audio.createGain();
      oscilador.frequency.value = frecuencia;
      volumen.gain.setValueAtTime(0.0001, t);
      volumen.gain.exponentialRampToValueAtTime(0.05, t + 0.005);
      volumen.gain.exponentialRampToValueAtTime(0.0001, t + 0.07);
      oscilador.connect(volumen).connect(audio.destination);
      oscilador.start(t);
      oscilador.stop(t + 0.08);
    });
  }

  // ---- Moving.

  function vaya(k) {
    K = Math.max(0, Math.min(m.M, k));
    if (K === m.M) { pare(); }
    dibuje();
    if (!reproduccion.activa) { escribaDireccionLuego(); }
  }

  function pare() {
    if (!reproduccion.activa) { return; }
    reproduccion.activa = false;
    escribaDireccionLuego();
  }

  function pasosPorSegundo() { return VELOCIDADES[+$('velocidad').value]; }

  // Each animation frame advances by the steps that the time since the last
  // one is worth at the chosen speed, and draws once.
  function cuadro(ahora) {
    if (!reproduccion.activa) { return; }
    if (reproduccion.anterior !== null) {
      reproduccion.acumulado += Math.min(ahora - reproduccion.anterior, 250) / 1000 * pasosPorSegundo();
    }
    reproduccion.anterior = ahora;
    const avance = Math.floor(reproduccion.acumulado);
    if (avance > 0) {
      reproduccion.acumulado -= avance;
      K = Math.min(m.M, K + avance);
      if (K === m.M) { reproduccion.activa = false; }
      suene(dibuje());
      if (!reproduccion.activa) { escribaDireccion(); }
    }
    if (reproduccion.activa) { window.requestAnimationFrame(cuadro); }
  }

  function reproduzca() {
    if (K >= m.M) { K = 0; }
    reproduccion.activa = true;
    reproduccion.anterior = null;
    reproduccion.acumulado = 0;
    if (audio !== null) { audio.resume(); }
    window.requestAnimationFrame(cuadro);
    dibuje();
  }

  function alterne() {
    if (reproduccion.activa) {
      pare();
      dibuje();
    } else {
      reproduzca();
    }
  }

  function detenido(accion) { return () => { pare(); accion(); }; }
  const alInicio = detenido(() => vaya(0));
  const alFinal = detenido(() => vaya(m.M));
  const atras = detenido(() => vaya(K - 1));
  const adelante = detenido(() => vaya(K + 1));

  // ---- Input.

  // Text fields keep their keys (a form may share the page).
  function esEditable(el) {
    if (el.isContentEditable || el.tagName === 'TEXTAREA' || el.tagName === 'SELECT') { return true; }
    return el.tagName === 'INPUT' &&
      ['range', 'checkbox', 'radio', 'button', 'submit', 'reset'].indexOf(el.type) < 0;
  }

  // Home and End are missing on a Mac laptop: I and F do the same.
  const TECLAS = new Map([
    [' ', alterne], ['ArrowLeft', atras], ['ArrowRight', adelante], ['Home', alInicio],
    ['End', alFinal], ['i', alInicio], ['I', alInicio], ['f', alFinal], ['F', alFinal]
  ]);

  function inicie() {
    $('boton-inicio').addEventListener('click', alInicio);
    $('boton-atras').addEventListener('click', atras);
    $('boton-reproducir').addEventListener('click', alterne);
    $('boton-adelante').addEventListener('click', adelante);
    $('boton-fin').addEventListener('click', alFinal);
    $('posicion').addEventListener('input', () => { pare(); vaya(+$('posicion').value); });
    const muestreVelocidad = () => { $('velocidad-texto').textContent = pasosPorSegundo() + ' pasos/s'; };
    $('velocidad').addEventListener('input', muestreVelocidad);
    muestreVelocidad();
    $('sonido').addEventListener('change', () => {
      if ($('sonido').checked && audio === null && (window.AudioContext || window.webkitAudioContext)) {
        audio = new (window.AudioContext || window.webkitAudioContext)();
      }
    });
    $('casillas').addEventListener('change', () => {
      elija(Array.prototype.filter.call($('casillas').querySelectorAll('input'), (c) => c.checked)
        .map((c) => +c.value));
    });
    $('casillas').addEventListener('click', (evento) => {
      const boton = evento.target.closest('button');
      if (boton === null) { return; }
      const c = boton.getAttribute('data-contenedor');
      elija(m.datos.paneles.map((info, i) => (c === null || info.contenedor === +c ? i + 1 : 0)));
    });
    document.addEventListener('keydown', (evento) => {
      const accion = TECLAS.get(evento.key);
      if (!accion || evento.altKey || evento.ctrlKey || evento.metaKey || esEditable(evento.target)) { return; }
      evento.preventDefault();
      accion();
    });
    // A focused button or box would also take the space as a click.
    document.addEventListener('keyup', (evento) => {
      if (evento.key === ' ' && !esEditable(evento.target)) { evento.preventDefault(); }
    });
    window.addEventListener('hashchange', lugar);
    let ajustePendiente = false;
    window.addEventListener('resize', () => {
      if (ajustePendiente) { return; }
      ajustePendiente = true;
      window.requestAnimationFrame(() => { ajustePendiente = false; ajuste(); });
    });
  }

  // (Re)builds the whole view from datos, at the step and with the panels
  // that the address names.
  function cargue(datos) {
    document.body.setAttribute('data-estado', 'cargando');
    pare();
    m = Modelo.cree(datos);
    construyaEleccion(datos);
    vista = Dibujo.construya(m, JSON.parse($('codigo').textContent));
    planos = Traza.grafico.construya(m);
    $('posicion').max = m.M;
    lugar();
    document.body.setAttribute('data-estado', 'listo');
  }

  // datos() is the data shown, for a page that records in the browser.
  Traza.cargue = cargue;
  Traza.datos = () => m.datos;
  inicie();
  // A page that records in the browser carries no data of its own (null):
  // its own script calls cargue.
  const propios = JSON.parse($('datos').textContent);
  if (propios !== null) { cargue(propios); }
}());
