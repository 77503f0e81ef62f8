// What the browser tests share: writing a page with the command-line tool,
// reading what each panel shows, and checking it against the page's own
// model of the recording; the fit of the first screen; and a few small
// readings of the controls. The test's arguments are read here, once:
//
// node traza_pagina_test.js ORDENAMIENTO_TRAZA BROWSER SCRATCH_FOLDER
//   [--web PAGE | --parte PART | --estrategia Ordenador_X]
'use strict';

const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { chromium } = require('playwright-core');
const Modelo = require('../cargue.js')('modelo');
const Escena = require('../cargue.js')('escena');
const Seguido = require('../cargue.js')('seguido');

const [traza, navegador, carpeta, modo, valor] = process.argv.slice(2);
const paginaWeb = modo === '--web' ? valor : undefined;
const raiz = path.join(__dirname, '..', '..');

// Writes a page with the tool and returns its address. A page asked for
// again with the same options is written once.
const escritas = new Map();
function escriba(nombre, opciones) {
  fs.mkdirSync(carpeta, { recursive: true });
  const ruta = path.join(carpeta, nombre + '.html'), clave = opciones.join('\n');
  if (escritas.get(ruta) !== clave) {
    execFileSync(traza, opciones.concat(['-o', ruta]));
    escritas.set(ruta, clave);
  }
  return pathToFileURL(ruta).href;
}

// Starts the browser the tests drive: without a GPU or the services of a
// person's browser (sync, updates, network prediction), and without the
// address bar's suggestions, which Chromium would otherwise load into a
// hidden page for every profile: a second and a half of CPU at launch, and
// up to one more for each new context, more than opening a page of 64
// values costs.
const BANDERAS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--disable-features=WebUIOmniboxPopup,WebUIOmniboxAimPopup'];
function lanceNavegador() {
  return chromium.launch({ executablePath: navegador, args: BANDERAS });
}

// A tab of 1024x768 whose script errors are kept in errores.
async function pestana(navegadorAbierto, errores) {
  const pagina = await navegadorAbierto.newPage({ viewport: { width: 1024, height: 768 } });
  pagina.on('pageerror', (error) => errores.push(String(error)));
  return pagina;
}

// Opens direccion and, once the page is ready, returns the data it carries
// (as text: Playwright takes an object across field by field, slowly).
async function abra(pagina, direccion) {
  await pagina.goto(direccion);
  await pagina.waitForSelector('body[data-estado="listo"]');
  return JSON.parse(await pagina.evaluate(() => document.getElementById('datos').textContent));
}

function operaciones(n) { return n + (n === 1 ? ' operación' : ' operaciones'); }

// The panels whose fit to the window is promised: the demonstration's
// three strategies', which the registry lists first, two rows of panels
// each. A strategy added after them shows, but may need more room.
function demostracion(datos) {
  return datos.paneles.map((info, i) => (info.estrategia < 3 ? i + 1 : 0)).filter((n) => n > 0);
}

// The strategies of the view a page opens with, where its address names
// no panels (the demonstration's), and its last step: where the longest of
// them ends.
function porOmision(datos) {
  const m = Modelo.cree(datos), mostradas = Modelo.estrategiasMostradas(datos, Modelo.panelesPorOmision(datos));
  return { m: m, mostradas: mostradas, M: Modelo.ultimoPaso(m, mostradas) };
}

// What panel info should show at global step K, from the page's own model
// of the recording, which modelo_test.js checks against a replay from the
// start.
function esperado(m, info, K) {
  const e = m.estrategias[info.estrategia], estado = Modelo.estadoEn(e, K), k = estado.k, op = estado.op;
  const contadores = { comparaciones: e.comparaciones[k], intercambios: e.intercambios[k], operaciones: k };
  // A container that pays links shows them, and its chain.
  const porPosicion = m.datos.contenedores[info.contenedor].enlaces_por_posicion;
  if (porPosicion > 0) { contadores.enlaces = e.enlaces[k] * porPosicion; }
  // At the end of values left out of order, both sides of each descent,
  // the first of the two carrying the mark between them.
  const descensos = estado.valores.map(() => null);
  if (estado.terminado) {
    e.descensos.forEach((d) => {
      descensos[d.p] = 'primera';
      descensos[d.p + 1] = descensos[d.p + 1] || 'segunda';
    });
  }
  return {
    cadena: porPosicion > 0, paso: k, valores: estado.valores, origenes: estado.origenes, op: op, contadores: contadores,
    asentado: estado.valores.map((_, p) => Modelo.asentada(e, estado, p)), descensos: descensos,
    marcadas: op === null ? [] : [...new Set([op[0], op[1]])].sort((a, b) => a - b),
    estado: k === 0 ? 'Sin empezar: ' : !estado.terminado ? 'Operación ' + k + ' de ' + e.total + ': '
      : e.falla ? e.falla.replace(/^no termina.*/, 'No termina').replace(/^u/, 'U') + ': detenida tras ' + e.hechas
        : (e.ordenado ? 'Terminado tras ' : 'NO ordenado tras ') + operaciones(e.total),
    estadoEn: estado, seguido: seguidoEsperado(m, e, estado)
  };
}

