// Saving the step shown (see modelo.js for the parts and how they share):
// the slide that lamina.js draws, as it is (SVG), rasterised on a canvas
// (PNG), or as the frames of a looping GIF, and the download of each. What
// this browser can do of these is told in one line. The GIF encoder, which
// the page carries as inert text (#gifenc), is turned into code only when
// a GIF is first asked for.
(function () {
  'use strict';

  const Lamina = window.Traza.lamina;

  // ---- What this browser can do.

  // Which of the three this browser can save: an SVG needs a download of a
  // file made in the page; a PNG, a canvas too and its toBlob; a GIF, a
  // canvas whose pixels it reads. mensaje says, in one line, what cannot
  // be done and why; '' where all three can.
  function posibilidades() {
    const enlace = document.createElement('a'), lienzo = document.createElement('canvas');
    const descarga = typeof Blob === 'function' && typeof URL === 'function' &&
      typeof URL.createObjectURL === 'function' && 'download' in enlace;
    const dibuja = typeof lienzo.getContext === 'function' && lienzo.getContext('2d') !== null;
    const png = descarga && dibuja && typeof lienzo.toBlob === 'function';
    const gif = descarga && dibuja;
    let mensaje = '';
    if (!descarga) {
      mensaje = 'Este navegador no descarga archivos hechos en la página: no puede guardar la lámina.';
    } else if (!dibuja) {
      mensaje = 'Este navegador no dibuja en un lienzo (canvas): guarda la lámina en SVG, pero no en PNG ni en GIF.';
    } else if (!png) {
      mensaje = 'Este navegador no convierte un lienzo en imagen: guarda la lámina en SVG y en GIF, pero no en PNG.';
    }
    return { svg: descarga, png: png, gif: gif, mensaje: mensaje };
  }

  // ---- Files.

  function blobDeSvg(svg) { return new Blob([svg], { type: 'image/svg+xml' }); }

  // Saves blob as the file nombre, through a link's download. The address
  // is let go a while later, once the browser has started to read it.
  function descargue(blob, nombre) {
    const url = URL.createObjectURL(blob);
    const enlace = document.createElement('a');
    enlace.href = url;
    enlace.download = nombre;
    enlace.hidden = true;
    document.body.appendChild(enlace);
    enlace.click();
    enlace.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  // ---- Rasterising.

  // The SVG text svg as an image, loaded; it fails where the browser cannot
  // read it.
  function imagen(svg) {
    return new Promise((resuelva, rechace) => {
      const img = new Image();
      img.onload = () => resuelva(img);
      img.onerror = () => rechace(new Error('El navegador no pudo dibujar la lámina.'));
      img.src = 'data:image/svg+xml;charset=utf-8,' + encodeURIComponent(svg);
    });
  }

  // Draws the SVG text svg over the whole of the canvas of contexto.
  async function dibuje(contexto, svg) {
    const img = await imagen(svg);
    contexto.drawImage(img, 0, 0, contexto.canvas.width, contexto.canvas.height);
  }

  function lienzo(ancho, alto, leido) {
    const nuevo = document.createElement('canvas');
    nuevo.width = ancho;
    nuevo.height = alto;
    return nuevo.getContext('2d', leido ? { willReadFrequently: true } : undefined);
  }

  // A PNG of the SVG text svg, at the size its width and height give (the
  // slide drawn at escala 2 gives 2560x1440).
  async function png(svg) {
    const img = await imagen(svg);
    const contexto = lienzo(img.naturalWidth || Lamina.ANCHO, img.naturalHeight || Lamina.ALTO, false);
    contexto.drawImage(img, 0, 0, contexto.canvas.width, contexto.canvas.height);
    return new Promise((resuelva, rechace) => contexto.canvas.toBlob((blob) => {
      if (blob === null) { rechace(new Error('El navegador no pudo hacer el PNG.')); } else { resuelva(blob); }
    }, 'image/png'));
  }

  // ---- The GIF.

  // The encoder, made from the page's inert text the first time it is
  // needed: its CommonJS build's one free name is exports. The browser page
  // carries that text packed (#gifenc-empacado), which its first script
  // unpacks (Traza.desempaque).
  let codificador = null;
  async function cargueCodificador() {
    if (codificador === null) {
      const plano = document.getElementById('gifenc'), empacado = document.getElementById('gifenc-empacado');
      let fuente;
      if (plano !== null) {
        fuente = plano.textContent;
      } else if (empacado !== null && typeof window.Traza.desempaque === 'function') {
        fuente = new TextDecoder().decode(await window.Traza.desempaque(empacado.textContent));
      } else {
        throw new Error('Esta página no lleva el codificador de GIF.');
      }
      const exportado = {};
      new Function('exports', fuente)(exportado);
      codificador = exportado;
    }
    return codificador;
  }

  // Lets the browser paint and take clicks between two frames. A message
  // to itself, unlike a timer, is not slowed down in a tab in the
  // background.
  function cedaTurno() {
    if (typeof MessageChannel !== 'function') { return new Promise((resuelva) => setTimeout(resuelva, 0)); }
    return new Promise((resuelva) => {
      const canal = new MessageChannel();
      canal.port1.onmessage = () => { canal.port1.close(); resuelva(); };
      canal.port2.postMessage(null);
    });
  }

  // A frame's pixels rgba as a GIF's: indices into a palette, and the
  // options that go with them. The first frame is whole; each other draws
  // the pixels that changed since the frame before (antes) over that
  // frame, which stays (dispose 1), and leaves the rest transparent: long
  // runs of one index, which the GIF's LZW packs well. A palette is the
  // commonest colours of the pixels drawn, exact, up to 256 in the first
  // frame and COLORES_CAMBIADOS in the others (a step changes few: bars,
  // their hatching, labels, a line lit), the next index being the
  // transparent one; any other colour, an edge's shade, takes the nearest.
  // Exact colours leave no trace where a colour is drawn back over
  // another; narrow codes, for few colours, make a smaller frame.
  const COLORES_CAMBIADOS = 31;
  function indexado(rgba, antes) {
    const nuevos = new Uint32Array(rgba.buffer, rgba.byteOffset, rgba.length / 4);
    const viejos = antes === null ? null : new Uint32Array(antes.buffer, antes.byteOffset, antes.length / 4);
    const cambiados = new Uint32Array(nuevos.length);
    let cuantos = 0;
    const veces = new Map();
    for (let p = 0; p < nuevos.length; p++) {
      if (viejos === null || nuevos[p] !== viejos[p]) {
        cambiados[cuantos++] = p;
        veces.set(nuevos[p], (veces.get(nuevos[p]) || 0) + 1);
      }
    }
    const comunes = [...veces.keys()].sort((a, b) => veces.get(b) - veces.get(a))
      .slice(0, viejos === null ? 256 : COLORES_CAMBIADOS);
    const paleta = comunes.map((c) => [c & 255, (c >>> 8) & 255, (c >>> 16) & 255]);
    if (paleta.length === 0) { paleta.push([0, 0, 0]); }
    const indice = new Map(comunes.map((c, i) => [c, i]));
    const cercano = (c) => {
      let mejor = 0, distancia = Infinity;
      paleta.forEach((p, i) => {
        const d = (p[0] - (c & 255)) ** 2 + (p[1] - ((c >>> 8) & 255)) ** 2 + (p[2] - ((c >>> 16) & 255)) ** 2;
        if (d < distancia) { mejor = i; distancia = d; }
      });
      indice.set(c, mejor);
      return mejor;
    };
    const transparente = paleta.length;
    const indices = new Uint8Array(nuevos.length).fill(viejos === null ? 0 : transparente);
    for (let j = 0; j < cuantos; j++) {
      const c = nuevos[cambiados[j]], k = indice.get(c);
      indices[cambiados[j]] = k === undefined ? cercano(c) : k;
    }
    if (viejos === null) { return { indices: indices, opciones: { palette: paleta, dispose: 1 } }; }
    const bits = Math.max(2, Math.ceil(Math.log2(transparente + 1)));
    return { indices: indices, opciones: { palette: paleta.concat([[0, 0, 0]]), colorDepth: bits, dispose: 1,
                                           transparent: true, transparentIndex: transparente } };
  }

  // A looping GIF of the steps pasos (Lamina.cuadros gives them), one frame
  // each, drawn by svgDePaso(K) (the slide of step K at its own size),
  // each shown centesimas hundredths of a second, the last final (the end
  // held before the loop starts again). alProgreso(hechos, total), where
  // given, is told after each frame; cancelado(), where given, is asked
  // before each, and a run it stops ends in null. Returns a Blob.
  async function gif(opciones) {
    const o = opciones, pasos = o.pasos;
    const gifenc = await cargueCodificador();
    const contexto = lienzo(Lamina.ANCHO, Lamina.ALTO, true);
    const salida = gifenc.GIFEncoder();
    const parado = () => typeof o.cancelado === 'function' && o.cancelado();
    if (o.alProgreso) { o.alProgreso(0, pasos.length); }
    let antes = null;
    for (let i = 0; i < pasos.length; i++) {
      await cedaTurno();
      if (parado()) { return null; }
      await dibuje(contexto, o.svgDePaso(pasos[i]));
      const rgba = contexto.getImageData(0, 0, Lamina.ANCHO, Lamina.ALTO).data;
      const cuadro = indexado(rgba, antes);
      const centesimas = i === pasos.length - 1 && o.final ? o.final : o.centesimas;
      salida.writeFrame(cuadro.indices, Lamina.ANCHO, Lamina.ALTO,
        Object.assign(cuadro.opciones, { delay: centesimas * 10 }));
      antes = rgba;
      if (o.alProgreso) { o.alProgreso(i + 1, pasos.length); }
    }
    if (parado()) { return null; }
    salida.finish();
    return new Blob([salida.bytes()], { type: 'image/gif' });
  }

  // ---- The controls: "Guardar" unfolds a box to ask for the code, and
  // the three buttons, the GIF's last step, its progress and a way to
  // cancel it, and a line that says what was saved or why not.

  function $(id) { return document.getElementById(id); }

  // The last step that the address names (hasta=B), or null.
  function hastaDeDireccion() {
    const parte = window.Traza.direccion.leaDireccion(window.location.hash).otras
      .find((texto) => /^hasta=\d+$/.test(texto));
    return parte === undefined ? null : parseInt(parte.slice(6), 10);
  }

  // Starts the controls. vista() gives what is shown: the model (m), the
  // code (codigo), the panels (eleccion), the step (K), the last step (M)
  // and the speed in steps a second (velocidad); null before any data.
  function inicie(vista) {
    const puede = posibilidades();
    const diga = (texto) => { $('nota-guardado').textContent = texto; };
    $('boton-svg').disabled = !puede.svg;
    $('boton-png').disabled = !puede.png;
    $('boton-gif').disabled = !puede.gif;
    diga(puede.mensaje);
    const lamina = (v, K, escala) => Lamina.svg(v.m, v.codigo, v.eleccion, K,
      { codigo: $('con-codigo').checked, escala: escala });
    // Each saving says how it ended, or why it failed.
    const intente = (accion) => () => {
      const v = vista();
      if (v === null) { return; }
      Promise.resolve().then(() => accion(v)).catch((fallo) => diga(String(fallo.message || fallo)));
    };
    $('boton-svg').addEventListener('click', intente((v) => {
      const nombre = Lamina.nombreDeArchivo(v.K, 'svg');
      descargue(blobDeSvg(lamina(v, v.K, 1)), nombre);
      diga('Guardado: ' + nombre + '.');
    }));
    $('boton-png').addEventListener('click', intente(async (v) => {
      const nombre = Lamina.nombreDeArchivo(v.K, 'png');
      descargue(await png(lamina(v, v.K, 2)), nombre);
      diga('Guardado: ' + nombre + ' (' + 2 * Lamina.ANCHO + '×' + 2 * Lamina.ALTO + ').');
    }));
    // The field shows, unfilled, the step the GIF goes to without it.
    $('guardar').addEventListener('toggle', () => {
      const hasta = hastaDeDireccion();
      $('hasta').placeholder = hasta === null ? 'el fin' : String(hasta);
    });
    let cancelado = false;
    $('boton-cancelar').addEventListener('click', () => { cancelado = true; });
    $('boton-gif').addEventListener('click', intente(async (v) => {
      const escrito = $('hasta').value.trim();
      const pedido = escrito !== '' ? (/^\d+$/.test(escrito) ? parseInt(escrito, 10) : NaN) : hastaDeDireccion();
      const B = pedido === null ? v.M : Math.min(pedido, v.M);
      if (!(B > v.K)) {
        diga(v.K >= v.M ? 'El GIF va del paso mostrado a uno posterior, y este es el último.'
          : 'El GIF va del paso mostrado (' + v.K + ') a uno posterior: escriba un paso de ' + (v.K + 1) + ' a ' +
            v.M + ', o déjelo vacío para ir al final.');
        return;
      }
      const plan = Lamina.cuadros(v.K, B, v.velocidad);
      const nombre = Lamina.nombreDeArchivo(v.K, 'gif', B);
      cancelado = false;
      $('boton-gif').disabled = true;
      $('progreso-gif').hidden = false;
      diga('Haciendo el GIF de los pasos ' + v.K + ' a ' + B + '…');
      try {
        const hecho = await gif({ pasos: plan.pasos, centesimas: plan.centesimas, final: plan.final,
          cancelado: () => cancelado,
          svgDePaso: (K) => lamina(v, K, 1), alProgreso: (hechos, total) => {
            $('barra-gif').value = hechos / total;
            $('barra-gif').textContent = hechos + ' de ' + total;
          } });
        if (hecho === null) {
          diga('GIF cancelado.');
        } else {
          descargue(hecho, nombre);
          diga('Guardado: ' + nombre + ', ' + plan.pasos.length + ' cuadros, ' + Math.round(hecho.size / 1000) +
            ' KB.' + (plan.nota === '' ? '' : ' ' + plan.nota));
        }
      } finally {
        $('boton-gif').disabled = false;
        $('progreso-gif').hidden = true;
      }
    }));
  }

  window.Traza.guardado = {
    posibilidades: posibilidades, blobDeSvg: blobDeSvg, descargue: descargue, imagen: imagen, png: png,
    cargueCodificador: cargueCodificador, gif: gif, inicie: inicie
  };
}());
