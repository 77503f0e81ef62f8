// The browser tests' checks of other screens, colour and paper: the
// page reflowed at a phone's, a tablet's and a zoomed window's sizes, the
// bars' states without colour and the strategies' colours without red or
// green, and the page printed.
'use strict';

const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { espereCuadros, datosNativos } = require('./arnes.js');
const Modelo = require('../cargue.js')('modelo');
const { contraste, VISIONES, diferencia } = require('./colores.js');
const ASPECTO = require('../../trace/pagina/aspecto.json');

// Where the page reflows: a phone both ways and a tablet, touched; a
// projector in a browser window; 1280x720 at 150 % and 200 % zoom.
const PANTALLAS = [[1, true, [390, 844], [844, 390], [768, 1024]], [1, false, [1024, 660]],
                   [1.5, false, [853, 480]], [2, false, [640, 360]]];

// What compruebePantallas checks, measured in the page.
function midaPantalla() {
  const caja = (el) => el.getBoundingClientRect();
  const visto = (el) => el.getClientRects().length > 0 && getComputedStyle(el).visibility === 'visible';
  const nombre = (el) => el.className + ' "' + el.textContent.slice(0, 24) + '"';
  const cruza = (r, q) => r.left < q.right - 1 && q.left < r.right - 1 && r.top < q.bottom - 1 && q.top < r.bottom - 1;
  const fuera = (r, c) => r.left < c.left - 1 || r.right > c.right + 1 || r.top < c.top - 1 || r.bottom > c.bottom + 1;
  const bloques = [...document.querySelectorAll('section.panel, .codigo')].filter(visto);
  const chicos = [], textos = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let t = textos.nextNode(); t !== null; t = textos.nextNode()) {
    const el = t.parentElement;
    const tamano = parseFloat(getComputedStyle(el).fontSize) * (el.ownerSVGElement ? el.getScreenCTM().a : 1);
    if (t.nodeValue.trim() !== '' && visto(el) && !el.closest('sub') && tamano < 11) { chicos.push(tamano + ': ' + t.nodeValue); }
  }
  return {
    ventana: innerWidth, ancho: document.documentElement.scrollWidth, chicos: chicos,
    derrames: bloques.flatMap((b) => [...b.querySelectorAll('*')].filter((el) => visto(el) && fuera(caja(el), caja(b)))
      .map(nombre)),
    solapes: bloques.flatMap((a, i) => bloques.slice(i + 1).filter((b) => cruza(caja(a), caja(b))).map(nombre)),
    paneles: [...document.querySelectorAll('section.panel')].filter(visto).map((s) => caja(s).width),
    // Each lit line within the box its block shows.
    lineas: [...document.querySelectorAll('.codigo [data-actual]')].map((l) => {
      const b = l.closest('.codigo'), r = caja(l), arriba = caja(b).top + b.clientTop;
      return r.top >= arriba - 1 && r.bottom <= arriba + b.clientHeight + 1;
    }),
    // A control's target: the label it is in, if any.
    objetivos: [...document.querySelectorAll('button, input, select, summary, a[href]')].filter(visto)
      .filter((el) => caja(el.closest('label') || el).width < 24 || caja(el.closest('label') || el).height < 24).map(nombre),
    ayuda: getComputedStyle(document.querySelector('#opciones .ayuda')).display !== 'none',
    // The step bar: its share of the window, and whether it is on screen
    // with the page scrolled to the end of the last panel.
    barra: caja(document.getElementById('controles')).height / innerHeight,
    alFinal: (() => {
      const ultimo = [...document.querySelectorAll('section.panel')].filter(visto).pop();
      window.scrollTo(0, scrollY + caja(ultimo).bottom - innerHeight);
      const r = caja(document.getElementById('boton-adelante'));
      window.scrollTo(0, 0);
      return r.top >= 0 && r.bottom <= innerHeight;
    })(),
    altos: new Set([...document.querySelectorAll('section.panel .barras')].filter(visto)
      .map((b) => Math.round(caja(b).height))).size,
    movimientos: document.getAnimations().length +
      [...document.querySelectorAll('*')].filter((el) => parseFloat(getComputedStyle(el).transitionDuration) > 0).length
  };
}