// What strategy e's functions show at estado: the chain, the watch, each
// pointer as name@position, how many ranges are drawn, and which positions
// are written bold (the call's).
function seguidoEsperado(m, e, estado) {
  const f = Seguido.funcionesEn(e, estado, m.n), op = estado.op;
  return {
    llamadas: Escena.llamadas(f), vigilancia: Escena.vigilancia(f),
    punteros: (f === null ? [] : f.punteros).map((x) => x.nombre + '@' + x.posicion).sort(),
    tramos: e.seguido.profundidad > 1 ? Escena.tramos(f).length : 0,
    actuales: op === null ? [] : [...new Set([op[0], op[1]])].sort((a, b) => a - b).map(String)
  };
}

// Each panel as the page shows it.
function lea(pagina) {
  return pagina.evaluate(() => [...document.querySelectorAll('section[data-estrategia]')].map((s) => {
    const columnas = [...s.querySelectorAll('[data-valor]')];
    return {
      visible: getComputedStyle(s).display !== 'none',
      cadena: s.querySelector('.cadena') !== null,
      paso: +s.getAttribute('data-paso'),
      valores: columnas.map((c) => +c.getAttribute('data-valor')),
      origenes: columnas.map((c) => +c.getAttribute('data-origen')),
      asentado: columnas.map((c) => c.hasAttribute('data-asentado')),
      descensos: columnas.map((c) => c.getAttribute('data-descenso')),
      marcadas: columnas.map((c, p) => (/comparada|intercambiada/.test(c.className) ? p : -1))
        .filter((p) => p >= 0),
      contadores: Object.fromEntries([...s.querySelectorAll('[data-contador]')]
        .map((c) => [c.getAttribute('data-contador'), +c.textContent])),
      estado: s.querySelector('.estado .dicha').textContent,
      // Each label as it is seen (its index as a digit) and as it is read.
      cifras: [...s.querySelectorAll('.cifra')].map((c) => c.textContent.replace(/, .*$/, '')),
      leidas: [...s.querySelectorAll('.cifra')].map((c) => [...c.childNodes]
        .filter((n) => n.nodeType === Node.TEXT_NODE || !n.hasAttribute('aria-hidden')).map((n) => n.textContent).join('')),
      ancho: s.getBoundingClientRect().width,
      seguido: {
        llamadas: s.querySelector('.llamadas').textContent, vigilancia: s.querySelector('.vigilancia').textContent,
        punteros: [...s.querySelectorAll('.puntero:not([hidden])')].flatMap((x) => {
          const [nombres, posicion] = x.title.split(' en la posición ');
          return nombres.split(', ').map((nombre) => nombre + '@' + posicion);
        }).sort(),
        tramos: s.querySelector('.tramos').hidden ? 0
          : [...s.querySelectorAll('.tramo')].filter((t) => t.style.display !== 'none').length,
        actuales: [...s.querySelectorAll('.posicion.actual')].map((x) => x.textContent)
      }
    };
  }));
}

// The lit line of each strategy's code, with its text and number, and
// whether it has an exchange's look.
function lineasActuales(pagina) {
  return pagina.evaluate(() => Object.fromEntries([...document.querySelectorAll('[data-codigo]')]
    .map((b) => [b.getAttribute('data-codigo'), {
      lucidas: [...b.querySelectorAll('[data-actual]')].map((l) => ({
        numero: +l.getAttribute('data-linea'), archivo: l.getAttribute('data-archivo'), texto: l.textContent,
        intercambio: l.classList.contains('de-intercambio') })),
      notas: [...b.querySelectorAll('.aviso')].filter((n) => !n.hidden).map((n) => n.textContent) }])));
}

