// The browser tests' checks of "Guardar": the step shown saved as an SVG
// slide, a PNG at twice its size and a GIF from it to a later step, as a
// teacher saves them, with the sizes and the times printed (a busy machine
// decides the times); a GIF cancelled; and a browser without a canvas told
// so in one line.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');

// Saves through the button boton and returns the file's name and bytes,
// and how long it took.
async function guarde(pagina, boton) {
  const antes = Date.now();
  const [descarga] = await Promise.all([pagina.waitForEvent('download', { timeout: 60000 }), pagina.click(boton)]);
  const ruta = await descarga.path();
  return { nombre: descarga.suggestedFilename(), bytes: fs.readFileSync(ruta), ms: Date.now() - antes };
}

// At direccion (a page at step 40 of six panels, with &hasta=60), each of
// the three files; on the tool's page, also a GIF cancelled and a browser
// without a canvas. todo is false for the browser page, whose slides are
// drawn by the same code: the SVG alone there.
async function pruebeLaminas(navegadorAbierto, direccion, todo) {
  const pagina = await navegadorAbierto.newPage({ viewport: { width: 1280, height: 720 }, acceptDownloads: true });
  const errores = [];
  pagina.on('pageerror', (error) => errores.push(String(error)));
  await pagina.goto(direccion);
  await pagina.waitForSelector('body[data-estado="listo"]');
  const M = await pagina.evaluate(() => +document.getElementById('posicion').max);
  await pagina.click('#guardar summary');
  const svg = await guarde(pagina, '#boton-svg');
  const texto = svg.bytes.toString('utf8');
  assert.deepEqual([svg.nombre, /width="1280" height="720"/.test(texto), texto.includes('>Paso 40 de ' + M + '<'),
    /<script|https?:\/\/(?!www\.w3\.org)|@import|url\((?!#)/.test(texto)], ['traza-paso-40.svg', true, true, false]);
  if (!todo) {
    await pagina.close();
    return errores;
  }
  const png = await guarde(pagina, '#boton-png');
  assert.deepEqual([png.nombre, png.bytes.subarray(1, 4).toString(), png.bytes.readUInt32BE(16), png.bytes.readUInt32BE(20)],
    ['traza-paso-40.png', 'PNG', 2560, 1440]);
  // To the address's step, 60: 21 frames, each a step, in a loop.
  const gif = await guarde(pagina, '#boton-gif');
  const cuadros = gif.bytes.toString('latin1').split('\x21\xf9\x04').length - 1;
  console.log('slides of six panels at N = 20: SVG ' + svg.bytes.length + ' bytes, PNG ' + png.bytes.length +
    ' bytes in ' + png.ms + ' ms, GIF of ' + cuadros + ' frames ' + gif.bytes.length + ' bytes in ' + gif.ms + ' ms');
  assert.deepEqual([gif.nombre, gif.bytes.subarray(0, 6).toString(), gif.bytes.includes('NETSCAPE2.0'), cuadros],
    ['traza-pasos-40-a-60.gif', 'GIF89a', true, 21]);
  assert.ok(gif.bytes.length <= 5e6, 'the GIF within 5 MB, not ' + gif.bytes.length + ' bytes');
  // A step before the one shown is refused; a GIF to the end, cancelled,
  // saves nothing.
  await pagina.fill('#hasta', '10');
  await pagina.click('#boton-gif');
  assert.match(await pagina.textContent('#nota-guardado'), /^El GIF va del paso mostrado \(40\) a uno posterior/);
  await pagina.fill('#hasta', '');
  await pagina.evaluate(() => { window.location.hash = 'paso=40'; });
  let descargas = 0;
  pagina.on('download', () => { descargas++; });
  await pagina.click('#boton-gif');
  await pagina.waitForSelector('#progreso-gif:not([hidden])');
  await pagina.click('#boton-cancelar');
  await pagina.waitForFunction(() => document.getElementById('nota-guardado').textContent === 'GIF cancelado.');
  assert.equal(descargas, 0, 'a cancelled GIF saves nothing');
  await pagina.close();
  // A browser whose canvas draws nothing says what it can save.
  const contexto = await navegadorAbierto.newContext();
  await contexto.addInitScript(() => { HTMLCanvasElement.prototype.getContext = () => null; });
  const sinLienzo = await contexto.newPage();
  await sinLienzo.goto(direccion);
  await sinLienzo.waitForSelector('body[data-estado="listo"]');
  assert.deepEqual(await sinLienzo.evaluate(() => ['svg', 'png', 'gif'].map((c) => document.getElementById('boton-' + c)
    .disabled).concat(document.getElementById('nota-guardado').textContent)),
  [false, true, true, 'Este navegador no dibuja en un lienzo (canvas): guarda la lámina en SVG, pero no en PNG ni en GIF.']);
  await contexto.close();
  return errores;
}

module.exports = { pruebeLaminas };
