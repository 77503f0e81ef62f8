// The browser page's start-up (web/arranque.js) under node's own test
// runner: what browsers without DecompressionStream do to unpack the
// page's module, through the copy of fflate that the page carries, on
// what the build's web/empaque.js packs and on data that is not gzip or
// ends early; and scripts packed without comments, where acorn is found
// (Debian's, beside its Emscripten, or in the folder ORDENAMIENTO_ACORN names).
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

const raiz = path.join(__dirname, '..');
const { inflate, deBase64 } = require(path.join(raiz, 'web', 'arranque.js'));
const fflate = fs.readFileSync(path.join(raiz, 'third_party', 'fflate', 'fflate.js'), 'utf8');
const { sinComentarios } = require(path.join(raiz, 'web', 'empaque.js'));
const acorn = [process.env.ORDENAMIENTO_ACORN, '/usr/share/nodejs'].filter(Boolean).map((carpeta) => {
  try { return require(path.join(carpeta, 'acorn')); } catch { return null; }
}).find((hallado) => hallado !== null) || null;

// Reproducible bytes: n of them, each below techo.
function azar(n, techo) {
  let x = 12345;
  return Buffer.from(Array.from({ length: n }, () => {
    x = (x * 1103515245 + 12345) % 2147483648;
    return Math.floor(x / 2147483648 * techo);
  }));
}

test('unpacks what empaque.js packs for the page, as the page reads it, and sets no global', () => {
  const carpeta = fs.mkdtempSync(path.join(os.tmpdir(), 'empaque-'));
  const modulo = path.join(carpeta, 'modulo.wasm'), texto = path.join(carpeta, 'modulo.txt');
  const datos = Buffer.concat([Buffer.from('\0asm\x01\0\0\0', 'latin1'), azar(50000, 256), Buffer.alloc(50000, 3),
    Buffer.from('Intercambie(i, j); Es_Menor(i, j); '.repeat(400)), azar(40000, 3)]);
  fs.writeFileSync(modulo, datos);
  execFileSync(process.execPath, [path.join(raiz, 'web', 'empaque.js'), modulo, texto]);
  const escrito = fs.readFileSync(texto, 'latin1');
  fs.rmSync(carpeta, { recursive: true });
  assert.match(escrito, /^[A-Za-z0-9+/]+=*$/, 'one line of base64, which cannot end the element that holds it');
  assert.deepEqual(Buffer.from(inflate(deBase64(escrito), fflate)), datos);
  assert.equal(globalThis.fflate, undefined);
});

test('refuses what is not gzip and what ends early', () => {
  const gz = zlib.gzipSync(Buffer.from('Ordenador_Seleccion '.repeat(500)), { level: 9 });
  assert.throws(() => inflate(Buffer.from('no es gzip, aunque sea largo'), fflate), /gzip/);
  assert.throws(() => inflate(Buffer.concat([gz.subarray(0, gz.length / 2), gz.subarray(-8)]), fflate), /EOF/);
});

test('packs scripts without comments, indentation or blank lines, their tokens and line ends kept',
  { skip: acorn === null && 'acorn not found' }, () => {
    // Each token, and whether a line end (which may end a statement) stands before it.
    const fichas = (texto) => {
      const lista = [];
      acorn.parse(texto, { ecmaVersion: 'latest', onToken: (ficha) => lista.push(ficha) });
      return lista.map((f, i) => [f.type.label, f.value, i > 0 && /[\n\r\u2028\u2029]/.test(texto.slice(lista[i - 1].end, f.start))]);
    };
    const muestra = 'a = 1 /* uno\n */ b = `  x\n\n  // y`; // z\n\n  c = /\\/\\//g + "/* w */"  \n';
    assert.equal(sinComentarios(muestra, acorn), 'a = 1\nb = `  x\n\n  // y`;\nc = /\\/\\//g + "/* w */"\n');
    for (const carpeta of ['trace/pagina', 'web']) {
      for (const archivo of fs.readdirSync(path.join(raiz, carpeta)).filter((nombre) => nombre.endsWith('.js'))) {
        const texto = fs.readFileSync(path.join(raiz, carpeta, archivo), 'utf8');
        assert.deepEqual(fichas(sinComentarios(texto, acorn)), fichas(texto), archivo);
      }
    }
  });
