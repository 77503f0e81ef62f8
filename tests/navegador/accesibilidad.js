// The browser tests' checks of the keyboard, of what a screen reader
// finds, and of axe-core's accessibility rules.
'use strict';

const assert = require('node:assert/strict');
const path = require('node:path');
const Modelo = require('../cargue.js')('modelo');
const Palabras = require('../cargue.js')('palabras');
const { raiz, porOmision, pasoDe, reproduce, sinFoco, vayaAlPaso } = require('./arnes.js');

// Tab through every control: each shows its focus and does its own job with
// its keys, not the page's; the page's keys work where no control uses them.
async function pruebeTeclado(pagina) {
  // The panels' boxes fold out: open, Tab reaches them too.
  await pagina.evaluate(() => { document.getElementById('eleccion').open = true; });
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
  // Pressed by a pointer, a button, a box or a summary leaves the keys to
  // the page: the space plays and pauses, and the control stays as the
  // press left it (full screen too).
  const estados = () => pagina.evaluate(() => [document.getElementById('sonido').checked,
    document.getElementById('eleccion').open, document.fullscreenElement !== null]);
  for (const donde of ['#boton-inicio', '#sonido', '#eleccion summary', '#boton-pantalla']) {
    await pagina.click(donde);
    const pulsado = await estados();
    await pagina.keyboard.press(' ');
    assert.deepEqual([await reproduce(pagina), await estados()], [true, pulsado], 'space after a press on ' + donde);
    await pagina.keyboard.press(' ');
    assert.equal(await reproduce(pagina), false, 'and again, on ' + donde);
  }
  await pagina.click('#boton-pantalla');
  await pagina.waitForFunction(() => document.fullscreenElement === null);
  // Esc folds the panels' table, and so does a click outside it.
  await pagina.click('#eleccion summary');
  await pagina.keyboard.press('Escape');
  assert.equal((await estados())[1], false, 'Esc folds the table');
  await pagina.click('#eleccion summary');
  await pagina.mouse.click(5, await pagina.evaluate(() => innerHeight - 5));
  assert.deepEqual((await estados()).slice(1), [false, false], 'Esc and a click outside fold the table');
  // The header's boxes unfold in it, pushing the controls down, which
  // still work; Esc folds them and leaves the focus on their summary.
  for (const caja of await pagina.evaluate(() => [...document.querySelectorAll('#cabecera details')].map((d) => d.id))) {
    await pagina.click('#' + caja + ' summary');
    const [abajo, controles] = await pagina.evaluate((id) => [document.querySelector('#' + id + ' .desplegado')
      .getBoundingClientRect().bottom, document.getElementById('controles').getBoundingClientRect().top], caja);
    assert.ok(abajo <= controles, caja + ' unfolds above the controls');
    const antes = await pasoDe(pagina);
    await pagina.click('#boton-adelante');
    assert.equal(await pasoDe(pagina), antes + 1, caja + ': Adelante, with it unfolded');
    await pagina.evaluate((id) => (document.querySelector('#' + id + ' .desplegado button') ||
      document.querySelector('#' + id + ' summary')).focus(), caja);
    await pagina.keyboard.press('Escape');
    assert.deepEqual(await pagina.evaluate((id) => [document.getElementById(id).open,
      document.activeElement === document.querySelector('#' + id + ' summary')], caja), [false, true], caja + ', Esc');
  }
  await sinFoco(pagina);
}

