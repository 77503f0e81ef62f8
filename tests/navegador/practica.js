// The browser tests' checks of practice: a whole run by pointer with one
// wrong pick, then again by keyboard, on a link that opens in practice; at
// 64 values on a phone, the row of positions to pick from; and on the
// browser page, a run with no exchange, and "Otra vez" with new values.
'use strict';

const assert = require('node:assert/strict');

const espere = (pagina) => pagina.waitForSelector('section.panel:not([hidden]) .columna[role="button"], ' +
  '.practica .botones button:not([hidden]):text-is("Otra vez")');
const texto = (pagina, selector) => pagina.textContent('.practica ' + selector);

// Answers every exchange of the first panel shown at direccion: by pointer,
// the second of them wrong, or by keyboard, moving along the bars with the
// arrows and picking with Enter and space.
async function practique(pagina, cambios, porTeclado) {
  for (const [i, par] of cambios.entries()) {
    await espere(pagina);
    assert.match(await texto(pagina, '.indicacion'), /^¿Qué dos posiciones intercambia ahora\?/);
    // Nothing gives the answer away: the step shown is the one before it,
    // a comparison without its answer, and no bar looks picked.
    assert.doesNotMatch(await pagina.textContent('section.panel:not([hidden]) .estado'), /Intercambie|→/);
    assert.deepEqual(await pagina.evaluate(() => [...document.querySelectorAll('section.panel:not([hidden]) .columna')]
      .filter((c) => getComputedStyle(c).outlineStyle === 'solid').length), 0);
    // A right pick before says so on screen.
    const antes = cambios[i - 1];
    assert.equal(await texto(pagina, '.acierto'), i === 0 || (!porTeclado && i === 2) ? ''
      : 'Sí: ' + (antes[0] === antes[1] ? 'intercambia la posición ' + antes[0] + ' consigo misma.'
        : 'intercambia las posiciones ' + antes[0] + ' y ' + antes[1] + '.'));
    // Nor do the variables, which point at the pair asked.
    assert.deepEqual(await pagina.evaluate(() => [...new Set([...document.querySelectorAll(
      'section.panel:not([hidden]) :is(.punteros, .vigilancia)')].map((x) => getComputedStyle(x).visibility))]), ['hidden']);
    const mal = !porTeclado && i === 1, n = await pagina.locator('section.panel:not([hidden]) .columna').count();
    const elegidas = mal ? [(par[0] + 1) % n, (par[0] + 2) % n] : [par[1], par[0]];
    for (const [k, q] of elegidas.entries()) {
      if (porTeclado) {
        const desde = await pagina.evaluate(() => [...document.activeElement.parentNode.querySelectorAll('.columna')]
          .indexOf(document.activeElement));
        for (let d = desde; d !== q; d += q > desde ? 1 : -1) {
          await pagina.keyboard.press(q > desde ? 'ArrowRight' : 'ArrowLeft');
        }
        await pagina.keyboard.press(k === 0 ? 'Enter' : ' ');
      } else {
        await pagina.click('section.panel:not([hidden]) .columna >> nth=' + q);
      }
    }
    if (mal) {
      // Wrong: the right pair shown and said, its line lit, until Enter.
      assert.equal(await texto(pagina, '.indicacion'), 'No: ' + (par[0] === par[1]
        ? 'intercambia la posición ' + par[0] + ' consigo misma.' : 'intercambia las posiciones ' + par[0] + ' y ' + par[1] + '.'));
      assert.deepEqual(await pagina.evaluate(() => [[...document.querySelectorAll('[data-respuesta]')]
        .map((c) => [...c.parentNode.querySelectorAll('.columna')].indexOf(c)),
      /Intercambie/.test(document.querySelector('[data-actual]').textContent),
      /Aciertos: \d+ de 2/.test(document.getElementById('anuncio').textContent)]),
      [[...new Set(par)].sort((a, b) => a - b), true, true]);
      await pagina.keyboard.press('Enter');
    }
  }
  await pagina.waitForSelector('.practica .botones button:not([hidden]):text-is("Otra vez")');
}

