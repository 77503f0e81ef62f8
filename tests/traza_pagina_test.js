// Drives the replay page in a headless Chromium or Google Chrome as a person
// would, through playwright-core, and checks what it shows against the
// recording the page carries. With --web, drives the browser page instead
// (the same replay page, recording with the project's code compiled to
// WebAssembly) and checks it against the command-line tool's recordings.
//
// node traza_pagina_test.js ORDENAMIENTO_TRAZA BROWSER SCRATCH_FOLDER [--web PAGE]
'use strict';

const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { chromium } = require('playwright-core');
const Modelo = require('../trace/pagina/modelo.js');

const [traza, navegador, carpeta, modo, paginaWeb] = process.argv.slice(2);
const raiz = path.join(__dirname, '..');

// Writes a page with the tool and returns its address.
function escriba(nombre, opciones) {
  fs.mkdirSync(carpeta, { recursive: true });
  const ruta = path.join(carpeta, nombre + '.html');
  execFileSync(traza, opciones.concat(['-o', ruta]));
  return pathToFileURL(ruta).href;
}

function operaciones(n) { return n + (n === 1 ? ' operación' : ' operaciones'); }

// What panel info should show at global step K, from the page's own model
// of the recording, which modelo_test.js checks against a replay from the
// start.
function esperado(m, info, K) {
  const e = m.estrategias[info.estrategia], estado = Modelo.estadoEn(e, K), k = estado.k, op = estado.op;
  const contadores = { comparaciones: e.comparaciones[k], intercambios: e.intercambios[k], operaciones: k };
  // A container that pays links shows them, and its chain.
  const porPosicion = m.datos.contenedores[info.contenedor].enlaces_por_posicion;
  if (porPosicion > 0) { contadores.enlaces = e.enlaces[k] * porPosicion; }
  return {
    cadena: porPosicion > 0, paso: k, valores: estado.valores, origenes: estado.origenes, op: op, contadores: contadores,
    asentado: estado.valores.map((_, p) => Modelo.asentada(e, estado, p)),
    marcadas: op === null ? [] : [...new Set([op[0], op[1]])].sort((a, b) => a - b)
  };
}

// Each panel as the page shows it.
function lea(pagina) {
  return pagina.evaluate(() => [...document.querySelectorAll('section[data-estrategia]')].map((s) => {
    const columnas = [...s.querySelectorAll('[data-valor]')];
    return {
      visible: getComputedStyle(s).display !== 'none',
      cadena: s.querySelector('.cadena') !== null,
      paso: +s.getAttribute('data-paso'),
      valores: columnas.map((c) => +c.getAttribute('data-valor')),
      origenes: columnas.map((c) => +c.getAttribute('data-origen')),
      asentado: columnas.map((c) => c.hasAttribute('data-asentado')),
      marcadas: columnas.map((c, p) => (/comparada|intercambiada/.test(c.className) ? p : -1))
        .filter((p) => p >= 0),
      contadores: Object.fromEntries([...s.querySelectorAll('[data-contador]')]
        .map((c) => [c.getAttribute('data-contador'), +c.textContent])),
      estado: s.querySelector('.estado').textContent,
      cifras: [...s.querySelectorAll('.cifra')].map((c) => c.textContent),
      ancho: s.getBoundingClientRect().width
    };
  }));
}

// The lit line of each strategy's code, with its text and number.
function lineasActuales(pagina) {
  return pagina.evaluate(() => Object.fromEntries([...document.querySelectorAll('[data-codigo]')]
    .map((b) => [b.getAttribute('data-codigo'), [...b.querySelectorAll('[data-actual]')]
      .map((l) => ({ numero: +l.getAttribute('data-linea'), texto: l.textContent }))])));
}

const fuentes = {};
function lineaDeFuente(archivo, numero) {
  fuentes[archivo] = fuentes[archivo] || fs.readFileSync(path.join(raiz, archivo), 'utf8').split(/\r?\n/);
  return fuentes[archivo][numero - 1];
}

// Every panel and every code block at step K against the recording.
async function compruebe(pagina, datos, K, que) {
  const paneles = await lea(pagina);
  const lineas = await lineasActuales(pagina);
  const codigo = await pagina.evaluate(() => JSON.parse(document.getElementById('codigo').textContent));
  const m = Modelo.cree(datos);
  assert.equal(paneles.length, datos.paneles.length, que);
  datos.paneles.forEach((info, i) => {
    const e = esperado(m, info, K), panel = paneles[i];
    const donde = que + ', panel ' + (i + 1);
    assert.deepEqual(
      [panel.paso, panel.valores, panel.origenes, panel.asentado, panel.marcadas, panel.contadores, panel.cadena],
      [e.paso, e.valores, e.origenes, e.asentado, e.marcadas, e.contadores, e.cadena], donde);
    const nombre = datos.estrategias[info.estrategia].nombre;
    const esperada = e.op === null ? [] : [e.op.length === 3 ? 'C.Es_Menor(' : 'C.Intercambie('];
    assert.deepEqual(lineas[nombre].map((l) => l.texto.match(/C\.\w+\(/)[0]), esperada, donde + ', code');
    lineas[nombre].forEach((l) => {
      assert.equal(l.texto, lineaDeFuente(codigo[nombre].archivo, l.numero), donde + ', code');
    });
  });
  return paneles;
}

function espereCuadros(pagina) {
  return pagina.evaluate(() => new Promise((listo) =>
    requestAnimationFrame(() => requestAnimationFrame(listo))));
}

// The controls and every panel shown on screen at tamano, with nothing
// scrolled or cut short; labels of at least 12 px, side by side, where
// there is room for them, otherwise only the current call's.
async function compruebeAjuste(pagina, tamano, que) {
  await pagina.setViewportSize(tamano);
  await espereCuadros(pagina);
  const medida = await pagina.evaluate(() => {
    const dentro = (el) => {
      const r = el.getBoundingClientRect();
      return r.top >= 0 && r.left >= 0 && r.bottom <= innerHeight && r.right <= innerWidth;
    };
    const cortado = (el) => el.scrollWidth > el.clientWidth || getComputedStyle(el).textOverflow === 'ellipsis';
    const secciones = [...document.querySelectorAll('section[data-estrategia]')]
      .filter((s) => getComputedStyle(s).display !== 'none');
    const cifras = secciones.map((s) => [...s.querySelectorAll('.cifra')]
      .filter((c) => c.getClientRects().length > 0 && getComputedStyle(c).visibility === 'visible')
      .map((c) => ({ r: c.getBoundingClientRect(), tamano: parseFloat(getComputedStyle(c).fontSize) })));
    return {
      desplazado: window.scrollY,
      fuera: [document.getElementById('controles')].concat(secciones).filter((el) => !dentro(el)).length,
      cortados: [...document.querySelectorAll('#controles, section h2, section .estado')]
        .filter(cortado).map((el) => el.textContent),
      cifras: cifras.map((lista) => ({
        cuantas: lista.length,
        chicas: lista.filter((c) => c.tamano < 12).length,
        solapadas: lista.filter((c, i) => lista.slice(i + 1).some((d) =>
          c.r.left < d.r.right && d.r.left < c.r.right && c.r.top < d.r.bottom && d.r.top < c.r.bottom)).length
      }))
    };
  });
  assert.deepEqual([medida.desplazado, medida.fuera, medida.cortados], [0, 0, []], que);
  medida.cifras.forEach((c) => assert.deepEqual([c.chicas, c.solapadas], [0, 0], que + ', labels'));
  return medida;
}

// ---- Other screens, colour and paper.

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
    ayuda: getComputedStyle(document.querySelector('#controles .ayuda')).display !== 'none',
    movimientos: document.getAnimations().length +
      [...document.querySelectorAll('*')].filter((el) => parseFloat(getComputedStyle(el).transitionDuration) > 0).length
  };
}

