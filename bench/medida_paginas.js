// Measures the replay pages in a headless Chromium and prints the figures
// as Markdown tables; it checks nothing. The machine may be shared and
// busy, so every figure is a median of several loads, with its spread,
// and stands beside a reference measured in the same run, the two loaded
// in turn:
//
// - a step's cost: the tool's page for 64 reversed values opened at step
//   300, then 200 presses of → dispatched on the document in one task and
//   one read of the layout, over 200; for one panel, the default six and
//   all fourteen, against a page that draws 64 bars plainly (written here);
// - playing at the top speed, 1,000 steps a second, for 3 s from the start:
//   the steps reached against the nominal, and the time between animation
//   frames (p50, p95, and the share over 20 ms), against the same page;
// - a first visit of the browser page, as the browser test measures it,
//   against the tool's page for the same values, and the page's size.
//
// node bench/medida_paginas.js [ORDENAMIENTO_TRAZA [BROWSER]] [--web PAGE] [--perfil]
//
// Without arguments it takes build/test/trace/ordenamiento_traza,
// /usr/bin/chromium and, where it is built, build/web/ordenamiento.html.
// --perfil adds, for each view, the functions where the 200 steps spend
// their time, from the DevTools protocol's CPU profiler.
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');

const raiz = path.join(__dirname, '..');
const argumentos = process.argv.slice(2);
function opcion(nombre, conValor) {
  const i = argumentos.indexOf(nombre);
  if (i < 0) { return conValor ? null : false; }
  return conValor ? argumentos.splice(i, 2)[1] : argumentos.splice(i, 1).length === 1;
}
const perfil = opcion('--perfil', false);
const webPorOmision = path.join(raiz, 'build', 'web', 'ordenamiento.html');
const web = opcion('--web', true) || (fs.existsSync(webPorOmision) ? webPorOmision : null);
const [traza = path.join(raiz, 'build', 'test', 'trace', 'ordenamiento_traza'), navegador = '/usr/bin/chromium'] =
  argumentos;
for (const archivo of [traza, navegador].concat(web ? [web] : [])) {
  if (!fs.existsSync(archivo)) {
    console.error('no such file: ' + archivo + '\nusage: node bench/medida_paginas.js ' +
      '[ORDENAMIENTO_TRAZA [BROWSER]] [--web PAGE] [--perfil]');
    process.exit(2);
  }
}
const carpeta = fs.mkdtempSync(path.join(os.tmpdir(), 'medida-paginas-'));

// The browser test's harness reads its arguments once, as it is loaded, in
// the browser test's order (ORDENAMIENTO_TRAZA BROWSER SCRATCH_FOLDER
// [--web PAGE]); it is given them so, with the temporary folder, where its
// escriba writes the pages.
process.argv = process.argv.slice(0, 2).concat([traza, navegador, carpeta], web ? ['--web', web] : []);
// It starts the browser as the tests do, so that the figures are those of
// the browser the tests drive.
const { lanceNavegador, escriba, espereCuadros, mediana, pasoDe, primeraVisita } = require('../tests/navegador/arnes.js');
const VENTANA = { width: 1280, height: 720 };
const ENTRADA = ['--entrada', 'invertida', '--n', '64', '--semilla', '1'];
const CARGAS = 5, DESDE = 300, PASOS = 200, SEGUNDOS = 3, VISITAS = 11, CARGAS_DEL_PERFIL = 3, LARGO = 20;

