// The browser page's first script, run in the page's head before the rest
// of the page is read. The element #modulo, just before it, holds the
// project's WebAssembly module compressed with gzip, as base64 text
// (web/empaque.js writes it at build time). This script decompresses it
// and starts compiling it, which the browser does on a thread of its own
// while it reads and runs the rest of the page; web.js, at the page's end,
// takes the result: window.Traza.modulo, a promise of the
// WebAssembly.Module.
//
// The browser's own DecompressionStream decompresses, where there is one;
// elsewhere (Safari before 16.4, Firefox before 113) inflate() below does,
// in the page. Under node, require() returns inflate() and deBase64() for
// their tests.
(function () {
  'use strict';

  // Deflate's tables (RFC 1951): each length and distance code's base and
  // extra bits, and the order in which a block gives the code lengths of
  // its code length code.
  const BASE_LARGO = [3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83, 99,
    115, 131, 163, 195, 227, 258];
  const EXTRA_LARGO = [0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0];
  const BASE_DISTANCIA = [1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769, 1025,
    1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577];
  const EXTRA_DISTANCIA = [0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11,
    12, 12, 13, 13];
  const ORDEN_DE_LONGITUDES = [16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15];

  // The canonical Huffman code whose symbol s has the code length
  // longitudes[s] (0: no code): how many codes there are of each length,
  // and the symbols in the order of their codes.
  function codigo(longitudes) {
    const cuantos = new Uint16Array(16), siguiente = new Uint16Array(16);
    const simbolos = new Uint16Array(longitudes.length);
    longitudes.forEach((l) => { cuantos[l]++; });
    cuantos[0] = 0;
    for (let l = 1; l < 16; l++) { siguiente[l] = siguiente[l - 1] + cuantos[l - 1]; }
    longitudes.forEach((l, s) => { if (l > 0) { simbolos[siguiente[l]++] = s; } });
    return { cuantos: cuantos, simbolos: simbolos };
  }

  function codigosFijos() {
    const literales = new Array(288).fill(8, 0, 144).fill(9, 144, 256).fill(7, 256, 280).fill(8, 280);
    return [codigo(literales), codigo(new Array(30).fill(5))];
  }

  // The bytes that gz, a gzip member (RFC 1952), holds. Throws on data that
  // is not gzip or ends early.
  function inflate(gz) {
    if (gz.length < 18 || gz[0] !== 0x1f || gz[1] !== 0x8b || gz[2] !== 8) {
      throw new Error('los datos no son gzip');
    }
    const banderas = gz[3];
    let p = 10;
    if (banderas & 4) { p += 2 + (gz[p] | gz[p + 1] << 8); }
    if (banderas & 8) { while (gz[p++] !== 0) { /* the file's name */ } }
    if (banderas & 16) { while (gz[p++] !== 0) { /* a comment */ } }
    if (banderas & 2) { p += 2; }
    const n = gz.length - 8;  // the last 8 bytes: CRC-32 and size
    const salida = new Uint8Array((gz[n + 4] | gz[n + 5] << 8 | gz[n + 6] << 16 | gz[n + 7] << 24) >>> 0);
    let o = 0;

    // Bits are read from each byte's least significant up.
    let reserva = 0, enReserva = 0;
    function bits(k) {
      while (enReserva < k) {
        if (p >= n) { throw new Error('los datos gzip terminan antes de tiempo'); }
        reserva |= gz[p++] << enReserva;
        enReserva += 8;
      }
      const valor = reserva & ((1 << k) - 1);
      reserva >>>= k;
      enReserva -= k;
      return valor;
    }
    // A Huffman code's bits come most significant first: the codes of
    // each length are consecutive numbers, after those of the length
    // before, doubled.
    function simbolo(c) {
      let valor = 0, primero = 0, indice = 0;
      for (let l = 1; l < 16; l++) {
        valor |= bits(1);
        const cuantos = c.cuantos[l];
        if (valor - primero < cuantos) { return c.simbolos[indice + valor - primero]; }
        indice += cuantos;
        primero = (primero + cuantos) << 1;
        valor <<= 1;
      }
      throw new Error('código de Huffman no válido en los datos gzip');
    }
    function copie(largo, distancia) {
      if (distancia > o || o + largo > salida.length) { throw new Error('datos gzip no válidos'); }
      for (let i = 0; i < largo; i++, o++) { salida[o] = salida[o - distancia]; }
    }

    let fijos = null, ultimo = 0;
    while (!ultimo) {
      ultimo = bits(1);
      const tipo = bits(2);
      if (tipo === 0) {
        // Stored: from the next byte, its length and the length's
        // complement, then the bytes as they are.
        reserva = 0;
        enReserva = 0;
        const largo = gz[p] | gz[p + 1] << 8;
        if (p + 4 + largo > n || o + largo > salida.length) { throw new Error('datos gzip no válidos'); }
        salida.set(gz.subarray(p + 4, p + 4 + largo), o);
        p += 4 + largo;
        o += largo;
        continue;
      }
      let literales, distancias;
      if (tipo === 1) {
        fijos = fijos || codigosFijos();
        [literales, distancias] = fijos;
      } else if (tipo === 2) {
        const nLiterales = bits(5) + 257, nDistancias = bits(5) + 1, nLongitudes = bits(4) + 4;
        const deLongitudes = new Array(19).fill(0);
        for (let i = 0; i < nLongitudes; i++) { deLongitudes[ORDEN_DE_LONGITUDES[i]] = bits(3); }
        const codigoDeLongitudes = codigo(deLongitudes);
        const longitudes = [];
        while (longitudes.length < nLiterales + nDistancias) {
          const s = simbolo(codigoDeLongitudes);
          if (s < 16) {
            longitudes.push(s);
          } else if (s === 16) {
            if (longitudes.length === 0) { throw new Error('datos gzip no válidos'); }
            const previa = longitudes[longitudes.length - 1];
            for (let r = 3 + bits(2); r > 0; r--) { longitudes.push(previa); }
          } else {
            for (let r = s === 17 ? 3 + bits(3) : 11 + bits(7); r > 0; r--) { longitudes.push(0); }
          }
        }
        literales = codigo(longitudes.slice(0, nLiterales));
        distancias = codigo(longitudes.slice(nLiterales, nLiterales + nDistancias));
      } else {
        throw new Error('bloque de tipo 3 en los datos gzip');
      }
      for (let s = simbolo(literales); s !== 256; s = simbolo(literales)) {
        if (s < 256) {
          if (o >= salida.length) { throw new Error('datos gzip no válidos'); }
          salida[o++] = s;
        } else {
          const largo = BASE_LARGO[s - 257] + bits(EXTRA_LARGO[s - 257]);
          const d = simbolo(distancias);
          copie(largo, BASE_DISTANCIA[d] + bits(EXTRA_DISTANCIA[d]));
        }
      }
    }
    if (o !== salida.length) { throw new Error('los datos gzip no tienen el tamaño que dicen'); }
    return salida;
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
  // its compiling under way, before the page's body is read. (Read through
  // a Blob or a Response, the stream moves in tasks of its own, which wait
  // behind the reading of the page: the compiling then began only after
  // the page's scripts had run.)
  function descomprima(gz) {
    if (typeof DecompressionStream !== 'function') { return Promise.resolve(inflate(gz)); }
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

  if (typeof module === 'object' && module !== null && module.exports) {
    module.exports = { inflate: inflate, deBase64: deBase64 };
    return;
  }
  let modulo;
  try {
    const gz = deBase64(document.getElementById('modulo').textContent);
    modulo = descomprima(gz).then((bytes) => WebAssembly.compile(bytes));
  } catch (fallo) {
    modulo = Promise.reject(fallo);
  }
  // web.js says why when it fails; until web.js runs, it is not unhandled.
  modulo.catch(() => {});
  window.Traza = Object.assign(window.Traza || {}, { modulo: modulo });
}());