// At each of PANTALLAS, for each n of entradas that abra(pagina, n)
// opens: no sideways scroll; no panel or code block spilling or overlapping
// another; panels at least min(320, width - 32) px; no text under 11 px
// (indices aside); the lit lines shown; on touch, targets of 24x24 px or
// more and no keys' hint; with reduced motion, nothing moving. No script
// error, resizes included.
async function compruebePantallas(navegadorAbierto, abra, entradas) {
  for (const [escala, tacto, ...tamanos] of PANTALLAS) {
    const contexto = await navegadorAbierto.newContext({ viewport: { width: tamanos[0][0], height: tamanos[0][1] },
      deviceScaleFactor: escala, hasTouch: tacto, isMobile: tacto, reducedMotion: 'reduce' });
    const pagina = await contexto.newPage(), errores = [];
    pagina.on('pageerror', (error) => errores.push(String(error)));
    for (const n of entradas) {
      await abra(pagina, n);
      for (const [ancho, alto] of tamanos) {
        const que = n + ' values at ' + ancho + 'x' + alto + ' x' + escala;
        await pagina.setViewportSize({ width: ancho, height: alto });
        await espereCuadros(pagina);
        const m = await pagina.evaluate(midaPantalla);
        assert.deepEqual([m.ventana, m.ancho <= ancho, m.derrames, m.solapes, m.chicos], [ancho, true, [], [], []], que);
        m.paneles.forEach((w) => assert.ok(w >= Math.min(320, ancho - 32) - 0.5, que + ': a panel ' + w + ' px wide'));
        assert.ok(m.lineas.length > 0 && m.lineas.every(Boolean), que + ': the lit lines');
        assert.deepEqual([tacto ? m.objetivos : [], m.ayuda, m.movimientos], [[], !tacto, 0], que + ': touch, motion');
      }
    }
    assert.deepEqual(errores, []);
    await contexto.close();
  }
}

// Colours '#rrggbb' or 'rgb(r, g, b)': their contrast, and in CIELAB as
// seen with all three cones, without red ones and without green ones
// (Machado, Oliveira and Fernandes, 2009).
function lineal(color) {
  const c = color.startsWith('#') ? [1, 3, 5].map((i) => parseInt(color.slice(i, i + 2), 16)) : color.match(/[\d.]+/g);
  return c.slice(0, 3).map((v) => (v / 255 <= 0.04045 ? v / 255 / 12.92 : ((v / 255 + 0.055) / 1.055) ** 2.4));
}
const producto = (fila, v) => fila[0] * v[0] + fila[1] * v[1] + fila[2] * v[2];
function contraste(a, b) {
  const l = [a, b].map((c) => producto([0.2126, 0.7152, 0.0722], lineal(c)) + 0.05);
  return Math.max(...l) / Math.min(...l);
}
const VISIONES = [[[1, 0, 0], [0, 1, 0], [0, 0, 1]],
  [[0.152286, 1.052583, -0.204868], [0.114503, 0.786281, 0.099216], [-0.003882, -0.048116, 1.051998]],
  [[0.367322, 0.860646, -0.227968], [0.280085, 0.672501, 0.047413], [-0.011820, 0.042940, 0.968881]]];
function lab(color, vision) {
  const v = vision.map((fila) => Math.min(1, Math.max(0, producto(fila, lineal(color)))));
  const [x, y, z] = [[0.4339, 0.3762, 0.1899], [0.2126, 0.7152, 0.0722], [0.0177, 0.1095, 0.8729]]
    .map((fila) => producto(fila, v)).map((t) => (t > 216 / 24389 ? Math.cbrt(t) : (24389 / 27 * t + 16) / 116));
  return [116 * y - 16, 500 * (x - y), 200 * (y - z)];
}

