// The cost chart below the panels (see modelo.js for the parts and how
// they share): plots against the step, one line per strategy, and a legend.
// construya builds it for a model of the data, at the width it has, and
// builds it again when that width changes; dibuje moves its mark to step K.
(function () {
  'use strict';

  const Dibujo = window.Traza.dibujo;
  const SVG = 'http://www.w3.org/2000/svg';

  function $(id) { return document.getElementById(id); }

  function svg(etiqueta, atributos, padre) {
    const e = document.createElementNS(SVG, etiqueta);
    Object.keys(atributos).forEach((a) => e.setAttribute(a, atributos[a]));
    padre.appendChild(e);
    return e;
  }

  // Round steps for an axis from 0 to tope: 1, 2 or 5 times a power of ten.
  function marcas(tope) {
    const crudo = Math.max(tope / 3, 1);
    const potencia = Math.pow(10, Math.floor(Math.log10(crudo)));
    const paso = [1, 2, 5, 10].map((f) => f * potencia).find((s) => s >= crudo);
    const lista = [];
    for (let v = 0; v <= tope; v += paso) { lista.push(v); }
    return lista;
  }

  // Strategy s's line: its colour and, as a second cue, its dash and
  // width, the widest under the others where they overlap.
  function trazo(s) {
    return { stroke: Dibujo.color(s), 'stroke-dasharray': window.Traza.modelo.trazo(s),
             'stroke-width': Math.max(1.4, 3.2 - s * 0.7) };
  }

  // Plots against the step, side by side where each has room, else one
  // under the other: the pairs still out of order, the same in every
  // container, then for each container that pays links to reach a
  // position, the links it has followed: for the strategies numbered in
  // mostradas, up to the step where the longest of them ends. The chart is
  // drawn ancho units wide, one unit a pixel of its width, so that its text
  // keeps its size.
  function construyaGrafico(m, ancho, mostradas) {
    const estrategias = mostradas.map((s) => m.estrategias[s]);
    const grafico = $('grafico');
    grafico.replaceChildren();
    const series = [{ titulo: 'Pares aún fuera de orden (inversiones)', serie: (e) => e.inversiones }];
    m.datos.contenedores.forEach((contenedor) => {
      const porPosicion = contenedor.enlaces_por_posicion;
      if (porPosicion > 0) {
        const enlaces = new Map(estrategias.map((e) => [e, e.enlaces.map((x) => x * porPosicion)]));
        series.push({ titulo: contenedor.etiqueta + ': enlaces seguidos', serie: (e) => enlaces.get(e) });
      }
    });
    grafico.setAttribute('aria-label', series.map((plano) => plano.titulo).join('; ') + ', por paso');
    const ALTO = 170, ARRIBA = 24, ABAJO = 30, IZQUIERDA = 58, HUECO = 30, DERECHA = 14;
    const columnas = Math.max(1, Math.min(series.length, Math.floor((ancho + HUECO) / 380)));
    const filas = Math.ceil(series.length / columnas);
    grafico.setAttribute('viewBox', '0 0 ' + ancho + ' ' + ALTO * filas);
    const anchoPlano = (ancho - (IZQUIERDA + HUECO) * columnas + HUECO - DERECHA) / columnas;
    const alto = ALTO - ARRIBA - ABAJO;
    const M = window.Traza.modelo.ultimoPaso(m, mostradas);
    return series.map((plano, indice) => {
      const x0 = IZQUIERDA + (indice % columnas) * (anchoPlano + IZQUIERDA + HUECO);
      const arriba = ALTO * Math.floor(indice / columnas), y0 = arriba + ALTO - ABAJO;
      const valor = (e, k) => plano.serie(e)[Math.min(k, e.total)];
      const tope = Math.max(1, Math.max.apply(null, estrategias.map(
        (e) => Math.max.apply(null, plano.serie(e)))));
      const x = (k) => x0 + (M === 0 ? 0 : k / M * anchoPlano);
      const y = (v) => y0 - v / tope * alto;
      svg('text', { x: x0 - IZQUIERDA + 8, y: arriba + 14, 'class': 'titulo' }, grafico).textContent = plano.titulo;
      marcas(tope).forEach((v) => {
        svg('line', { x1: x0, x2: x0 + anchoPlano, y1: y(v), y2: y(v), 'class': v === 0 ? 'eje' : 'guia' }, grafico);
        svg('text', { x: x0 - 5, y: y(v) + 4, 'text-anchor': 'end' }, grafico).textContent = v;
      });
      marcas(M).forEach((k) => {
        svg('text', { x: x(k), y: y0 + 15, 'text-anchor': 'middle' }, grafico).textContent = k;
      });
      svg('line', { x1: x0, x2: x0, y1: arriba + ARRIBA, y2: y0, 'class': 'eje' }, grafico);
      svg('text', { x: x0 + anchoPlano, y: y0 + 28, 'text-anchor': 'end' }, grafico).textContent = 'paso';
      const salto = Math.max(1, Math.ceil(M / 500));
      estrategias.forEach((e, i) => {
        const s = mostradas[i], pasos = [];
        for (let k = 0; k < M; k += salto) { pasos.push(k); }
        pasos.push(M, e.total);
        pasos.sort((a, b) => a - b);
        svg('polyline', Object.assign(trazo(s), {
          points: pasos.map((k) => x(k).toFixed(1) + ',' + y(valor(e, k)).toFixed(1)).join(' '),
          'stroke-opacity': 0.9
        }), grafico);
      });
      const marca = svg('line', { y1: arriba + ARRIBA, y2: y0, 'class': 'marca' }, grafico);
      const puntos = mostradas.map((s) => svg('circle',
        { r: 4, fill: Dibujo.color(s), stroke: window.Traza.modelo.aspecto.colores.tarjeta, 'stroke-width': 1.5 },
        grafico));
      return { x: x, y: y, valor: valor, marca: marca, puntos: puntos, estrategias: estrategias };
    });
  }

  function construyaLeyenda(m, mostradas) {
    const leyenda = $('leyenda');
    leyenda.replaceChildren();
    mostradas.forEach((s) => {
      const e = m.estrategias[s];
      const item = Dibujo.elemento('span', 'mono');
      const muestra = svg('svg', { width: 26, height: 8, viewBox: '0 0 26 8', 'aria-hidden': 'true' }, item);
      svg('line', Object.assign(trazo(s), { x1: 0, x2: 26, y1: 4, y2: 4 }), muestra);
      item.appendChild(document.createTextNode(
        e.visible + ' (' + (e.falla ? 'detenida tras ' + window.Traza.palabras.plural(e.hechas, 'llamada', 'llamadas')
          : window.Traza.palabras.plural(e.total, 'operación', 'operaciones')) + ')'));
      leyenda.appendChild(item);
    });
  }

  // The chart of the page, one at a time, and the width in pixels that it
  // last had on the page as its observer saw it: a chart built for new data
  // takes that width, without laying the page out to measure it.
  let observador = null;
  let anchoVisto = null;

  // The chart and legend of model m for the strategies numbered in
  // mostradas; returns what dibuje draws on. Once laid out, the chart is
  // drawn again at the step last shown whenever its width changes.
  function construya(m, mostradas) {
    construyaLeyenda(m, mostradas);
    const grafico = { m: m, K: 0, ancho: anchoVisto === null ? 1000 : anchoVisto };
    grafico.planos = construyaGrafico(m, grafico.ancho, mostradas);
    if (observador !== null) { observador.disconnect(); }
    if (window.ResizeObserver) {
      // Drawn in the next frame rather than in the observer's call, whose
      // new height would otherwise be a change it cannot report.
      // A chart replaced by then is left alone.
      let pendiente = false;
      const propio = new ResizeObserver((cambios) => {
        anchoVisto = Math.max(280, Math.round(cambios[cambios.length - 1].contentRect.width));
        if (pendiente) { return; }
        pendiente = true;
        window.requestAnimationFrame(() => {
          pendiente = false;
          if (observador !== propio || anchoVisto === grafico.ancho) { return; }
          grafico.ancho = anchoVisto;
          grafico.planos = construyaGrafico(m, grafico.ancho, mostradas);
          dibuje(m, grafico, grafico.K);
        });
      });
      observador = propio;
      observador.observe($('grafico'));
    }
    return grafico;
  }

  // Moves each plot's mark and points to step K, on what construya
  // returned.
  function dibuje(m, grafico, K) {
    grafico.K = K;
    grafico.planos.forEach((plano) => {
      const x = plano.x(K);
      plano.marca.setAttribute('x1', x);
      plano.marca.setAttribute('x2', x);
      plano.estrategias.forEach((e, i) => {
        plano.puntos[i].setAttribute('cx', x);
        plano.puntos[i].setAttribute('cy', plano.y(plano.valor(e, K)));
      });
    });
  }

  window.Traza.grafico = { construya: construya, dibuje: dibuje };
}());
