// The drawing (see modelo.js for the parts and how they share): the header,
// one row per strategy with its code and its panels, and step K drawn on
// them. construya builds the elements for a model of the data; dibuje
// draws a step on what construya returned.
(function () {
  'use strict';

  const Modelo = window.Traza.modelo, Palabras = window.Traza.palabras;
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
  // codigo.json): its Ordene and the helpers it reaches, each piece (tramo)
  // a line an element, with the file's numbers, a gap between pieces, or
  // the file's name before a piece of another file. Notes say what the
  // build could not follow or number, and when the current call lights no
  // line.
  function construyaCodigo(nombre, codigo) {
    const bloque = elemento('div', 'codigo');
    bloque.setAttribute('data-codigo', nombre);
    bloque.setAttribute('role', 'group');
    bloque.setAttribute('aria-label', 'Código de ' + nombre);
    bloque.appendChild(elemento('div', 'archivo', codigo.archivo));
    const notas = [codigo.aviso].concat((codigo.sin_luz || []).map((l) =>
      'No se ilumina la llamada de la línea ' + l.linea + ' de ' + l.archivo + ': ' + l.motivo + '.'));
    notas.filter((nota) => nota).forEach((nota) => bloque.appendChild(elemento('div', 'aviso', nota)));
    const sinLinea = elemento('div', 'aviso', 'La llamada actual no viene de una línea numerada de este código.');
    sinLinea.hidden = true;
    bloque.appendChild(sinLinea);
    const lineas = {}, orden = [];
    codigo.tramos.forEach((tramo, n) => {
      const otroArchivo = tramo.archivo !== (n > 0 ? codigo.tramos[n - 1].archivo : codigo.archivo);
      if (n > 0 || otroArchivo) {
        const hueco = elemento('div', 'hueco', otroArchivo ? tramo.archivo : '⋮');
        hueco.setAttribute('aria-hidden', 'true');
        bloque.appendChild(hueco);
      }
      tramo.lineas.forEach((texto, i) => {
        // A function's first line breaks before its name after "X::".
        const linea = elemento('div');
        (i === 0 ? texto.split(/(?<=::)(?=~?[A-Za-z_]\w*\s*\()/) : [texto]).forEach((trozo, t) => {
          if (t > 0) { linea.appendChild(elemento('br')); }
          linea.appendChild(document.createTextNode(trozo));
        });
        linea.setAttribute('data-linea', tramo.desde + i);
        if (tramo.archivo !== codigo.archivo) { linea.setAttribute('data-archivo', tramo.archivo); }
        bloque.appendChild(linea);
        lineas[Modelo.claveDeLinea(codigo, tramo, i)] = linea;
        orden.push(linea);
      });
    });
    const hecho = { elemento: bloque, lineas: lineas, orden: orden, mostradas: Modelo.lineasMostradas(codigo),
                    actual: null, impresas: null, sinLinea: sinLinea };
    marqueImpresas(hecho);
    return hecho;
  }

  function construyaPanel(m, barrasDe, numero, info) {
    const datos = m.datos, n = m.n;
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
    const panel = { numero: numero, s: info.estrategia, porPosicion: porPosicion, seccion: seccion,
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

    panel.estado = elemento('div', 'estado');
    seccion.appendChild(panel.estado);
    const contadores = elemento('div', 'contadores');
    const nombres = [['comparaciones', 'Comparaciones'], ['intercambios', 'Intercambios'],
                     ['operaciones', 'Operaciones']];
    if (porPosicion > 0) { nombres.push(['enlaces', 'Enlaces']); }
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
    return { filas: filas, paneles: paneles, codigos: codigos, estilos: barrasDe.estilos };
  }

  // The panels to choose from, by name: a table with a row per strategy,
  // named as it is shown (Nombre_Visible in the C++, with its accents), a
  // column per container, and in each cell the box of that panel, named
  // for a screen reader "Selección sobre Lista_Ordenable, panel 6"; then a
  // button per container that shows its panels alone, one for the
  // demonstration's (the default view) and one for all. It folds out under
  // the controls, so that any number of strategies takes one line there.
  function construyaEleccion(datos) {
    const visible = Modelo.nombreVisible;
    const casillas = $('casillas');
    casillas.replaceChildren();
    const tabla = elemento('table');
    const cabeza = tabla.createTHead().insertRow();
    cabeza.appendChild(elemento('td'));
    datos.contenedores.forEach((contenedor) => {
      const columna = elemento('th', '', contenedor.etiqueta);
      columna.scope = 'col';
      columna.title = contenedor.nombre;
      cabeza.appendChild(columna);
    });
    const cuerpo = tabla.createTBody();
    datos.estrategias.forEach((e, s) => {
      const fila = cuerpo.insertRow();
      const nombre = elemento('th', '', visible(e));
      nombre.scope = 'row';
      nombre.title = e.nombre;
      nombre.style.setProperty('--color', color(s));
      fila.appendChild(nombre);
      datos.contenedores.forEach((contenedor, c) => {
        const celda = fila.insertCell();
        const i = datos.paneles.findIndex((info) => info.estrategia === s && info.contenedor === c);
        if (i < 0) { return; }
        const etiqueta = elemento('label');
        const casilla = elemento('input');
        casilla.type = 'checkbox';
        casilla.value = i + 1;
        etiqueta.title = datos.paneles[i].titulo;
        casilla.setAttribute('aria-label', visible(e) + ' sobre ' + contenedor.nombre + ', panel ' + (i + 1));
        etiqueta.appendChild(casilla);
        celda.appendChild(etiqueta);
      });
    });
    casillas.appendChild(tabla);
    const botones = elemento('div', 'botones');
    datos.contenedores.forEach((contenedor, c) => {
      const boton = elemento('button', '', contenedor.etiqueta);
      boton.type = 'button';
      boton.title = 'Solo ' + contenedor.nombre;
      boton.setAttribute('data-contenedor', c);
      botones.appendChild(boton);
    });
    if (datos.estrategias.length > Modelo.DEMOSTRACION) {
      const propios = elemento('button', '', 'Demostración');
      propios.type = 'button';
      propios.title = 'Las estrategias de la demostración';
      propios.setAttribute('data-omision', '');
      botones.appendChild(propios);
    }
    const todos = elemento('button', '', 'Todos');
    todos.type = 'button';
    botones.appendChild(todos);
    casillas.appendChild(botones);
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

  function dibujeColumnas(m, vista, panel, estado) {
    const e = m.estrategias[panel.s];
    const op = estado.op;
    const clase = op === null ? '' : Modelo.esComparacion(op) ? 'comparada' : 'intercambiada';
    for (let p = 0; p < m.n; p++) {
      const visto = panel.visto[p], columna = panel.columnas[p], cifra = panel.cifras[p];
      const v = estado.valores[p], o = estado.origenes[p];
      if (visto.v !== v) {
        columna.elemento.setAttribute('data-valor', v);
        columna.relleno.style.cssText = vista.estilos.get(v);
        cifra.firstChild.nodeValue = v;
        visto.v = v;
      }
      if (visto.o !== o) {
        columna.elemento.setAttribute('data-origen', o);
        if (m.repetidos) {
          const vez = m.ocurrencias[o];
          texto(cifra.childNodes[1], vez ? String(vez) : '');
          texto(cifra.lastChild, vez ? ', ' + Palabras.vez(vez) : '');
        }
        visto.o = o;
      }
      const asentado = Modelo.asentada(e, estado, p);
      if (visto.asentado !== asentado) {
        poner(columna.elemento, 'data-asentado', asentado ? '' : null);
        visto.asentado = asentado;
      }
      // At the end of values left out of order: each position beside a
      // descent, and the first of each pair, whose mark stands between the
      // two (see the style).
      const descenso = estado.terminado && e.enDescenso[p]
        ? (p + 1 < m.n && v > estado.valores[p + 1] ? 'primera' : 'segunda') : null;
      if (visto.descenso !== descenso) {
        poner(columna.elemento, 'data-descenso', descenso);
        visto.descenso = descenso;
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

  // The walk along a chain of links: a call on i and j follows the links
  // up to each.
  function dibujeCadena(panel, op) {
    const largo = op === null ? -1 : Math.max(op[0], op[1]);
    const corto = op === null ? -1 : Math.min(op[0], op[1]);
    panel.cadena.classList.toggle('de-comparacion', op !== null && Modelo.esComparacion(op));
    panel.cadena.classList.toggle('de-intercambio', op !== null && !Modelo.esComparacion(op));
    panel.eslabones.forEach((eslabon, q) => {
      const clase = 'eslabon' + (q <= largo ? ' pisado' : '') + (q < largo && q >= corto ? ' una' : '') +
        (q < corto ? ' dos' : '') + (op !== null && (q === op[0] || q === op[1]) ? ' destino' : '');
      if (eslabon.className !== clase) { eslabon.className = clase; }
    });
  }

  function dibujePanel(m, vista, panel, estado) {
    const e = m.estrategias[panel.s];
    poner(panel.seccion, 'data-paso', estado.k);
    dibujeColumnas(m, vista, panel, estado);
    if (panel.cadena) { dibujeCadena(panel, estado.op); }
    texto(panel.estado, Palabras.estadoDePanel(e, estado, panel.porPosicion));
    const c = panel.contadores;
    texto(c.comparaciones, String(e.comparaciones[estado.k]));
    texto(c.intercambios, String(e.intercambios[estado.k]));
    texto(c.operaciones, String(estado.k));
    if (c.enlaces) { texto(c.enlaces, String(e.enlaces[estado.k] * panel.porPosicion)); }
  }

  // In a code block too tall for its row (ajuste.js marks it
  // data-desborda), brings its lit line to the middle of what it shows.
  function muestreLinea(elemento) {
    const linea = elemento.querySelector('[data-actual]');
    if (linea !== null && elemento.hasAttribute('data-desborda')) {
      elemento.scrollTop = linea.offsetTop - (elemento.clientHeight - linea.offsetHeight) / 2;
    }
  }

  // Lines of code printed: code longer than this prints the lines around
  // its lit line alone, so that its row keeps to a printed page's share;
  // fewer where rows stand two to a line (see the style).
  const LINEAS_IMPRESAS = 13, LINEAS_IMPRESAS_A_MEDIAS = 9;

  // Marks the lines of a code block that print (see the style): where it
  // has more than LINEAS_IMPRESAS_A_MEDIAS, the others are marked
  // data-lejos, with the window they fall out of ("13" falls out of both),
  // and the block says which lines print in each. Only the lines whose mark
  // changes are written, so that a step costs little.
  function marqueImpresas(bloque) {
    const orden = bloque.orden;
    if (orden.length <= LINEAS_IMPRESAS_A_MEDIAS) { return; }
    const donde = bloque.actual === null ? 0 : orden.indexOf(bloque.lineas[bloque.actual]);
    const desde = (cuantas) => Math.max(0, Math.min(orden.length - cuantas, donde - Math.floor(cuantas / 2)));
    const amplia = desde(LINEAS_IMPRESAS), breve = desde(LINEAS_IMPRESAS_A_MEDIAS);
    if (bloque.impresas === amplia + '|' + breve) { return; }
    const fuera = (i, d, cuantas) => i < d || i >= d + cuantas;
    orden.forEach((linea, i) => {
      poner(linea, 'data-lejos', fuera(i, amplia, LINEAS_IMPRESAS) ? String(LINEAS_IMPRESAS)
        : fuera(i, breve, LINEAS_IMPRESAS_A_MEDIAS) ? String(LINEAS_IMPRESAS_A_MEDIAS) : null);
    });
    bloque.impresas = amplia + '|' + breve;
    const lineas = (d, cuantas) => 'líneas ' + orden[d].getAttribute('data-linea') + ' a ' +
      orden[Math.min(orden.length, d + cuantas) - 1].getAttribute('data-linea');
    const archivo = bloque.elemento.querySelector('.archivo');
    poner(archivo, 'data-impresas', orden.length > LINEAS_IMPRESAS ? lineas(amplia, LINEAS_IMPRESAS) : null);
    poner(archivo, 'data-impresas-breve', lineas(breve, LINEAS_IMPRESAS_A_MEDIAS));
  }

  // Lights the line that made the current call, and marks it as the
  // current one for a screen reader; an exchange's line has a look of its
  // own.
  function dibujeCodigo(e, bloque, estado) {
    const numero = Modelo.lineaActual(e, estado, bloque.mostradas);
    const intercambio = numero !== null && !Modelo.esComparacion(estado.op);
    poner(bloque.sinLinea, 'hidden', Modelo.sinLinea(e, estado, bloque.mostradas) ? null : '');
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
    if (movida && numero !== null) { muestreLinea(bloque.elemento); }
    if (movida) { marqueImpresas(bloque); }
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

  // Draws step K of model m on vista; returns each strategy's state at K.
  function dibuje(m, vista, K) {
    const estados = m.estrategias.map((e) => Modelo.estadoEn(e, K));
    vista.paneles.forEach((panel) => dibujePanel(m, vista, panel, estados[panel.s]));
    vista.codigos.forEach((bloque) => dibujeCodigo(m.estrategias[bloque.s], bloque, estados[bloque.s]));
    return estados;
  }

  window.Traza.dibujo = {
    construya: construya, construyaEleccion: construyaEleccion, dibuje: dibuje, resalte: resalte, color: color,
    elemento: elemento, poner: poner, texto: texto, muestreLinea: muestreLinea
  };
}());
