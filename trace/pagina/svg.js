// SVG written as text, for the slides (see modelo.js for the parts and how
// they share): a text, a box, a line, a circle, each one element with its
// coordinates to a tenth of a pixel, and a text's width guessed without a
// font, so that a slide fits its texts in their boxes whatever font draws
// them. No page is needed: it also runs under node.
Traza.defina('svg', [], function () {
  'use strict';

  // Generic families only, which every browser and slide program has.
  const SANS = 'sans-serif', MONO = 'monospace';
  // A character's width, as a share of the font's size: monospace's own,
  // and sans-serif's by kind of character, a little over Arial's and
  // Liberation Sans's, so that a text's guessed width is seldom short of
  // its drawn one.
  const ANCHO_MONO = 0.6;
  const ANCHOS_SANS = [[/ /, 0.29], [/[iljtfrI.,:;!|()[\]'·]/, 0.33], [/[mwMW]/, 0.88], [/[0-9]/, 0.58],
                       [/[A-ZÁÉÍÓÚÑ]/, 0.7], [/[a-záéíóúñü]/, 0.56]];
  function anchoSans(c) {
    const clase = ANCHOS_SANS.find((par) => par[0].test(c));
    return clase === undefined ? 0.62 : clase[1];
  }

  function escape(texto) {
    return String(texto).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
  }

  // A coordinate, to a tenth of a pixel.
  function n(x) { return String(Math.round(x * 10) / 10); }
  function largo(texto) { return Array.from(texto).length; }
  function anchoDe(texto, talla, mono) {
    return mono ? largo(texto) * talla * ANCHO_MONO : Array.from(texto).reduce((a, c) => a + anchoSans(c), 0) * talla;
  }

  // One <text> at (x, y). Where its guessed width passes ancho, it is
  // squeezed to ancho (textLength), so that it never spills out of its box
  // whatever font draws it. atributos are added as they come; trozos, when
  // given, replaces texto by ready-made markup.
  function texto(x, y, cadena, talla, opciones) {
    const o = opciones || {};
    const apretado = o.ancho !== undefined && anchoDe(cadena, talla, o.mono) > o.ancho
      ? ' textLength="' + n(o.ancho) + '" lengthAdjust="spacingAndGlyphs"' : '';
    return '<text x="' + n(x) + '" y="' + n(y) + '" font-size="' + talla + '"' +
      (o.mono ? ' font-family="' + MONO + '"' : '') + (o.peso ? ' font-weight="' + o.peso + '"' : '') +
      (o.color ? ' fill="' + o.color + '"' : '') + (o.ancla ? ' text-anchor="' + o.ancla + '"' : '') +
      (o.atributos || '') + apretado + '>' + (o.trozos || escape(cadena)) + '</text>';
  }

  // A text cut into lines of at most ancho, at its spaces, up to
  // maximo lines: the last keeps whatever is left (and is squeezed).
  function renglones(cadena, talla, ancho, maximo, mono) {
    const lineas = [];
    let resto = cadena;
    while (lineas.length < maximo - 1 && anchoDe(resto, talla, mono) > ancho) {
      const letras = Array.from(resto);
      let caben = letras.length;
      while (caben > 1 && anchoDe(letras.slice(0, caben).join(''), talla, mono) > ancho) { caben--; }
      let corte = letras.lastIndexOf(' ', caben);
      if (corte <= 0) { corte = caben; }
      lineas.push(letras.slice(0, corte).join(''));
      resto = letras.slice(corte).join('').replace(/^ /, '');
    }
    lineas.push(resto);
    return lineas;
  }

  function caja(x, y, ancho, alto, relleno, extra) {
    return '<rect x="' + n(x) + '" y="' + n(y) + '" width="' + n(Math.max(0, ancho)) + '" height="' +
      n(Math.max(0, alto)) + '" fill="' + relleno + '"' + (extra || '') + '/>';
  }

  // A box filled with a colour of aspecto.json that has an opacity
  // (#rrggbbaa): SVG's own fill-opacity, which every program reads.
  function cajaVelada(x, y, ancho, alto, tinta) {
    const opacidad = Math.round(parseInt(tinta.slice(7), 16) / 255 * 100) / 100;
    return caja(x, y, ancho, alto, tinta.slice(0, 7), ' fill-opacity="' + opacidad + '"');
  }

  function raya(x1, y1, x2, y2, color, grosor) {
    return '<line x1="' + n(x1) + '" y1="' + n(y1) + '" x2="' + n(x2) + '" y2="' + n(y2) + '" stroke="' + color +
      '" stroke-width="' + grosor + '"/>';
  }
  function circulo(x, y, radio, color) {
    return '<circle cx="' + n(x) + '" cy="' + n(y) + '" r="' + radio + '" fill="' + color + '"/>';
  }

  const svg = {
    SANS: SANS, MONO: MONO, ANCHO_MONO: ANCHO_MONO, escape: escape, n: n, largo: largo, anchoDe: anchoDe,
    texto: texto, renglones: renglones, caja: caja, cajaVelada: cajaVelada, raya: raya, circulo: circulo
  };
  return svg;
});