// At each of PANTALLAS, for each n of entradas that abra(pagina, n, resto)
// opens at the address's part resto: no sideways scroll; no panel or code
// block spilling or overlapping another; panels at least min(320, width -
// 32) px; no text under 11 px (indices aside); the lit lines shown; every
// panel's bars of one height; a step bar of at most a fifth of the window,
// at hand at the end of the last panel; on touch, targets of 24x24 px or
// more and no keys' hint; with reduced motion, nothing moving. A link that
// names the default view's last two panels opens with the first one's bars
// on screen, below the step bar. No script error, resizes included.
async function compruebePantallas(navegadorAbierto, abra, entradas) {
  // The default view's last two panels: the same for every input. Each
  // input is opened by the link first (afresh, or by the address where the
  // page is the same), then the default view by the address alone.
  const ultimos = Modelo.panelesPorOmision(datosNativos(['--valores', '1,2'])).slice(-2).join(',');
  for (const [escala, tacto, ...tamanos] of PANTALLAS) {
    const contexto = await navegadorAbierto.newContext({ viewport: { width: tamanos[0][0], height: tamanos[0][1] },
      deviceScaleFactor: escala, hasTouch: tacto, isMobile: tacto, reducedMotion: 'reduce' });
    const pagina = await contexto.newPage(), errores = [];
    pagina.on('pageerror', (error) => errores.push(String(error)));
    for (const n of entradas) {
      await abra(pagina, n, 'paneles=' + ultimos + '&paso=40');
      await espereCuadros(pagina);
      // The first comes to the top, below the step bar, as far as the page
      // scrolls. (A page with an input it refuses has no panels to open on.)
      assert.ok(await pagina.evaluate(() => {
        if (document.body.getAttribute('data-estado') !== 'listo') { return true; }
        const panel = document.querySelector('section.panel:not([hidden])');
        const barras = panel.querySelector('.barras').getBoundingClientRect();
        const arriba = Math.abs(panel.getBoundingClientRect().top - parseFloat(getComputedStyle(panel).scrollMarginTop)) <= 2;
        const alFinal = Math.ceil(scrollY + innerHeight) >= document.documentElement.scrollHeight - 1;
        return (arriba || alFinal) && barras.top >= document.getElementById('controles').getBoundingClientRect().bottom &&
          barras.bottom <= innerHeight;
      }), n + ' values: a link to panels ' + ultimos + ' opens on them at ' + tamanos[0]);
      await pagina.evaluate(() => window.scrollTo(0, 0));
      await abra(pagina, n, 'paso=40');
      for (const [ancho, alto] of tamanos) {
        const que = n + ' values at ' + ancho + 'x' + alto + ' x' + escala;
        await pagina.setViewportSize({ width: ancho, height: alto });
        await espereCuadros(pagina);
        const m = await pagina.evaluate(midaPantalla);
        assert.deepEqual([m.ventana, m.ancho <= ancho, m.derrames, m.solapes, m.chicos], [ancho, true, [], [], []], que);
        m.paneles.forEach((w) => assert.ok(w >= Math.min(320, ancho - 32) - 0.5, que + ': a panel ' + w + ' px wide'));
        assert.ok(m.lineas.length > 0 && m.lineas.every(Boolean), que + ': the lit lines');
        assert.deepEqual([tacto ? m.objetivos : [], m.ayuda, m.movimientos], [[], !tacto, 0], que + ': touch, motion');
        assert.deepEqual([m.barra <= 0.2, m.alFinal, m.altos], [true, true, 1], que + ': the step bar, ' + m.barra);
      }
      await pagina.setViewportSize({ width: tamanos[0][0], height: tamanos[0][1] });
    }
    assert.deepEqual(errores, []);
    await contexto.close();
  }
}

