// Writes the page's WebAssembly module as the page carries it: compressed
// with gzip and written as base64, one line of text. The page holds it in
// an element of its own, out of its scripts' text, and arranque.js turns
// it back into the module.
//
// node empaque.js MODULE.wasm OUTPUT.txt
'use strict';

const fs = require('node:fs');
const zlib = require('node:zlib');

const [modulo, salida] = process.argv.slice(2);
const comprimido = zlib.gzipSync(fs.readFileSync(modulo), { level: 9 });
fs.writeFileSync(salida, comprimido.toString('base64'), 'latin1');
