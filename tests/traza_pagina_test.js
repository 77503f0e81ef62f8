// Drives the replay page in a headless Chromium or Google Chrome as a person
// would, through playwright-core, and checks what it shows against the
// recording the page carries. With --web, drives the browser page instead
// (the same replay page, recording with the project's code compiled to
// WebAssembly) and checks it against the command-line tool's recordings.
//
// node traza_pagina_test.js ORDENAMIENTO_TRAZA BROWSER SCRATCH_FOLDER [--web PAGE]
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const { pathToFileURL } = require('node:url');
const { chromium } = require('playwright-core');
const Modelo = require('./cargue.js')('modelo');
const Palabras = require('./cargue.js')('palabras');
const {
  argumentos, escriba, operaciones, demostracion, porOmision, lea, compruebe, espereCuadros, compruebeAjuste, datosNativos,
  mediana, pasoDe, sinFoco
} = require('./navegador/arnes.js');
const { compruebePantallas, compruebeColores, compruebeImpresion } = require('./navegador/pantallas.js');
const { pruebeTeclado, pruebeLector, pruebeAxe } = require('./navegador/accesibilidad.js');
const { pruebeLaminas } = require('./navegador/laminas.js');
const { pruebePractica, pruebePracticaWeb } = require('./navegador/practica.js');