// Without colour: any two of the bars' states (plain, settled, compared,
// exchanged, beside a descent at an unsorted end) differ in lightness by
// 1.3:1 or in hatching, and each stands 3:1 from its card. The seven
// strategies' colours, as the page has them, stand 3:1 from white and 25
// apart in CIELAB (CIE76) with normal vision, 15 without red or green
// cones (modelo_test.js measures the palette itself). In forced colours the bars and the chain keep a colour; the lit
// line, of either call, in both, a background of its own and text at 4.5:1
// on it. The page shows a lit line. The colours are aspecto.json's: the
// style's custom properties, the card, the bars' states, the lit lines
// and the strategies'.
async function compruebeColores(pagina) {
  const mida = () => pagina.evaluate((nombres) => {
    const panel = document.querySelector('section.panel:not([hidden])'), linea = document.querySelector('[data-actual]');
    const fondo = (el) => getComputedStyle(el).backgroundColor;
    const clases = ['columna', 'columna asentada', 'columna comparada', 'columna intercambiada', 'columna descenso'];
    return { tarjeta: fondo(panel), nodo: fondo(document.querySelector('.nodo')),
      estados: clases.map((clase) => {
        const columna = panel.querySelector('.barras').appendChild(document.createElement('div'));
        columna.className = clase;
        columna.toggleAttribute('data-asentado', clase.endsWith('asentada'));
        columna.toggleAttribute('data-descenso', clase.endsWith('descenso'));
        const relleno = columna.appendChild(document.createElement('div'));
        relleno.className = 'relleno';
        const estilo = [fondo(relleno), getComputedStyle(relleno).backgroundImage];
        columna.remove();
        return estilo;
      }),
      lineas: [0, 1].map(() => {
        linea.classList.toggle('de-intercambio');
        return [getComputedStyle(linea).color, fondo(linea), fondo(linea.closest('.codigo'))];
      }),
      colores: [0, 1, 2, 3, 4, 5, 6].map((s) => window.Traza.dibujo.color(s)),
      propiedades: nombres.map((x) => getComputedStyle(document.documentElement).getPropertyValue('--' + x).trim()) };
  }, Object.keys(ASPECTO.colores));
  const medida = await mida();
  const rgb = (c) => 'rgb(' + [1, 3, 5].map((i) => parseInt(c.slice(i, i + 2), 16)).join(', ') + ')';
  const A = ASPECTO.colores;
  assert.deepEqual([medida.propiedades, medida.tarjeta, medida.estados.map(([c]) => c), medida.colores,
    new Set(medida.lineas.map(([, fondo]) => fondo))],
  [Object.values(A), rgb(A.tarjeta), [A.barra, A.asentada, A.comparada, A.intercambiada, A.barra].map(rgb),
    ASPECTO.estrategias, new Set([rgb(A['luz-comparacion']), rgb(A['luz-intercambio'])])], 'the colours of aspecto.json');
  console.log('bar states against the card: ' + medida.estados.map(([c]) => contraste(c, medida.tarjeta).toFixed(2)).join(', '));
  medida.estados.forEach(([c, dibujo], i) => {
    assert.ok(contraste(c, medida.tarjeta) >= 3, 'state ' + i + ' against its card');
    medida.estados.slice(i + 1).forEach(([d, otro]) => assert.ok(contraste(c, d) >= 1.3 || dibujo !== otro, c + ' ' + d));
  });
  medida.colores.forEach((c, s) => {
    assert.ok(contraste(c, '#ffffff') >= 3, 'strategy ' + s + ' against white');
    medida.colores.slice(s + 1).forEach((d) => VISIONES.forEach((vision, v) => {
      assert.ok(diferencia(c, d, vision) >= (v === 0 ? 25 : 15), c + ' and ' + d);
    }));
  });
  await pagina.emulateMedia({ forcedColors: 'active' });
  const forzada = await mida();
  await pagina.emulateMedia({ forcedColors: 'none' });
  const visible = (c, fondo) => !/^rgba\(.*, 0\)$/.test(c) && c !== fondo;
  forzada.estados.concat([[forzada.nodo]]).forEach(([c]) => assert.ok(visible(c, forzada.tarjeta), 'forced colours'));
  forzada.lineas.concat(medida.lineas).forEach(([texto, fondo, bloque]) =>
    assert.ok(visible(fondo, bloque) && contraste(texto, fondo) >= 4.5, 'the lit line: ' + [texto, fondo, bloque]));
}