// A replay at its plainest, the yardstick of a step and of a frame: 64
// bars, each step one exchange of neighbours, all 64 heights and the step's
// text written again, a forced layout; the same controls, keys, address
// (#paso=K) and play loop (each animation frame advances by the steps its
// time is worth, and draws once) as the replay page, for what is measured.
const REFERENCIA = `<!DOCTYPE html>
<html lang="es"><head><meta charset="utf-8"><title>Referencia</title>
<style>#barras { display: flex; align-items: flex-end; height: 480px; gap: 2px; }
#barras div { flex: 1; background: #57a; }</style></head>
<body><p><button type="button" id="boton-reproducir">Reproducir</button> <span id="paso-texto"></span>
<input type="range" id="velocidad" min="0" max="9" value="4"></p><div id="barras"></div>
<script>
'use strict';
const VELOCIDADES = [1, 2, 5, 10, 20, 50, 100, 200, 500, 1000], N = 64, M = 1000000;
const valores = Array.from({ length: N }, (_, p) => N - p), barras = [];
const juego = { activo: false, anterior: null, acumulado: 0 };
let K = 0;
for (let p = 0; p < N; p++) { barras.push(document.getElementById('barras').appendChild(document.createElement('div'))); }
function avance() {
  const p = K % (N - 1), v = valores[p];
  valores[p] = valores[p + 1];
  valores[p + 1] = v;
  K++;
}
function dibuje() {
  barras.forEach((b, p) => { b.style.height = (valores[p] / N * 100) + '%'; });
  document.getElementById('paso-texto').textContent = 'Paso ' + K + ' de ' + M;
}
function cuadro(ahora) {
  if (!juego.activo) { return; }
  if (juego.anterior !== null) {
    juego.acumulado += Math.min(ahora - juego.anterior, 250) / 1000 * VELOCIDADES[+document.getElementById('velocidad').value];
  }
  juego.anterior = ahora;
  for (; juego.acumulado >= 1; juego.acumulado--) { avance(); }
  dibuje();
  requestAnimationFrame(cuadro);
}
document.getElementById('boton-reproducir').addEventListener('click', () => {
  juego.activo = !juego.activo;
  juego.anterior = null;
  juego.acumulado = 0;
  if (juego.activo) { requestAnimationFrame(cuadro); }
});
document.addEventListener('keydown', (evento) => {
  if (evento.key === 'ArrowRight') { avance(); }
  if (evento.key === 'Home') { valores.forEach((_, p) => { valores[p] = N - p; }); K = 0; }
  juego.activo = false;
  dibuje();
});
const pedido = /paso=(\\d+)/.exec(location.hash);
while (pedido && K < +pedido[1]) { avance(); }
dibuje();
document.body.setAttribute('data-estado', 'listo');
</script></body></html>
`;

// The views measured, the reference first; each address is completed with
// paso=K.
function vistas() {
  fs.writeFileSync(path.join(carpeta, 'referencia.html'), REFERENCIA);
  const pagina = escriba('n64', ENTRADA);
  const catorce = Array.from({ length: 14 }, (_, i) => i + 1).join(',');
  return [
    { nombre: 'reference page (64 bars)', direccion: pathToFileURL(path.join(carpeta, 'referencia.html')).href + '#' },
    { nombre: 'one panel, `#paneles=1`', direccion: pagina + '#paneles=1&' },
    { nombre: 'default view, no `#paneles`', direccion: pagina + '#' },
    { nombre: '`#paneles=1,2,…,14`', direccion: pagina + '#paneles=' + catorce + '&' }
  ];
}

// 200 presses of → on the document in one task, and one read of the
// layout, which makes the browser lay out what they changed: ms a step.
function pasos(cuantos) {
  const inicio = performance.now();
  for (let i = 0; i < cuantos; i++) {
    document.dispatchEvent(new KeyboardEvent('keydown', { key: 'ArrowRight', bubbles: true, cancelable: true }));
  }
  void document.body.offsetHeight;
  return (performance.now() - inicio) / cuantos;
}

// From the start, the top speed chosen on the speed's slider and "play"
// pressed for some seconds: the steps reached, the time they took, and the
// time between each animation frame and the next, recorded in the page.
async function juegue(segundos) {
  const $ = (id) => document.getElementById(id);
  const paso = () => +$('paso-texto').textContent.match(/\d+/)[0];
  const cuadros = () => new Promise((listo) => requestAnimationFrame(() => requestAnimationFrame(listo)));
  document.dispatchEvent(new KeyboardEvent('keydown', { key: 'Home', bubbles: true, cancelable: true }));
  $('velocidad').value = $('velocidad').max;
  $('velocidad').dispatchEvent(new Event('input', { bubbles: true }));
  await cuadros();
  const tiempos = [];
  let anterior = null, midiendo = true;
  const mida = (ahora) => {
    if (anterior !== null) { tiempos.push(ahora - anterior); }
    anterior = ahora;
    if (midiendo) { requestAnimationFrame(mida); }
  };
  requestAnimationFrame(mida);
  const desde = paso(), inicio = performance.now();
  $('boton-reproducir').click();
  await new Promise((listo) => setTimeout(listo, segundos * 1000));
  const hasta = paso(), ms = performance.now() - inicio;
  $('boton-reproducir').click();
  midiendo = false;
  return { tiempos: tiempos, pasos: hasta - desde, nominal: ms };
}