async function pruebePractica(navegadorAbierto, direccion, n64) {
  const pagina = await navegadorAbierto.newPage({ viewport: { width: 1024, height: 768 } });
  const errores = [];
  pagina.on('pageerror', (error) => errores.push(String(error)));
  await pagina.goto(direccion + '#paneles=2&practica');
  await pagina.waitForSelector('.practica');
  // The strategy's code in view, and the disabled controls drawn so.
  assert.deepEqual(await pagina.evaluate(() => {
    const r = document.querySelector('.codigo').getBoundingClientRect();
    return [r.top >= 0 && r.top < innerHeight, getComputedStyle(document.getElementById('boton-reproducir')).borderStyle];
  }), [true, 'dashed']);
  await pagina.locator('#velocidad').fill('9');
  const datos = await pagina.evaluate(() => window.Traza.datos());
  const cambios = datos.estrategias[datos.paneles[1].estrategia].ops.filter((op) => op.length === 2);
  assert.ok(cambios.length >= 3, 'an input with exchanges to ask');
  // The step controls wait, and the page's keys with them.
  assert.deepEqual(await pagina.evaluate(() => ['boton-adelante', 'posicion', 'boton-fin']
    .map((id) => document.getElementById(id).disabled)), [true, true, true]);
  await practique(pagina, cambios, false);
  const comparaciones = datos.estrategias[datos.paneles[1].estrategia].ops.length - cambios.length;
  assert.equal(await texto(pagina, '.indicacion'), 'Terminado: ' + (cambios.length - 1) + ' aciertos de ' +
    cambios.length + ' intercambios, tras ' + comparaciones + ' comparaciones.');
  await pagina.click('.practica button:text-is("Otra vez")');
  assert.equal(await texto(pagina, '.puntuacion'), 'Aciertos: 0 de 0');
  await practique(pagina, cambios, true);
  assert.equal(await texto(pagina, '.puntuacion'), 'Aciertos: ' + cambios.length + ' de ' + cambios.length);
  // Esc leaves at the step reached, the step controls back.
  await pagina.keyboard.press('Escape');
  assert.deepEqual(await pagina.evaluate(() => [document.querySelector('.practica'), window.location.hash,
    document.getElementById('boton-adelante').disabled]), [null, '#paneles=2&velocidad=1000&fin', false]);
  await pagina.close();
  // At 64 values on a phone the bars are narrower than a finger: a row of
  // positions of 24 px or more picks the same.
  const contexto = await navegadorAbierto.newContext({ viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true });
  const telefono = await contexto.newPage();
  await telefono.goto(n64 + '#paneles=1&practica');
  await espere(telefono);
  const botones = await telefono.evaluate(() => [...document.querySelectorAll('.selector button')]
    .filter((b) => b.getClientRects().length > 0).map((b) => Math.min(b.offsetWidth, b.offsetHeight)));
  assert.ok(botones.length === 64 && botones.every((x) => x >= 24), 'positions to tap: ' + botones);
  // The play button, disabled, is not drawn filled as it is when it can be pressed.
  assert.equal(...await telefono.evaluate(() => ['boton-reproducir', 'boton-adelante']
    .map((id) => getComputedStyle(document.getElementById(id)).backgroundColor)));
  await contexto.close();
  return errores;
}

// On the browser page: sorted values, on which bubble sort exchanges
// nothing, say so; "Otra vez" draws new values of that shape.
async function pruebePracticaWeb(navegadorAbierto, web) {
  const pagina = await navegadorAbierto.newPage({ viewport: { width: 1024, height: 768 } });
  await pagina.goto(web + '#entrada=ordenada&n=8&semilla=3&paneles=1&practica');
  await pagina.waitForSelector('.practica .botones button:not([hidden]):text-is("Otra vez")');
  assert.equal(await texto(pagina, '.indicacion'),
    'Esta estrategia no hizo ningún intercambio: 28 comparaciones la llevaron al final.');
  const antes = await pagina.evaluate(() => window.Traza.datos().semilla);
  await pagina.click('.practica button:text-is("Otra vez")');
  await pagina.waitForFunction((s) => window.Traza.datos().semilla !== s && document.querySelector('.practica'), antes);
  const direccion = await pagina.evaluate(() => window.location.hash);
  assert.ok(/entrada=ordenada&n=8&semilla=\d+/.test(direccion) && /[#&]practica(&|$)/.test(direccion), direccion);
  await pagina.close();
}

module.exports = { pruebePractica, pruebePracticaWeb };