const fuentes = {};
function lineaDeFuente(archivo, numero) {
  fuentes[archivo] = fuentes[archivo] || fs.readFileSync(path.join(raiz, archivo), 'utf8').split(/\r?\n/);
  return fuentes[archivo][numero - 1];
}

// The model of datos, made once for each data object: a check is made at
// many steps of one page. datos is not to be changed once checked.
const modelos = new WeakMap();
function modelo(datos) {
  if (!modelos.has(datos)) { modelos.set(datos, Modelo.cree(datos)); }
  return modelos.get(datos);
}

// Every panel shown and its code block at step K against the recording
// (a panel not shown is drawn when it is shown). Each
// code block lights the line that the recording says made the current
// call, the file's own line, which makes a call of that kind; where the
// build read the code, every call has its line shown. A failure names the
// panel's strategy and container first, then the input. solo, if given,
// lists the panels checked (numbered from 1); otherwise all shown are.
async function compruebe(pagina, datos, K, que, solo) {
  const paneles = await lea(pagina);
  const lineas = await lineasActuales(pagina);
  const codigo = JSON.parse(await pagina.evaluate(() => document.getElementById('codigo').textContent));
  const m = modelo(datos);
  assert.equal(paneles.length, datos.paneles.length, que);
  assert.ok(paneles.some((panel, i) => panel.visible && (!solo || solo.includes(i + 1))), que + ': no panel shown');
  datos.paneles.forEach((info, i) => {
    if (!paneles[i].visible || (solo && !solo.includes(i + 1))) { return; }
    const e = esperado(m, info, K), panel = paneles[i];
    const donde = datos.estrategias[info.estrategia].nombre + ' sobre ' + datos.contenedores[info.contenedor].nombre +
      ': la entrada [' + datos.entrada.join(', ') + '], ' + que + ', panel ' + (i + 1);
    assert.deepEqual(
      [panel.paso, panel.valores, panel.origenes, panel.asentado, panel.descensos, panel.marcadas, panel.contadores,
       panel.cadena, panel.estado.startsWith(e.estado), panel.seguido],
      [e.paso, e.valores, e.origenes, e.asentado, e.descensos, e.marcadas, e.contadores, e.cadena, true, e.seguido],
      donde + ': ' + panel.estado);
    const nombre = datos.estrategias[info.estrategia].nombre, propio = codigo[nombre];
    const mostradas = Modelo.lineasMostradas(propio);
    const numero = Modelo.lineaActual(m.estrategias[info.estrategia], e.estadoEn, mostradas);
    // A call that lights no line is said so beside the code.
    assert.equal(lineas[nombre].notas.includes('La llamada actual no viene de una línea numerada de este código.'),
      Modelo.sinLinea(m.estrategias[info.estrategia], e.estadoEn, mostradas), donde + ', the note of an unlit call');
    assert.deepEqual(lineas[nombre].lucidas.map((l) => [l.numero, l.intercambio]),
      numero === null ? [] : [[Math.abs(numero), e.op.length === 2]], donde + ', code');
    lineas[nombre].lucidas.forEach((l) => {
      assert.equal(l.texto, lineaDeFuente(l.archivo || propio.archivo, l.numero), donde + ', code');
      assert.match(l.texto, e.op.length === 3 ? /Es_Menor\s*\(/ : /Intercambie\s*\(/, donde + ', code');
    });
  });
  return paneles;
}

function espereCuadros(pagina) {
  return pagina.evaluate(() => new Promise((listo) =>
    requestAnimationFrame(() => requestAnimationFrame(listo))));
}

// The controls and every panel shown on screen at tamano, with nothing
// scrolled or cut short (each panel's parts within it, unless enteros is
// false); labels of at least 12 px, side by side, where there is room for
// them, otherwise only the current call's.
async function compruebeAjuste(pagina, tamano, que, enteros = true) {
  await pagina.setViewportSize(tamano);
  await espereCuadros(pagina);
  const medida = await pagina.evaluate(() => {
    const dentro = (el) => {
      const r = el.getBoundingClientRect();
      return r.top >= 0 && r.left >= 0 && r.bottom <= innerHeight && r.right <= innerWidth;
    };
    const cortado = (el) => el.scrollWidth > el.clientWidth || getComputedStyle(el).textOverflow === 'ellipsis';
    const secciones = [...document.querySelectorAll('section[data-estrategia]')]
      .filter((s) => getComputedStyle(s).display !== 'none');
    const cifras = secciones.map((s) => [...s.querySelectorAll('.cifra')]
      .filter((c) => c.getClientRects().length > 0 && getComputedStyle(c).visibility === 'visible')
      .map((c) => ({ r: c.getBoundingClientRect(), tamano: parseFloat(getComputedStyle(c).fontSize) })));
    return {
      desplazado: window.scrollY,
      fuera: [document.getElementById('controles')].concat(secciones).filter((el) => !dentro(el)).length,
      // A panel whose parts take more than its height: a call's line
      // over the counts, or counts cut off.
      desbordados: secciones.filter((s) => s.scrollHeight > s.clientHeight + 1).map((s) => s.dataset.panel),
      // One scale: every panel's bars of the same height.
      altos: new Set(secciones.map((s) => Math.round(s.querySelector('.barras').getBoundingClientRect().height))).size,
      cortados: [...document.querySelectorAll('#controles, section h2, section .estado')]
        .filter(cortado).map((el) => el.textContent),
      cifras: cifras.map((lista) => ({
        cuantas: lista.length,
        chicas: lista.filter((c) => c.tamano < 12).length,
        solapadas: lista.filter((c, i) => lista.slice(i + 1).some((d) =>
          c.r.left < d.r.right && d.r.left < c.r.right && c.r.top < d.r.bottom && d.r.top < c.r.bottom)).length
      }))
    };
  });
  assert.deepEqual([medida.desplazado, medida.fuera, enteros ? medida.desbordados : [], medida.cortados, medida.altos],
    [0, 0, [], [], 1], que);
  medida.cifras.forEach((c) => assert.deepEqual([c.chicas, c.solapadas], [0, 0], que + ', labels'));
  return medida;
}

// The data a page written by the command-line tool carries.
function datosNativos(opciones) {
  const html = execFileSync(traza, opciones.concat(['-o', '-'])).toString();
  return JSON.parse(html.match(/<script type="application\/json" id="datos">(.*?)<\/script>/s)[1]);
}

function mediana(valores) { return valores.slice().sort((a, b) => a - b)[Math.floor(valores.length / 2)]; }

const pasoDe = (pagina) => pagina.evaluate(() => +document.getElementById('paso-texto').textContent.match(/\d+/)[0]);
const reproduce = (pagina) => pagina.evaluate(() => /Pausa/.test(document.getElementById('boton-reproducir').textContent));
const sinFoco = (pagina) => pagina.evaluate(() => document.activeElement.blur());

// Moves the step slider to step k, as a drag does, and waits for the
// address to name that step.
async function vayaAlPaso(pagina, k) {
  await pagina.evaluate((paso) => {
    const posicion = document.getElementById('posicion');
    posicion.value = paso;
    posicion.dispatchEvent(new Event('input'));
  }, k);
  await pagina.waitForFunction((paso) => new RegExp('(^#|&)paso=' + paso + '$').test(window.location.hash), k);
}

// A first visit: a fresh browser context at 1280x720, with nothing
// compiled or cached; the time in ms from the start of the navigation to
// the page marked drawn, on the page's own clock (the test's own work
// around it, which a slow machine makes long, left out). abierta, if
// given, is told of the page before it is opened.
async function primeraVisita(navegadorAbierto, direccion, abierta) {
  const contexto = await navegadorAbierto.newContext({ viewport: { width: 1280, height: 720 } });
  await contexto.addInitScript(() => {
    new MutationObserver((cambios, observador) => {
      if (document.body.getAttribute('data-estado') === 'listo') {
        window.listoEn = performance.now();
        observador.disconnect();
      }
    }).observe(document, { subtree: true, attributeFilter: ['data-estado'] });
  });
  const pagina = await contexto.newPage();
  if (abierta) { abierta(pagina); }
  await pagina.goto(direccion);
  await pagina.waitForSelector('body[data-estado="listo"]');
  const ms = await pagina.evaluate(() => window.listoEn);
  await contexto.close();
  return ms;
}

module.exports = {
  argumentos: { traza, navegador, carpeta, modo, valor, paginaWeb }, raiz, lanceNavegador, escriba, pestana, abra, operaciones, demostracion, porOmision, esperado, lea,
  lineasActuales, compruebe, espereCuadros, compruebeAjuste, datosNativos, mediana, pasoDe, reproduce, sinFoco, vayaAlPaso, primeraVisita
};