// What the page says on its console and its errors, counted by text.
const mensajes = new Map();
function escuche(pagina) {
  const anote = (texto) => mensajes.set(texto, (mensajes.get(texto) || 0) + 1);
  pagina.on('console', (m) => { if (m.type() === 'error' || m.type() === 'warning') { anote(m.type() + ': ' + m.text()); } });
  pagina.on('pageerror', (error) => anote('error: ' + String(error)));
}

async function abra(navegadorAbierto, direccion) {
  const contexto = await navegadorAbierto.newContext({ viewport: VENTANA });
  const pagina = await contexto.newPage();
  escuche(pagina);
  await pagina.goto(direccion);
  await pagina.waitForSelector('body[data-estado="listo"]');
  await espereCuadros(pagina);
  return { contexto: contexto, pagina: pagina };
}

// One load of a view: a step's cost, then playing at the top speed.
async function midaCarga(navegadorAbierto, vista) {
  const { contexto, pagina } = await abra(navegadorAbierto, vista.direccion + 'paso=' + DESDE);
  const paneles = await pagina.evaluate(() => document.querySelectorAll('section[data-estrategia]:not([hidden])').length);
  const desde = await pasoDe(pagina);
  const ms = await pagina.evaluate(pasos, PASOS);
  const llegado = await pasoDe(pagina);
  if (desde !== DESDE || llegado !== DESDE + PASOS) {
    console.error('warning: ' + vista.nombre + ' went from step ' + desde + ' to ' + llegado);
  }
  const juego = await pagina.evaluate(juegue, SEGUNDOS);
  await contexto.close();
  return { paneles: paneles, ms: ms, juego: juego };
}

function percentil(valores, p) {
  const orden = valores.slice().sort((a, b) => a - b);
  return orden[Math.min(orden.length - 1, Math.max(0, Math.ceil(p * orden.length) - 1))];
}
const extremos = (valores) => [Math.min(...valores), Math.max(...valores)];

// Each view's loads, the views taken in turn and each round starting with
// the next, so that a busy spell of the machine falls on all alike.
async function midaVistas(navegadorAbierto, lista) {
  const cargas = lista.map(() => []);
  for (let vez = 0; vez < CARGAS; vez++) {
    for (let j = 0; j < lista.length; j++) {
      const i = (vez + j) % lista.length;
      cargas[i].push(await midaCarga(navegadorAbierto, lista[i]));
    }
  }
  return cargas.map((deVista) => {
    const paso = deVista.map((c) => c.ms);
    const p50 = deVista.map((c) => percentil(c.juego.tiempos, 0.5));
    const p95 = deVista.map((c) => percentil(c.juego.tiempos, 0.95));
    const ritmo = deVista.map((c) => c.juego.pasos / c.juego.nominal);
    // Frames come at multiples of the display's 16.7 ms, so that p95 reads
    // 16.7 or 33.3 and hides how near it is to the change: the share of
    // frames that took longer than 20 ms shows it.
    const largos = deVista.map((c) => c.juego.tiempos.filter((t) => t > LARGO).length / c.juego.tiempos.length);
    return { paneles: mediana(deVista.map((c) => c.paneles)), paso: mediana(paso), pasoExtremos: extremos(paso),
      p50: mediana(p50), p95: mediana(p95), p95Extremos: extremos(p95), largos: mediana(largos),
      largosExtremos: extremos(largos), ritmo: mediana(ritmo), ritmoExtremos: extremos(ritmo) };
  });
}

