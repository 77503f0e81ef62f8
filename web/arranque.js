// The browser page's first script, run in the page's head before the rest
// of the page is read. Of the elements just before it, which no browser
// runs, #guiones holds the page's scripts and #modulo the project's
// WebAssembly module, each compressed with gzip, as base64 text
// (web/empaque.js writes them at build time), and #fflate the text of a
// gzip decompressor. This script decompresses the scripts, which corra.js
// runs at the page's end (window.Traza.guiones, a promise of their text),
// and the module, and compiles it (compile(), below); web.js takes the
// result: window.Traza.modulo, a promise of the WebAssembly.Module.
//
// The browser's own DecompressionStream decompresses, where there is one;
// elsewhere (Safari before 16.4, Firefox before 113) fflate does, in the
// page, through inflate() below. Under node, require() returns inflate()
// and deBase64() for their tests.
(function () {
  'use strict';

  // The bytes that gz, a gzip member, holds, unpacked by fflate
  // (third_party/fflate/), whose build comes as text, fuente: the page
  // carries it inert (#fflate), and only this turns it into code, so that
  // a browser with DecompressionStream neither runs nor compiles it.
  // Throws on data that is not gzip or ends early.
  function inflate(gz, fuente) {
    // The build's free names where it runs as a CommonJS module, which
    // keeps it out of the page's globals.
    const cargado = { exports: {} };
    new Function('module', 'exports', fuente)(cargado, cargado.exports);
    return cargado.exports.gunzipSync(gz);
  }

  // The bytes that texto, base64, stands for.
  function deBase64(texto) {
    if (typeof Uint8Array.fromBase64 === 'function') { return Uint8Array.fromBase64(texto); }
    const binario = atob(texto);
    const bytes = new Uint8Array(binario.length);
    for (let i = 0; i < binario.length; i++) { bytes[i] = binario.charCodeAt(i); }
    return bytes;
  }

  // A promise of the bytes that gz holds. gz goes into the stream whole,
  // and the pieces come back in promise reactions, which run as soon as
  // this script ends, before the browser reads on: the module is whole, and
  // compiled, before the page's body is read. (Read through a Blob or a
  // Response, the stream moves in tasks of its own, which wait behind the
  // reading of the page: the module was then compiled only after the
  // page's scripts had run.)
  function descomprima(gz) {
    if (typeof DecompressionStream !== 'function') {
      return Promise.resolve(inflate(gz, document.getElementById('fflate').textContent));
    }
    const flujo = new DecompressionStream('gzip');
    const escritor = flujo.writable.getWriter();
    // A failure reaches the reader as well.
    escritor.write(gz).catch(() => {});
    escritor.close().catch(() => {});
    const lector = flujo.readable.getReader();
    const trozos = [];
    const lea = () => lector.read().then(({ done, value }) => {
      if (!done) {
        trozos.push(value);
        return lea();
      }
      const bytes = new Uint8Array(trozos.reduce((n, trozo) => n + trozo.length, 0));
      trozos.reduce((o, trozo) => { bytes.set(trozo, o); return o + trozo.length; }, 0);
      return bytes;
    });
    return lea();
  }

  // The module that bytes hold, compiled at once where the browser allows
  // it on the page's thread (older ones refuse a large module there),
  // otherwise apart. The browser compiles each of a module's functions on
  // its first call, so compiling the module itself only decodes and checks
  // it: about 2 ms here. Compiled apart, the module came back in a task of
  // its own, which on a first visit often waited behind the browser's
  // layout and paint of the page still empty; compiled at once, it is
  // ready when the page's scripts run, and the page records its input and
  // draws it in the same task as them.
  function compile(bytes) {
    try {
      return new WebAssembly.Module(bytes);
    } catch (fallo) {
      return WebAssembly.compile(bytes);
    }
  }

  if (typeof module === 'object' && module !== null && module.exports) {
    module.exports = { inflate: inflate, deBase64: deBase64 };
    return;
  }
  // A packed text that the page carries (gzip as base64, as #modulo is)
  // unpacked: a promise of its bytes, for the page's scripts (below) and
  // for what a first visit does not need (the GIF encoder, guardado.js).
  const desempaque = (texto) => new Promise((listo) => { listo(descomprima(deBase64(texto.trim()))); });
  // The scripts first: the page's end, where they run, comes before the
  // module is needed.
  const guiones = desempaque(document.getElementById('guiones').textContent)
    .then((bytes) => new TextDecoder().decode(bytes));
  let modulo;
  try {
    const gz = deBase64(document.getElementById('modulo').textContent);
    modulo = descomprima(gz).then(compile);
  } catch (fallo) {
    modulo = Promise.reject(fallo);
  }
  // web.js says why when it fails; until web.js runs, it is not unhandled.
  modulo.catch(() => {});
  window.Traza = Object.assign(window.Traza || {}, { guiones: guiones, modulo: modulo, desempaque: desempaque });
}());
