// The browser test's part "valores": what particular inputs show (negative
// values, equal values at every step, counts of one, values left out of
// order) and heap sort's array as a tree; and, for one strategy alone, its
// panels at every step of a short input and along a longer one.
'use strict';

const assert = require('node:assert/strict');
const Modelo = require('../cargue.js')('modelo');
const Palabras = require('../cargue.js')('palabras');
const { escriba, pestana, abra: abraEn, porOmision, lea, compruebe } = require('./arnes.js');

// In pagina, a tab of 1024x768 (arnes.js's pestana), whose script errors
// the caller checks.
async function pruebeValores(pagina) {
  const abra = (direccion) => abraEn(pagina, direccion);
  const a20 = escriba('a20', ['--entrada', 'aleatoria', '--n', '20', '--semilla', '5']);

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
  let datos = await abra(escriba('v331', ['--valores', '3,3,1']));
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
    if (!panel.visible) { return; }
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
  const mayores = await pagina.evaluate((nombre) => [...document.querySelectorAll('section[data-estrategia="' + nombre +
    '"] [data-descenso="primera"]')].filter((c) => getComputedStyle(c, '::after').content === '">"').length, primera.nombre);
  assert.equal(mayores, 2 * mCorta.estrategias[0].descensos.length, 'a ">" for each descent in both panels');

  // ---- Strategies stopped, as the tool writes them: one that never ends,
  // of which the page keeps the first calls, and one that asks for a
  // position out of range; each replayed up to where it was stopped, its
  // panels, the chart's key and the live region saying so at its end.
  const detenidas = JSON.parse(JSON.stringify(corta)), [eterna, fuera] = detenidas.estrategias;
  Object.assign(eterna, { falla: 'no termina: más de 9000 llamadas con 20 valores', hechas: 9000 });
  Object.assign(fuera, { ops: fuera.ops.slice(0, 7), lineas: fuera.lineas.slice(0, 7),
    falla: 'usa la posición 20, y solo hay de 0 a 19' });
  await pagina.evaluate((d) => { window.location.hash = 'fin'; window.Traza.cargue(d); }, detenidas);
  const mDetenidas = Modelo.cree(detenidas), alFin = porOmision(detenidas).M;
  await compruebe(pagina, detenidas, alFin, 'stopped, at the end');
  assert.ok((await pagina.textContent('#leyenda')).includes(eterna.visible + ' (detenida tras 9000 llamadas)'));
  assert.equal(await pagina.textContent('#anuncio'), Palabras.anuncio(mDetenidas, alFin, porOmision(detenidas).mostradas));

  // ---- A link that names what the page does not have: a line under the
  // step bar says so, and the address is corrected to what is shown. The
  // last panel shown cannot be unticked.
  datos = await abra(a20);
  const paso = async () => +(await pagina.textContent('#paso-texto')).match(/\d+/)[0];
  const cuantos = datos.paneles.length, aviso = () => pagina.textContent('#aviso');
  for (const [pide, queda, dicho] of [
    ['paneles=' + (cuantos + 1) + ',' + (cuantos + 2), '', 'No hay paneles ' + (cuantos + 1) + ' y ' + (cuantos + 2) +
      '; hay ' + cuantos + ': se muestran los paneles de inicio.'],
    ['paneles=1,99', '#paneles=1', 'No hay panel 99; hay ' + cuantos + '.'],
    // (Panel 2 is a list's.)
    ['paneles=1,2&arbol=1,2', '#paneles=1,2&arbol=1', 'No se dibuja como árbol el panel 2: solo los de un arreglo.'],
    ['paso=x&velocidad=3', '', 'No se entiende en la dirección: «paso=x» y «velocidad=3».'],
    ['paneles=1,2&paso=100000', '#paneles=1,2&fin', 'No hay paso 100000; el último es el ']]) {
    await abra(a20 + '#' + pide);
    assert.deepEqual([await pagina.evaluate(() => window.location.hash), (await aviso()).startsWith(dicho)],
      [queda, true], pide + ': ' + await aviso());
  }
  assert.match(await aviso(), new RegExp(' ' + await paso() + '\\.$'));
  await abra(a20 + '#paneles=1');
  await pagina.click('#eleccion summary');
  await pagina.click('#casillas input[value="1"]');
  assert.deepEqual([await pagina.isChecked('#casillas input[value="1"]'), (await lea(pagina))[0].visible, await aviso()],
    [true, true, 'El último panel mostrado no se quita: marque otro antes.']);
  await pagina.click('#casillas input[value="2"]');
  assert.deepEqual([(await lea(pagina)).slice(0, 2).map((p) => p.visible), await aviso()], [[true, true], '']);
  await pagina.click('#eleccion summary');
  // On a phone, either way up, the step bar stays at hand down to the
  // page's end.
  for (const [width, height] of [[390, 844], [844, 390]]) {
    await pagina.setViewportSize({ width: width, height: height });
    await pagina.evaluate(() => window.scrollTo(0, document.documentElement.scrollHeight));
    assert.deepEqual(await pagina.evaluate(() => [window.scrollY > 0, Math.round(document.getElementById('controles')
      .getBoundingClientRect().top)]), [true, 0], width + 'x' + height);
  }
  await pagina.setViewportSize({ width: 1024, height: 768 });


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
}

// Strategy nombre's panels alone, as its own check, on 3,3,1 and 20 drawn
// values: at every step of a recording of up to 100 calls, else at the
// first three, nine along the way and the last. A
// strategy that goes wrong is shown up to where it was stopped, so the page
// holds for it too.
async function pruebeEstrategia(navegadorAbierto, nombre) {
  const errores = [];
  const pagina = await pestana(navegadorAbierto, errores);
  for (const [archivo, opciones] of [['v331', ['--valores', '3,3,1']],
    ['a20', ['--entrada', 'aleatoria', '--n', '20', '--semilla', '5']]]) {
    const direccion = escriba(archivo, opciones);
    const datos = await abraEn(pagina, direccion);
    const s = datos.estrategias.findIndex((e) => e.nombre === nombre);
    assert.ok(s >= 0, nombre + ' is not among the page\'s strategies: ' + datos.estrategias.map((e) => e.nombre));
    const suyos = datos.paneles.map((info, i) => (info.estrategia === s ? i + 1 : 0)).filter((n) => n > 0);
    await abraEn(pagina, direccion + '#paneles=' + suyos.join(','));
    const M = datos.estrategias[s].ops.length;
    const pasos = M <= 100 ? Array.from({ length: M + 1 }, (_, K) => K)
      : [...new Set([0, 1, 2].concat(Array.from({ length: 9 }, (_, k) => Math.round(M * (k + 1) / 10)), [M]))];
    for (const K of pasos) {
      await pagina.evaluate((h) => { window.location.hash = h; }, 'paneles=' + suyos.join(',') + '&paso=' + K);
      await pagina.waitForFunction((k) => document.querySelector('#paso-texto').textContent.startsWith('Paso ' + k + ' '), K);
      await compruebe(pagina, datos, K, 'step ' + K, suyos);
    }
  }
  assert.deepEqual(errores, [], nombre + ': errors of the page\'s script');
}

module.exports = { pruebeValores, pruebeEstrategia };
