// The drawing (see modelo.js for the parts and how they share): the header,
// one row per strategy with its code and its panels, and step K drawn on
// them. construya builds the elements for a model of the data; dibuje draws
// a step on what construya returned: the parts of each panel and the code's
// lit line as escena.js works them out, which the slides draw too.
(function () {
  'use strict';

  const Modelo = window.Traza.modelo, Palabras = window.Traza.palabras, Escena = window.Traza.escena;
  const DibujoSeguido = window.Traza.dibujoSeguido;
  const color = Modelo.color;

  function $(id) { return document.getElementById(id); }

  // ---- Elements.

  function elemento(etiqueta, clase, texto) {
    const e = document.createElement(etiqueta);
    if (clase) { e.className = clase; }
    if (texto !== undefined) { e.textContent = texto; }
    return e;
  }

  // A bar rises from the zero line, or hangs below it for a negative
  // value: its style for each value of the input, made once, and where the
  // zero line stands.
  function estilosDeBarras(m) {
    const rango = Math.max(1, m.maximo - m.minimo);
    const porcentaje = (x) => (x / rango * 100).toFixed(2) + '%';
    const estilos = new Map();
    m.datos.entrada.forEach((v) => estilos.set(v, 'height: ' + porcentaje(Math.abs(v)) + '; ' +
      (v >= 0 ? 'bottom: ' + porcentaje(-m.minimo) : 'top: ' + porcentaje(m.maximo))));
    return { estilos: estilos, cero: porcentaje(-m.minimo) };
  }

  function construyaCabecera(datos) {
    const cuantas = datos.estrategias.length;
    $('estrategias').textContent = cuantas === 1 ? 'La estrategia ordena'
      : 'Las ' + cuantas + ' estrategias ordenan';
    $('entrada').textContent = '[' + datos.entrada.join(' ') + ']';
    $('descripcion').textContent = datos.descripcion +
      (datos.semilla === null ? '' : '; semilla ' + datos.semilla);
    $('comando').textContent = datos.comando;
    $('con-semilla').hidden = datos.comando_semilla === null;
    $('comando-semilla').textContent = datos.comando_semilla || '';
  }

  // The code a strategy's calls are made from (codigo, its entry of
  // codigo.json), its rows (Escena.filasDeCodigo) an element each: a line
  // with the file's number, a function's first line broken before its
  // name, or a gap between pieces. Above them, the notes of what the build
  // could not follow or number, and one shown while the current call
  // lights no line.
  function construyaCodigo(nombre, codigo) {
    const bloque = elemento('div', 'codigo');
    bloque.setAttribute('data-codigo', nombre);
    bloque.setAttribute('role', 'group');
    bloque.setAttribute('aria-label', 'Código de ' + nombre);
    bloque.appendChild(elemento('div', 'archivo', codigo.archivo));
    Escena.notasDeCodigo(codigo, false).forEach((nota) => bloque.appendChild(elemento('div', 'aviso', nota)));
    const sinLinea = elemento('div', 'aviso', Escena.NOTA_SIN_LINEA);
    sinLinea.hidden = true;
    bloque.appendChild(sinLinea);
    const lineas = {}, orden = [], numeradas = [];
    Escena.filasDeCodigo(codigo).forEach((fila) => {
      if (fila.numero === null) {
        const hueco = elemento('div', 'hueco', fila.texto);
        hueco.setAttribute('aria-hidden', 'true');
        bloque.appendChild(hueco);
        return;
      }
      const linea = elemento('div');
      fila.trozos.forEach((trozo, t) => {
        if (t > 0) { linea.appendChild(elemento('br')); }
        linea.appendChild(document.createTextNode(trozo));
      });
      linea.setAttribute('data-linea', fila.numero);
      if (fila.archivo !== null) { linea.setAttribute('data-archivo', fila.archivo); }
      bloque.appendChild(linea);
      lineas[fila.clave] = linea;
      orden.push(linea);
      numeradas.push(fila);
    });
    const hecho = { elemento: bloque, lineas: lineas, orden: orden, numeradas: numeradas,
                    mostradas: Modelo.lineasMostradas(codigo), actual: null, impresas: null, sinLinea: sinLinea };
    marqueImpresas(hecho);
    return hecho;
  }

  function construyaPanel(m, barrasDe, numero, info) {
    const datos = m.datos, n = m.n, e = m.estrategias[info.estrategia];
    const contenedor = datos.contenedores[info.contenedor];
    // A container that pays links to reach a position shows its walk.
    const porPosicion = contenedor.enlaces_por_posicion;
    const seccion = elemento('section', 'panel' + (n > 32 ? ' denso' : ''));
    seccion.setAttribute('data-estrategia', datos.estrategias[info.estrategia].nombre);
    seccion.setAttribute('data-contenedor', contenedor.nombre);
    seccion.setAttribute('data-panel', numero);
    // The heading shows the report's, and says the panel in words.
    const titulo = elemento('h2', 'mono');
    const visto = elemento('span', '', info.titulo);
    visto.setAttribute('aria-hidden', 'true');
    titulo.appendChild(visto);
    titulo.appendChild(elemento('span', 'solo-lector', Palabras.tituloDicho(numero,
      datos.estrategias[info.estrategia].nombre, contenedor.nombre)));
    seccion.appendChild(titulo);

    const barras = elemento('div', 'barras');
    const cero = elemento('div', 'cero');
    cero.style.bottom = barrasDe.cero;
    barras.appendChild(cero);
    // The labels are read as a list of values, each repeated one with its
    // occurrence in words.
    const cifras = elemento('div', 'cifras');
    cifras.setAttribute('role', 'list');
    cifras.setAttribute('aria-label', 'Valores');
    const panel = { numero: numero, info: info, s: info.estrategia, seccion: seccion,
                    barras: barras, columnas: [], cifras: [], estado: null,
                    contadores: {}, visto: [] };
    for (let p = 0; p < n; p++) {
      const columna = elemento('div', 'columna');
      const relleno = elemento('div', 'relleno');
      columna.appendChild(relleno);
      barras.appendChild(columna);
      const cifra = elemento('span', 'cifra');
      cifra.setAttribute('role', 'listitem');
      cifra.style.left = ((p + 0.5) / n * 100).toFixed(3) + '%';
      cifra.appendChild(document.createTextNode(''));
      // The index of a repeated value's occurrence, where the input has one,
      // and its words.
      if (m.repetidos) {
        const indice = elemento('sub');
        indice.setAttribute('aria-hidden', 'true');
        cifra.appendChild(indice);
        cifra.appendChild(elemento('span', 'solo-lector'));
      }
      cifras.appendChild(cifra);
      panel.columnas.push({ elemento: columna, relleno: relleno });
      panel.cifras.push(cifra);
      panel.visto.push({});
    }
    seccion.appendChild(barras);
    seccion.appendChild(cifras);
    const llamadas = DibujoSeguido.construya(panel, n, e);

    if (porPosicion > 0) {
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

    seccion.appendChild(llamadas);
    const estado = elemento('div', 'estado');
    panel.estado = estado.appendChild(elemento('span', 'dicha'));
    estado.appendChild(panel.vigilancia);
    seccion.appendChild(estado);
    const contadores = elemento('div', 'contadores');
    Escena.contadores(e, 0, porPosicion).forEach((contador) => {
      const caja = elemento('span', '', contador.nombre + ' ');
      const cifra = elemento('span', '', '0');
      cifra.setAttribute('data-contador', contador.clave);
      caja.appendChild(cifra);
      contadores.appendChild(caja);
      panel.contadores[contador.clave] = cifra;
    });
    // An array's panel may be drawn as a tree (arbol.js): its control ends
    // the counters' line, which has room for it.
    if (porPosicion === 0) {
      seccion.classList.add('con-arbol');
      contadores.appendChild(window.Traza.arbol.boton(panel, n));
    }
    seccion.appendChild(contadores);
    return panel;
  }

  // The view of model m: the header, and one row per strategy with its code
  // (from codigo, the build's text of each Ordene), then its panels in the
  // report's order. Returns the rows, the panels and the code blocks, which
  // dibuje draws on.
  function construya(m, codigo) {
    const datos = m.datos;
    construyaCabecera(datos);
    const barrasDe = estilosDeBarras(m);
    const contenedor = $('paneles');
    contenedor.replaceChildren();
    const filas = [], paneles = [], codigos = [];
    datos.estrategias.forEach((e, s) => {
      const fila = elemento('div', 'estrategia');
      fila.style.setProperty('--color', color(s));
      if (codigo[e.nombre]) {
        const bloque = construyaCodigo(e.nombre, codigo[e.nombre]);
        bloque.s = s;
        fila.appendChild(bloque.elemento);
        codigos.push(bloque);
      }
      datos.paneles.forEach((info, i) => {
        if (info.estrategia !== s) { return; }
        const panel = construyaPanel(m, barrasDe, i + 1, info);
        fila.appendChild(panel.seccion);
        paneles.push(panel);
      });
      contenedor.appendChild(fila);
      filas.push(fila);
    });
    const vista = { filas: filas, paneles: paneles, codigos: codigos, estilos: barrasDe.estilos };
    vigile(vista);
    return vista;
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

  // The bars (Escena.barras) and their labels.
  function dibujeBarras(m, vista, panel, barras) {
    for (let p = 0; p < m.n; p++) {
      const visto = panel.visto[p], columna = panel.columnas[p], cifra = panel.cifras[p], barra = barras[p];
      const v = barra.valor, o = barra.origen;
      if (visto.v !== v) {
        columna.elemento.setAttribute('data-valor', v);
        columna.relleno.style.cssText = vista.estilos.get(v);
        cifra.firstChild.nodeValue = v;
        visto.v = v;
      }
      if (visto.o !== o) {
        columna.elemento.setAttribute('data-origen', o);
        if (m.repetidos) {
          texto(cifra.childNodes[1], barra.vez ? String(barra.vez) : '');
          texto(cifra.lastChild, barra.vez ? ', ' + Palabras.vez(barra.vez) : '');
        }
        visto.o = o;
      }
      if (visto.asentado !== barra.asentada) {
        poner(columna.elemento, 'data-asentado', barra.asentada ? '' : null);
        visto.asentado = barra.asentada;
      }
      // The first of two beside a descent carries the mark between them
      // (see the style).
      if (visto.descenso !== barra.descenso) {
        poner(columna.elemento, 'data-descenso', barra.descenso);
        visto.descenso = barra.descenso;
      }
      // The style puts the label of the right one of the call's two on the
      // lower row, where they stand alone.
      const marca = barra.marca, segunda = barra.segunda;
      if (visto.marca !== marca || visto.segunda !== segunda) {
        columna.elemento.className = 'columna' + (marca ? ' ' + marca : '');
        cifra.className = 'cifra' + (marca ? ' actual' : '') + (segunda ? ' segunda' : '');
        visto.marca = marca;
        visto.segunda = segunda;
      }
    }
  }

  // The walk along a chain of links (Escena.cadena).
  function dibujeCadena(panel, cadena) {
    panel.cadena.classList.toggle('de-comparacion', cadena.llamada === 'comparacion');
    panel.cadena.classList.toggle('de-intercambio', cadena.llamada === 'intercambio');
    panel.eslabones.forEach((eslabon, q) => {
      const x = cadena.eslabones[q];
      const clase = 'eslabon' + (x.pisado ? ' pisado' : '') + (x.tramo === null ? '' : ' ' + x.tramo) +
        (x.destino ? ' destino' : '');
      if (eslabon.className !== clase) { eslabon.className = clase; }
    });
  }

  // Each part of a panel (Escena.panel) on its elements.
  function dibujePanel(m, vista, panel, estado) {
    const partes = Escena.panel(m, panel.info, estado, DibujoSeguido.anchoDeColumna(panel, m.n), panel.practica);
    poner(panel.seccion, 'data-paso', estado.k);
    dibujeBarras(m, vista, panel, partes.barras);
    if (panel.cadena) { dibujeCadena(panel, partes.cadena); }
    DibujoSeguido.dibuje(panel, partes, estado.op, m.n, texto);
    texto(panel.estado, partes.llamada);
    partes.contadores.forEach((c) => texto(panel.contadores[c.clave], String(c.valor)));
  }

  // In a code block too tall for its row (ajuste.js marks it
  // data-desborda), brings its lit line to the middle of what it shows.
  function muestreLinea(elemento) {
    const linea = elemento.querySelector('[data-actual]');
    if (linea !== null && elemento.hasAttribute('data-desborda')) {
      elemento.scrollTop = linea.offsetTop - (elemento.clientHeight - linea.offsetHeight) / 2;
    }
  }

  // Blocks whose lit line moved, brought to it at the next animation frame:
  // reading where a line stands right after a step is written would lay
  // the page out at every step, and many steps can fall in one frame. By
  // the next frame the page has been laid out for the steps drawn, so the
  // reading costs nothing more. Their lines that print are marked then
  // too, once for all the steps of the frame.
  const porMostrar = new Set();
  function pidaLinea(bloque) {
    if (porMostrar.size === 0) {
      window.requestAnimationFrame(() => {
        porMostrar.forEach((b) => {
          if (b.actual !== null) { muestreLinea(b.elemento); }
          marqueImpresas(b);
        });
        porMostrar.clear();
      });
    }
    porMostrar.add(bloque);
  }

  // Lines of code printed: code longer than this prints the lines around
  // its lit line alone, so that its row keeps to a printed page's share;
  // fewer where rows stand two to a line (see the style).
  const LINEAS_IMPRESAS = 13, LINEAS_IMPRESAS_A_MEDIAS = 9;

  // Marks the lines of a code block that print (see the style): where it
  // has more than LINEAS_IMPRESAS_A_MEDIAS, the others (Escena.impresas)
  // are marked data-lejos, with the window they fall out of ("13" falls out
  // of both), and the block says which lines print in each. Only the lines
  // whose mark changes are written, so that a step costs little.
  function marqueImpresas(bloque) {
    const orden = bloque.orden;
    if (orden.length <= LINEAS_IMPRESAS_A_MEDIAS) { return; }
    const donde = bloque.actual === null ? 0 : orden.indexOf(bloque.lineas[bloque.actual]);
    const amplia = Escena.impresas(bloque.numeradas, donde, LINEAS_IMPRESAS);
    const breve = Escena.impresas(bloque.numeradas, donde, LINEAS_IMPRESAS_A_MEDIAS);
    if (bloque.impresas === amplia + '|' + breve) { return; }
    // A line of the short window that the long one leaves out (its
    // function's first line) prints in both.
    orden.forEach((linea, i) => {
      poner(linea, 'data-lejos', breve.includes(i) ? null : amplia.includes(i) ? String(LINEAS_IMPRESAS_A_MEDIAS)
        : String(LINEAS_IMPRESAS));
    });
    bloque.impresas = amplia + '|' + breve;
    const lineas = (impresas) => Escena.rotuloDeImpresas(impresas.map((i) => bloque.numeradas[i]));
    const archivo = bloque.elemento.querySelector('.archivo');
    poner(archivo, 'data-impresas', orden.length > LINEAS_IMPRESAS ? lineas(amplia) : null);
    poner(archivo, 'data-impresas-breve', lineas(breve));
  }

  // Lights the line that made the current call, and marks it as the
  // current one for a screen reader; an exchange's line has a look of its
  // own.
  function dibujeCodigo(e, bloque, estado) {
    const luz = Escena.luz(e, estado, bloque.mostradas), numero = luz.clave, intercambio = luz.intercambio;
    poner(bloque.sinLinea, 'hidden', luz.sinLinea ? null : '');
    if (numero === bloque.actual && intercambio === bloque.intercambio) { return; }
    if (bloque.actual !== null) {
      bloque.lineas[bloque.actual].removeAttribute('data-actual');
      bloque.lineas[bloque.actual].removeAttribute('aria-current');
      bloque.lineas[bloque.actual].classList.remove('de-intercambio');
    }
    if (numero !== null) {
      bloque.lineas[numero].setAttribute('data-actual', '');
      bloque.lineas[numero].setAttribute('aria-current', 'true');
      bloque.lineas[numero].classList.toggle('de-intercambio', intercambio);
    }
    const movida = numero !== bloque.actual;
    bloque.actual = numero;
    bloque.intercambio = intercambio;
    if (movida) { pidaLinea(bloque); }
  }

  // Lights, in strategy s's code, the line of its call k (from 1), as at
  // the step after it, whatever the step drawn: practice shows the line of
  // the exchange that a wrong pick missed.
  function resalte(m, vista, s, k) {
    const e = m.estrategias[s];
    if (k < 1 || k > e.total) { return; }
    vista.codigos.filter((bloque) => bloque.s === s)
      .forEach((bloque) => dibujeCodigo(e, bloque, { op: e.ops[k - 1], k: k }));
  }

  // ---- While the replay plays, panels and code blocks out of the window
  // are left as they are: nobody sees their steps, and a frame costs what
  // those in view cost. One that comes into view, or is printed, is drawn
  // at the step last drawn; any other step draws them all.
  let observador = null, vistaVigilada = { paneles: [], codigos: [] };
  function dibujeAtrasada(vista, cosa) {
    const m = vista.ultimo.m, estado = vista.ultimo.estados[cosa.s];
    cosa.atrasada = false;
    if (cosa.seccion) { dibujePanel(m, vista, cosa, estado); return; }
    // Its printed lines are marked now: no animation frame comes before printing.
    dibujeCodigo(m.estrategias[cosa.s], cosa, estado);
    marqueImpresas(cosa);
  }
  function vigile(vista) {
    vistaVigilada = vista;
    if (observador !== null) { observador.disconnect(); }
    if (typeof window.IntersectionObserver !== 'function') { return; }
    const de = new Map(vista.paneles.map((p) => [p.seccion, p]).concat(vista.codigos.map((b) => [b.elemento, b])));
    observador = new window.IntersectionObserver((entradas) => entradas.forEach((entrada) => {
      const cosa = de.get(entrada.target);
      cosa.fuera = !entrada.isIntersecting;
      if (!cosa.fuera && cosa.atrasada) { dibujeAtrasada(vista, cosa); }
    }));
    de.forEach((cosa, elemento) => observador.observe(elemento));
  }
  window.addEventListener('beforeprint', () => vistaVigilada.paneles.concat(vistaVigilada.codigos)
    .filter((cosa) => cosa.atrasada).forEach((cosa) => dibujeAtrasada(vistaVigilada, cosa)));

  // Draws step K of model m on vista; returns each strategy's state at K.
  // Panels not shown, and the code of strategies with none shown, are left
  // as they are: showing a panel draws the step again. enJuego: the
  // replay plays, and what is out of view is left too (above).
  function dibuje(m, vista, K, enJuego) {
    const estados = m.estrategias.map((e) => Modelo.estadoEn(e, K));
    const mostradas = new Set();
    vista.ultimo = { m: m, estados: estados };
    const deje = (cosa) => { cosa.atrasada = Boolean(enJuego && cosa.fuera); return cosa.atrasada; };
    const porDibujar = [];
    vista.paneles.forEach((panel) => {
      if (panel.seccion.hidden) { return; }
      mostradas.add(panel.s);
      if (!deje(panel)) { porDibujar.push(panel); }
    });
    // Widths are read before any is written, so that the page is laid out once.
    porDibujar.forEach((panel) => DibujoSeguido.anchoDeColumna(panel, m.n));
    porDibujar.forEach((panel) => dibujePanel(m, vista, panel, estados[panel.s]));
    vista.codigos.filter((bloque) => mostradas.has(bloque.s) && !deje(bloque))
      .forEach((bloque) => dibujeCodigo(m.estrategias[bloque.s], bloque, estados[bloque.s]));
    return estados;
  }

  window.Traza.dibujo = {
    construya: construya, dibuje: dibuje, resalte: resalte, color: color,
    elemento: elemento, poner: poner, texto: texto, muestreLinea: muestreLinea
  };
}());
