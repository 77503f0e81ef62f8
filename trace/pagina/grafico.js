// The cost chart below the panels (see modelo.js for the parts and how
// they share): plots against the step, one line per strategy, and a legend.
// construya builds it for a model of the data; dibuje moves its mark to
// step K.
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

  // Plots against the step, side by side: the pairs still out of order,
  // the same in every container, then for each container that pays links
  // to reach a position, the links it has followed.
  function construyaGrafico(m) {
    const grafico = $('grafico');
    grafico.replaceChildren();
    const series = [{ titulo: 'Pares aún fuera de orden (inversiones)', serie: (e) => e.inversiones }];
    m.datos.contenedores.forEach((contenedor) => {
      const porPosicion = contenedor.enlaces_por_posicion;
      if (porPosicion > 0) {
        const enlaces = new Map(m.estrategias.map((e) => [e, e.enlaces.map((x) => x * porPosicion)]));
        series.push({ titulo: contenedor.etiqueta + ': enlaces seguidos', serie: (e) => enlaces.get(e) });
      }
    });
    grafico.setAttribute('aria-label', series.map((plano) => plano.titulo).join('; ') + ', por paso');
    const ANCHO = 1000, ALTO = 170, ARRIBA = 24, ABAJO = 30, IZQUIERDA = 58, HUECO = 30, DERECHA = 14;
    const anchoPlano = (ANCHO - (IZQUIERDA + HUECO) * series.length + HUECO - DERECHA) / series.length;
    const y0 = ALTO - ABAJO, alto = ALTO - ARRIBA - ABAJO;
    const M = m.M;
    return series.map((plano, indice) => {
      const x0 = IZQUIERDA + indice * (anchoPlano + IZQUIERDA + HUECO);
      const valor = (e, k) => plano.serie(e)[Math.min(k, e.total)];
      const tope = Math.max(1, Math.max.apply(null, m.estrategias.map(
        (e) => Math.max.apply(null, plano.serie(e)))));
      const x = (k) => x0 + (M === 0 ? 0 : k / M * anchoPlano);
      const y = (v) => y0 - v / tope * alto;
      svg('text', { x: x0, y: 14, 'class': 'titulo' }, grafico).textContent = plano.titulo;
      marcas(tope).forEach((v) => {
        svg('line', { x1: x0, x2: x0 + anchoPlano, y1: y(v), y2: y(v), 'class': v === 0 ? 'eje' : 'guia' }, grafico);
        svg('text', { x: x0 - 5, y: y(v) + 4, 'text-anchor': 'end' }, grafico).textContent = v;
      });
      marcas(M).forEach((k) => {
        svg('text', { x: x(k), y: y0 + 15, 'text-anchor': 'middle' }, grafico).textContent = k;
      });
      svg('line', { x1: x0, x2: x0, y1: ARRIBA, y2: y0, 'class': 'eje' }, grafico);
      svg('text', { x: x0 + anchoPlano, y: y0 + 28, 'text-anchor': 'end' }, grafico).textContent = 'paso';
      const salto = Math.max(1, Math.ceil(M / 500));
      m.estrategias.forEach((e, s) => {
        const pasos = [];
        for (let k = 0; k < M; k += salto) { pasos.push(k); }
        pasos.push(M, e.total);
        pasos.sort((a, b) => a - b);
        svg('polyline', {
          points: pasos.map((k) => x(k).toFixed(1) + ',' + y(valor(e, k)).toFixed(1)).join(' '),
          stroke: Dibujo.color(s), 'stroke-width': 3.2 - s * 0.9, 'stroke-opacity': 0.9
        }, grafico);
      });
      const marca = svg('line', { y1: ARRIBA, y2: y0, 'class': 'marca' }, grafico);
      const puntos = m.estrategias.map((e, s) => svg('circle',
        { r: 4, fill: Dibujo.color(s), stroke: '#fff', 'stroke-width': 1.5 }, grafico));
      return { x: x, y: y, valor: valor, marca: marca, puntos: puntos };
    });
  }

  function construyaLeyenda(m) {
    const leyenda = $('leyenda');
    leyenda.replaceChildren();
    m.estrategias.forEach((e, s) => {
      const item = Dibujo.elemento('span', 'mono');
      const muestra = Dibujo.elemento('i');
      muestra.style.background = Dibujo.color(s);
      item.appendChild(muestra);
      item.appendChild(document.createTextNode(
        e.nombre + ' (' + Dibujo.plural(e.total, 'operación', 'operaciones') + ')'));
      leyenda.appendChild(item);
    });
  }

  // The chart and legend of model m; returns its plots, which dibuje draws
  // on.
  function construya(m) {
    construyaLeyenda(m);
    return construyaGrafico(m);
  }

  // Moves each plot's mark and points to step K.
  function dibuje(m, planos, K) {
    planos.forEach((plano) => {
      const x = plano.x(K);
      plano.marca.setAttribute('x1', x);
      plano.marca.setAttribute('x2', x);
      m.estrategias.forEach((e, s) => {
        plano.puntos[s].setAttribute('cx', x);
        plano.puntos[s].setAttribute('cy', plano.y(plano.valor(e, K)));
      });
    });
  }

  window.Traza.grafico = { construya: construya, dibuje: dibuje };
}());