// The tool's page and the browser page for the same values, in turn.
async function midaVisitas(navegadorAbierto) {
  const propia = escriba('v733', ['--valores', '7,3,3']);
  const cargas = { herramienta: [], web: [] };
  for (let vez = 0; vez < VISITAS; vez++) {
    const orden = [['herramienta', propia], ['web', pathToFileURL(web).href + '#valores=7,3,3']];
    for (const [cual, direccion] of vez % 2 === 0 ? orden : orden.reverse()) {
      cargas[cual].push(await primeraVisita(navegadorAbierto, direccion, escuche));
    }
  }
  const tamano = (archivo) => fs.statSync(archivo).size / 1024;
  return { herramienta: cargas.herramienta, web: cargas.web,
    tamanoHerramienta: tamano(path.join(carpeta, 'v733.html')), tamanoWeb: tamano(web) };
}

// ---- The CPU profile of the 200 steps: each function's self time, summed
// over the loads, named by the part of the page's script it is in
// (trace/pagina/*.js, each the first lines of a <script> of its own) and
// its line there. A function of the browser's called from the script
// (setAttribute) is a line of its own, and the style and layout that a
// read forces count in the function that reads. The profiler slows the
// steps, so that the shares are what to read.
function partesDeLaPagina(archivo) {
  const carpetaPartes = path.join(raiz, 'trace', 'pagina');
  const primeras = new Map(fs.readdirSync(carpetaPartes).filter((f) => f.endsWith('.js'))
    .map((f) => [fs.readFileSync(path.join(carpetaPartes, f), 'utf8').split('\n')[0], f]));
  const lineas = fs.readFileSync(archivo, 'utf8').split('\n');
  const partes = [];
  lineas.forEach((linea, i) => {
    if (i > 0 && lineas[i - 1] === '<script>' && primeras.has(linea)) { partes.push({ inicio: i, archivo: primeras.get(linea) }); }
  });
  return (linea) => {
    const parte = partes.filter((p) => p.inicio <= linea).pop();
    return parte ? parte.archivo + ':' + (linea - parte.inicio + 1) : 'page line ' + (linea + 1);
  };
}

async function perfilDePasos(navegadorAbierto, vista, propios) {
  const { contexto, pagina } = await abra(navegadorAbierto, vista.direccion + 'paso=' + DESDE);
  const cdp = await contexto.newCDPSession(pagina);
  await cdp.send('Profiler.enable');
  await cdp.send('Profiler.setSamplingInterval', { interval: 200 });
  await cdp.send('Profiler.start');
  await pagina.evaluate(pasos, PASOS);
  const { profile } = await cdp.send('Profiler.stop');
  await contexto.close();
  const nodos = new Map(profile.nodes.map((n) => [n.id, n.callFrame]));
  profile.samples.forEach((id, i) => {
    const marco = nodos.get(id);
    const nombre = marco.functionName || '(anonymous)';
    const donde = marco.url.startsWith('file:') ? lugarEnPagina(marco.lineNumber) : marco.url ? path.basename(marco.url) : '';
    const clave = nombre + '\t' + donde;
    propios.set(clave, (propios.get(clave) || 0) + (profile.timeDeltas[i + 1] || 0) / 1000);
  });
}
let lugarEnPagina = null;

async function midaPerfiles(navegadorAbierto, lista) {
  lugarEnPagina = partesDeLaPagina(path.join(carpeta, 'n64.html'));
  const tablas = [];
  for (const vista of lista.slice(1)) {
    const propios = new Map();
    for (let vez = 0; vez < CARGAS_DEL_PERFIL; vez++) { await perfilDePasos(navegadorAbierto, vista, propios); }
    propios.delete('(idle)\t');
    propios.delete('(root)\t');
    const total = [...propios.values()].reduce((a, b) => a + b, 0);
    const filas = [...propios].sort((a, b) => b[1] - a[1]).slice(0, 12).map(([clave, ms]) => {
      const [nombre, donde] = clave.split('\t');
      return '| `' + nombre + '` | ' + (donde || '–') + ' | ' + (ms / CARGAS_DEL_PERFIL).toFixed(1) + ' | ' +
        Math.round(ms / total * 100) + ' % |';
    });
    tablas.push('\n\n### Where 200 steps go: ' + vista.nombre + ' (self time, mean of ' + CARGAS_DEL_PERFIL + ' loads, ' +
      (total / CARGAS_DEL_PERFIL).toFixed(1) + ' ms in all)\n\n| function | where | ms | share |\n|---|---|---|---|\n' +
      filas.join('\n'));
  }
  return tablas.join('');
}

// ---- The tables.