// On paper, without backgrounds as browsers print by default: the bars,
// the chain and the lit line print theirs all the same, and the lit line an
// outline; the controls and the form do not print; the step shown, its
// panels and code, on the first A4 page across (277 x 190 mm between 10 mm
// margins: 1047 x 718 px) from its top, under "Paso K de M" and the input;
// the chart on the next. And the page prints.
// The text of page number (all of them for null) of a PDF, as pdftotext
// reads it; null where pdftotext is not installed.
function paginaDe(pdf, numero) {
  const ruta = path.join(os.tmpdir(), 'impresa-' + process.pid + '.pdf');
  fs.writeFileSync(ruta, pdf);
  try {
    return execFileSync('pdftotext', (numero === null ? [] : ['-f', String(numero), '-l', String(numero)])
      .concat([ruta, '-']), { encoding: 'utf8' });
  } catch (error) {
    if (error.code === 'ENOENT') { return null; }
    throw error;
  } finally {
    fs.unlinkSync(ruta);
  }
}

async function compruebeImpresion(pagina) {
  const antes = pagina.viewportSize();
  await pagina.emulateMedia({ media: 'print' });
  await pagina.setViewportSize({ width: 1047, height: 718 });
  await espereCuadros(pagina);
  const medida = await pagina.evaluate(() => [
    [...document.querySelectorAll('.relleno, .nodo, [data-actual]')].filter((el) => getComputedStyle(el).printColorAdjust !== 'exact'),
    [...document.querySelectorAll('[data-actual]')].filter((l) => getComputedStyle(l).outlineStyle === 'none'),
    [...document.querySelectorAll('#controles, #opciones, #formulario, [data-error], #demostracion, #detalles')]
      .filter((el) => getComputedStyle(el).display !== 'none'),
    [...document.querySelectorAll('section.panel, .codigo')].filter((s) => s.closest('[hidden]') === null)
      .filter((s) => s.getBoundingClientRect().right > 1047 || s.getBoundingClientRect().bottom > 718),
    /^Paso \d+ de \d+ · Entrada: \[[-\d ]+\]$/.test(document.getElementById('paso-impreso').innerText) &&
      document.getElementById('paso-impreso').getBoundingClientRect().top < 40 ? [] : [document.getElementById('paso-impreso')],
    getComputedStyle(document.getElementById('costos')).breakBefore === 'page' ? [] : [document.getElementById('costos')],
    document.documentElement.scrollWidth > 1047 ? [document.documentElement] : [],
    // Long code prints 13 lines around its lit line, which prints, and the
    // first line of each function it prints part of.
    [...document.querySelectorAll('.codigo')].filter((b) => {
      const impresa = (l) => getComputedStyle(l).display !== 'none';
      const cabeza = (l) => (l.previousElementSibling.hasAttribute('data-linea') ? cabeza(l.previousElementSibling) : l);
      const impresas = [...b.querySelectorAll('[data-linea]')].filter(impresa);
      return impresas.length > 13 || [...b.querySelectorAll('[data-actual]')].some((l) => !impresa(l)) ||
        impresas.some((l) => !impresa(cabeza(l)));
    })
  ].map((lista) => lista.map((el) => el.id || el.className)).concat(document.querySelectorAll('[data-actual]').length > 0));
  assert.deepEqual(medida, [[], [], [], [], [], [], [], [], true], 'on paper');
  const pdf = await pagina.pdf({ format: 'A4', landscape: true });
  assert.ok(pdf.length > 10000, 'prints');
  // A handout: its first page holds the step, the input and the key, and
  // nothing printed says what to do on a screen.
  const primera = paginaDe(pdf, 1);
  if (primera !== null) {
    // (pdftotext breaks a long input over lines.)
    assert.match(primera, /Paso \d+ de \d+ · Entrada: \[[-\d\s]+\]/);
    ['comparación actual', 'intercambio actual', 'posición asentada'].forEach((x) => assert.ok(primera.includes(x), x));
    assert.doesNotMatch(paginaDe(pdf, null), /Guardar|Practicar|Teclas/);
  }
  await pagina.emulateMedia({ media: null });
  await pagina.setViewportSize(antes);
}


module.exports = { compruebePantallas, compruebeColores, compruebeImpresion };
