// What the browser tests share: writing a page with the command-line tool,
// reading what each panel shows, and checking it against the page's own
// model of the recording; the fit of the first screen; and a few small
// readings of the controls. The test's arguments are read here, once:
//
// node traza_pagina_test.js ORDENAMIENTO_TRAZA BROWSER SCRATCH_FOLDER [--web PAGE]
'use strict';

const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const Modelo = require('../../trace/pagina/modelo.js');

const [traza, navegador, carpeta, modo, paginaWeb] = process.argv.slice(2);
const raiz = path.join(__dirname, '..', '..');

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

// The data a page written by the command-line tool carries.
function datosNativos(opciones) {
  const html = execFileSync(traza, opciones.concat(['-o', '-'])).toString();
  return JSON.parse(html.match(/<script type="application\/json" id="datos">(.*?)<\/script>/s)[1]);
}

function mediana(valores) { return valores.slice().sort((a, b) => a - b)[Math.floor(valores.length / 2)]; }

const pasoDe = (pagina) => pagina.evaluate(() => +document.getElementById('paso-texto').textContent.match(/\d+/)[0]);
const reproduce = (pagina) => pagina.evaluate(() => /Pausa/.test(document.getElementById('boton-reproducir').textContent));
const sinFoco = (pagina) => pagina.evaluate(() => document.activeElement.blur());

module.exports = {
  argumentos: { traza, navegador, carpeta, modo, paginaWeb }, raiz, escriba, operaciones, esperado, lea,
  lineasActuales, compruebe, espereCuadros, compruebeAjuste, datosNativos, mediana, pasoDe, reproduce, sinFoco
};