// Without colour: any two of the bars' states (plain, settled, compared,
// exchanged) differ in lightness by 1.3:1 or in hatching, and each stands
// 3:1 from its card. The first six strategies' colours stand 3:1 from white
// and 20 apart in CIELAB with each vision. In forced colours the bars and
// the chain keep a colour; the lit line, of either call, in both, a
// background of its own and text at 4.5:1 on it. The page shows a lit line.
async function compruebeColores(pagina) {
  const mida = () => pagina.evaluate(() => {
    const panel = document.querySelector('section.panel:not([hidden])'), linea = document.querySelector('[data-actual]');
    const fondo = (el) => getComputedStyle(el).backgroundColor;
    return { tarjeta: fondo(panel), nodo: fondo(document.querySelector('.nodo')),
      estados: ['columna', 'columna asentada', 'columna comparada', 'columna intercambiada'].map((clase) => {
        const columna = panel.querySelector('.barras').appendChild(document.createElement('div'));
        columna.className = clase;
        columna.toggleAttribute('data-asentado', clase.endsWith('asentada'));
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
      colores: [0, 1, 2, 3, 4, 5].map((s) => window.Traza.dibujo.color(s)) };
  });
  const medida = await mida();
  console.log('bar states against the card: ' + medida.estados.map(([c]) => contraste(c, medida.tarjeta).toFixed(2)).join(', '));
  medida.estados.forEach(([c, dibujo], i) => {
    assert.ok(contraste(c, medida.tarjeta) >= 3, 'state ' + i + ' against its card');
    medida.estados.slice(i + 1).forEach(([d, otro]) => assert.ok(contraste(c, d) >= 1.3 || dibujo !== otro, c + ' ' + d));
  });
  medida.colores.forEach((c, s) => {
    assert.ok(contraste(c, '#ffffff') >= 3, 'strategy ' + s + ' against white');
    medida.colores.slice(s + 1).forEach((d) => VISIONES.forEach((vision) => {
      const p = lab(c, vision), q = lab(d, vision);
      assert.ok(Math.hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]) >= 20, c + ' and ' + d);
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
// outline; the controls and the form do not print; the panels fit A4
// across (277 mm between 10 mm margins: 1047 px). And the page prints.
async function compruebeImpresion(pagina) {
  const antes = pagina.viewportSize();
  await pagina.emulateMedia({ media: 'print' });
  await pagina.setViewportSize({ width: 1047, height: 718 });
  await espereCuadros(pagina);
  const medida = await pagina.evaluate(() => [
    [...document.querySelectorAll('.relleno, .nodo, [data-actual]')].filter((el) => getComputedStyle(el).printColorAdjust !== 'exact'),
    [...document.querySelectorAll('[data-actual]')].filter((l) => getComputedStyle(l).outlineStyle === 'none'),
    [...document.querySelectorAll('#controles, #formulario, [data-error], #demostracion')].filter((el) => getComputedStyle(el).display !== 'none'),
    [...document.querySelectorAll('section.panel')].filter((s) => s.getBoundingClientRect().right > 1047),
    document.documentElement.scrollWidth > 1047 ? [document.documentElement] : []
  ].map((lista) => lista.map((el) => el.id || el.className)).concat(document.querySelectorAll('[data-actual]').length > 0));
  assert.deepEqual(medida, [[], [], [], [], [], true], 'on paper');
  assert.ok((await pagina.pdf({ format: 'A4', landscape: true })).length > 10000, 'prints');
  await pagina.emulateMedia({ media: null });
  await pagina.setViewportSize(antes);
}

// The data a page written by the command-line tool carries.
function datosNativos(opciones) {
  const html = execFileSync(traza, opciones.concat(['-o', '-'])).toString();
  return JSON.parse(html.match(/<script type="application\/json" id="datos">(.*?)<\/script>/s)[1]);
}

function mediana(valores) { return valores.slice().sort((a, b) => a - b)[Math.floor(valores.length / 2)]; }

async function pruebeTraza(navegadorAbierto) {
  const pagina = await navegadorAbierto.newPage({ viewport: { width: 1024, height: 768 } });
  const errores = [];
  pagina.on('pageerror', (error) => errores.push(String(error)));
  const abra = async (direccion) => {
    await pagina.goto(direccion);
    await pagina.waitForSelector('body[data-estado="listo"]');
    return pagina.evaluate(() => JSON.parse(document.getElementById('datos').textContent));
  };
  const paso = async () => +(await pagina.textContent('#paso-texto')).match(/\d+/)[0];

  // ---- 20 drawn values: the steps, the keys, the buttons and the address.
  const a20 = escriba('a20', ['--entrada', 'aleatoria', '--n', '20', '--semilla', '5']);
  let datos = await abra(a20 + '#paso=1');
  const M = Math.max(...datos.estrategias.map((e) => e.ops.length));
  await compruebe(pagina, datos, 1, '#paso=1');
  for (const [tecla, esperado] of [['ArrowRight', 2], ['ArrowLeft', 1], ['End', M], ['Home', 0],
                                   ['f', M], ['i', 0], ['#boton-adelante', 1], ['#boton-adelante', 2],
                                   ['#boton-atras', 1], ['#boton-fin', M], ['#boton-inicio', 0]]) {
    await (tecla.startsWith('#') ? pagina.click(tecla) : pagina.keyboard.press(tecla));
    assert.equal(await paso(), esperado, tecla);
  }
  assert.deepEqual(await pagina.evaluate(() => [document.getElementById('comando').textContent,
    document.getElementById('comando-semilla').textContent, document.getElementById('con-semilla').hidden]),
  [datos.comando, datos.comando_semilla, false]);
  const ayuda = await pagina.textContent('#controles .ayuda');
  assert.match(ayuda, /Inicio\/Fin o I\/F/);
  assert.match(await pagina.textContent('#detalles'), new RegExp('Las ' + datos.estrategias.length + ' estrategias ordenan'));
  await pagina.waitForFunction(() => window.location.hash === '');
  await pagina.check('#sonido');
  await pagina.locator('#velocidad').fill('9');
  await pagina.keyboard.press(' ');
  await pagina.waitForFunction(() => window.location.hash === '#fin');
  assert.equal(await paso(), M, 'played to the end');
  await pagina.keyboard.press('Home');
  await pagina.locator('#velocidad').fill('0');
  await pagina.keyboard.press(' ');
  await pagina.keyboard.press(' ');
  const parado = await paso();
  await pagina.waitForTimeout(1200);
  assert.equal(await paso(), parado, 'the second space pauses');

  // The odd panels alone: the first of each strategy's row.
  const todos = await lea(pagina);
  const impares = 'paneles=' + datos.paneles.map((_, i) => i + 1).filter((n) => n % 2 === 1).join(',');
  await abra(a20 + '#' + impares + '&paso=40&otra=1');
  const elegidos = await lea(pagina);
  elegidos.forEach((panel, i) => {
    assert.equal(panel.visible, i % 2 === 0, 'panel ' + (i + 1) + ' shown');
    if (panel.visible) { assert.ok(panel.ancho > todos[i].ancho * 1.5, 'panel ' + (i + 1) + ' widens'); }
  });
  await compruebe(pagina, datos, 40, '#' + impares + '&paso=40');
  await compruebeAjuste(pagina, { width: 1024, height: 768 }, impares);
  await sinFoco(pagina);  // the speed's slider, set above, keeps its arrows
  await pagina.keyboard.press('ArrowRight');
  await pagina.waitForFunction((h) => window.location.hash === h, '#' + impares + '&paso=41&otra=1');
  // A container's button, labelled as the data says, shows its panels
  // alone.
  const lista = datos.contenedores.findIndex((c) => c.enlaces_por_posicion > 0);
  await pagina.click('#casillas button:text-is("' + datos.contenedores[lista].etiqueta + '")');
  assert.deepEqual((await lea(pagina)).map((p) => p.visible), datos.paneles.map((info) => info.contenedor === lista));
  await pagina.click('#casillas button:text-is("Todos")');
  await pagina.waitForFunction(() => window.location.hash === '#paso=41&otra=1');

  await abra(a20 + '#fin');
  const fin = await compruebe(pagina, datos, M, '#fin');
  fin.forEach((panel, i) => {
    const total = datos.estrategias[datos.paneles[i].estrategia].ops.length;
    assert.deepEqual(panel.valores, datos.entrada.slice().sort((a, b) => a - b));
    assert.match(panel.estado, new RegExp('^Terminado tras ' + operaciones(total) + '(;|$)'));
  });
  for (const tamano of [{ width: 1024, height: 768 }, { width: 1280, height: 720 }]) {
    const medida = await compruebeAjuste(pagina, tamano, 'N = 20 at ' + tamano.width + 'x' + tamano.height);
    medida.cifras.forEach((c) => assert.equal(c.cuantas, 20, 'N = 20, labels'));
  }

  // ---- 32 values keep every label at 1024x768; 64 keep the current call's.
  for (const n of [32, 64]) {
    await pagina.setViewportSize({ width: 1024, height: 768 });
    datos = await abra(escriba('n' + n, ['--entrada', 'invertida', '--n', String(n)]) + '#paso=3');
    const medida = await compruebeAjuste(pagina, { width: 1024, height: 768 }, 'N = ' + n);
    medida.cifras.forEach((c) => assert.equal(c.cuantas, n === 32 ? 32 : 2, 'N = ' + n + ', labels'));
  }
  // A step costs little to draw, and the top speed keeps its pace: 1,000
  // steps a second, several to a frame.
  const media = await pagina.evaluate(() => {
    const posicion = document.getElementById('posicion'), inicio = performance.now();
    for (let k = 0; k <= +posicion.max; k++) {
      posicion.value = k;
      posicion.dispatchEvent(new Event('input'));
    }
    return (performance.now() - inicio) / (+posicion.max + 1);
  });
  assert.ok(media < 4, 'a step takes ' + media + ' ms to draw');
  await pagina.keyboard.press('Home');
  await pagina.waitForFunction(() => window.location.hash === '');
  await pagina.locator('#velocidad').fill('9');
  const antes = Date.now();
  await pagina.keyboard.press(' ');
  await pagina.waitForFunction(() => window.location.hash === '#fin', null, { timeout: 60000 });
  const nominal = Math.max(...datos.estrategias.map((e) => e.ops.length));
  assert.ok(Date.now() - antes < 1.5 * nominal, 'played ' + nominal + ' steps in ' + (Date.now() - antes) + ' ms');

  // ---- Bars stand on the zero line, negative values below it, and none
  // is invisible.
  await abra(escriba('negativos', ['--valores', '-5,3,-5,0']));
  const barras = await pagina.evaluate(() => {
    const cero = document.querySelector('section .cero').getBoundingClientRect().top;
    return [...document.querySelector('section').querySelectorAll('[data-valor]')].map((c) => {
      const r = c.firstChild.getBoundingClientRect();
      return [+c.getAttribute('data-valor'), Math.round(r.top - cero), Math.round(r.bottom - cero), r.height >= 2];
    });
  });
  barras.forEach(([v, arriba, abajo, visible]) => {
    assert.ok(visible && (v >= 0 ? Math.abs(abajo) <= 1 : Math.abs(arriba) <= 1), 'the bar of ' + v);
  });

  // ---- Equal values: which 3 is which, and what is settled, at every step.
  datos = await abra(escriba('v331', ['--valores', '3,3,1']));
  assert.equal(await pagina.evaluate(() => document.getElementById('con-semilla').hidden), true);
  const M331 = Math.max(...datos.estrategias.map((e) => e.ops.length));
  for (let K = 0; K <= M331; K++) {
    await pagina.evaluate((k) => { window.location.hash = 'paso=' + k; }, K);
    await pagina.waitForFunction((k) => document.querySelector('#paso-texto').textContent.startsWith('Paso ' + k + ' '), K);
    await compruebe(pagina, datos, K, '3,3,1 at step ' + K);
  }
  // Each label is its value with, for a repeated one, which of its
  // occurrences in the input it is: at the end, 1 3₁ 3₂ for the bubble
  // sorts, which keep equal values in order, and 1 3₂ 3₁ for selection sort.
  const ocurrencias = Modelo.cree(datos).ocurrencias;
  (await lea(pagina)).forEach((panel, i) => {
    assert.deepEqual(panel.cifras, panel.valores.map((v, p) => String(v) + (ocurrencias[panel.origenes[p]] || '')),
                     '3,3,1, labels of panel ' + (i + 1));
  });

  // ---- Counts agree in number.
  datos = await abra(escriba('v12', ['--valores', '1,2']) + '#paso=1');
  const conEnlaces = datos.paneles.findIndex((info) => datos.contenedores[info.contenedor].enlaces_por_posicion > 0);
  assert.match((await lea(pagina))[conEnlaces].estado, / = 1 enlace$/);
  await abra(escriba('v12', ['--valores', '1,2']) + '#fin');
  assert.match((await lea(pagina))[0].estado, /^Terminado tras 1 operación$/);
  assert.ok((await pagina.textContent('#leyenda')).includes(datos.estrategias[0].nombre + ' (1 operación)'));

  // ---- Other screens, colour and paper.
  await compruebePantallas(navegadorAbierto, async (otra, n) => {
    await otra.goto(escriba('a' + n, ['--entrada', 'aleatoria', '--n', String(n), '--semilla', '5']) + '#paso=40');
    await otra.waitForSelector('body[data-estado="listo"]');
  }, [20, 64]);
  await abra(a20 + '#paso=40');
  await compruebeColores(pagina);
  await compruebeImpresion(pagina);

  datos = await abra(a20);
  await pruebeTeclado(pagina);
  await pruebeLector(pagina, datos);
  await pruebeAxe(navegadorAbierto, a20);
  assert.deepEqual(errores, []);
}

async function pruebeWeb(navegadorAbierto) {
  const tamano = fs.statSync(paginaWeb).size;
  assert.ok(tamano < 560 * 1000, 'the page is under 560 KB, not ' + tamano + ' bytes');
  const web = pathToFileURL(paginaWeb).href;
  const pagina = await navegadorAbierto.newPage({ viewport: { width: 1024, height: 768 } });
  const errores = [];
  pagina.on('pageerror', (error) => errores.push(String(error)));
  pagina.on('dialog', (dialogo) => { errores.push('dialog: ' + dialogo.message()); dialogo.dismiss(); });
  const mostrados = () => pagina.evaluate(() => window.Traza.datos());
  const error = () => pagina.evaluate(() => {
    const linea = document.querySelector('[data-error]');
    return linea.hidden ? '' : linea.textContent;
  });
  const formulario = () => pagina.evaluate(() =>
    ['entrada', 'n', 'semilla', 'valores'].map((c) => document.getElementById('formulario').elements[c].value));
  const envie = async (campos) => {
    for (const [campo, valor] of Object.entries(campos)) {
      await pagina.locator('#formulario [name="' + campo + '"]').fill(valor);
    }
    await pagina.click('#formulario [type="submit"]');
  };

  // ---- An address with an input in it, opened from disk, at its end.
  await pagina.goto(web + '#entrada=invertida&n=12&semilla=5&fin');
  await pagina.waitForSelector('body[data-estado="listo"]');
  let datos = await mostrados();
  assert.deepEqual([datos.origen, datos.entrada.length, datos.semilla], ['invertida', 12, 5]);
  await compruebe(pagina, datos, Math.max(...datos.estrategias.map((e) => e.ops.length)), 'address, at the end');
  assert.deepEqual(await formulario(), ['invertida', '12', '5', '']);
  await compruebeAjuste(pagina, { width: 1024, height: 768 }, 'browser page at 1024x768');
  await compruebeAjuste(pagina, { width: 1280, height: 720 }, 'browser page at 1280x720');

  // ---- The form: the recordings are the command-line tool's, call for
  // call, and the address then names the view.
  await envie({ valores: '3,3,1' });
  await pagina.waitForFunction(() => window.location.hash === '#valores=3,3,1');
  datos = await mostrados();
  assert.deepEqual(datos, datosNativos(['--valores', '3,3,1']));
  await compruebe(pagina, datos, 0, 'form, 3,3,1');
  await pagina.keyboard.press('End');
  await compruebe(pagina, datos, Math.max(...datos.estrategias.map((e) => e.ops.length)), 'form, 3,3,1 at the end');
  const sesenta = Array.from({ length: 64 }, (_, k) => (k * 37) % 101 - 50).join(',');
  await envie({ valores: sesenta });
  await pagina.waitForFunction((v) => window.location.hash === '#valores=' + v, sesenta);
  assert.deepEqual(await mostrados(), datosNativos(['--valores', sesenta]));

  // ---- Bad input in the form and in the address: one line in Spanish,
  // the last good view kept, and nothing of it run as markup.
  const bueno = await mostrados();
  await envie({ valores: '', n: '70' });
  assert.equal(await error(), 'ERROR: «n» debe ser un entero de 2 a 64, no "70"');
  const hostil = '<img src=x onerror="window.ejecutado=1">';
  await envie({ valores: hostil });
  assert.equal(await error(), 'ERROR: «valores» debe ser una lista de enteros separados por comas, como ' +
    '7,3,3; "' + hostil + '" no es un entero');
  await pagina.evaluate(() => { window.location.hash = 'valores=</script><img src=x onerror=window.ejecutado=1>'; });
  await pagina.waitForFunction(() => /<\/script><img/.test(document.querySelector('[data-error]').textContent));
  assert.deepEqual(await mostrados(), bueno, 'the last good view stays');
  assert.deepEqual(await pagina.evaluate(() => [window.ejecutado, document.querySelectorAll('img').length]),
    [undefined, 0]);
  await envie({ valores: '7,3,3' });
  assert.equal(await error(), '');
  await pruebeTeclado(pagina);
  await pruebeFormulario(pagina, web);
  await pruebeAxe(navegadorAbierto, web + '#valores=3,3,1');

  // ---- Other screens, 65 values' error line included, and paper.
  await compruebePantallas(navegadorAbierto, async (otra, n) => {
    await otra.goto(web + '#valores=' + Array.from({ length: n }, (_, k) => (k * 37) % 101 - 50).join(',') + '&paso=40');
    await otra.waitForFunction((cuantos) => (cuantos > 64 ? !document.querySelector('[data-error]').hidden
      : document.body.getAttribute('data-estado') === 'listo' && window.Traza.datos().entrada.length === cuantos), n);
  }, [20, 64, 65]);
  await pagina.click('#boton-adelante');
  await compruebeImpresion(pagina);

  // ---- The demonstration's report, run once the page is ready and again
  // by its button.
  for (const vez of ['first', 'again']) {
    if (vez === 'again') {
      await pagina.click('#demostracion summary');
      await pagina.evaluate(() => { document.querySelector('[data-informe]').textContent = ''; });
      await pagina.click('#boton-informe');
    }
    await pagina.waitForFunction(() => document.querySelector('[data-informe]').textContent !== '');
    const lineas = (await pagina.textContent('[data-informe]')).split('\n');
    assert.equal(lineas.length, 46, vez + ': 45 lines, each ended');
    for (let d = 0; d < 6; d++) {
      const l = lineas.slice(3 + d * 7, 10 + d * 7);
      assert.match(l[2], new RegExp('^<<< ' + (d + 1) + ' >>> => (Vector|Lista)_Ordenable <===> Ordenador_'));
      const sin = l[4].match(/^\[Sin orden\]: \[(.*)\]$/)[1].split(' ').map(Number);
      const con = l[6].match(/^\[Ordenados\]: \[(.*)\]$/)[1].split(' ').map(Number);
      assert.deepEqual(con, sin.slice().sort((a, b) => a - b), vez + ', demonstration ' + (d + 1));
    }
  }

  // ---- A browser that decodes neither base64 nor gzip itself (Safari
  // before 16.4, Firefox before 113): the page's own script unpacks its
  // module, and the page records the same.
  const antiguo = await navegadorAbierto.newContext();
  await antiguo.addInitScript(() => { delete window.DecompressionStream; delete Uint8Array.fromBase64; });
  const sinAyuda = await antiguo.newPage();
  sinAyuda.on('pageerror', (error) => errores.push(String(error)));
  await sinAyuda.goto(web + '#valores=3,3,1');
  await sinAyuda.waitForSelector('body[data-estado="listo"]');
  assert.deepEqual(await sinAyuda.evaluate(() => window.Traza.datos()), datosNativos(['--valores', '3,3,1']));
  await antiguo.close();
  // A browser that cannot compile the module (no WebAssembly exceptions)
  // gets the reason.
  const sinExcepciones = await navegadorAbierto.newContext();
  await sinExcepciones.addInitScript(() => {
    WebAssembly.compile = () => Promise.reject(new WebAssembly.CompileError('sin excepciones'));
  });
  const rota = await sinExcepciones.newPage();
  await rota.goto(web + '#valores=3,3,1');
  await rota.waitForSelector('[data-error]:not([hidden])');
  assert.equal(await rota.textContent('[data-error]'), 'ERROR: este navegador no puede ejecutar el módulo ' +
    'WebAssembly de la página (CompileError: sin excepciones)');
  await sinExcepciones.close();
  // The module stays out of the page's scripts, as text in the head that no
  // browser runs: reading the scripts costs no more than reading the
  // tool's page's and Emscripten's runtime.
  assert.deepEqual(await pagina.evaluate(() => [document.querySelector('head > #modulo').type,
    Math.max(...[...document.scripts].filter((guion) => guion.type === '').map((guion) => guion.text.length))
      < 60 * 1000]), ['text/plain', true]);

  // ---- Measured: a first visit, each load in a fresh browser context,
  // with no compiled code or cache carried over: the time from the start of
  // the navigation to a drawn page, on the page's own clock (the test's own
  // work around it, which a slow machine makes long, left out), against the
  // tool's own page for the same input, the two alternating; and a
  // submission of 64 values until the page is drawn.
  const cargas = { herramienta: [], web: [] };
  const propia = escriba('misma', ['--valores', '7,3,3']);
  for (let vez = 0; vez < 11; vez++) {
    const orden = [['herramienta', propia], ['web', web + '#valores=7,3,3']];
    for (const [cual, direccion] of vez % 2 === 0 ? orden : orden.reverse()) {
      const contexto = await navegadorAbierto.newContext({ viewport: { width: 1280, height: 720 } });
      await contexto.addInitScript(() => {
        new MutationObserver((cambios, observador) => {
          if (document.body.getAttribute('data-estado') === 'listo') {
            window.listoEn = performance.now();
            observador.disconnect();
          }
        }).observe(document, { subtree: true, attributeFilter: ['data-estado'] });
      });
      const otra = await contexto.newPage();
      await otra.goto(direccion);
      await otra.waitForSelector('body[data-estado="listo"]');
      cargas[cual].push(Math.round(await otra.evaluate(() => window.listoEn)));
      await contexto.close();
    }
  }
  const envios = [];
  for (let vez = 0; vez < 10; vez++) {
    envios.push(await pagina.evaluate((v) => new Promise((listo) => {
      const formulario = document.getElementById('formulario');
      formulario.elements.valores.value = v;
      const antes = performance.now();
      formulario.requestSubmit();
      requestAnimationFrame(() => setTimeout(() => listo(performance.now() - antes), 0));
    }), vez % 2 === 0 ? sesenta : '3,3,1'));
  }
  const a64 = envios.filter((_, vez) => vez % 2 === 0);
  const veces = mediana(cargas.web) / mediana(cargas.herramienta);
  console.log('first visit, ready (median of 11): tool page ' + mediana(cargas.herramienta) + ' ms, browser page ' +
    mediana(cargas.web) + ' ms, ' + veces.toFixed(2) + ' times (wanted: within 2.2; aim: 1.6); the page ' +
    Math.round(tamano / 1000) + ' KB; 64 values submitted and drawn in ' + a64.map(Math.round).join(', ') + ' ms');
  // The aims are 2.2 times the tool page's time (1.6 at best) and 100 ms;
  // the checks leave room, so that a busy machine does not fail them, and
  // catch a page grown slow.
  assert.ok(veces <= 3, 'ready within three times the tool page, not ' + veces.toFixed(2));
  assert.ok(mediana(a64) <= 200, '64 values drawn in ' + mediana(a64) + ' ms');

  assert.deepEqual(errores, []);
}

// ---- The keyboard, screen readers, the accessibility rules, and the
// browser page's form and address as a student uses them.

const pasoDe = (pagina) => pagina.evaluate(() => +document.getElementById('paso-texto').textContent.match(/\d+/)[0]);
const reproduce = (pagina) => pagina.evaluate(() => /Pausa/.test(document.getElementById('boton-reproducir').textContent));
const sinFoco = (pagina) => pagina.evaluate(() => document.activeElement.blur());

// Tab through every control: each shows its focus and does its own job with
// its keys, not the page's; the page's keys work where no control uses them.
async function pruebeTeclado(pagina) {
  await sinFoco(pagina);
  const foco = () => pagina.evaluate(() => {
    const el = document.activeElement, estilo = getComputedStyle(el);
    return el === document.body ? null : {
      tipo: el.type || el.tagName, nombre: el.id || el.getAttribute('aria-label') || el.textContent.trim(),
      valor: +el.value, max: +el.max, estado: [el.checked, el.parentNode.open], anillo: el.matches(':focus-visible') &&
        (parseFloat(estilo.outlineWidth) > 0 && estilo.outlineStyle !== 'none' || estilo.boxShadow !== 'none')
    };
  });
  const vistos = [];
  for (let f; (f = await pagina.keyboard.press('Tab').then(foco)) !== null && !vistos.includes(f.nombre);) {
    const paso = await pasoDe(pagina), donde = f.nombre;
    vistos.push(donde);
    assert.ok(f.anillo, donde + ' shows its focus');
    if (f.tipo === 'checkbox' || f.tipo === 'SUMMARY') {
      await pagina.keyboard.press(' ');
      assert.deepEqual([(await foco()).estado, await pasoDe(pagina), await reproduce(pagina)],
        [f.estado.map((x) => (x === undefined ? x : !x)), paso, false], donde);
      await pagina.keyboard.press(f.tipo === 'checkbox' ? ' ' : 'Enter');
      assert.deepEqual((await foco()).estado, f.estado, donde + ', again');
    } else if (f.tipo === 'button' || f.tipo === 'submit') {
      await pagina.evaluate(() => {
        window.pulsado = false;
        document.activeElement.addEventListener('click', () => { window.pulsado = true; }, { once: true });
      });
      await pagina.keyboard.press(' ');
      assert.ok(await pagina.evaluate(() => window.pulsado), donde + ' pressed');
      if (donde === 'boton-pantalla') {
        await pagina.waitForFunction(() => document.fullscreenElement !== null &&
          document.activeElement.textContent === 'Salir de pantalla completa');
        await pagina.keyboard.press(' ');
        await pagina.waitForFunction(() => document.fullscreenElement === null &&
          document.activeElement.textContent === 'Pantalla completa');
      }
      if (await reproduce(pagina)) { await pagina.keyboard.press(' '); }
    } else if (f.tipo === 'range') {
      for (const [tecla, valor] of [['End', f.max], ['Home', 0], ['ArrowRight', 1], ['ArrowLeft', 0]]) {
        await pagina.keyboard.press(tecla);
        assert.deepEqual([(await foco()).valor, await pasoDe(pagina)],
          [valor, donde === 'posicion' ? valor : paso], donde + ', ' + tecla);
      }
      await pagina.locator('#' + donde).fill(String(f.valor));
    }
  }
  assert.ok(vistos.length >= 17, vistos.join(', '));
  // The page's keys on a button, a check box, a slider (which uses no space
  // and no letter) and the page itself.
  const M = await pagina.evaluate(() => +document.getElementById('posicion').max);
  for (const [donde, tecla, esperado] of [['#boton-adelante', 'Home', 0], ['#boton-adelante', 'ArrowRight', 1],
    ['#sonido', 'End', M], ['#sonido', 'ArrowLeft', M - 1], ['#velocidad', 'i', 0], ['#velocidad', ' ', true],
    ['#velocidad', ' ', false], ['body', 'f', M]]) {
    await (donde === 'body' ? sinFoco(pagina) : pagina.focus(donde));
    await pagina.keyboard.press(tecla);
    assert.equal(await (esperado === +esperado ? pasoDe : reproduce)(pagina), esperado, tecla + ' on ' + donde);
  }
  await sinFoco(pagina);
}

// What a screen reader finds: the boxes' names, the sliders' values, the
// current line, and the live region's words, at most about once a second
// while playing. The address follows the step, at once after a step and
// at least once a second while playing.
async function pruebeLector(pagina, datos) {
  const m = Modelo.cree(datos), todas = datos.estrategias.map((_, s) => s);
  for (const [i, info] of datos.paneles.entries()) {
    const nombre = 'Panel ' + (i + 1) + ': ' + datos.contenedores[info.contenedor].nombre + ', ' +
      datos.estrategias[info.estrategia].nombre;
    assert.equal(await pagina.getByRole('checkbox', { name: nombre, exact: true }).count(), 1, nombre);
  }
  const velocidad = async (v) => { await pagina.locator('#velocidad').fill(v); await sinFoco(pagina); };
  await velocidad('4');
  await pagina.keyboard.press('Home');
  for (let k = 0; k < 40; k++) { await pagina.keyboard.press('ArrowRight'); }
  assert.deepEqual(await pagina.evaluate(() => [window.location.hash, document.getElementById('anuncio').textContent,
    ...['posicion', 'velocidad'].map((id) => document.getElementById(id).getAttribute('aria-valuetext')),
    [...document.querySelectorAll('[aria-current]')].filter((l) => l.hasAttribute('data-actual')).length,
    document.querySelectorAll('[data-actual]').length]),
  ['#paso=40', Modelo.anuncio(m, 40, todas, false), 'Paso 40 de ' + m.M, '20 pasos por segundo', 3, 3]);
  // From the start to the end at 100 steps a second.
  await velocidad('6');
  await pagina.keyboard.press('Home');
  await pagina.evaluate(() => {
    const anuncio = document.getElementById('anuncio'), ahora = () => performance.now();
    const escriba = window.history.replaceState.bind(window.history);
    window.registro = { anuncios: [], direcciones: [[ahora()]] };
    new MutationObserver(() => window.registro.anuncios.push([ahora(), anuncio.textContent]))
      .observe(anuncio, { childList: true, characterData: true, subtree: true });
    window.history.replaceState = (...a) => { window.registro.direcciones.push([ahora()]); escriba(...a); };
  });
  await pagina.keyboard.press(' ');
  await pagina.waitForFunction(() => window.location.hash === '#fin', null, { timeout: 20000 });
  const registro = await pagina.evaluate(() => window.registro);
  const huecos = (lista) => lista.slice(1).map((x, i) => Math.round(x[0] - lista[i][0]));
  const durante = registro.anuncios.slice(0, -1);
  console.log('while playing, the address written every ' + huecos(registro.direcciones).join(', ') +
    ' ms, the step said every ' + huecos(durante).join(', ') + ' ms');
  assert.ok(durante.every((a) => /^Paso \d+ de \d+$/.test(a[1])) && huecos(durante).every((h) => h >= 950) &&
    registro.anuncios.pop()[1] === Modelo.anuncio(m, m.M, todas, false), JSON.stringify(registro.anuncios));
  // Every 800 ms: a machine too busy to draw its frames may pass a second,
  // and pass on a run again.
  assert.ok(registro.direcciones.length >= 3 && huecos(registro.direcciones).every((h) => h <= 1000) &&
    huecos(registro.direcciones.slice(1)).slice(0, -1).every((h) => h >= 750));
}

// axe-core's WCAG 2.1 A and AA rules, at a desktop's size and a phone's,
// folded and with the input and the report unfolded.
async function pruebeAxe(navegadorAbierto, direccion) {
  for (const tamano of [{ width: 1280, height: 720 }, { width: 390, height: 844 }]) {
    const pagina = await navegadorAbierto.newPage({ viewport: tamano });
    await pagina.goto(direccion);
    await pagina.waitForSelector('body[data-estado="listo"]');
    await pagina.addScriptTag({ path: path.join(raiz, 'node_modules', 'axe-core', 'axe.min.js') });
    for (const desplegado of [false, true]) {
      await pagina.evaluate((d) => document.querySelectorAll('details').forEach((e) => { e.open = d; }), desplegado);
      const [violaciones, cumplidas] = await pagina.evaluate(() => window.axe.run(document, {
        runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] }
      }).then((r) => [r.violations.map((v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', ')),
        r.passes.length]));
      assert.deepEqual([violaciones, cumplidas > 10], [[], true],
        'axe at ' + tamano.width + 'x' + tamano.height + (desplegado ? ', unfolded' : ''));
    }
    await pagina.close();
  }
}

// The browser page's form and address: spaces after commas, new values at
// each "Ordenar" with no seed, messages about the form's fields, a reload,
// and a mistyped link kept in the form and the address, with no view
// beside its error, not even once the window is resized.
async function pruebeFormulario(pagina, web) {
  const campos = () => pagina.evaluate(() =>
    ['entrada', 'n', 'semilla', 'valores'].map((c) => document.getElementById('formulario').elements[c].value));
  const error = () => pagina.evaluate(() => document.querySelector('[data-error]').textContent);
  const envie = async (valores) => {
    await pagina.selectOption('#formulario [name="entrada"]', 'aleatoria');
    for (const [campo, valor] of [['n', '20'], ['semilla', ''], ['valores', valores]]) {
      await pagina.locator('#formulario [name="' + campo + '"]').fill(valor);
    }
    await pagina.click('#formulario [type="submit"]');
    return pagina.evaluate(() => [window.Traza.datos(), window.location.hash]);
  };
  assert.deepEqual((await envie('7, 3, 3'))[0].entrada, [7, 3, 3]);
  await pagina.evaluate(() => { window.location.hash = 'valores=9,%201,%205'; });
  await pagina.waitForFunction(() => window.location.hash === '#valores=9,1,5');
  const sorteos = [await envie(''), await envie('')];
  assert.notDeepEqual(sorteos[0][0].entrada, sorteos[1][0].entrada, 'new values at each Ordenar');
  sorteos.forEach(([datos, direccion]) => assert.equal(direccion, '#entrada=aleatoria&n=20&semilla=' + datos.semilla));
  assert.deepEqual([await campos(), await pagina.textContent('#comando-semilla')],
    [['aleatoria', '20', '', ''], sorteos[1][0].comando_semilla]);
  // 700,000 values are more than the module's stack would hold as text.
  for (const [valores, mensaje] of [[Array(65).fill(1).join(','), 'ERROR: «valores» admite de 2 a 64 valores, no 65'],
    [Array(700000).fill(1).join(','), 'ERROR: «valores» admite de 2 a 64 valores, no 700000'],
    ['1, 99999999999', 'ERROR: «valores» admite enteros de -2147483648 a 2147483647, no "99999999999"']]) {
    await envie(valores);
    assert.equal(await error(), mensaje);
  }
  // The address follows a step at once; a reload shows the same view and
  // step.
  const antes = (await envie(''))[0];
  for (let k = 0; k < 3; k++) { await pagina.keyboard.press('ArrowRight'); }
  assert.match(await pagina.evaluate(() => window.location.hash), /^#paso=3&entrada=/);
  await pagina.reload();
  await pagina.waitForSelector('body[data-estado="listo"]');
  assert.deepEqual([await pasoDe(pagina), await pagina.evaluate(() => window.Traza.datos()), await campos()],
    [3, antes, ['aleatoria', '20', '', '']]);
  // A mistyped link, opened afresh, then mended in the form.
  await pagina.goto('about:blank');
  await pagina.goto(web + '#valores=7,3,x&paso=2');
  await pagina.waitForSelector('body[data-estado="error"]');
  await pagina.setViewportSize({ width: 800, height: 600 });
  await pagina.keyboard.press('ArrowRight');
  await espereCuadros(pagina);
  assert.deepEqual([await error(), (await campos())[3], await pagina.evaluate(() =>
    [window.location.hash, window.Traza.datos(), document.querySelectorAll('section[data-estrategia]').length])],
  ['ERROR: «valores» debe ser una lista de enteros separados por comas, como 7,3,3; "x" no es un entero',
   '7,3,x', ['#valores=7,3,x&paso=2', null, 0]]);
  await pagina.setViewportSize({ width: 1024, height: 768 });
  assert.equal((await envie('7,3,3'))[1], '#valores=7,3,3');
}

async function main() {
  const navegadorAbierto = await chromium.launch({
    executablePath: navegador,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync']
  });
  await (modo === '--web' ? pruebeWeb : pruebeTraza)(navegadorAbierto);
  await navegadorAbierto.close();
  console.log('1 passed, 0 failed');
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
