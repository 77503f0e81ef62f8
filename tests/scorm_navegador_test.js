// The practice saved from the browser page as a SCORM package, run inside
// an LMS's runtime (scorm-again, a development dependency that no page
// carries), in SCORM 1.2 and 2004: a practice with one wrong pick, and
// what the LMS was told, from its start to the page's end.
//
// node scorm_navegador_test.js - BROWSER SCRATCH_FOLDER --web PAGE
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { argumentos, raiz, lanceNavegador } = require('./navegador/arnes.js');
const fflate = require('../third_party/fflate/fflate.js');
const Scorm = require('./cargue.js')('scorm');

const LMS = 'http://lms.prueba/';
// A position of three outside the pair par.
const otraDe = (par) => [0, 1, 2].find((q) => !par.includes(q));

// The LMS's page: the runtime as window.API or window.API_1484_11, each
// call kept with its arguments and its answer, and the package's page in
// a frame.
const paginaDelLms = (version, iniciales) => '<!DOCTYPE html><html><head><script src="/scorm-again.js"></script><script>' +
  'window.llamadas = [];' +
  'const api = new (' + (version === '1.2' ? 'Scorm12API' : 'Scorm2004API') + ')({ autocommit: false, logLevel: 5 });' +
  'Object.entries(' + JSON.stringify(iniciales) + ').forEach(([ruta, valor]) => {' +
  '  const partes = ruta.split("."), ultima = partes.pop();' +
  '  partes.reduce((o, p) => o[p], api)[ultima] = valor; });' +
  'window.' + (version === '1.2' ? 'API' : 'API_1484_11') + ' = new Proxy(api, { get: (o, nombre) =>' +
  '  typeof o[nombre] !== "function" ? o[nombre] : (...a) => { const r = o[nombre](...a);' +
  '    window.llamadas.push([nombre].concat(a, [String(r)])); return r; } });' +
  '</script></head><body><iframe src="/sco/index.html" width="1200" height="800"></iframe></body></html>';