// What a screen reader finds: the boxes' names, the sliders' values, the
// current line, and the live region's words, at most about once a second
// while playing. The address follows the step, at once after a step and
// at least once a second while playing.
async function pruebeLector(pagina, datos) {
  // The page opens with the default view: the demonstration's strategies.
  const { m, mostradas: todas, M } = porOmision(datos);
  // The code blocks with a line lit at step 40, as the model reads the
  // recording.
  const codigo = JSON.parse(await pagina.evaluate(() => document.getElementById('codigo').textContent));
  const lineas40 = m.estrategias.filter((e) =>
    Modelo.lineaActual(e, Modelo.estadoEn(e, 40), Modelo.lineasMostradas(codigo[e.nombre])) !== null).length;
  // Each panel's box is named after its strategy's display name and its
  // container, and its number in the report, and its row after the
  // strategy.
  await pagina.evaluate(() => { document.getElementById('eleccion').open = true; });
  for (const [i, info] of datos.paneles.entries()) {
    const e = datos.estrategias[info.estrategia];
    const nombre = e.visible + ' sobre ' + datos.contenedores[info.contenedor].nombre + ', panel ' + (i + 1);
    assert.equal(await pagina.getByRole('checkbox', { name: nombre, exact: true }).count(), 1, nombre);
    assert.equal(await pagina.getByRole('rowheader', { name: e.visible, exact: true }).count(), 1, e.visible);
  }
  await pagina.evaluate(() => { document.getElementById('eleccion').open = false; });
  // The default view again, whatever the keys above chose ("Todos" last).
  await pagina.evaluate(() => { window.location.hash = ''; });
  await pagina.waitForFunction((n) => document.querySelectorAll('section.panel:not([hidden])').length === n,
    Modelo.panelesPorOmision(datos).length);
  const velocidad = async (v) => { await pagina.locator('#velocidad').fill(v); await sinFoco(pagina); };
  await velocidad('4');
  await pagina.keyboard.press('Home');
  for (let k = 0; k < 40; k++) { await pagina.keyboard.press('ArrowRight'); }
  // Presses that follow each other are said, and written to the address,
  // at their pace: the whole step once they pause.
  await pagina.waitForFunction((t) => document.getElementById('anuncio').textContent === t &&
    window.location.hash === '#paso=40', Palabras.anuncio(m, 40, todas, false));
  assert.deepEqual(await pagina.evaluate(() => [window.location.hash, document.getElementById('anuncio').textContent,
    ...['posicion', 'velocidad'].map((id) => document.getElementById(id).getAttribute('aria-valuetext')),
    [...document.querySelectorAll('[aria-current]')].filter((l) => l.hasAttribute('data-actual')).length,
    document.querySelectorAll('[data-actual]').length]),
  ['#paso=40', Palabras.anuncio(m, 40, todas, false), 'Paso 40 de ' + M, '20 pasos por segundo', lineas40, lineas40]);
  await velocidad('0');
  assert.deepEqual(await pagina.evaluate(() => [document.getElementById('velocidad-texto').textContent,
    document.getElementById('velocidad').getAttribute('aria-valuetext')]), ['1 paso/s', '1 paso por segundo']);
  // The last 250 steps at 100 steps a second, from an address written.
  await velocidad('6');
  await vayaAlPaso(pagina, Math.max(0, M - 250));
  // Each write noted when the page makes it, on its own clock: an
  // observer would note it only once the frame that wrote it is drawn.
  await pagina.evaluate(() => {
    const dibujo = window.Traza.dibujo, ahora = () => performance.now();
    const texto = dibujo.texto, escriba = window.history.replaceState.bind(window.history);
    window.registro = { anuncios: [], direcciones: [[ahora()]] };
    dibujo.texto = (el, valor) => {
      if (el.id === 'anuncio' && el.textContent !== valor) { window.registro.anuncios.push([ahora(), valor]); }
      texto(el, valor);
    };
    window.history.replaceState = (...a) => { window.registro.direcciones.push([ahora()]); escriba(...a); };
  });
  await pagina.keyboard.press(' ');
  await pagina.waitForFunction(() => window.location.hash === '#velocidad=100&fin', null, { timeout: 20000 });
  const registro = await pagina.evaluate(() => window.registro);
  const huecos = (lista) => lista.slice(1).map((x, i) => Math.round(x[0] - lista[i][0]));
  const durante = registro.anuncios.slice(0, -1);
  console.log('while playing, the address written every ' + huecos(registro.direcciones).join(', ') +
    ' ms, the step said every ' + huecos(durante).join(', ') + ' ms');
  // At most once a second, with room for a pause of the page's between
  // reading its clock and writing the words.
  assert.ok(durante.every((a) => /^Paso \d+ de \d+$/.test(a[1])) && huecos(durante).every((h) => h >= 950) &&
    registro.anuncios.pop()[1] === Palabras.anuncio(m, M, todas, false), JSON.stringify(registro.anuncios));
  // Every 250 ms while playing, and written more than once: over the
  // writes made while playing (the last, at the end, comes at once), no
  // more than one per 230 ms on average. Each is noted when it happens, a
  // little after the page read its clock, by as much as a busy machine
  // keeps the page waiting, so one gap alone may look shorter; how much
  // later a busy machine writes is its load's, printed above (modelo_test.js
  // checks the pace on a clock of its own).
  const escritas = registro.direcciones.slice(1, -1);
  assert.ok(escritas.length >= 2 &&
    escritas.length - 1 <= (escritas[escritas.length - 1][0] - escritas[0][0]) / 230, JSON.stringify(registro.direcciones));
}

// axe-core's WCAG 2.1 A and AA rules, at a desktop's size and a phone's,
// folded and with the input and the report unfolded: direccion opened
// afresh in pagina at each size, which is left at its own size, folded.
async function pruebeAxe(pagina, direccion) {
  const antes = pagina.viewportSize();
  for (const tamano of [{ width: 1280, height: 720 }, { width: 390, height: 844 }]) {
    await pagina.setViewportSize(tamano);
    await pagina.goto(direccion);
    await pagina.reload();
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
  }
  await pagina.evaluate(() => document.querySelectorAll('details').forEach((e) => { e.open = false; }));
  await pagina.setViewportSize(antes);
}

module.exports = { pruebeTeclado, pruebeLector, pruebeAxe };
