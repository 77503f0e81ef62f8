// The replay page's script. The data (the input and each strategy's
// recorded calls) come from the program in the element #datos, the text of
// each strategy's Ordene from the build in #codigo. What every panel shows
// at step K is derived from the recording alone, then drawn.
//
// window.Traza.cargue(datos) (re)builds the whole view from a data object
// of that shape; the page calls it once with its own data.
(function () {
  'use strict';

  const COLORES = ['#2f6db5', '#e0771f', '#2f9a4c'];
  const VELOCIDADES = [1, 2, 5, 10, 20, 50, 100, 200, 500, 1000];
  // Each strategy keeps its positions every FOTO_CADA steps, so that a step
  // is reached by replaying fewer calls than that.
  const FOTO_CADA = 256;
  // What the page calls each container, and whether it pays links.
  const CONTENEDORES = {
    Vector_Ordenable: { corto: 'Arreglo', enlaces: false },
    Lista_Ordenable: { corto: 'Lista', enlaces: true }
  };
  const SVG = 'http://www.w3.org/2000/svg';

  // ---- Words.

  function plural(n, uno, varios) {
    return n + ' ' + (n === 1 ? uno : varios);
  }

  function esComparacion(op) { return op.length === 3; }

  // The call in the order it was made: Es_Menor(i, j) asks whether the
  // value at i is less than the value at j.
  function describa(op, valores, esLista) {
    let texto = esComparacion(op)
      ? 'Es_Menor(' + op[0] + ', ' + op[1] + '): ' + valores[op[0]] + ' < ' +
        valores[op[1]] + ' → ' + (op[2] ? 'sí' : 'no')
      : 'Intercambie(' + op[0] + ', ' + op[1] + ')';
    if (esLista) {
      texto += ' · ' + op[0] + ' + ' + op[1] + ' = ' +
        plural(op[0] + op[1], 'enlace', 'enlaces');
    }
    return texto;
  }

  function textoDeEstado(e, estado, esLista) {
    if (estado.k === 0) {
      return 'Sin empezar: ' + plural(e.total, 'operación', 'operaciones') + ' en total';
    }
    if (estado.terminado) {
      return 'Terminado tras ' + plural(e.total, 'operación', 'operaciones') +
        (estado.op === null ? '' : '; la última, ' + describa(estado.op, estado.valores, esLista));
    }
    return 'Operación ' + estado.k + ' de ' + e.total + ': ' +
      describa(estado.op, estado.valores, esLista);
  }

  // ---- What follows from the recording.

  function intercambie(v, a, b) {
    const guarda = v[a];
    v[a] = v[b];
    v[b] = guarda;
  }

  // Pairs out of order: i < j with v[i] > v[j].
  function cuenteInversiones(v) {
    let cuenta = 0;
    for (let i = 0; i < v.length; i++) {
      for (let j = i + 1; j < v.length; j++) {
        if (v[i] > v[j]) { cuenta++; }
      }
    }
    return cuenta;
  }

  // How exchanging positions a and b of v changes its inversions: only the
  // pair itself and the pairs it forms with the positions between them.
  function cambioDeInversiones(v, a, b) {
    if (a === b) { return 0; }
    const i = Math.min(a, b), j = Math.max(a, b), x = v[i], y = v[j];
    let cambio = (y > x ? 1 : 0) - (x > y ? 1 : 0);
    for (let m = i + 1; m < j; m++) {
      const z = v[m];
      cambio += (y > z) + (z > x) - (x > z) - (z > y);
    }
    return cambio;
  }

  // One strategy's calls with the running counts after each of them, the
  // last step at which an exchange touched each position, and snapshots of
  // the values and of the positions they started at.
  function recorra(e, entrada) {
    const total = e.ops.length;
    const comparaciones = [0], intercambios = [0], enlaces = [0];
    const inversiones = [cuenteInversiones(entrada)];
    const ultimo = entrada.map(() => 0);
    const valores = entrada.slice(), origenes = entrada.map((_, p) => p);
    const fotos = [];
    e.ops.forEach((op, t) => {
      if (t % FOTO_CADA === 0) { fotos.push({ valores: valores.slice(), origenes: origenes.slice() }); }
      const c = esComparacion(op);
      comparaciones.push(comparaciones[t] + (c ? 1 : 0));
      intercambios.push(intercambios[t] + (c ? 0 : 1));
      enlaces.push(enlaces[t] + op[0] + op[1]);
      let inv = inversiones[t];
      if (!c) {
        inv += cambioDeInversiones(valores, op[0], op[1]);
        intercambie(valores, op[0], op[1]);
        intercambie(origenes, op[0], op[1]);
        ultimo[op[0]] = ultimo[op[1]] = t + 1;
      }
      inversiones.push(inv);
    });
    if (total % FOTO_CADA === 0) { fotos.push({ valores: valores, origenes: origenes }); }
    return { nombre: e.nombre, ops: e.ops, total: total, comparaciones: comparaciones,
             intercambios: intercambios, enlaces: enlaces, inversiones: inversiones,
             ultimo: ultimo, fotos: fotos };
  }

  // The values after the first k calls of e, and where each started.
  function posiciones(e, k) {
    const desde = Math.floor(k / FOTO_CADA) * FOTO_CADA;
    const foto = e.fotos[desde / FOTO_CADA];
    const valores = foto.valores.slice(), origenes = foto.origenes.slice();
    for (let t = desde; t < k; t++) {
      const op = e.ops[t];
      if (!esComparacion(op)) {
        intercambie(valores, op[0], op[1]);
        intercambie(origenes, op[0], op[1]);
      }
    }
    return { valores: valores, origenes: origenes };
  }

  // Strategy e at global step K: a strategy that has finished stays at its
  // end. op is the current call, shown until the step after the last one.
  function estadoEn(e, K) {
    const k = Math.min(K, e.total);
    const p = posiciones(e, k);
    return { k: k, valores: p.valores, origenes: p.origenes, terminado: K >= e.total,
             op: k > 0 && K <= e.total ? e.ops[k - 1] : null };
  }

  // A position is settled from the step after the last exchange that
  // touches it, and every position is once its strategy has finished.
  function asentada(e, estado, p) {
    return estado.terminado || estado.k > e.ultimo[p];
  }

  // For each starting position, which occurrence of its value it is
  // (1, 2, ...), or 0 where the value occurs once.
  function ocurrencias(entrada) {
    const vistas = new Map(), cuantas = new Map();
    entrada.forEach((v) => cuantas.set(v, (cuantas.get(v) || 0) + 1));
    return entrada.map((v) => {
      if (cuantas.get(v) === 1) { return 0; }
      vistas.set(v, (vistas.get(v) || 0) + 1);
      return vistas.get(v);
    });
  }

  // A bar rises from the zero line, or hangs below it for a negative
  // value: its style for each value of the input, made once, and where the
  // zero line stands.
  function estilosDeBarras(entrada, minimo, maximo) {
    const rango = Math.max(1, maximo - minimo);
    const porcentaje = (x) => (x / rango * 100).toFixed(2) + '%';
    const estilos = new Map();
    entrada.forEach((v) => estilos.set(v, 'height: ' + porcentaje(Math.abs(v)) + '; ' +
      (v >= 0 ? 'bottom: ' + porcentaje(-minimo) : 'top: ' + porcentaje(maximo))));
    return { estilos: estilos, cero: porcentaje(-minimo) };
  }

  function modelo(datos) {
    const estrategias = datos.estrategias.map((e) => recorra(e, datos.entrada));
    const minimo = Math.min(0, Math.min.apply(null, datos.entrada));
    const maximo = Math.max(0, Math.max.apply(null, datos.entrada));
    const barras = estilosDeBarras(datos.entrada, minimo, maximo);
    return {
      datos: datos,
      n: datos.entrada.length,
      estrategias: estrategias,
      M: Math.max.apply(null, estrategias.map((e) => e.total)),
      ocurrencias: ocurrencias(datos.entrada),
      repetidos: new Set(datos.entrada).size < datos.entrada.length,
      minimo: minimo,
      maximo: maximo,
      estilos: barras.estilos,
      cero: barras.cero
    };
  }

  // ---- State of the page.

  let m = null;            // the model of the data loaded
  let vista = null;        // the elements built for it
  let K = 0;               // the global step shown
  let eleccion = null;     // panel numbers shown, or null for all
  let tallaDelCodigo = null;  // the code's font and width, and for what
  let anchoDeColumnas = null; // each panel's bars' width, and for what
  let otras = [];          // parts of the address the page does not read
  const reproduccion = { activa: false, anterior: null, acumulado: 0 };
  let audio = null;

  function $(id) { return document.getElementById(id); }

  function elemento(etiqueta, clase, texto) {
    const e = document.createElement(etiqueta);
    if (clase) { e.className = clase; }
    if (texto !== undefined) { e.textContent = texto; }
    return e;
  }

  function svg(etiqueta, atributos, padre) {
    const e = document.createElementNS(SVG, etiqueta);
    Object.keys(atributos).forEach((a) => e.setAttribute(a, atributos[a]));
    padre.appendChild(e);
    return e;
  }

  // ---- Building the view.

  function construyaCabecera(datos) {
    $('entrada').textContent = '[' + datos.entrada.join(' ') + ']';
    $('descripcion').textContent = datos.descripcion +
      (datos.semilla === null ? '' : '; semilla ' + datos.semilla);
    $('comando').textContent = datos.comando;
    $('con-semilla').hidden = datos.comando_semilla === null;
    $('comando-semilla').textContent = datos.comando_semilla || '';
  }

  // The text of a strategy's Ordene, one element per line of its file.
  function construyaCodigo(nombre, codigo) {
    const bloque = elemento('div', 'codigo');
    bloque.setAttribute('data-codigo', nombre);
    bloque.appendChild(elemento('div', 'archivo', codigo.archivo));
    const lineas = {};
    codigo.lineas.forEach((texto, i) => {
      // The signature, the one long line, breaks after "::".
      const linea = elemento('div');
      (i === 0 ? texto.split(/(?<=::)/) : [texto]).forEach((trozo, t) => {
        if (t > 0) { linea.appendChild(elemento('br')); }
        linea.appendChild(document.createTextNode(trozo));
      });
      const numero = codigo.desde + i;
      linea.setAttribute('data-linea', numero);
      bloque.appendChild(linea);
      lineas[numero] = linea;
    });
    return { elemento: bloque, lineas: lineas, esMenor: codigo.es_menor,
             intercambie: codigo.intercambie, actual: null };
  }

  function construyaPanel(numero, info, datos) {
    const n = datos.entrada.length;
    const nombreContenedor = datos.contenedores[info.contenedor];
    const esLista = (CONTENEDORES[nombreContenedor] || {}).enlaces === true;
    const seccion = elemento('section', 'panel' + (n > 32 ? ' denso' : ''));
    seccion.setAttribute('data-estrategia', datos.estrategias[info.estrategia].nombre);
    seccion.setAttribute('data-contenedor', nombreContenedor);
    seccion.setAttribute('data-panel', numero);
    seccion.appendChild(elemento('h2', 'mono', info.titulo));

    const barras = elemento('div', 'barras');
    const cero = elemento('div', 'cero');
    cero.style.bottom = m.cero;
    barras.appendChild(cero);
    const cifras = elemento('div', 'cifras');
    const panel = { numero: numero, s: info.estrategia, esLista: esLista, seccion: seccion,
                    barras: barras, columnas: [], cifras: [], estado: null,
                    contadores: {}, visto: [] };
    for (let p = 0; p < n; p++) {
      const columna = elemento('div', 'columna');
      const relleno = elemento('div', 'relleno');
      columna.appendChild(relleno);
      barras.appendChild(columna);
      const cifra = elemento('span', 'cifra');
      cifra.style.left = ((p + 0.5) / n * 100).toFixed(3) + '%';
      cifra.appendChild(document.createTextNode(''));
      // The index of a repeated value's occurrence, where the input has one.
      if (m.repetidos) { cifra.appendChild(elemento('sub')); }
      cifras.appendChild(cifra);
      panel.columnas.push({ elemento: columna, relleno: relleno });
      panel.cifras.push(cifra);
      panel.visto.push({});
    }
    seccion.appendChild(barras);
    seccion.appendChild(cifras);

    if (esLista) {
      panel.cadena = elemento('div', 'cadena');
      panel.cadena.title = 'Primero →';
      panel.eslabones = [];
      for (let q = 0; q < n; q++) {
        const eslabon = elemento('div', 'eslabon');
        eslabon.appendChild(elemento('div', 'nodo'));
        panel.cadena.appendChild(eslabon);
        panel.eslabones.push(eslabon);
      }
      seccion.appendChild(panel.cadena);
    }

    panel.estado = elemento('div', 'estado');
    seccion.appendChild(panel.estado);
    const contadores = elemento('div', 'contadores');
    const nombres = [['comparaciones', 'Comparaciones'], ['intercambios', 'Intercambios'],
                     ['operaciones', 'Operaciones']];
    if (esLista) { nombres.push(['enlaces', 'Enlaces']); }
    nombres.forEach((par) => {
      const caja = elemento('span', '', par[1] + ' ');
      const cifra = elemento('span', '', '0');
      cifra.setAttribute('data-contador', par[0]);
      caja.appendChild(cifra);
      contadores.appendChild(caja);
      panel.contadores[par[0]] = cifra;
    });
    seccion.appendChild(contadores);
    return panel;
  }

  // One row per strategy: its code, then its panels in the report's order.
  function construyaPaneles(datos, codigo) {
    const contenedor = $('paneles');
    contenedor.replaceChildren();
    const filas = [], paneles = [], codigos = [];
    datos.estrategias.forEach((e, s) => {
      const fila = elemento('div', 'estrategia');
      fila.style.setProperty('--color', COLORES[s % COLORES.length]);
      if (codigo[e.nombre]) {
        const bloque = construyaCodigo(e.nombre, codigo[e.nombre]);
        bloque.s = s;
        fila.appendChild(bloque.elemento);
        codigos.push(bloque);
      }
      datos.paneles.forEach((info, i) => {
        if (info.estrategia !== s) { return; }
        const panel = construyaPanel(i + 1, info, datos);
        fila.appendChild(panel.seccion);
        paneles.push(panel);
      });
      contenedor.appendChild(fila);
      filas.push(fila);
    });
    return { filas: filas, paneles: paneles, codigos: codigos };
  }

  // A check box per panel, and a button per container that shows its
  // panels alone.
  function construyaEleccion(datos) {
    const casillas = $('casillas');
    casillas.replaceChildren();
    datos.paneles.forEach((info, i) => {
      const etiqueta = elemento('label');
      const casilla = elemento('input');
      casilla.type = 'checkbox';
      casilla.value = i + 1;
      etiqueta.title = info.titulo;
      etiqueta.appendChild(casilla);
      etiqueta.appendChild(document.createTextNode(String(i + 1)));
      casillas.appendChild(etiqueta);
    });
    datos.contenedores.forEach((nombre, c) => {
      const boton = elemento('button', '', (CONTENEDORES[nombre] || { corto: nombre }).corto);
      boton.type = 'button';
      boton.title = 'Solo ' + nombre;
      boton.setAttribute('data-contenedor', c);
      casillas.appendChild(boton);
    });
    const todos = elemento('button', '', 'Todos');
    todos.type = 'button';
    casillas.appendChild(todos);
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

  // Two plots against the step: the pairs still out of order in the array,
  // and the links the list has followed, one line per strategy.
  function construyaGrafico(modelo) {
    const grafico = $('grafico');
    grafico.replaceChildren();
    const ANCHO = 1000, ALTO = 170, ARRIBA = 24, ABAJO = 30, IZQUIERDA = 58, HUECO = 30, DERECHA = 14;
    const anchoPlano = (ANCHO - IZQUIERDA * 2 - HUECO - DERECHA) / 2;
    const y0 = ALTO - ABAJO, alto = ALTO - ARRIBA - ABAJO;
    const M = modelo.M;
    return [
      { titulo: 'Arreglo: pares aún fuera de orden (inversiones)', serie: (e) => e.inversiones },
      { titulo: 'Lista: enlaces seguidos', serie: (e) => e.enlaces }
    ].map((plano, indice) => {
      const x0 = IZQUIERDA + indice * (anchoPlano + IZQUIERDA + HUECO);
      const valor = (e, k) => plano.serie(e)[Math.min(k, e.total)];
      const tope = Math.max(1, Math.max.apply(null, modelo.estrategias.map(
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
      modelo.estrategias.forEach((e, s) => {
        const pasos = [];
        for (let k = 0; k < M; k += salto) { pasos.push(k); }
        pasos.push(M, e.total);
        pasos.sort((a, b) => a - b);
        svg('polyline', {
          points: pasos.map((k) => x(k).toFixed(1) + ',' + y(valor(e, k)).toFixed(1)).join(' '),
          stroke: COLORES[s % COLORES.length], 'stroke-width': 3.2 - s * 0.9, 'stroke-opacity': 0.9
        }, grafico);
      });
      const marca = svg('line', { y1: ARRIBA, y2: y0, 'class': 'marca' }, grafico);
      const puntos = modelo.estrategias.map((e, s) => svg('circle',
        { r: 4, fill: COLORES[s % COLORES.length], stroke: '#fff', 'stroke-width': 1.5 }, grafico));
      return { x: x, y: y, valor: valor, marca: marca, puntos: puntos };
    });
  }

  function construyaLeyenda(modelo) {
    const leyenda = $('leyenda');
    leyenda.replaceChildren();
    modelo.estrategias.forEach((e, s) => {
      const item = elemento('span', 'mono');
      const muestra = elemento('i');
      muestra.style.background = COLORES[s % COLORES.length];
      item.appendChild(muestra);
      item.appendChild(document.createTextNode(
        e.nombre + ' (' + plural(e.total, 'operación', 'operaciones') + ')'));
      leyenda.appendChild(item);
    });
  }

  // ---- Drawing step K. Each element is written only when what it shows
  // changed, so that a step costs little even at 64 values.

  function poner(el, atributo, valor) {
    if (valor === null) {
      if (el.hasAttribute(atributo)) { el.removeAttribute(atributo); }
    } else if (el.getAttribute(atributo) !== String(valor)) {
      el.setAttribute(atributo, valor);
    }
  }

  // Rewrites the element's one text node rather than replacing it, which
  // would leave a node behind for the collector at every step.
  function texto(el, valor) {
    const nodo = el.firstChild;
    if (nodo !== null && nodo.nodeType === Node.TEXT_NODE && nodo.nextSibling === null) {
      if (nodo.nodeValue !== valor) { nodo.nodeValue = valor; }
    } else if (el.textContent !== valor) {
      el.textContent = valor;
    }
  }

  function dibujeColumnas(panel, estado) {
    const e = m.estrategias[panel.s];
    const op = estado.op;
    const clase = op === null ? '' : esComparacion(op) ? 'comparada' : 'intercambiada';
    for (let p = 0; p < m.n; p++) {
      const visto = panel.visto[p], columna = panel.columnas[p], cifra = panel.cifras[p];
      const v = estado.valores[p], o = estado.origenes[p];
      if (visto.v !== v) {
        columna.elemento.setAttribute('data-valor', v);
        columna.relleno.style.cssText = m.estilos.get(v);
        cifra.firstChild.nodeValue = v;
        visto.v = v;
      }
      if (visto.o !== o) {
        columna.elemento.setAttribute('data-origen', o);
        if (m.repetidos) { texto(cifra.lastChild, m.ocurrencias[o] ? String(m.ocurrencias[o]) : ''); }
        visto.o = o;
      }
      const asentado = asentada(e, estado, p);
      if (visto.asentado !== asentado) {
        poner(columna.elemento, 'data-asentado', asentado ? '' : null);
        visto.asentado = asentado;
      }
      // Of the current call's two labels, the right one goes on the lower
      // row, where they stand alone.
      const marca = op !== null && (op[0] === p || op[1] === p) ? clase : '';
      const segunda = marca !== '' && op[0] !== op[1] && p === Math.max(op[0], op[1]);
      if (visto.marca !== marca || visto.segunda !== segunda) {
        columna.elemento.className = 'columna' + (marca ? ' ' + marca : '');
        cifra.className = 'cifra' + (marca ? ' actual' : '') + (segunda ? ' segunda' : '');
        visto.marca = marca;
        visto.segunda = segunda;
      }
    }
  }

  // The list's walk: a call on i and j follows the links up to each.
  function dibujeCadena(panel, op) {
    const largo = op === null ? -1 : Math.max(op[0], op[1]);
    const corto = op === null ? -1 : Math.min(op[0], op[1]);
    panel.cadena.classList.toggle('de-comparacion', op !== null && esComparacion(op));
    panel.cadena.classList.toggle('de-intercambio', op !== null && !esComparacion(op));
    panel.eslabones.forEach((eslabon, q) => {
      const clase = 'eslabon' + (q <= largo ? ' pisado' : '') + (q < largo && q >= corto ? ' una' : '') +
        (q < corto ? ' dos' : '') + (op !== null && (q === op[0] || q === op[1]) ? ' destino' : '');
      if (eslabon.className !== clase) { eslabon.className = clase; }
    });
  }

  function dibujePanel(panel, estado) {
    const e = m.estrategias[panel.s];
    poner(panel.seccion, 'data-paso', estado.k);
    dibujeColumnas(panel, estado);
    if (panel.esLista) { dibujeCadena(panel, estado.op); }
    texto(panel.estado, textoDeEstado(e, estado, panel.esLista));
    const c = panel.contadores;
    texto(c.comparaciones, String(e.comparaciones[estado.k]));
    texto(c.intercambios, String(e.intercambios[estado.k]));
    texto(c.operaciones, String(estado.k));
    if (c.enlaces) { texto(c.enlaces, String(e.enlaces[estado.k])); }
  }

  // Lights the line that made the current call.
  function dibujeCodigo(bloque, estado) {
    const op = estado.op;
    const numero = op === null ? null : esComparacion(op) ? bloque.esMenor : bloque.intercambie;
    if (numero === bloque.actual) { return; }
    if (bloque.actual !== null) {
      bloque.lineas[bloque.actual].removeAttribute('data-actual');
      bloque.lineas[bloque.actual].classList.remove('de-intercambio');
    }
    if (numero !== null) {
      bloque.lineas[numero].setAttribute('data-actual', '');
      bloque.lineas[numero].classList.toggle('de-intercambio', !esComparacion(op));
    }
    bloque.actual = numero;
  }

  function dibujeGrafico(planos) {
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

  function dibujeControles() {
    texto($('paso-texto'), 'Paso ' + K + ' de ' + m.M);
    $('posicion').value = K;
    texto($('boton-reproducir'), reproduccion.activa ? '‖ Pausa' : '▶ Reproducir');
  }

  function dibuje() {
    const estados = m.estrategias.map((e) => estadoEn(e, K));
    vista.paneles.forEach((panel) => dibujePanel(panel, estados[panel.s]));
    vista.codigos.forEach((bloque) => dibujeCodigo(bloque, estados[bloque.s]));
    dibujeGrafico(vista.planos);
    dibujeControles();
    return estados;
  }

  // ---- Fitting the first screen to the window.

  // Whether el is shown: the panel choice hides elements through their
  // hidden attribute, which is read without laying the page out.
  function mostrado(el) { return el.closest('[hidden]') === null; }

  // What the first screen's sizes depend on, other than the data: the code
  // is the same for any data, and the panels share the row the same way.
  // Sizes measured for one geometry hold for the next data, and measuring
  // again would lay the whole page out before it is drawn.
  function geometria() {
    return [window.innerWidth, window.innerHeight, eleccion, vista.paneles.length].join('|');
  }

  // The largest code font, from 14 px down, at which every shown
  // strategy's code fits its row, in height and within the width it may
  // take: up to 45 % of the row, as long as each panel beside it keeps
  // 300 px. All take that font and the same width, so that the panels
  // line up.
  function ajusteCodigo() {
    const bloques = vista.codigos.map((b) => b.elemento).filter(mostrado);
    if (bloques.length === 0) { return; }
    // The code is the same whatever the data: for the same window and the
    // same panels shown, the size found before still holds, and measuring
    // again would lay out the whole page several times.
    const clave = geometria();
    if (tallaDelCodigo !== null && tallaDelCodigo.clave === clave) {
      bloques.forEach((el) => {
        el.style.fontSize = tallaDelCodigo.tamano + 'px';
        el.style.width = tallaDelCodigo.ancho;
      });
      return;
    }
    const fila = bloques[0].parentNode.clientWidth;
    const paneles = Math.max.apply(null, bloques.map((el) =>
      el.parentNode.querySelectorAll('section:not([hidden])').length));
    const maximo = Math.max(0.22 * fila, Math.min(0.45 * fila, fila - paneles * 306));
    const cabe = (el) => el.scrollHeight <= el.clientHeight + 1 && el.offsetWidth <= maximo;
    const ponga = (tamano) => bloques.forEach((el) => { el.style.fontSize = tamano + 'px'; });
    bloques.forEach((el) => { el.style.width = 'max-content'; });
    // Text scales with its font, so one measure at 14 px gives the size to
    // try first; each try lays the page out again, so few are made.
    let tamano = 14;
    ponga(tamano);
    if (!bloques.every(cabe)) {
      const escala = Math.min.apply(null, bloques.map((el) =>
        Math.min((el.clientHeight + 1) / el.scrollHeight, maximo / el.offsetWidth)));
      tamano = Math.max(8, Math.floor(tamano * escala * 2) / 2);
      ponga(tamano);
      while (tamano > 8 && !bloques.every(cabe)) {
        tamano -= 0.5;
        ponga(tamano);
      }
    }
    const ancho = Math.max.apply(null, bloques.map((el) => el.offsetWidth)) + 'px';
    bloques.forEach((el) => { el.style.width = ancho; });
    tallaDelCodigo = { clave: clave, tamano: tamano, ancho: ancho };
  }

  // The widest label of the data: a value, and its occurrence's index
  // where it has one. Measured on a canvas, which lays nothing out.
  const lienzo = document.createElement('canvas').getContext('2d');
  function anchoDeCifras(cifra) {
    const estilo = getComputedStyle(cifra);
    const ancho = (texto, tamano) => {
      lienzo.font = tamano + ' ' + estilo.fontFamily;
      return lienzo.measureText(texto).width;
    };
    const valores = Math.max.apply(null, m.datos.entrada.map((v) => ancho(String(v), estilo.fontSize)));
    const indice = Math.max.apply(null, m.ocurrencias);
    return Math.ceil(valores) + 3 + (indice === 0 ? 0 : Math.ceil(ancho(String(indice), '10px')) + 1);
  }

  // Labels in as many rows, up to three, as a label needs columns, each
  // label on the next row; where three are not enough, only the current
  // call's.
  function ajusteCifras() {
    const mostrados = vista.paneles.filter((panel) => mostrado(panel.seccion));
    if (mostrados.length === 0) { return; }
    const clave = geometria();
    if (anchoDeColumnas === null || anchoDeColumnas.clave !== clave) {
      anchoDeColumnas = { clave: clave, anchos: new Map(mostrados.map((p) => [p.numero, p.barras.clientWidth])) };
    }
    const cifra = anchoDeCifras(mostrados[0].cifras[0]);
    mostrados.forEach((panel) => {
      const filas = Math.max(1, Math.ceil(cifra / (anchoDeColumnas.anchos.get(panel.numero) / m.n)));
      poner(panel.seccion, 'data-cifras', filas <= 3 ? filas : 'actuales');
    });
  }

  function ajuste() {
    ajusteCodigo();
    ajusteCifras();
  }

  // ---- Which panels are shown.

  function muestreEleccion() {
    const mostrado = (numero) => eleccion === null || eleccion.indexOf(numero) >= 0;
    vista.paneles.forEach((panel) => { panel.seccion.hidden = !mostrado(panel.numero); });
    vista.filas.forEach((fila) => {
      fila.hidden = !Array.prototype.some.call(fila.querySelectorAll('section'), (s) => !s.hidden);
    });
    $('casillas').querySelectorAll('input').forEach((casilla) => {
      casilla.checked = mostrado(+casilla.value);
    });
  }

  function elija(numeros) {
    const validos = numeros.filter((x) => x >= 1 && x <= vista.paneles.length);
    eleccion = validos.length === 0 || validos.length === vista.paneles.length
      ? null : validos.sort((a, b) => a - b);
    muestreEleccion();
    ajuste();
    escribaDireccion();
  }

  // ---- The address: keys joined by '&', such as paneles=1,3,5&paso=40 or
  // fin. Keys the page does not read are kept as they came.

  function leaFragmento(fragmento) {
    const leido = { paneles: null, paso: null, fin: false, otras: [] };
    fragmento.replace(/^#/, '').split('&').forEach((parte) => {
      if (parte === '') { return; }
      const igual = parte.indexOf('=');
      const clave = igual < 0 ? parte : parte.slice(0, igual);
      const valor = igual < 0 ? '' : parte.slice(igual + 1);
      if (clave === 'fin' && igual < 0) {
        leido.fin = true;
      } else if (clave === 'paso') {
        if (/^\d+$/.test(valor)) { leido.paso = parseInt(valor, 10); }
      } else if (clave === 'paneles') {
        leido.paneles = valor.split(/,|%2C/i).filter((x) => /^\d+$/.test(x)).map(Number);
      } else {
        leido.otras.push(parte);
      }
    });
    return leido;
  }

  function fragmento() {
    const partes = [];
    if (eleccion !== null) { partes.push('paneles=' + eleccion.join(',')); }
    if (K >= m.M) {
      partes.push('fin');
    } else if (K > 0) {
      partes.push('paso=' + K);
    }
    return partes.concat(otras).join('&');
  }

  let escrituraPendiente = null;
  function escribaDireccion() {
    clearTimeout(escrituraPendiente);
    escrituraPendiente = null;
    const nuevo = fragmento();
    if (window.location.hash.replace(/^#/, '') === nuevo) { return; }
    const base = window.location.href.replace(/#.*$/, '');
    window.history.replaceState(window.history.state, '', nuevo === '' ? base : base + '#' + nuevo);
  }

  // Browsers limit how often the address may change: while stepping, it is
  // written once the steps pause.
  function escribaDireccionLuego() {
    clearTimeout(escrituraPendiente);
    escrituraPendiente = setTimeout(escribaDireccion, 300);
  }

  function lugar() {
    const leido = leaFragmento(window.location.hash);
    otras = leido.otras;
    pare();
    eleccion = null;
    if (leido.paneles !== null) {
      const validos = leido.paneles.filter((x) => x >= 1 && x <= vista.paneles.length);
      eleccion = validos.length === 0 ? null : validos.sort((a, b) => a - b);
    }
    muestreEleccion();
    K = Math.max(0, Math.min(m.M, leido.fin ? m.M : leido.paso === null ? 0 : leido.paso));
    dibuje();
    ajuste();
  }

  // ---- Sound: a short tone for each strategy shown that made a call, its
  // pitch from the value at the call's first position.

  function suene(estados) {
    if (!$('sonido').checked || audio === null) { return; }
    const rango = Math.max(1, m.maximo - m.minimo);
    estados.forEach((estado, s) => {
      const mostrada = vista.paneles.some((panel) => panel.s === s && !panel.seccion.hidden);
      if (estado.op === null || estado.terminado || !mostrada) { return; }
      const v = estado.valores[estado.op[0]];
      const frecuencia = 220 * Math.pow(2, 2 * (v - m.minimo) / rango);
      const t = audio.currentTime;
      const oscilador = audio.createOscillator();
      const volumen = audio.createGain();
      oscilador.frequency.value = frecuencia;
      volumen.gain.setValueAtTime(0.0001, t);
      volumen.gain.exponentialRampToValueAtTime(0.05, t + 0.005);
      volumen.gain.exponentialRampToValueAtTime(0.0001, t + 0.07);
      oscilador.connect(volumen).connect(audio.destination);
      oscilador.start(t);
      oscilador.stop(t + 0.08);
    });
  }

  // ---- Moving.

  function vaya(k) {
    K = Math.max(0, Math.min(m.M, k));
    if (K === m.M) { pare(); }
    dibuje();
    if (!reproduccion.activa) { escribaDireccionLuego(); }
  }

  function pare() {
    if (!reproduccion.activa) { return; }
    reproduccion.activa = false;
    escribaDireccionLuego();
  }

  function pasosPorSegundo() { return VELOCIDADES[+$('velocidad').value]; }

  // Each animation frame advances by the steps that the time since the last
  // one is worth at the chosen speed, and draws once.
  function cuadro(ahora) {
    if (!reproduccion.activa) { return; }
    if (reproduccion.anterior !== null) {
      reproduccion.acumulado += Math.min(ahora - reproduccion.anterior, 250) / 1000 * pasosPorSegundo();
    }
    reproduccion.anterior = ahora;
    const avance = Math.floor(reproduccion.acumulado);
    if (avance > 0) {
      reproduccion.acumulado -= avance;
      K = Math.min(m.M, K + avance);
      if (K === m.M) { reproduccion.activa = false; }
      suene(dibuje());
      if (!reproduccion.activa) { escribaDireccion(); }
    }
    if (reproduccion.activa) { window.requestAnimationFrame(cuadro); }
  }

  function reproduzca() {
    if (K >= m.M) { K = 0; }
    reproduccion.activa = true;
    reproduccion.anterior = null;
    reproduccion.acumulado = 0;
    if (audio !== null) { audio.resume(); }
    window.requestAnimationFrame(cuadro);
    dibuje();
  }

  function alterne() {
    if (reproduccion.activa) {
      pare();
      dibuje();
    } else {
      reproduzca();
    }
  }

  function detenido(accion) { return () => { pare(); accion(); }; }
  const alInicio = detenido(() => vaya(0));
  const alFinal = detenido(() => vaya(m.M));
  const atras = detenido(() => vaya(K - 1));
  const adelante = detenido(() => vaya(K + 1));

  // ---- Input.

  // Text fields keep their keys (a form may share the page).
  function esEditable(el) {
    if (el.isContentEditable || el.tagName === 'TEXTAREA' || el.tagName === 'SELECT') { return true; }
    return el.tagName === 'INPUT' &&
      ['range', 'checkbox', 'radio', 'button', 'submit', 'reset'].indexOf(el.type) < 0;
  }

  // Home and End are missing on a Mac laptop: I and F do the same.
  const TECLAS = new Map([
    [' ', alterne], ['ArrowLeft', atras], ['ArrowRight', adelante], ['Home', alInicio],
    ['End', alFinal], ['i', alInicio], ['I', alInicio], ['f', alFinal], ['F', alFinal]
  ]);

  function inicie() {
    $('boton-inicio').addEventListener('click', alInicio);
    $('boton-atras').addEventListener('click', atras);
    $('boton-reproducir').addEventListener('click', alterne);
    $('boton-adelante').addEventListener('click', adelante);
    $('boton-fin').addEventListener('click', alFinal);
    $('posicion').addEventListener('input', () => { pare(); vaya(+$('posicion').value); });
    const muestreVelocidad = () => { $('velocidad-texto').textContent = pasosPorSegundo() + ' pasos/s'; };
    $('velocidad').addEventListener('input', muestreVelocidad);
    muestreVelocidad();
    $('sonido').addEventListener('change', () => {
      if ($('sonido').checked && audio === null && (window.AudioContext || window.webkitAudioContext)) {
        audio = new (window.AudioContext || window.webkitAudioContext)();
      }
    });
    $('casillas').addEventListener('change', () => {
      elija(Array.prototype.filter.call($('casillas').querySelectorAll('input'), (c) => c.checked)
        .map((c) => +c.value));
    });
    $('casillas').addEventListener('click', (evento) => {
      const boton = evento.target.closest('button');
      if (boton === null) { return; }
      const c = boton.getAttribute('data-contenedor');
      elija(m.datos.paneles.map((info, i) => (c === null || info.contenedor === +c ? i + 1 : 0)));
    });
    document.addEventListener('keydown', (evento) => {
      const accion = TECLAS.get(evento.key);
      if (!accion || evento.altKey || evento.ctrlKey || evento.metaKey || esEditable(evento.target)) { return; }
      evento.preventDefault();
      accion();
    });
    // A focused button or box would also take the space as a click.
    document.addEventListener('keyup', (evento) => {
      if (evento.key === ' ' && !esEditable(evento.target)) { evento.preventDefault(); }
    });
    window.addEventListener('hashchange', lugar);
    let ajustePendiente = false;
    window.addEventListener('resize', () => {
      if (ajustePendiente) { return; }
      ajustePendiente = true;
      window.requestAnimationFrame(() => { ajustePendiente = false; ajuste(); });
    });
  }

  // (Re)builds the whole view from datos, at the step and with the panels
  // that the address names.
  function cargue(datos) {
    document.body.setAttribute('data-estado', 'cargando');
    pare();
    m = modelo(datos);
    construyaCabecera(datos);
    construyaEleccion(datos);
    vista = construyaPaneles(datos, JSON.parse($('codigo').textContent));
    vista.planos = construyaGrafico(m);
    construyaLeyenda(m);
    $('posicion').max = m.M;
    lugar();
    document.body.setAttribute('data-estado', 'listo');
  }

  // datos() is the data shown, for a page that records in the browser.
  window.Traza = { cargue: cargue, datos: () => m.datos };
  inicie();
  // A page that records in the browser carries no data of its own (null):
  // its own script calls cargue.
  const propios = JSON.parse($('datos').textContent);
  if (propios !== null) { cargue(propios); }
}());
