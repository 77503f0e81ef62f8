// The libraries that the pages carry (third_party/) under node's own test
// runner: each copy's bytes are those of the npm package of its version, as
// npm ci installs it; and the GIF encoder, loaded as the page loads it,
// writes a looping GIF with each frame's delay. (web/arranque.js's test
// unpacks the page's module with the copy of fflate.)
//
// node --test terceros_test.js   (after npm ci)
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { test } = require('node:test');

const raiz = path.join(__dirname, '..');
// Each copy: its package, its version, and each file kept with the
// package's file it is.
const COPIAS = [
  { paquete: 'gifenc', version: '1.0.3', archivos: [['gifenc.js', 'dist/gifenc.js'], ['LICENSE.md', 'LICENSE.md']] },
  { paquete: 'fflate', version: '0.8.3', archivos: [['fflate.js', 'umd/index.js'], ['LICENSE', 'LICENSE']] }
];

for (const { paquete, version, archivos } of COPIAS) {
  test('the copy of ' + paquete + ' is the npm package of its version, byte for byte', () => {
    const copia = path.join(raiz, 'third_party', paquete), instalado = path.join(raiz, 'node_modules', paquete);
    assert.equal(JSON.parse(fs.readFileSync(path.join(instalado, 'package.json'), 'utf8')).version, version);
    for (const [nuestro, suyo] of archivos) {
      assert.ok(fs.readFileSync(path.join(copia, nuestro)).equals(fs.readFileSync(path.join(instalado, suyo))),
        nuestro + ' differs from the package\'s ' + suyo);
    }
    assert.ok(fs.readFileSync(path.join(copia, 'README.md'), 'utf8').startsWith('# ' + paquete + ' ' + version + '\n'));
  });
}

test('loaded as the page loads it, gifenc writes a looping GIF with its delays', () => {
  // The CommonJS build's one free name, as guardado.js gives it.
  const exportado = {};
  new Function('exports', fs.readFileSync(path.join(raiz, 'third_party', 'gifenc', 'gifenc.js'), 'utf8'))(exportado);
  const { GIFEncoder, quantize, applyPalette } = exportado;
  const ancho = 4, alto = 3, centesimas = [7, 250];
  const gif = GIFEncoder();
  centesimas.forEach((c, i) => {
    const rgba = new Uint8Array(ancho * alto * 4).map((_, b) => (b % 4 === 3 ? 255 : (b * 37 + i * 90) % 256));
    const paleta = quantize(rgba, 16);
    gif.writeFrame(applyPalette(rgba, paleta), ancho, alto, { palette: paleta, delay: c * 10 });
  });
  gif.finish();
  const bytes = Buffer.from(gif.bytes());
  assert.equal(bytes.subarray(0, 6).toString('latin1'), 'GIF89a');
  assert.equal(bytes.readUInt16LE(6), ancho);
  assert.equal(bytes.readUInt16LE(8), alto);
  // The application extension that loops it, forever (a count of 0).
  const bucle = bytes.indexOf('NETSCAPE2.0', 0, 'latin1');
  assert.ok(bucle > 0, 'no NETSCAPE2.0 extension');
  assert.equal(bytes.readUInt16LE(bucle + 13), 0);
  // Each frame's graphic control extension (21 F9 04), its delay in
  // hundredths of a second after its flags.
  const demoras = [];
  for (let i = bytes.indexOf(Buffer.from([0x21, 0xf9, 0x04])); i >= 0;
    i = bytes.indexOf(Buffer.from([0x21, 0xf9, 0x04]), i + 1)) {
    demoras.push(bytes.readUInt16LE(i + 4));
  }
  assert.deepEqual(demoras, centesimas);
  assert.equal(bytes[bytes.length - 1], 0x3b);
});
