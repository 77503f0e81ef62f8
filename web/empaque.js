// Writes the page's WebAssembly module as the page carries it: compressed
// with gzip and written as base64, one line of text. The page holds it in
// an element of its own, out of its scripts' text, and arranque.js turns
// it back into the module. The GIF encoder is packed so too (guardado.js
// unpacks it). Several files given are packed one after the other, each
// followed by a line end: the page's scripts, which arranque.js unpacks,
// and the SCORM activity's, which actividad.js unpacks.
//
// With --sin-comentarios ACORN (the folder that holds the acorn parser,
// which every Emscripten brings), scripts are packed without their
// comments, indentation and blank lines: the browser runs the same code,
// and a first visit reads and unpacks less. Their source stays in the
// tree, commented, for a reader.
//
// node empaque.js MODULE.wasm OUTPUT.txt
// node empaque.js gifenc.js OUTPUT.txt
// node empaque.js [--sin-comentarios ACORN] A.js B.js OUTPUT.txt
// node empaque.js [--sin-comentarios ACORN] --plano A.js OUTPUT.js
//   (A.js as the page runs it, not packed: the scripts that unpack the
//   others)
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');

// The text of a script without comments, indentation and blank lines, as
// acorn reads it. What strings, templates and regular expressions hold is
// left as it stands, and a comment over several lines leaves a line end,
// so that semicolons are inserted where they were: the same tokens, with a
// line end between two of them wherever there was one.
function sinComentarios(texto, acorn) {
  const comentarios = [], guardados = [];
  const literales = new Set([acorn.tokTypes.string, acorn.tokTypes.template, acorn.tokTypes.invalidTemplate,
    acorn.tokTypes.regexp]);
  acorn.parse(texto, {
    ecmaVersion: 'latest', allowHashBang: true,
    onComment: (bloque, contenido, inicio, fin) => comentarios.push([inicio, fin]),
    onToken: (token) => { if (literales.has(token.type)) { guardados.push([token.start, token.end]); } }
  });
  // The text with its comments taken out, and which of its characters are
  // inside a literal.
  let limpio = '', pos = 0;
  const trozos = [], partes = [];
  for (const [inicio, fin] of comentarios) {
    partes.push([pos, inicio]);
    pos = fin;
    trozos.push(/[\n\r\u2028\u2029]/.test(texto.slice(inicio, fin)) ? '\n' : ' ');
  }
  partes.push([pos, texto.length]);
  const literal = [];
  let g = 0;
  partes.forEach(([desde, hasta], k) => {
    for (let i = desde; i < hasta; i++) {
      while (g < guardados.length && guardados[g][1] <= i) { g++; }
      literal.push(g < guardados.length && guardados[g][0] <= i);
    }
    limpio += texto.slice(desde, hasta);
    if (k < trozos.length) { limpio += trozos[k]; literal.push(false); }
  });
  // Line by line, outside literals: no indentation, no trailing space, no
  // line left empty.
  const lineas = [];
  let inicio = 0;
  const blanco = (i) => !literal[i] && /\s/.test(limpio[i]);
  for (let i = 0; i <= limpio.length; i++) {
    if (i < limpio.length && (limpio[i] !== '\n' || literal[i])) { continue; }
    let a = inicio, b = i;
    while (a < b && blanco(a)) { a++; }
    while (b > a && blanco(b - 1)) { b--; }
    if (b > a) { lineas.push(limpio.slice(a, b)); }
    inicio = i + 1;
  }
  return lineas.join('\n') + '\n';
}

function main() {
  const argumentos = process.argv.slice(2);
  let acorn = null;
  if (argumentos[0] === '--sin-comentarios') {
    acorn = require(path.join(path.resolve(argumentos[1]), 'acorn'));
    argumentos.splice(0, 2);
  }
  const plano = argumentos[0] === '--plano';
  if (plano) { argumentos.shift(); }
  const entradas = argumentos.slice(0, -1), salida = argumentos[argumentos.length - 1];
  const lea = (archivo) => (acorn === null ? fs.readFileSync(archivo)
    : Buffer.from(sinComentarios(fs.readFileSync(archivo, 'utf8'), acorn)));
  if (plano) {
    fs.writeFileSync(salida, lea(entradas[0]));
    return;
  }
  const datos = entradas.length === 1 && acorn === null ? fs.readFileSync(entradas[0])
    : Buffer.concat(entradas.map((archivo) => Buffer.concat([lea(archivo), Buffer.from('\n')])));
  const comprimido = zlib.gzipSync(datos, { level: 9 });
  fs.writeFileSync(salida, comprimido.toString('base64'), 'latin1');
}

if (require.main === module) {
  main();
}

module.exports = { sinComentarios };
