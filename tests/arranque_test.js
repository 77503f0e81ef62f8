// The browser page's start-up (web/arranque.js) under node's own test
// runner: the gzip inflater that browsers without DecompressionStream use
// to unpack the page's module, against node's zlib and against what the
// build's web/empaque.js packs.
//
// node --test arranque_test.js
'use strict';

const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { test } = require('node:test');
const zlib = require('node:zlib');
const { inflate, deBase64 } = require(path.join(__dirname, '..', 'web', 'arranque.js'));

// Reproducible bytes: n of them, each below techo.
function azar(n, techo) {
  let x = 12345;
  return Buffer.from(Array.from({ length: n }, () => {
    x = (x * 1103515245 + 12345) % 2147483648;
    return Math.floor(x / 2147483648 * techo);
  }));
}

test('inflates what zlib compresses, in every kind of block, as the page reads it from base64', () => {
  const texto = Buffer.from('Intercambie(i, j); Es_Menor(i, j); '.repeat(400) + 'á');
  const muestras = {
    'nothing': Buffer.alloc(0),
    'one byte': Buffer.from([0xE1]),
    'one byte again and again (copies that overlap themselves)': Buffer.alloc(70000, 7),
    'text': texto,
    'every byte value': Buffer.from(Array.from({ length: 4096 }, (_, i) => (i * 7) % 256)),
    'noise (kept as stored blocks)': azar(70000, 256),
    'few values (long codes, long distances)': Buffer.concat([azar(40000, 3), texto, azar(40000, 3), texto])
  };
  const formas = {
    'level 0': { level: 0 }, 'level 1': { level: 1 }, 'level 9': { level: 9 },
    'fixed codes': { strategy: zlib.constants.Z_FIXED },
    'Huffman codes alone': { strategy: zlib.constants.Z_HUFFMAN_ONLY },
    'runs': { strategy: zlib.constants.Z_RLE }
  };
  for (const [muestra, datos] of Object.entries(muestras)) {
    for (const [forma, opciones] of Object.entries(formas)) {
      const gz = zlib.gzipSync(datos, opciones);
      assert.deepEqual(Buffer.from(inflate(deBase64(gz.toString('base64')))), datos, muestra + ', ' + forma);
    }
  }
});

test('reads past the optional fields of a gzip header', () => {
  const datos = Buffer.from('[Ordenados]: [3 3 7]\n'.repeat(50));
  const cuerpo = zlib.gzipSync(datos).subarray(10);
  const cabecera = Buffer.from([0x1f, 0x8b, 8, 4 | 8 | 16 | 2, 0, 0, 0, 0, 0, 3]);
  const extra = Buffer.from([3, 0, 1, 2, 3]);
  const nombre = Buffer.from('modulo.wasm\0'), comentario = Buffer.from('comentario\0');
  const gz = Buffer.concat([cabecera, extra, nombre, comentario, Buffer.from([0, 0]), cuerpo]);
  assert.deepEqual(Buffer.from(inflate(gz)), datos);
});

test('refuses what is not gzip, what ends early and what holds other than it says', () => {
  const gz = zlib.gzipSync(Buffer.from('Ordenador_Seleccion '.repeat(500)), { level: 9 });
  assert.throws(() => inflate(Buffer.from('no es gzip, aunque sea largo')), /no son gzip/);
  assert.throws(() => inflate(Buffer.concat([gz.subarray(0, gz.length / 2), gz.subarray(-8)])), /gzip/);
  const mayor = Buffer.from(gz);
  mayor.writeUInt32LE(mayor.readUInt32LE(mayor.length - 4) + 1, mayor.length - 4);
  assert.throws(() => inflate(mayor), /tamaño/);
  const menor = Buffer.from(gz);
  menor.writeUInt32LE(menor.readUInt32LE(menor.length - 4) - 1, menor.length - 4);
  assert.throws(() => inflate(menor), /no válidos/);
  const reservado = Buffer.from(gz);
  reservado[10] |= 6;  // the first block's type: 3, which deflate reserves
  assert.throws(() => inflate(reservado), /tipo 3/);
});

test('unpacks what empaque.js packs for the page', () => {
  const carpeta = fs.mkdtempSync(path.join(os.tmpdir(), 'empaque-'));
  const modulo = path.join(carpeta, 'modulo.wasm'), texto = path.join(carpeta, 'modulo.txt');
  const datos = Buffer.concat([Buffer.from('\0asm\x01\0\0\0', 'latin1'), azar(50000, 256), Buffer.alloc(50000, 3)]);
  fs.writeFileSync(modulo, datos);
  execFileSync(process.execPath, [path.join(__dirname, '..', 'web', 'empaque.js'), modulo, texto]);
  const escrito = fs.readFileSync(texto, 'latin1');
  fs.rmSync(carpeta, { recursive: true });
  assert.match(escrito, /^[A-Za-z0-9+/]+=*$/, 'one line of base64, which cannot end the element that holds it');
  assert.deepEqual(Buffer.from(inflate(deBase64(escrito))), datos);
});