async function pruebe(navegador, version, web) {
  const pagina = await navegador.newPage({ viewport: { width: 1280, height: 900 }, acceptDownloads: true });
  const errores = [];
  pagina.on('pageerror', (error) => errores.push(String(error)));
  pagina.on('dialog', (dialogo) => { errores.push('dialog: ' + dialogo.message()); dialogo.dismiss(); });

  // ---- Saved from the browser page: bubble sort on 3 reversed values.
  await pagina.goto(web + '#entrada=invertida&n=3&semilla=1&paneles=1');
  await pagina.waitForSelector('body[data-estado="listo"]');
  await pagina.click('#guardar summary');
  await pagina.selectOption('#version-scorm', version);
  const [descarga] = await Promise.all([pagina.waitForEvent('download'), pagina.click('#boton-scorm')]);
  assert.equal(descarga.suggestedFilename(), 'practica-scorm-' + version + '.zip');
  assert.match(await pagina.textContent('#nota-guardado'), /^Guardado: practica-scorm-/);
  const zip = fflate.unzipSync(fs.readFileSync(await descarga.path()));
  assert.deepEqual(Object.keys(zip).sort(), ['imsmanifest.xml', 'index.html']);
  const html = fflate.strFromU8(zip['index.html']);
  // A clean page: as read, before its scripts built the panels.
  assert.ok(html.includes('<body data-estado="cargando">') && html.includes('<main id="paneles"></main>'), 'a clean page');

  // ---- Opened outside an LMS: it says that nothing is sent.
  fs.mkdirSync(argumentos.carpeta, { recursive: true });
  const suelta = path.join(argumentos.carpeta, 'index-' + version + '.html');
  fs.writeFileSync(suelta, html);
  await pagina.goto(pathToFileURL(suelta).href);
  await pagina.waitForSelector('body[data-estado="listo"] .practica');
  assert.equal(await pagina.textContent('#nota-actividad'), 'Fuera de un LMS: esta práctica no envía ninguna puntuación.');

  // ---- Inside the LMS, as student alumno-7's first attempt.
  const iniciales = version === '1.2' ? { 'cmi.core.student_id': 'alumno-7' }
    : { 'cmi.learner_id': 'alumno-7', 'cmi.scaled_passing_score': '0.6' };
  const archivos = {
    'lms.html': paginaDelLms(version, iniciales),
    'scorm-again.js': fs.readFileSync(path.join(raiz, 'node_modules', 'scorm-again', 'dist', 'scorm-again.min.js')),
    'sco/index.html': html
  };
  await pagina.route(LMS + '**', (ruta) => {
    const nombre = new URL(ruta.request().url()).pathname.slice(1);
    ruta.fulfill({ body: archivos[nombre], contentType: nombre.endsWith('.js') ? 'text/javascript' : 'text/html' });
  });
  await pagina.goto(LMS + 'lms.html');
  const sco = pagina.frameLocator('iframe');
  await sco.locator('body[data-estado="listo"]').waitFor();
  const marco = pagina.frames().find((f) => f.url().includes('/sco/index.html'));
  const semilla = Scorm.semilla('alumno-7', 1);
  assert.equal(await sco.locator('#semilla-actividad').textContent(), 'Semilla ' + semilla + ' (alumno alumno-7, intento 1).');
  assert.match(await marco.evaluate(() => window.location.hash),
    new RegExp('^#paneles=1&.*entrada=invertida&n=3&semilla=' + semilla + '&practica$'));
  // In practice, its steps locked.
  assert.equal(await sco.locator('#boton-adelante').isDisabled(), true);

  // The exchanges asked, from the strategy's recording; the first answered
  // wrong.
  const pares = await marco.evaluate(() => {
    const nombre = document.querySelector('section.panel:not([hidden])').getAttribute('data-estrategia');
    return window.Traza.datos().estrategias.find((e) => e.nombre === nombre).ops.filter((op) => op.length === 2);
  });
  assert.ok(pares.length >= 2, 'two exchanges or more');
  for (const [i, par] of pares.entries()) {
    await sco.locator('section.panel:not([hidden]) .columna[role="button"] >> nth=0').waitFor();
    const elegidas = i === 0 ? [otraDe(par), otraDe(par)] : par;
    for (const q of elegidas) { await sco.locator('section.panel:not([hidden]) .columna >> nth=' + q).click(); }
    if (i === 0) { await sco.locator('.practica button:text-is("Seguir")').click(); }
  }
  await sco.locator('.practica button:text-is("Otra vez"):not([hidden])').waitFor();
  const puntos = Math.round(100 * (pares.length - 1) / pares.length), necesario = version === '1.2' ? 80 : 60;
  await sco.locator('#nota-actividad:has-text("Enviado al LMS")').waitFor();
  assert.equal(await sco.locator('#nota-actividad').textContent(), 'Enviado al LMS: ' + puntos + ' % (' +
    (puntos >= necesario ? 'aprobado' : 'no aprobado') + '; aprueba con ' + necesario + ' %).');

  // ---- What the LMS was told: then the page is left, and the session ends.
  await pagina.evaluate(() => document.querySelector('iframe').remove());
  const llamadas = await pagina.evaluate(() => window.llamadas);
  const n = Scorm.NOMBRES[version], puestos = new Map();
  llamadas.filter((l) => /SetValue$/.test(l[0])).forEach((l) => {
    assert.equal(l[3], 'true', l.join(' '));
    puestos.set(l[1], l[2]);
  });
  const orden = llamadas.map((l) => l[0]).filter((f) => !/Value$|Error/.test(f));
  assert.deepEqual(orden, version === '1.2' ? ['LMSInitialize', 'LMSCommit', 'LMSFinish']
    : ['Initialize', 'Commit', 'Terminate']);
  assert.deepEqual([n.raw, n.min, n.max, n.estado].map((e) => puestos.get(e)),
    [String(puntos), '0', '100', puntos >= necesario ? 'passed' : 'failed']);
  for (const [i, par] of pares.entries()) {
    const base = 'cmi.interactions.' + i + '.';
    assert.deepEqual(['id', 'type', n.respuesta, 'correct_responses.0.pattern', 'result'].map((e) => puestos.get(base + e)),
      ['intercambio-1-' + (i + 1), n.tipo, (i === 0 ? [otraDe(par), otraDe(par)] : par).join(','), par.join(','),
        i === 0 ? n.mal : 'correct']);
    assert.match(puestos.get(base + 'latency'), version === '1.2' ? /^\d{4}:\d\d:\d\d\.\d\d$/ : /^PT[\dHMS.]+S$/);
  }
  // The session's time, set once the page was left, before the end.
  const sesion = llamadas.findIndex((l) => l[1] === n.sesion);
  assert.ok(sesion > llamadas.findIndex((l) => /Commit/.test(l[0])) && sesion < llamadas.length - 1, 'session time');
  assert.deepEqual(errores, []);
  await pagina.close();
}

async function main() {
  const navegador = await lanceNavegador();
  const web = pathToFileURL(argumentos.paginaWeb).href;
  for (const version of Scorm.VERSIONES) { await pruebe(navegador, version, web); }
  await navegador.close();
  console.log('1 passed, 0 failed');
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