const { navegador, modo, paginaWeb } = argumentos;

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
  // The steps span the strategies shown: at first the demonstration's.
  const M = porOmision(datos).M;
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
  const ayuda = await pagina.textContent('#opciones .ayuda');
  assert.match(ayuda, /Inicio\/Fin o I\/F/);
  assert.match(await pagina.textContent('#detalles'), new RegExp('Las ' + datos.estrategias.length + ' estrategias ordenan'));
  // The demonstration's strategies' display names, with their accents, as
  // the tool writes them, and each strategy's row of boxes named after its
  // own.
  assert.deepEqual(datos.estrategias.slice(0, 3).map((e) => e.visible), ['Burbuja', 'Burbuja optimizada', 'Selección']);
  assert.deepEqual(await pagina.evaluate(() => [...document.querySelectorAll('#casillas tbody th')].map((th) => th.textContent)),
    datos.estrategias.map((e) => e.visible));
  await pagina.waitForFunction(() => window.location.hash === '');
  await pagina.check('#sonido');
  await pagina.locator('#velocidad').fill('9');
  await pagina.keyboard.press(' ');
  // (The speed slider writes its speed in the address.)
  await pagina.waitForFunction(() => window.location.hash === '#velocidad=1000&fin');
  assert.equal(await paso(), M, 'played to the end');
  await pagina.keyboard.press('Home');
  await pagina.locator('#velocidad').fill('0');
  await pagina.keyboard.press(' ');
  await pagina.keyboard.press(' ');
  const parado = await paso();
  await pagina.waitForTimeout(1200);
  assert.equal(await paso(), parado, 'the second space pauses');

  // The demonstration's odd panels alone: the first of each strategy's
  // row.
  const todos = await lea(pagina);
  const propios = demostracion(datos);
  const impares = 'paneles=' + propios.filter((n) => n % 2 === 1).join(',');
  await abra(a20 + '#' + impares + '&paso=40&otra=1');
  const elegidos = await lea(pagina);
  elegidos.forEach((panel, i) => {
    assert.equal(panel.visible, propios.includes(i + 1) && i % 2 === 0, 'panel ' + (i + 1) + ' shown');
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
  await pagina.click('#eleccion summary');
  assert.equal(await pagina.textContent('#eleccion summary'), 'Paneles: ' + propios.filter((n) => n % 2 === 1).length +
    ' de ' + datos.paneles.length);
  await pagina.click('#casillas button:text-is("' + datos.contenedores[lista].etiqueta + '")');
  assert.deepEqual((await lea(pagina)).map((p) => p.visible), datos.paneles.map((info) => info.contenedor === lista));
  // All the panels: the address names them unless they are the default
  // view's, and the step stays.
  await pagina.click('#casillas button:text-is("Todos")');
  const todosEnDireccion = propios.length === datos.paneles.length ? ''
    : 'paneles=' + datos.paneles.map((_, i) => i + 1).join(',') + '&';
  await pagina.waitForFunction((h) => window.location.hash === h, '#' + todosEnDireccion + 'paso=41&otra=1');
  // With more strategies than the demonstration's, a button goes back to
  // its panels, the default view, which the address does not name.
  if (todosEnDireccion !== '') {
    await pagina.click('#casillas button:text-is("Demostración")');
    await pagina.waitForFunction(() => window.location.hash === '#paso=41&otra=1');
  }
  await pagina.click('#eleccion summary');

  // The steps span the strategies shown: boxes that leave only the
  // demonstration's shortest strategy move the step from the end to its
  // end; a longer one shown again leaves the step where it is, and the
  // slider and "Fin" reach the longest shown.
  await abra(a20 + '#fin');
  const totales = datos.estrategias.map((e) => e.ops.length);
  const breve = [0, 1, 2].reduce((a, s) => (totales[s] < totales[a] ? s : a), 0);
  const larga = [0, 1, 2].reduce((a, s) => (totales[s] > totales[a] ? s : a), 0);
  await pagina.click('#eleccion summary');
  for (const n of propios.filter((n) => datos.paneles[n - 1].estrategia !== breve)) {
    await pagina.click('#casillas input[value="' + n + '"]');
  }
  assert.deepEqual([await paso(), await pagina.evaluate(() => +document.getElementById('posicion').max)],
    [totales[breve], totales[breve]], 'the shortest strategy alone');
  await pagina.click('#casillas input[value="' + propios.find((n) => datos.paneles[n - 1].estrategia === larga) + '"]');
  assert.deepEqual([await paso(), await pagina.evaluate(() => +document.getElementById('posicion').max)],
    [totales[breve], totales[larga]], 'a longer one again');
  await pagina.click('#boton-fin');
  assert.equal(await paso(), totales[larga]);
  await abra(a20 + '#fin');
  const fin = await compruebe(pagina, datos, M, '#fin');
  fin.filter((panel) => panel.visible).forEach((panel, i) => {
    const total = datos.estrategias[datos.paneles[i].estrategia].ops.length;
    assert.deepEqual(panel.valores, datos.entrada.slice().sort((a, b) => a - b));
    assert.match(panel.estado, new RegExp('^Terminado tras ' + operaciones(total) + '(;|$)'));
  });
  // The default view, with no panels named, is the demonstration's, and
  // fits; so does any choice of up to six panels: one of each of six
  // strategies, and two of one and one of each of four more, where the
  // registry has them.
  await abra(a20 + '#fin');
  assert.deepEqual((await lea(pagina)).map((p) => p.visible), datos.paneles.map((_, i) => propios.includes(i + 1)));
  // (1280x633: a maximised window under a browser's bars.)
  for (const tamano of [{ width: 1024, height: 768 }, { width: 1280, height: 720 }, { width: 1280, height: 633 }]) {
    const medida = await compruebeAjuste(pagina, tamano, 'N = 20 at ' + tamano.width + 'x' + tamano.height);
    medida.cifras.forEach((c) => assert.equal(c.cuantas, 20, 'N = 20, labels'));
  }
  const primero = (s, c) => datos.paneles.findIndex((info) => info.estrategia === s && info.contenedor === c) + 1;
  const cuantas = Math.min(6, datos.estrategias.length);
  const elecciones = [Array.from({ length: cuantas }, (_, s) => primero(s, s % 2)),
    [primero(0, 0), primero(0, 1)].concat(Array.from({ length: Math.min(4, cuantas - 1) }, (_, s) => primero(s + 1, 1)))];
  for (const eleccion of elecciones) {
    await abra(a20 + '#paneles=' + eleccion.join(',') + '&paso=60');
    for (const tamano of [{ width: 1024, height: 768 }, { width: 1280, height: 720 }]) {
      await compruebeAjuste(pagina, tamano, 'panels ' + eleccion + ' at ' + tamano.width + 'x' + tamano.height);
    }
  }

  // ---- Text for a room at 1024x768: up to three panels with large text
  // fit, their labels, call and code at 20 px or more; without the code
  // the bars take its room; the controls and the address say the same.
  await pagina.setViewportSize({ width: 1024, height: 768 });
  const sala = () => pagina.evaluate(() => {
    const vistos = (selector) => [...document.querySelectorAll(selector)].filter((el) => el.getClientRects().length > 0);
    const paneles = vistos('section.panel');
    return { hash: window.location.hash, casillas: [document.getElementById('texto-grande').checked,
      document.getElementById('ver-codigo').checked], codigo: vistos('.codigo').length,
    talla: Math.min(...vistos('.cifra, .estado, .codigo [data-linea]').map((el) => parseFloat(getComputedStyle(el).fontSize))),
    fuera: paneles.filter((s) => s.getBoundingClientRect().bottom > innerHeight || s.getBoundingClientRect().right > innerWidth).length,
    barras: Math.round(paneles[0].querySelector('.barras').getBoundingClientRect().height) };
  });
  for (const paneles of ['1,11', '1,3,5']) {
    await abra(a20 + '#paneles=' + paneles + '&paso=60&texto=grande');
    await espereCuadros(pagina);
    const grande = await sala();
    assert.deepEqual([grande.casillas, grande.talla >= 20, grande.fuera, grande.codigo > 0], [[true, true], true, 0, true], paneles);
    await pagina.click('#ver-codigo');
    await espereCuadros(pagina);
    const sinCodigo = await sala();
    assert.deepEqual([sinCodigo.hash, sinCodigo.codigo, sinCodigo.fuera, sinCodigo.barras > grande.barras],
      ['#paneles=' + paneles + '&texto=grande&codigo=no&paso=60', 0, 0, true], paneles);
  }
  await pagina.click('#texto-grande');
  await espereCuadros(pagina);
  assert.deepEqual([(await sala()).hash, (await sala()).talla < 20], ['#paneles=1,3,5&codigo=no&paso=60', true]);

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
  console.log('a step drawn in ' + media.toFixed(3) + ' ms (the mean over every step of 64 values, the default view)');
  assert.ok(media < 4, 'a step takes ' + media + ' ms to draw');
  await pagina.keyboard.press('Home');
  await pagina.waitForFunction(() => window.location.hash === '');
  await pagina.locator('#velocidad').fill('9');
  const antes = Date.now();
  await pagina.keyboard.press(' ');
  await pagina.waitForFunction(() => window.location.hash === '#velocidad=1000&fin', null, { timeout: 60000 });
  const nominal = porOmision(datos).M;
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
  const M331 = porOmision(datos).M;
  for (let K = 0; K <= M331; K++) {
    await pagina.evaluate((k) => { window.location.hash = 'paso=' + k; }, K);
    await pagina.waitForFunction((k) => document.querySelector('#paso-texto').textContent.startsWith('Paso ' + k + ' '), K);
    await compruebe(pagina, datos, K, '3,3,1 at step ' + K);
  }
  // Each label is its value with, for a repeated one, which of its
  // occurrences in the input it is: at the end, 1 3₁ 3₂ for the bubble
  // sorts, which keep equal values in order, and 1 3₂ 3₁ for selection sort;
  // a screen reader and a copy get words, "3, segunda vez", and each panel's
  // heading in words.
  const ocurrencias = Modelo.cree(datos).ocurrencias;
  (await lea(pagina)).forEach((panel, i) => {
    const vez = (p) => ocurrencias[panel.origenes[p]];
    assert.deepEqual([panel.cifras, panel.leidas], [panel.valores.map((v, p) => String(v) + (vez(p) || '')),
      panel.valores.map((v, p) => String(v) + (vez(p) ? ', ' + Palabras.vez(vez(p)) : ''))], '3,3,1, labels of panel ' + (i + 1));
  });
  const arbol = await pagina.locator('section.panel').first().ariaSnapshot();
  const uno = datos.paneles[0];
  assert.ok(arbol.includes('heading "Panel 1: ' + datos.estrategias[uno.estrategia].nombre + ' sobre ' +
    datos.contenedores[uno.contenedor].nombre + '"') && /listitem: 3 ?, primera vez/.test(arbol) && !/<<</.test(arbol),
  arbol);

  // ---- Counts agree in number.
  datos = await abra(escriba('v12', ['--valores', '1,2']) + '#paso=1');
  const conEnlaces = datos.paneles.findIndex((info) => datos.contenedores[info.contenedor].enlaces_por_posicion > 0);
  assert.match((await lea(pagina))[conEnlaces].estado, / = 1 enlace$/);
  await abra(escriba('v12', ['--valores', '1,2']) + '#fin');
  assert.match((await lea(pagina))[0].estado, /^Terminado tras 1 operación$/);
  assert.ok((await pagina.textContent('#leyenda')).includes(datos.estrategias[0].visible + ' (1 operación)'));

  // ---- Values left out of order: the first strategy's recording cut
  // short, loaded as a page loads its data. At its last call and at the
  // end its panels and the live region say where the order breaks, with a
  // ">" between each pair (the bars' look is checked with the others').
  const corta = JSON.parse(JSON.stringify(await abra(a20))), primera = corta.estrategias[0];
  const mitad = Math.floor(primera.ops.length / 2);
  primera.ops = primera.ops.slice(0, mitad);
  primera.lineas = primera.lineas.slice(0, mitad);
  const mCorta = Modelo.cree(corta);
  assert.equal(mCorta.estrategias[0].ordenado, false, 'half a sort leaves 20 drawn values out of order');
  await pagina.evaluate((d) => { window.location.hash = 'paso=' + d.paso; window.Traza.cargue(d.datos); },
    { datos: corta, paso: mitad });
  await compruebe(pagina, corta, mitad, 'cut short, at its last call');
  assert.equal(await pagina.textContent('#anuncio'), Palabras.anuncio(mCorta, mitad, porOmision(corta).mostradas));
  await pagina.keyboard.press('End');
  await compruebe(pagina, corta, porOmision(corta).M, 'cut short, at the end');
  const mayores = await pagina.evaluate(() => [...document.querySelectorAll('[data-descenso="primera"]')]
    .filter((c) => getComputedStyle(c, '::after').content === '">"').length);
  assert.equal(mayores, 2 * mCorta.estrategias[0].descensos.length, 'a ">" for each descent in both panels');

  // ---- Other screens, colour and paper.
  await compruebePantallas(navegadorAbierto, async (otra, n, resto) => {
    await otra.goto(escriba('a' + n, ['--entrada', 'aleatoria', '--n', String(n), '--semilla', '5']) + '#' + resto);
    await otra.waitForSelector('body[data-estado="listo"]');
  }, [20, 64]);
  await abra(a20 + '#paso=40');
  await compruebeColores(pagina);
  await compruebeImpresion(pagina);
  // Six strategies' panels, their rows two to a line, and 64 values print
  // on one page too.
  for (const otra of [a20 + '#paneles=' + elecciones[0].join(',') + '&paso=60',
    escriba('n64', ['--entrada', 'invertida', '--n', '64']) + '#paso=40']) {
    await abra(otra);
    await compruebeImpresion(pagina);
  }

  // ---- Heap sort's array as a tree, from the address and by its control:
  // each node a level below its parent and on its side, its value under
  // it, each pointer under its node; the panel's other parts as checked.
  datos = await abra(a20);
  const monticulo = datos.paneles.findIndex((info) => info.contenedor === 0 &&
    datos.estrategias[info.estrategia].nombre === 'Ordenador_Monticulo') + 1;
  if (monticulo > 0) {
    await abra(a20 + '#paneles=' + monticulo + '&paso=60&arbol=' + monticulo);
    await compruebe(pagina, datos, 60, 'a tree');
    const arbol = await pagina.evaluate(() => {
      const s = document.querySelector('section.en-arbol'), centro = (el) => {
        const r = el.getBoundingClientRect();
        return { x: (r.left + r.right) / 2, y: (r.top + r.bottom) / 2 };
      };
      return { nodos: [...s.querySelectorAll('.columna')].map(centro), cifras: [...s.querySelectorAll('.cifra')].map(centro),
        punteros: [...s.querySelectorAll('.puntero:not([hidden])')].map((x) => ({ x: centro(x).x,
          posicion: +x.title.split(' en la posición ')[1] })),
        pulsado: s.querySelector('.boton-arbol').getAttribute('aria-pressed') };
    });
    assert.equal(arbol.pulsado, 'true');
    arbol.nodos.forEach((nodo, k) => {
      const padre = arbol.nodos[(k - 1) >> 1], cifra = arbol.cifras[k];
      assert.ok(k === 0 || (nodo.y > padre.y + 20 && (k % 2 === 1 ? nodo.x < padre.x : nodo.x > padre.x)), 'node ' + k);
      assert.ok(Math.abs(cifra.x - nodo.x) < 2 && cifra.y > nodo.y, 'the value under node ' + k);
    });
    assert.ok(arbol.punteros.length > 0 && arbol.punteros.every((x) => Math.abs(x.x - arbol.nodos[x.posicion].x) < 2));
    const boton = 'section[data-panel="' + monticulo + '"] .boton-arbol';
    await pagina.click(boton);
    await pagina.waitForFunction(() => !/arbol=/.test(window.location.hash) && !document.querySelector('.en-arbol'));
    await pagina.click(boton);
    await pagina.waitForFunction((x) => window.location.hash.includes('&arbol=' + x + '&'), monticulo);
  }

  await abra(a20);
  await pruebeTeclado(pagina);
  await pruebeLector(pagina, datos);
  // With one array drawn as a tree.
  await pruebeAxe(navegadorAbierto, a20 + '#arbol=' + demostracion(datos)[0]);
  errores.push(...await pruebeLaminas(navegadorAbierto, a20 + '#paso=40&hasta=60', true));
  errores.push(...await pruebePractica(navegadorAbierto, escriba('cinco', ['--valores', '3,1,2,5,4']),
    escriba('n64', ['--entrada', 'invertida', '--n', '64'])));
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
  await compruebe(pagina, datos, porOmision(datos).M, 'address, at the end');
  assert.deepEqual(await formulario(), ['invertida', '12', '5', '']);
  // The fit, for the default view: the demonstration's panels, with no
  // panels named.
  const propios = demostracion(datos);
  assert.equal(await pagina.evaluate(() => document.querySelectorAll('section[data-estrategia]:not([hidden])').length),
    propios.length);
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
  await compruebe(pagina, datos, porOmision(datos).M, 'form, 3,3,1 at the end');
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
  errores.push(...await pruebeLaminas(navegadorAbierto, web + '#entrada=invertida&n=12&semilla=5&paso=40', false));
  await pruebePracticaWeb(navegadorAbierto, web);

  // ---- Other screens, 65 values' error line included, and paper.
  await compruebePantallas(navegadorAbierto, async (otra, n, resto) => {
    await otra.goto(web + '#valores=' + Array.from({ length: n }, (_, k) => (k * 37) % 101 - 50).join(',') + '&' + resto);
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
    await pagina.check('#formulario [name="origen"][value="' + (valores === '' ? 'sorteo' : 'valores') + '"]');
    await pagina.click('#formulario [type="submit"]');
    return pagina.evaluate(() => [window.Traza.datos(), window.location.hash]);
  };
  assert.deepEqual((await envie('7, 3, 3'))[0].entrada, [7, 3, 3]);
  // Values given by a link, then a shape and a count typed: the form's
  // choice follows what is typed, and what is drawn is what it shows.
  await pagina.evaluate(() => { window.location.hash = 'valores=5,3,9,1&paso=2'; });
  await pagina.waitForFunction(() => window.Traza.datos().entrada.join() === '5,3,9,1');
  const eleccion = () => pagina.evaluate(() => document.getElementById('formulario').elements.origen.value);
  assert.equal(await eleccion(), 'valores');
  await pagina.selectOption('#formulario [name="entrada"]', 'invertida');
  await pagina.locator('#formulario [name="n"]').fill('30');
  await pagina.click('#formulario [type="submit"]');
  const dibujados = await pagina.evaluate(() => window.Traza.datos());
  assert.deepEqual([await eleccion(), dibujados.origen, dibujados.entrada.length], ['sorteo', 'invertida', 30]);
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
    [window.location.hash, window.Traza.datos(), document.querySelectorAll('section[data-estrategia]').length,
     getComputedStyle(document.getElementById('costos')).display])],
  ['ERROR: «valores» debe ser una lista de enteros separados por comas, como 7,3,3; "x" no es un entero',
   '7,3,x', ['#valores=7,3,x&paso=2', null, 0, 'none']]);
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

