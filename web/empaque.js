// Writes the page's WebAssembly module as the page carries it: compressed
// with gzip and written as base64, one line of text. The page holds it in
// an element of its own, out of its scripts' text, and arranque.js turns
// it back into the module. The GIF encoder is packed so too (guardado.js
// unpacks it). Several files given are packed one after the other, each
// followed by a line end: the page's scripts, which arranque.js unpacks,
// and the SCORM activity's, which actividad.js unpacks.
//
// node empaque.js MODULE.wasm OUTPUT.txt
// node empaque.js gifenc.js OUTPUT.txt
// node empaque.js A.js B.js OUTPUT.txt
'use strict';

const fs = require('node:fs');
const zlib = require('node:zlib');

const entradas = process.argv.slice(2, -1), salida = process.argv[process.argv.length - 1];
const datos = entradas.length === 1 ? fs.readFileSync(entradas[0])
  : Buffer.concat(entradas.map((archivo) => Buffer.concat([fs.readFileSync(archivo), Buffer.from('\n')])));
const comprimido = zlib.gzipSync(datos, { level: 9 });
fs.writeFileSync(salida, comprimido.toString('base64'), 'latin1');
