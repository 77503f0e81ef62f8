// The browser test's part "pasos": a page of 20 drawn values stepped by
// keys, buttons and the address, with choices of panels and their fit to
// the window; then 32 and 64 values, a step's cost and the top speed.
'use strict';

const assert = require('node:assert/strict');
const {
  escriba, abra: abraEn, operaciones, demostracion, porOmision, lea, compruebe, compruebeAjuste, sinFoco,
  espereCuadros, vayaAlPaso, pasoDe
} = require('./arnes.js');

// The choices of up to six panels whose fit is promised: one of each of six
// strategies, and two of one and one of each of four more, where the
// registry has them.
function elecciones(datos) {
  const primero = (s, c) => datos.paneles.findIndex((info) => info.estrategia === s && info.contenedor === c) + 1;
  const cuantas = Math.min(6, datos.estrategias.length);
  return [Array.from({ length: cuantas }, (_, s) => primero(s, s % 2)),
    [primero(0, 0), primero(0, 1)].concat(Array.from({ length: Math.min(4, cuantas - 1) }, (_, s) => primero(s + 1, 1)))];
}

// In pagina, a tab of 1024x768 (arnes.js's pestana), whose script errors
// the caller checks.
async function pruebePasos(pagina) {
  const abra = (direccion) => abraEn(pagina, direccion);
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
  // fits; so does any choice of up to six panels (elecciones).
  await abra(a20 + '#fin');
  assert.deepEqual((await lea(pagina)).map((p) => p.visible), datos.paneles.map((_, i) => propios.includes(i + 1)));
  // (1280x633: a maximised window under a browser's bars.)
  for (const tamano of [{ width: 1024, height: 768 }, { width: 1280, height: 720 }, { width: 1280, height: 633 }]) {
    const medida = await compruebeAjuste(pagina, tamano, 'N = 20 at ' + tamano.width + 'x' + tamano.height);
    medida.cifras.forEach((c) => assert.equal(c.cuantas, 20, 'N = 20, labels'));
  }
  // A step whose call takes more lines than the step the bars were
  // fitted at: the bars give up the room, all alike.
  await abra(a20 + '#paso=40');
  await pagina.keyboard.press('End');
  await compruebeAjuste(pagina, { width: 1280, height: 633 }, 'from step 40 to the end at 1280x633');
  // (Five or six strategies' panels, two strategies to a line, are too
  // narrow and short for a quicksort's list panel at some steps: its last
  // line may be cut, as the README says.)
  for (const eleccion of elecciones(datos)) {
    await abra(a20 + '#paneles=' + eleccion.join(',') + '&paso=60');
    for (const tamano of [{ width: 1024, height: 768 }, { width: 1280, height: 720 }]) {
      await compruebeAjuste(pagina, tamano, 'panels ' + eleccion + ' at ' + tamano.width + 'x' + tamano.height, false);
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
    fuera: paneles.filter((s) => s.getBoundingClientRect().bottom > innerHeight || s.getBoundingClientRect().right > innerWidth ||
      s.scrollHeight > s.clientHeight + 1).length,
    barras: Math.round(paneles[0].querySelector('.barras').getBoundingClientRect().height) };
  });
  for (const paneles of ['1,11', '1,2,4', '1,3,5']) {
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
  // (Their three rows of labels leave a list panel too little room at
  // some steps: its last line may be cut, as the README says.)
  for (const n of [32, 64]) {
    await pagina.setViewportSize({ width: 1024, height: 768 });
    datos = await abra(escriba('n' + n, ['--entrada', 'invertida', '--n', String(n)]) + '#paso=3');
    const medida = await compruebeAjuste(pagina, { width: 1024, height: 768 }, 'N = ' + n, false);
    medida.cifras.forEach((c) => assert.equal(c.cuantas, n === 32 ? 32 : 2, 'N = ' + n + ', labels'));
  }
  // What a step costs to draw, and how close the top speed, 1,000 steps a
  // second, several to a frame, comes to its pace: printed, as this machine's
  // load decides them (bench/medida_paginas.js measures them apart).
  // (The last thousand steps, then played again from the first of them.)
  const ultimo = porOmision(datos).M, desde = Math.max(0, ultimo - 1000);
  const media = await pagina.evaluate((d) => {
    const posicion = document.getElementById('posicion'), inicio = performance.now();
    for (let k = d; k <= +posicion.max; k++) {
      posicion.value = k;
      posicion.dispatchEvent(new Event('input'));
    }
    return (performance.now() - inicio) / (+posicion.max + 1 - d);
  }, desde);
  console.log('a step drawn in ' + media.toFixed(3) + ' ms (the mean over the last ' + (ultimo + 1 - desde) +
    ' steps of 64 values, the default view)');
  await vayaAlPaso(pagina, desde);
  await pagina.locator('#velocidad').fill('9');
  await sinFoco(pagina);
  const antes = Date.now();
  await pagina.keyboard.press(' ');
  await pagina.waitForFunction(() => window.location.hash === '#velocidad=1000&fin', null, { timeout: 60000 });
  const nominal = ultimo - desde, jugado = Date.now() - antes;
  console.log('played ' + nominal + ' steps in ' + jugado + ' ms, ' + (jugado / nominal).toFixed(2) +
    ' times the nominal 1 ms a step');

  // Playing all the panels, the first moves on while the last, out of the
  // window, waits; scrolled into view it shows the step played; paused, all do.
  const n = datos.paneles.length, pasoDelPanel = (p) => pagina.getAttribute(`section[data-panel="${p}"]`, 'data-paso').then(Number);
  await pagina.evaluate((t) => { location.hash = '#paneles=' + t + '&velocidad=100&paso=3'; }, datos.paneles.map((_, i) => i + 1));
  await pagina.click('#boton-reproducir');
  await pagina.waitForFunction(() => +document.querySelector('section[data-panel="1"]').dataset.paso > 20);
  assert.equal(await pasoDelPanel(n), 3, 'playing, the last panel, out of the window, waits');
  await pagina.locator('section[data-panel="' + n + '"]').scrollIntoViewIfNeeded();
  const visto = await pasoDe(pagina);
  await espereCuadros(pagina);
  assert.ok(await pasoDelPanel(n) >= visto, 'playing, the last panel, scrolled into view, shows the step');
  await pagina.click('#boton-reproducir');
  await compruebe(pagina, datos, await pasoDe(pagina), 'paused after play, all the panels');
}

module.exports = { pruebePasos, elecciones };
