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

// The delay of each frame of a GIF's bytes, in hundredths: read from the
// graphic control extension before each image, walking the file's blocks.
function demorasDe(bytes) {
  const tabla = (campos) => (campos & 0x80 ? 3 << ((campos & 7) + 1) : 0);
  const saltaSubbloques = (i) => {
    while (bytes[i] !== 0) { i += bytes[i] + 1; }
    return i + 1;
  };
  const demoras = [];
  let i = 13 + tabla(bytes[10]), demora = null;
  while (bytes[i] !== 0x3b) {
    if (bytes[i] === 0x21) {
      if (bytes[i + 1] === 0xf9) { demora = bytes.readUInt16LE(i + 4); }
      i = saltaSubbloques(i + 2);
    } else {
      assert.equal(bytes[i], 0x2c, 'a block of a GIF at ' + i);
      demoras.push(demora);
      i = saltaSubbloques(i + 10 + tabla(bytes[i + 9]) + 1);
    }
  }
  return demoras;
}

// At direccion (a page at step 40 of six panels, with &hasta=50), each of
// the three files; on the tool's page, also a GIF cancelled and a browser
// without a canvas. todo is false for the browser page, whose slides are
// drawn by the same code: the SVG alone there, and a GIF (of three steps,
// &hasta=42) from the encoder it carries packed.
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
    const gif = await guarde(pagina, '#boton-gif');
    assert.deepEqual([gif.bytes.subarray(0, 6).toString(), demorasDe(gif.bytes).length], ['GIF89a', 3]);
    await pagina.close();
    return errores;
  }
  const png = await guarde(pagina, '#boton-png');
  assert.deepEqual([png.nombre, png.bytes.subarray(1, 4).toString(), png.bytes.readUInt32BE(16), png.bytes.readUInt32BE(20)],
    ['traza-paso-40.png', 'PNG', 2560, 1440]);
  // To the address's step, 50: 11 frames, each a step, in a loop, at the
  // speed the address gives (velocidad=10: 10 hundredths a frame), the
  // last held two seconds.
  await pagina.evaluate(() => { window.location.hash += '&velocidad=10'; });
  const gif = await guarde(pagina, '#boton-gif');
  const demoras = demorasDe(gif.bytes), cuadros = demoras.length;
  assert.deepEqual(demoras, Array(10).fill(10).concat(200));
  // Drawn over the frame before, a step weighs little: a whole run of some
  // 300 frames keeps within 8 MB, after a first frame drawn whole (300 KB
  // at most; whole frames made this GIF 2.1 MB).
  assert.ok(gif.bytes.length <= 300e3 + 8e6 / 300 * (cuadros - 1), gif.bytes.length + ' bytes for ' + cuadros + ' frames');
  // The slider writes the speed in the address, as the address set it.
  assert.equal(await pagina.textContent('#velocidad-texto'), '10 pasos/s');
  await pagina.evaluate(() => {
    document.getElementById('velocidad').value = '6';
    document.getElementById('velocidad').dispatchEvent(new Event('input'));
  });
  await pagina.waitForFunction(() => /velocidad=100/.test(window.location.hash));
  console.log('slides of six panels at N = 20: SVG ' + svg.bytes.length + ' bytes, PNG ' + png.bytes.length +
    ' bytes in ' + png.ms + ' ms, GIF of ' + cuadros + ' frames ' + gif.bytes.length + ' bytes in ' + gif.ms + ' ms');
  assert.deepEqual([gif.nombre, gif.bytes.subarray(0, 6).toString(), gif.bytes.includes('NETSCAPE2.0'), cuadros],
    ['traza-pasos-40-a-50.gif', 'GIF89a', true, 11]);
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
  // A browser whose canvas draws nothing says what it can save: the page
  // loaded again without one.
  await pagina.addInitScript(() => { HTMLCanvasElement.prototype.getContext = () => null; });
  await pagina.reload();
  await pagina.waitForSelector('body[data-estado="listo"]');
  assert.deepEqual(await pagina.evaluate(() => ['svg', 'png', 'gif'].map((c) => document.getElementById('boton-' + c)
    .disabled).concat(document.getElementById('nota-guardado').textContent)),
  [false, true, true, 'Este navegador no dibuja en un lienzo (canvas): guarda la lámina en SVG, pero no en PNG ni en GIF.']);
  await pagina.close();
  return errores;
}

module.exports = { pruebeLaminas };
