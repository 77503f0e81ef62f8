// The controls (see modelo.js for the parts and how they share): the page's
// state, the buttons, keys, panel choice, address, and what a screen reader
// is told; sound (sonido.js) and full screen (pantalla_completa.js) have
// parts of their own. The data (the input and each strategy's
// recorded calls) come from the program in the element #datos, the text of
// each strategy's Ordene from the build in #codigo.
//
// window.Traza.cargue(datos) (re)builds the whole view from a data object
// of that shape; the page calls it once with its own data.
(function () {
  'use strict';

  const Traza = window.Traza, Modelo = Traza.modelo, Dibujo = Traza.dibujo, Direccion = Traza.direccion;
  const VELOCIDADES = [1, 2, 5, 10, 20, 50, 100, 200, 500, 1000];

  // ---- State of the page.

  let m = null;            // the model of the data loaded
  let codigo = null;       // each strategy's code, as the build read it (#codigo)
  let vista = null;        // the elements built for it
  let planos = null;       // the cost chart's plots
  let K = 0;               // the global step shown
  let M = 0;               // the last step: where the longest strategy shown ends
  let eleccion = [];       // the numbers of the panels shown, in order
  let porOmision = [];     // those shown where the address names none
  let nombrada = false;    // whether the address named the panels shown
  let ajusta = true;       // whether the panels shown may be fitted to the window
  let otras = [];          // parts of the address the page does not read
  const reproduccion = { activa: false, anterior: null, acumulado: 0 };
  const ajustador = Traza.ajuste.cree();

  function $(id) { return document.getElementById(id); }

  // Nothing is drawn or fitted before data is loaded (the browser page
  // shows none for a bad address).
  function ajuste() {
    if (m !== null) {
      ajustador.ajuste(m, vista, eleccion);
      Traza.dibujoSeguido.olvideAnchos(vista);
    }
  }

  // The address and the words for a screen reader follow the step, each at
  // its own pace (see Direccion.seguidor): the address at most every 250 ms,
  // the words at most once a second, a step of their own at once.
  const reloj = {
    ahora: () => window.performance.now(),
    espere: (accion, ms) => window.setTimeout(accion, ms),
    cancele: (id) => window.clearTimeout(id)
  };
  const direccion = Direccion.seguidor(250, escribaDireccion, reloj);
  const anuncio = Direccion.seguidor(1000, anuncie, reloj);

  // A stop writes both at once; steps that run on, at their pace.
  function siga(urgente) {
    direccion.pida(urgente);
    anuncio.pida(urgente);
  }

  function dibujeControles() {
    const paso = 'Paso ' + K + ' de ' + M;
    Dibujo.texto($('paso-texto'), paso);
    Dibujo.texto($('paso-impreso'), paso + ' · Entrada: [' + m.datos.entrada.join(' ') + ']');
    $('posicion').value = K;
    Dibujo.poner($('posicion'), 'aria-valuetext', paso);
    const boton = $('boton-reproducir');
    Dibujo.texto(boton.querySelector('.signo'), reproduccion.activa ? '‖' : '▶');
    Dibujo.texto(boton.querySelector('.palabra'), reproduccion.activa ? 'Pausa' : 'Reproducir');
  }

  // Draws step K everywhere; returns each strategy's state at K.
  function dibuje() {
    const estados = Dibujo.dibuje(m, vista, K, reproduccion.activa);
    ajustador.reviseDesborde(vista);
    Traza.grafico.dibuje(m, planos, K);
    dibujeControles();
    return estados;
  }

  // ---- Which panels are shown.

  // Shows the panels of eleccion, and makes the steps span their
  // strategies: the slider, "Fin", the chart and the words said end where
  // the longest of them does, and the step shown stays, or moves to that
  // end if it is past it.
  function muestreEleccion() {
    const mostrado = (numero) => eleccion.indexOf(numero) >= 0;
    vista.paneles.forEach((panel) => { panel.seccion.hidden = !mostrado(panel.numero); });
    vista.filas.forEach((fila) => {
      fila.hidden = !Array.prototype.some.call(fila.querySelectorAll('section'), (s) => !s.hidden);
    });
    $('casillas').querySelectorAll('input').forEach((casilla) => {
      casilla.checked = mostrado(+casilla.value);
    });
    Dibujo.texto($('eleccion-resumen'), 'Paneles: ' + eleccion.length + ' de ' + vista.paneles.length);
    const reparto = Modelo.reparto(m.datos, eleccion);
    ajusta = reparto.ajusta;
    marqueAjuste();
    Dibujo.poner($('paneles'), 'data-columnas', reparto.columnas);
    Dibujo.poner($('paneles'), 'data-paneles', eleccion.length);
    vista.filas.forEach((fila) => {
      Dibujo.poner(fila, 'data-mostrados', fila.querySelectorAll('section:not([hidden])').length);
    });
    const mostradas = Modelo.estrategiasMostradas(m.datos, eleccion);
    M = Modelo.ultimoPaso(m, mostradas);
    K = Math.min(K, M);
    $('posicion').max = M;
    planos = Traza.grafico.construya(m, mostradas);
  }

  // The first screen is fitted to the window for up to six panels, and
  // neither while a box of the header is unfolded in it, nor in practice,
  // whose box the panel takes on, nor with a panel drawn as a tree, which
  // takes the height it needs: the page then reflows, and scrolls.
  function marqueAjuste() {
    const desplegada = document.querySelector('#cabecera details[open]') !== null;
    const libre = ajusta && !desplegada && !Traza.practicar.activa() && Traza.arbol.lista(vista).length === 0;
    Dibujo.poner($('pantalla'), 'data-sin-ajuste', libre ? null : '');
  }

  // ---- Practice (practicar.js): on the first panel shown, from the step
  // shown; the address says so (practica), for a link to open in it. The
  // step controls wait while the page plays the steps itself.
  function practique() {
    if (!otras.includes('practica')) { otras = otras.concat('practica'); }
    detenga();
    Traza.practicar.empiece();
    pasosEnPractica(true);
    direccion.ya();
  }

  function pasosEnPractica(si) {
    $('controles').querySelectorAll('button, input').forEach((control) => { control.disabled = si; });
    $('boton-practicar').disabled = si;
    marqueAjuste();
    ajuste();
  }

  const ganchosDePractica = {
    vista: () => ({ m: m, vista: vista, eleccion: eleccion, K: K }),
    vaya: (k) => {
      K = Math.max(0, Math.min(M, k));
      dibuje();
      direccion.pida(false);
    },
    diga: (texto) => Dibujo.texto($('anuncio'), texto),
    velocidad: () => pasosPorSegundo(),
    // The browser page draws new values for drawn ones (web.js).
    otrosValores: () => typeof Traza.otrosValores === 'function' && Traza.otrosValores(),
    termine: () => {
      otras = otras.filter((parte) => parte !== 'practica');
      pasosEnPractica(false);
      direccion.ya();
      anuncie();
    }
  };

  // Where the page reflows (a phone, a small window), a link that names
  // panels opens on the first of them, below the step bar.
  function vayaAPaneles() {
    const primero = vista.paneles.find((panel) => !panel.seccion.hidden);
    const ajustada = getComputedStyle($('paneles')).getPropertyValue('--pantalla').trim() === '1';
    if (primero !== undefined && !ajustada) {
      document.documentElement.style.setProperty('--alto-controles', $('controles').offsetHeight + 'px');
      primero.seccion.scrollIntoView({ block: 'start' });
    }
  }

  function elija(numeros) {
    Traza.practicar.salga();
    nombrada = false;
    eleccion = Modelo.elijaPaneles(numeros, vista.paneles.length, porOmision);
    muestreEleccion();
    dibuje();
    ajuste();
    siga(true);
  }

  // ---- The address (direccion.js): keys the page does not read stay.
  function escribaDireccion() {
    if (m === null) { return; }
    // Panels the address named stay named; panels chosen on the page are
    // named unless they are the default view.
    const paneles = nombrada ? eleccion : Modelo.panelesDeDireccion(eleccion, porOmision);
    const nuevo = Direccion.fragmento(paneles, K, M, otras, Traza.arbol.lista(vista), Traza.sala.vista());
    if (window.location.hash.replace(/^#/, '') === nuevo) { return; }
    const base = window.location.href.replace(/#.*$/, '');
    window.history.replaceState(window.history.state, '', nuevo === '' ? base : base + '#' + nuevo);
  }

  // ---- What a screen reader is told: the step, and each shown strategy's
  // call in words; while playing, the step alone.
  function anuncie() {
    if (m === null || Traza.practicar.activa()) { return; }
    const mostradas = Modelo.estrategiasMostradas(m.datos, eleccion);
    Dibujo.texto($('anuncio'), Traza.palabras.anuncio(m, K, mostradas, reproduccion.activa));
  }

  // Stops playing and forgets the writes put off, which would write the
  // step shown over an address just given.
  function detenga() {
    reproduccion.activa = false;
    direccion.olvide();
    anuncio.olvide();
  }

  function lugar() {
    if (m === null) { return; }
    const leida = Direccion.leaDireccion(window.location.hash);
    otras = leida.otras;
    Traza.sala.lea(leida.vista);
    detenga();
    eleccion = Modelo.elijaPaneles(leida.paneles || [], vista.paneles.length, porOmision);
    nombrada = Modelo.elijaPaneles(leida.paneles || [], vista.paneles.length, []).length > 0;
    Traza.arbol.elija(vista, m, leida.arbol || []);
    muestreEleccion();
    K = Math.max(0, Math.min(M, leida.fin ? M : leida.paso === null ? 0 : leida.paso));
    if (Traza.aviso.revise(leida, vista.paneles.length, M, Traza.arbol.lista(vista))) { direccion.ya(); }
    dibuje();
    ajuste();
    anuncie();
    if (nombrada) { vayaAPaneles(); }
    if (otras.includes('practica')) {
      practique();
    } else {
      Traza.practicar.salga();
    }
  }

  // ---- Moving.

  // Goes to step k; seguido is a step among others that run on (a key held
  // down, the slider dragged), as is one within 250 ms of the last: what
  // follows the step waits for its pace.
  let ultimoPaso = -Infinity;
  function vaya(k, seguido) {
    K = Math.max(0, Math.min(M, k));
    reproduccion.activa = false;
    dibuje();
    siga(!seguido && reloj.ahora() - ultimoPaso >= 250);
    ultimoPaso = reloj.ahora();
  }

  function pare() {
    if (!reproduccion.activa) { return; }
    reproduccion.activa = false;
    siga(true);
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
      K = Math.min(M, K + avance);
      if (K === M) { reproduccion.activa = false; }
      Traza.sonido.suene(m, vista, dibuje());
      siga(!reproduccion.activa);
    }
    if (reproduccion.activa) { window.requestAnimationFrame(cuadro); }
  }

  function reproduzca() {
    if (K >= M) { K = 0; }
    reproduccion.activa = true;
    reproduccion.anterior = null;
    reproduccion.acumulado = 0;
    Traza.sonido.reanude();
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

  // Each move does nothing before data is loaded, nor in practice, where
  // the page plays the steps itself.
  function conDatos(accion) {
    return (seguido) => { if (m !== null && !Traza.practicar.activa()) { accion(seguido === true); } };
  }
  const alInicio = conDatos(() => vaya(0)), alFinal = conDatos(() => vaya(M));
  const atras = conDatos((seguido) => vaya(K - 1, seguido)), adelante = conDatos((seguido) => vaya(K + 1, seguido));

  // ---- Input (teclado.js says which keys are the page's).

  // Home and End are missing on a Mac laptop: I and F do the same.
  const TECLAS = new Map([
    [' ', conDatos(alterne)], ['ArrowLeft', atras], ['ArrowRight', adelante], ['Home', alInicio],
    ['End', alFinal], ['i', alInicio], ['I', alInicio], ['f', alFinal], ['F', alFinal]
  ]);

  // ---- Starting the controls.

  // The step buttons, and practice's.
  function inicieBotones() {
    $('boton-inicio').addEventListener('click', alInicio);
    $('boton-atras').addEventListener('click', atras);
    $('boton-reproducir').addEventListener('click', alterne);
    $('boton-adelante').addEventListener('click', adelante);
    $('boton-fin').addEventListener('click', alFinal);
    $('boton-practicar').addEventListener('click', () => { if (m !== null) { practique(); } });
  }

  // The slider's steps run on while it is dragged or its key held down;
  // one press of a key is a step of its own, and so is the end of a drag
  // (its change with no key).
  function iniciePosicion() {
    const posicion = $('posicion');
    let tecla = null;  // 'sola', 'seguida', or null for the pointer
    posicion.addEventListener('keydown', (evento) => { tecla = evento.repeat ? 'seguida' : 'sola'; });
    posicion.addEventListener('keyup', () => { tecla = null; });
    posicion.addEventListener('input', () => { if (m !== null) { vaya(+posicion.value, tecla !== 'sola'); } });
    posicion.addEventListener('change', () => {
      if (m !== null && tecla === null) { siga(true); }
    });
  }

  // The speed's slider, and what it says in words.
  function inicieVelocidad() {
    const muestreVelocidad = () => {
      const uno = pasosPorSegundo() === 1;
      $('velocidad-texto').textContent = pasosPorSegundo() + (uno ? ' paso/s' : ' pasos/s');
      $('velocidad').setAttribute('aria-valuetext', pasosPorSegundo() + (uno ? ' paso' : ' pasos') + ' por segundo');
    };
    $('velocidad').addEventListener('input', muestreVelocidad);
    muestreVelocidad();
  }

  // The panels' table: a box per panel, and the buttons for a container's
  // panels, the demonstration's and all.
  function inicieEleccion() {
    $('casillas').addEventListener('change', () => {
      elija(Array.prototype.filter.call($('casillas').querySelectorAll('input'), (c) => c.checked)
        .map((c) => +c.value));
    });
    $('casillas').addEventListener('click', (evento) => {
      const boton = evento.target.closest('button');
      if (boton === null) { return; }
      if (boton.hasAttribute('data-omision')) {
        elija(porOmision);
        return;
      }
      const c = boton.getAttribute('data-contenedor');
      elija(m.datos.paneles.map((info, i) => (c === null || info.contenedor === +c ? i + 1 : 0)));
    });
  }

  // The address is read again when it changes; a page hidden or left
  // keeps the step it shows, for a reload, a copied address or the way
  // back.
  function inicieDireccion() {
    window.addEventListener('hashchange', lugar);
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'hidden') { direccion.ya(); }
    });
    window.addEventListener('pagehide', () => direccion.ya());
  }

  // The first screen is fitted again when the header or the window changes
  // (Traza.ajuste.vigile).
  function inicieAjuste() {
    document.querySelectorAll('#cabecera details').forEach((caja) => caja.addEventListener('toggle', () => {
      if (m !== null) {
        marqueAjuste();
        ajuste();
      }
    }));
    Traza.ajuste.vigile($('cabecera'), ajustador, ajuste);
  }

  function inicie() {
    inicieBotones();
    iniciePosicion();
    inicieVelocidad();
    Traza.sonido.inicie();
    inicieEleccion();
    Traza.teclado.inicie(TECLAS, [$('eleccion'), $('guardar')]);
    Traza.practicar.inicie(ganchosDePractica);
    Traza.guardado.inicie(() => (m === null ? null
      : { m: m, codigo: codigo, eleccion: eleccion, K: K, M: M, velocidad: pasosPorSegundo() }));
    inicieDireccion();
    Traza.pantallaCompleta.inicie();
    Traza.arbol.inicie(() => { marqueAjuste(); ajuste(); dibuje(); siga(true); });
    inicieAjuste();
    Traza.sala.inicie((refite) => { if (refite) { ajuste(); } direccion.ya(); });
  }

  // (Re)builds the whole view from datos, at the address's step and panels.
  function cargue(datos) {
    document.body.setAttribute('data-estado', 'cargando');
    detenga();
    m = Modelo.cree(datos);
    Traza.eleccion.construya(datos);
    codigo = codigo || JSON.parse($('codigo').textContent);
    vista = Dibujo.construya(m, codigo);
    porOmision = Modelo.panelesPorOmision(datos);
    habilite(true);
    lugar();
    document.body.setAttribute('data-estado', 'listo');
  }

  // The controls that move the view wait for its data; sound, full screen
  // and saving (guardado.js) do not.
  function habilite(si) {
    document.querySelectorAll('#controles button, #controles input, #opciones input:not(#sonido), ' +
      '#opciones button:not(#boton-pantalla):not(#guardado button)')
      .forEach((control) => { control.disabled = !si; });
  }

  // datos() is the data shown (null before any), for a page that records in
  // the browser.
  Traza.cargue = cargue;
  Traza.datos = () => (m === null ? null : m.datos);
  habilite(false);
  inicie();
  // A page that records in the browser carries no data of its own (null):
  // its own script calls cargue.
  const propios = JSON.parse($('datos').textContent);
  if (propios !== null) { cargue(propios); }
}());