const ms = (x, cifras) => x.toFixed(cifras === undefined ? 2 : cifras);
const veces = (x) => (x >= 10 ? x.toFixed(0) : x.toFixed(2)) + '×';
const porciento = (x) => (x * 100).toFixed(1) + ' %';

function tablaDeVistas(lista, medidas) {
  const ref = medidas[0];
  const filas = lista.map((vista, i) => {
    const m = medidas[i];
    return '| ' + [vista.nombre, m.paneles || '–',
      ms(m.paso, 3) + ' (' + m.pasoExtremos.map((x) => ms(x, 3)).join('–') + ')', veces(m.paso / ref.paso),
      ms(m.p50, 1) + ' / ' + ms(m.p95, 1) + ' (p95 ' + m.p95Extremos.map((x) => ms(x, 1)).join('–') + ')',
      veces(m.p95 / ref.p95), porciento(m.largos) + ' (' + m.largosExtremos.map(porciento).join('–') + ')',
      porciento(m.ritmo) + ' (' + m.ritmoExtremos.map(porciento).join('–') + ')' +
        (m.ritmoExtremos[0] >= 0.95 ? ', kept' : ', not kept')].join(' | ') + ' |';
  });
  return '| view | panels | a step, ms: median (spread) | × reference | frames at 1,000 steps/s, ms: p50 / p95 | ' +
    'p95 × reference | frames over ' + LARGO + ' ms | steps reached in 3 s, of nominal |\n' +
    '|---|---|---|---|---|---|---|---|\n' + filas.join('\n');
}

function tablaDeVisitas(v) {
  const herramienta = mediana(v.herramienta), propia = mediana(v.web);
  const fila = (nombre, tamano, cargas, t) => '| ' + [nombre, ms(tamano, 0), ms(t, 0) + ' (' +
    extremos(cargas).map((x) => ms(x, 0)).join('–') + ')', veces(t / herramienta)].join(' | ') + ' |';
  return '| page | size, KiB | ready on a first visit, ms: median of ' + VISITAS + ' (spread) | × the tool\'s page |\n' +
    '|---|---|---|---|\n' + fila('the tool\'s page, `--valores 7,3,3`', v.tamanoHerramienta, v.herramienta, herramienta) +
    '\n' + fila('the browser page, `#valores=7,3,3`', v.tamanoWeb, v.web, propia);
}

async function main() {
  const navegadorAbierto = await lanceNavegador();
  const carga = () => os.loadavg().map((x) => x.toFixed(1)).join(', ');
  const antes = carga();
  const lista = vistas();
  const medidas = await midaVistas(navegadorAbierto, lista);
  const visitas = web ? await midaVisitas(navegadorAbierto) : null;
  const perfiles = perfil ? await midaPerfiles(navegadorAbierto, lista) : '';
  console.log('## The pages measured, ' + new Date().toISOString().slice(0, 16).replace('T', ' ') + ' UTC\n\n' +
    'Headless Chromium ' + navegadorAbierto.version() + ' at ' + VENTANA.width + '×' + VENTANA.height + '; ' +
    os.cpus().length + ' × ' + os.cpus()[0].model.trim() + '; load average ' + antes + ' before, ' + carga() +
    ' after.\n\nThe tool\'s page for `' + ENTRADA.join(' ') + '`, ' + CARGAS + ' loads of each view: ' + PASOS +
    ' presses of → from `#paso=' + DESDE + '` in one task, per step; then ' + SEGUNDOS +
    ' s of play from the start at the top speed: the time between animation frames, and the steps reached against ' +
    'the nominal 1 a ms (kept: 95 % or more in every load). Medians, with the spread of the loads; × reference: ' +
    'against the reference page, loaded in turn with the views.\n\n' +
    tablaDeVistas(lista, medidas) + '\n\n' +
    (visitas ? tablaDeVisitas(visitas) : 'No browser page given (--web PAGE): no first visit measured.') + perfiles);
  if (mensajes.size > 0) {
    console.log('\nThe pages said:\n' + [...mensajes].map(([texto, n]) => '- ' + n + '× ' + texto.slice(0, 200)).join('\n'));
  }
  await navegadorAbierto.close();
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
}).finally(() => fs.rmSync(carpeta, { recursive: true, force: true }));
