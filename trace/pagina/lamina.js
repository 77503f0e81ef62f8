// The slide (see modelo.js for the parts and how they share): a step drawn
// as one SVG picture of 1280x720 whatever the window, the panels shown
// laid out as on the first screen, for a teacher's slides: each panel's
// parts and each strategy's code as escena.js works them out for the page
// too. The page saves it as it is, rasterises it for a PNG and draws a
// GIF's frames from it (guardado.js). No page is needed: it also runs
// under node, for its tests.
Traza.defina('lamina', ['modelo', 'escena', 'svg'], function (Modelo, Escena, Svg) {
  'use strict';

  const ANCHO = 1280, ALTO = 720;
  // The page's colours (aspecto.json), by the names of the style's custom
  // properties.
  const TINTA = Modelo.aspecto.colores;
  // What a bar shows (Escena.barras): a colour, or a hatching (its id no
  // other element of the file uses).
  const RELLENO = { normal: TINTA.barra, asentada: TINTA.asentada, comparada: 'url(#lamina-rayas)',
                    intercambiada: 'url(#lamina-cuadros)', descenso: 'url(#lamina-quiebre)' };
  // The slide's margin, and the gap between its boxes.
  const MARGEN = 8, HUECO = 8;
  const { SANS, ANCHO_MONO, escape, n, largo, anchoDe, texto, renglones, caja, cajaVelada, raya, circulo } = Svg;

  // ---- The bars' hatchings, as the page's (pagina.css): dark stripes on
  // a compared bar, light cross-hatching on an exchanged one, flat
  // stripes on a bar beside a descent.
  function patrones() {
    const patron = (id, lado, giro, cuerpo) => '<pattern id="lamina-' + id + '" patternUnits="userSpaceOnUse" width="' +
      lado + '" height="' + lado + '"' + (giro ? ' patternTransform="rotate(45)"' : '') + '>' + cuerpo + '</pattern>';
    return '<defs>' +
      patron('rayas', 6, true, caja(0, 0, 6, 6, TINTA.comparada) + cajaVelada(0, 0, 2, 6, TINTA['tinta-rayas'])) +
      patron('cuadros', 6, true, caja(0, 0, 6, 6, TINTA.intercambiada) +
        cajaVelada(0, 0, 1.5, 6, TINTA['tinta-cuadros']) + cajaVelada(0, 0, 6, 1.5, TINTA['tinta-cuadros'])) +
      patron('quiebre', 5, false, caja(0, 0, 5, 5, TINTA.barra) + cajaVelada(0, 0, 5, 2, TINTA['tinta-quiebre'])) +
      '</defs>';
  }

  // ---- A panel: its heading, then its parts (Escena.panel), each drawn
  // by a function of its own from its data.

  // The widest value label of the data, in pixels at talla, with its
  // occurrence's index where it has one.
  function anchoDeCifra(m, talla) {
    const digitos = Math.max.apply(null, m.datos.entrada.map((v) => String(v).length));
    const indice = Math.max.apply(null, m.ocurrencias);
    return digitos * talla * ANCHO_MONO + 3 + (indice === 0 ? 0 : String(indice).length * 9 * ANCHO_MONO + 1);
  }

  const TALLA_CIFRA = 12, ALTO_CIFRA = 14;

  // The bars (barras) on a zero line, alto high from y, one every paso
  // from x0, hueco apart; a negative value hangs below the line. Where an
  // unsorted end breaks its order, a ">" between the two bars.
  function svgBarras(m, barras, x0, y, alto, paso, hueco, ancho) {
    const partes = [], rango = Math.max(1, m.maximo - m.minimo);
    const cero = y + alto * m.maximo / rango, anchoBarra = paso - hueco;
    barras.forEach((b, p) => {
      const largo = Math.max(3, alto * Math.abs(b.valor) / rango);
      partes.push(caja(x0 + p * paso, b.valor >= 0 ? cero - largo : cero, anchoBarra, largo, RELLENO[b.muestra],
        ' rx="' + Math.min(2, anchoBarra / 4).toFixed(1) + '" class="barra" data-p="' + p + '" data-valor="' +
        b.valor + '" data-estado="' + b.muestra + '"'));
    });
    partes.push(raya(x0, cero, x0 + ancho, cero, TINTA.cero, 1));
    barras.forEach((b, p) => {
      if (b.descenso !== 'primera') { return; }
      const x = x0 + (p + 1) * paso - hueco / 2;
      partes.push(caja(x - 6, y, 12, 14, TINTA.tarjeta, ' rx="3" stroke="' + TINTA.texto + '" stroke-width="1"') +
        texto(x, y + 11, '>', 12, { mono: true, peso: 700, ancla: 'middle', color: TINTA.texto }));
    });
    return partes.join('');
  }

  // The bars' value labels in filas rows (Escena.filasDeCifras) from y,
  // each under its bar's centro, with its occurrence's index; the current
  // call's in bold.
  function svgCifras(barras, filas, centro, y) {
    const partes = [];
    barras.forEach((b, p) => {
      const fila = Escena.filaDeCifra(b, p, filas), actual = b.marca !== '';
      if (fila < 0) { return; }
      const sub = b.vez ? '<tspan class="indice" dy="3" font-size="9" fill="' + TINTA.acento + '">' + b.vez + '</tspan>'
        : '';
      partes.push(texto(centro(p), y + fila * ALTO_CIFRA + 11, '', TALLA_CIFRA, {
        ancla: 'middle', color: actual ? TINTA.texto : TINTA.tenue, peso: actual ? 700 : 0,
        atributos: ' class="cifra" data-p="' + p + '"', trozos: escape(b.valor) + sub }));
    });
    return partes.join('');
  }

  // The list's chain (Escena.cadena) at height y: the links walked, thicker
  // where both walks pass, and the call's two nodes in its colour.
  function svgCadena(cadena, centro, y, x0) {
    const marca = cadena.llamada === null ? null : cadena.llamada === 'comparacion'
      ? [TINTA.comparada, TINTA['halo-comparacion']] : [TINTA.intercambiada, TINTA['halo-intercambio']];
    const eslabones = cadena.eslabones;
    const partes = ['<g class="cadena">', texto(x0 - 7, y + 4, '→', 11, { ancla: 'middle', color: TINTA.tenue })];
    for (let q = 0; q + 1 < eslabones.length; q++) {
      const tramo = eslabones[q].tramo;
      const color = tramo === 'dos' ? TINTA.doble : tramo === 'una' ? TINTA.pisada : TINTA.cadena;
      partes.push(raya(centro(q), y, centro(q + 1), y, color, tramo === 'dos' ? 4 : 2));
    }
    eslabones.forEach((x, q) => {
      if (x.destino) { partes.push(circulo(centro(q), y, 5.5, marca[1])); }
      partes.push(circulo(centro(q), y, 3.5, x.destino ? marca[0] : x.pisado ? TINTA.pisada : TINTA.cadena));
    });
    partes.push('</g>');
    return partes.join('');
  }

  // What the strategy's functions do, under the labels from y, as the page
  // draws it (dibujo_seguido.js): the positions written, every cada and
  // the current call's two; the ranges of the calls running, a line each,
  // deeper ones below, where the strategy's calls go deeper than Ordene;
  // and the variables that point at positions, on their rows. Returns the
  // parts and the height they take.
  function svgSeguido(m, e, partes, op, centro, paso, x0, y) {
    const salida = [], n = m.n, s = e.seguido;
    Escena.rotulosDePosicion(n, op, Escena.cadaCuantas(n, paso), paso).forEach((r) => salida.push(texto(
      centro(r.p), y + 10, String(r.p), 10.5, { ancla: r.alineado === 'fin' ? 'end' : r.alineado === 'inicio'
        ? 'start' : 'middle', color: r.actual ? TINTA.texto : TINTA.tenue,
        peso: r.actual ? 700 : 0, atributos: ' class="posicion"' })));
    let alto = 13;
    if (s.profundidad > 1) {
      const primero = partes.tramos.length > 0 ? partes.tramos[0].nivel : 0;
      partes.tramos.forEach((t) => salida.push(caja(x0 + t.desde * paso, y + alto + 3 * (t.nivel - primero),
        (t.hasta - t.desde + 1) * paso - 1, 2, TINTA.texto, ' class="tramo"')));
      alto += 9;
    }
    partes.punteros.forEach((x) => {
      const ancla = x.alineado === 'inicio' ? 'start' : x.alineado === 'fin' ? 'end' : 'middle';
      const donde = x.alineado === 'inicio' ? x0 : x.alineado === 'fin' ? x0 + n * paso : centro(x.posicion);
      salida.push(texto(donde, y + alto + 10 + 13 * x.fila, x.texto, 10.5, { ancla: ancla, peso: 700,
        color: TINTA.texto, atributos: ' class="puntero"' }));
    });
    return { partes: salida.join(''), alto: alto + 13 * s.filasDePunteros };
  }

  // The counters (Escena.contadores) on one line at y, their values bold.
  function svgContadores(contadores, x0, y, ancho) {
    const trozos = contadores.map((c) => escape(c.nombre) + ' <tspan font-weight="700" fill="' + TINTA.texto + '">' +
      c.valor + '</tspan>').join('   ');
    const dicho = contadores.map((c) => c.nombre + ' ' + c.valor).join('   ');
    return texto(x0, y + 12, dicho, 11.5, { ancho: ancho, color: TINTA.tenue, trozos: trozos,
      atributos: ' class="contadores" xml:space="preserve"' });
  }

  // Panel numero (info, its entry of the data's paneles) at state estado,
  // in the box r: the heading, then from the bottom up the counters, the
  // call's words, the chain and the labels, and the bars in what is left.
  function panel(m, numero, info, estado, r) {
    const x0 = r.x + 8, ancho = r.ancho - 16;
    const paso = (ancho + (m.n > 32 ? 1 : 2)) / m.n, hueco = m.n > 32 ? 1 : 2;
    const partes = Escena.panel(m, info, estado, paso), e = m.estrategias[info.estrategia];
    const salida = ['<g class="panel" data-panel="' + numero + '" data-paso="' + estado.k + '">',
      caja(r.x, r.y, r.ancho, r.alto, Modelo.color(info.estrategia), ' rx="6"'),
      caja(r.x, r.y + 4, r.ancho, r.alto - 4, TINTA.tarjeta, ' rx="6"')];
    let y = r.y + 4;
    // The heading, as the report writes it: on two lines, before its
    // strategy, where one would squeeze it much.
    const tallaTitulo = Math.max(10.5, Math.min(12.5, ancho / (largo(info.titulo) * ANCHO_MONO)));
    const titulo = anchoDe(info.titulo, tallaTitulo, true) > ancho * 1.15
      ? info.titulo.split(/(?= <===> )/) : [info.titulo];
    titulo.forEach((linea, i) => salida.push(texto(x0, y + 14 + 14 * i, linea, tallaTitulo, { mono: true, peso: 600,
      ancho: ancho, color: TINTA.texto, atributos: ' class="titulo"' })));
    y += 5 + 14 * titulo.length;
    const filas = Escena.filasDeCifras(anchoDeCifra(m, TALLA_CIFRA), paso);
    const altoCifras = (filas === 'actuales' ? 2 : filas) * ALTO_CIFRA;
    const altoCadena = partes.cadena === null ? 0 : 14;
    const centro = (p) => x0 + p * paso + (paso - hueco) / 2;
    const seguido = svgSeguido(m, e, partes, estado.op, centro, paso, x0, 0);
    const altoLlamadas = e.seguido.profundidad > 1 ? 14 : 0;
    const altoDeArriba = seguido.alto + altoLlamadas;
    // The call's words, and the variables of the innermost call, on two
    // lines, where they need them and the bars keep some height.
    const libre = r.y + r.alto - y - 5 - 15 - altoCadena - altoCifras - altoDeArriba - 4;
    const dicho = partes.llamada + (partes.vigilancia === '' ? '' : ' — ' + partes.vigilancia);
    const llamada = renglones(dicho, 12, ancho, libre >= 70 ? 2 : 1, false);
    let altoBarras = libre - 15 * llamada.length;
    // Too many panels for the slide: what does not fit in its card is cut.
    const recorte = altoBarras < 10 ? ' clip-path="url(#lamina-recorte-' + numero + ')"' : '';
    if (recorte !== '') {
      salida.push('<clipPath id="lamina-recorte-' + numero + '">' + caja(r.x, r.y, r.ancho, r.alto, '#000000') +
        '</clipPath><g' + recorte + '>');
    }
    altoBarras = Math.max(10, altoBarras);
    salida.push(svgBarras(m, partes.barras, x0, y, altoBarras, paso, hueco, ancho));
    y += altoBarras + 2;
    salida.push(svgCifras(partes.barras, filas, centro, y));
    y += altoCifras + 2;
    salida.push(svgSeguido(m, e, partes, estado.op, centro, paso, x0, y).partes);
    y += seguido.alto;
    if (partes.cadena !== null) { salida.push(svgCadena(partes.cadena, centro, y + 6, x0)); }
    y += altoCadena;
    if (altoLlamadas > 0) {
      // The chain of calls, its start cut where the line is too short.
      const caben = Math.floor(ancho / (11 * ANCHO_MONO));
      const cadena = largo(partes.llamadas) > caben ? '…' + Array.from(partes.llamadas).slice(1 - caben).join('')
        : partes.llamadas;
      salida.push(texto(x0, y + 11, cadena, 11, { mono: true, color: TINTA.texto, atributos: ' class="llamadas"' }));
      y += altoLlamadas;
    }
    llamada.forEach((linea, i) => salida.push(texto(x0, y + 12 + 15 * i, linea, 12, { ancho: ancho,
      color: TINTA.texto, atributos: ' class="estado"' })));
    y += 15 * llamada.length;
    salida.push(svgContadores(partes.contadores, x0, y, ancho));
    salida.push(recorte === '' ? '</g>' : '</g></g>');
    return salida.join('');
  }

  // ---- A strategy's code, with the line of the current call lit.
  // The rows of a strategy's code (Escena.filasDeCodigo), each piece of a
  // line a row of its own (primera for its first), its tabs four spaces.
  function filasDeCodigo(codigo) {
    const filas = [];
    Escena.filasDeCodigo(codigo).forEach((fila) => {
      if (fila.numero === null) {
        filas.push({ numero: null, primera: true, texto: fila.texto });
        return;
      }
      fila.trozos.forEach((trozo, j) => filas.push({ numero: fila.numero, clave: fila.clave, primera: j === 0,
                                                      texto: trozo.replace(/\t/g, '    ') }));
    });
    return filas;
  }

  // Rows longer than caben characters go on under their own indentation.
  function envuelva(filas, caben) {
    const salida = [];
    filas.forEach((fila) => {
      let resto = fila.texto, primera = fila.primera;
      const sangria = ' '.repeat(Math.min(resto.search(/\S|$/) + 2, Math.floor(caben / 2)));
      while (largo(resto) > caben) {
        const letras = Array.from(resto);
        const espacio = letras.lastIndexOf(' ', caben);
        const corte = espacio > sangria.length + caben / 3 ? espacio + 1 : caben;
        salida.push({ numero: fila.numero, clave: fila.clave, primera: primera,
                      texto: letras.slice(0, corte).join('').trimEnd() });
        resto = sangria + letras.slice(corte).join('');
        primera = false;
      }
      salida.push({ numero: fila.numero, clave: fila.clave, primera: primera, texto: resto });
    });
    return salida;
  }

  // The widest code row plus its number's room, in characters.
  function columnasDeCodigo(filas) { return Math.max.apply(null, filas.map((f) => largo(f.texto))) + 4; }
  const TALLA_CODIGO = [12, 11.5, 11, 10.5, 10];
  // The width the code wants at its largest size, up to tope.
  function anchoDeCodigo(codigo, tope) {
    return Math.min(tope, columnasDeCodigo(filasDeCodigo(codigo)) * TALLA_CODIGO[0] * ANCHO_MONO + 14);
  }

  // Strategy e's code at state estado in the box r, under the notes the
  // page shows beside it: at the largest size that shows it whole; code
  // too long for its box shows the lines around the lit line, and says
  // which.
  function codigoEn(e, s, codigo, estado, r) {
    const luz = Escena.luz(e, estado, Modelo.lineasMostradas(codigo));
    const notas = Escena.notasDeCodigo(codigo, luz.sinLinea);
    const cabeza = 16 + 13 * notas.length, alto = r.alto - cabeza - 6, ancho = r.ancho - 14;
    const base = filasDeCodigo(codigo);
    const cabe = (talla, filas) => columnasDeCodigo(base) * talla * ANCHO_MONO <= ancho &&
      filas * talla * 1.2 <= alto;
    const talla = TALLA_CODIGO.find((t) => cabe(t, base.length)) ||
      TALLA_CODIGO.find((t) => cabe(t, 0)) || TALLA_CODIGO[TALLA_CODIGO.length - 1];
    const filas = envuelva(base, Math.max(8, Math.floor(ancho / (talla * ANCHO_MONO)) - 4));
    const numero = luz.clave, intercambio = luz.intercambio;
    const caben = Math.max(1, Math.floor(alto / (talla * 1.2)));
    const donde = numero === null ? 0 : filas.findIndex((f) => f.clave === numero);
    const desde = Escena.ventana(filas.length, donde, caben);
    const vistas = filas.slice(desde, desde + caben);
    const rotulo = Escena.rotuloDeVentana(vistas);
    const recorte = vistas.length < filas.length && rotulo !== '' ? ' · ' + rotulo : '';
    const partes = ['<g class="codigo" data-codigo="' + escape(e.nombre) + '">',
      caja(r.x, r.y, r.ancho, r.alto, Modelo.color(s), ' rx="6"'),
      caja(r.x + 4, r.y, r.ancho - 4, r.alto, TINTA.tarjeta, ' rx="4"'),
      texto(r.x + 10, r.y + 13, codigo.archivo + recorte, 11, { ancho: r.ancho - 16, color: TINTA.tenue })];
    notas.forEach((nota, i) => partes.push(texto(r.x + 10, r.y + 26 + 13 * i, nota, 10.5, { ancho: r.ancho - 16,
      color: TINTA.texto, atributos: ' font-style="italic"' })));
    const anchoNumero = 3 * talla * ANCHO_MONO, x0 = r.x + 10 + anchoNumero + talla * ANCHO_MONO;
    vistas.forEach((fila, i) => {
      const y = r.y + cabeza + 2 + i * talla * 1.2, lucida = numero !== null && fila.clave === numero;
      const [fondo, borde] = intercambio ? ['luz-intercambio', 'intercambiada'] : ['luz-comparacion', 'comparada'];
      if (lucida) {
        partes.push(caja(r.x + 7, y, r.ancho - 10, talla * 1.2, TINTA[fondo], ' rx="2" stroke="' + TINTA[borde] + '"'));
      }
      if (fila.numero !== null && fila.primera) {
        partes.push(texto(r.x + 10 + anchoNumero, y + talla, String(fila.numero), talla, { mono: true, ancla: 'end',
          color: TINTA.numero }));
      }
      const sangria = fila.texto.search(/\S|$/);
      const atributos = ' class="linea" xml:space="preserve"' + (fila.numero === null ? '' : ' data-linea="' +
        fila.numero + '"') + (lucida ? ' data-actual="' + (intercambio ? 'intercambio' : 'comparacion') + '"' : '');
      partes.push(texto(x0 + sangria * talla * ANCHO_MONO, y + talla, fila.texto.slice(sangria), talla, {
        mono: true, peso: lucida ? 700 : 0, color: fila.numero === null ? TINTA.numero : TINTA.texto,
        atributos: atributos }));
    });
    partes.push('</g>');
    return partes.join('');
  }

  // ---- The slide.
  // Where the strategies' rows stand, as on the first screen: one per
  // strategy shown, one above the other; past three strategies, two to a
  // line, a row of two panels across both, each row in the first place
  // free (a grid's dense flow). Returns each row's strategy, panels and
  // box, below arriba.
  function disposicion(m, eleccion, arriba) {
    const datos = m.datos, columnas = Modelo.reparto(datos, eleccion).columnas;
    const ocupadas = [];
    const filas = Modelo.estrategiasMostradas(datos, eleccion).map((s) => {
      const paneles = eleccion.filter((x) => datos.paneles[x - 1].estrategia === s);
      const ancho = columnas === 2 && paneles.length === 2 ? 2 : 1;
      for (let l = 0; ; l++) {
        if (ocupadas[l] === undefined) { ocupadas[l] = new Array(columnas).fill(false); }
        const c = ancho === 2 ? (ocupadas[l].every((x) => !x) ? 0 : -1) : ocupadas[l].indexOf(false);
        if (c >= 0) {
          for (let i = c; i < c + ancho; i++) { ocupadas[l][i] = true; }
          return { s: s, paneles: paneles, linea: l, columna: c, ancho: ancho };
        }
      }
    });
    const lineas = ocupadas.length;
    const altoLinea = (ALTO - MARGEN - arriba - HUECO * (lineas - 1)) / lineas;
    const anchoCelda = (ANCHO - 2 * MARGEN - HUECO * (columnas - 1)) / columnas;
    filas.forEach((f) => {
      f.caja = { x: MARGEN + f.columna * (anchoCelda + HUECO), y: arriba + f.linea * (altoLinea + HUECO),
                 ancho: f.ancho * anchoCelda + (f.ancho - 1) * HUECO, alto: altoLinea };
    });
    return filas;
  }

  // The slide of step K of model m, with the panels numbered in eleccion
  // (from 1, as in the report) and, where opciones.codigo, each strategy's
  // code from codigo (codigo.json) at the left of its row: SVG text of
  // 1280x720, drawn at opciones.escala times that size (1 unless given).
  function svg(m, codigo, eleccion, K, opciones) {
    const o = opciones || {}, escala = o.escala || 1, datos = m.datos;
    const M = Modelo.ultimoPaso(m, Modelo.estrategiasMostradas(datos, eleccion));
    K = Math.max(0, Math.min(K, M));
    const paso = 'Paso ' + K + ' de ' + M;
    const partes = [patrones(), caja(0, 0, ANCHO, ALTO, TINTA.fondo)];
    // At the top, the step and the input.
    partes.push(texto(16, 30, paso, 22, { peso: 700, color: TINTA.texto, atributos: ' class="paso"' }));
    const origen = (datos.descripcion || '') + (datos.semilla === null || datos.semilla === undefined ? ''
      : '; semilla ' + datos.semilla);
    partes.push(texto(ANCHO - 16, 29, origen, 13, { ancla: 'end', color: TINTA.tenue,
      ancho: ANCHO - 56 - anchoDe(paso, 22) }));
    const entrada = renglones('Entrada: [' + datos.entrada.join(' ') + ']', 13, ANCHO - 32, 2, true);
    entrada.forEach((linea, i) => partes.push(texto(16, 52 + 17 * i, linea, 13, { mono: true, ancho: ANCHO - 32,
      color: TINTA.texto, atributos: ' class="entrada" xml:space="preserve"' })));
    const arriba = 52 + 17 * (entrada.length - 1) + 10;
    disposicion(m, eleccion, arriba).forEach((fila) => {
      const e = m.estrategias[fila.s], estado = Modelo.estadoEn(e, K), r = fila.caja;
      let x = r.x;
      if (o.codigo && codigo && codigo[e.nombre]) {
        const ancho = anchoDeCodigo(codigo[e.nombre], r.ancho * (r.ancho > 900 ? 0.36 : 0.48));
        partes.push(codigoEn(e, fila.s, codigo[e.nombre], estado, { x: x, y: r.y, ancho: ancho, alto: r.alto }));
        x += ancho + HUECO;
      }
      const cuantos = fila.paneles.length;
      const anchoPanel = (r.x + r.ancho - x - HUECO * (cuantos - 1)) / cuantos;
      fila.paneles.forEach((numero, i) => {
        partes.push(panel(m, numero, datos.paneles[numero - 1], estado,
          { x: x + i * (anchoPanel + HUECO), y: r.y, ancho: anchoPanel, alto: r.alto }));
      });
    });
    return '<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" width="' +
      ANCHO * escala + '" height="' + ALTO * escala + '" viewBox="0 0 ' + ANCHO + ' ' + ALTO +
      '" font-family="' + SANS + '" role="img" aria-label="' + escape(paso) + '">' +
      '<title>' + escape('Traza de ordenamiento, ' + paso) + '</title>' + partes.join('\n') + '\n</svg>\n';
  }

  // ---- The GIF's frames. A GIF counts its delays in hundredths of a
  // second, and browsers play anything under two as ten: a GIF shows at
  // most MAX_POR_SEGUNDO frames a second. MAX_CUADROS bounds its size and
  // the time it takes to make.
  const MAX_POR_SEGUNDO = 50, MAX_CUADROS = 600;
  // The last frame is held two seconds (or its own delay, if longer), so
  // that the end is seen before the GIF starts again.
  const CENTESIMAS_FINALES = 200;

  // The frames of a GIF from step A to step B at velocidad steps a second:
  // one per step; past MAX_POR_SEGUNDO steps a second or MAX_CUADROS
  // frames, steps at even intervals, A and B among them, each shown longer
  // so that the whole lasts as long. Returns the steps, the delay in
  // hundredths, the last frame's (final), whether it left steps out (muestreado) and what says so.
  function cuadros(A, B, velocidad) {
    const fin = Math.max(A, B);
    const v = Number.isFinite(velocidad) && velocidad > 0 ? velocidad : 1;
    const todos = fin - A + 1;
    const porVelocidad = v > MAX_POR_SEGUNDO ? Math.floor((fin - A) * MAX_POR_SEGUNDO / v) + 1 : todos;
    const cuantos = Math.max(Math.min(todos, 2), Math.min(todos, MAX_CUADROS, porVelocidad));
    const muestreado = cuantos < todos;
    const pasos = cuantos === 1 ? [A]
      : Array.from({ length: cuantos }, (_, i) => A + Math.round(i * (fin - A) / (cuantos - 1)));
    const centesimas = Math.min(65535, Math.max(2, Math.round(100 / v * (muestreado ? (fin - A) / (cuantos - 1) : 1))));
    const nota = muestreado ? 'El GIF muestra ' + cuantos + ' de los ' + todos + ' pasos, tomados a intervalos ' +
      'iguales: un GIF no pasa de ' + MAX_POR_SEGUNDO + ' cuadros por segundo ni de ' + MAX_CUADROS + ' cuadros.' : '';
    return { pasos: pasos, centesimas: centesimas, final: Math.max(centesimas, CENTESIMAS_FINALES),
             muestreado: muestreado, nota: nota };
  }

  // The file a slide is saved as: traza-paso-K.svg, or for a GIF from
  // step K to step hasta, traza-pasos-K-a-hasta.gif.
  function nombreDeArchivo(K, extension, hasta) {
    return (hasta === undefined ? 'traza-paso-' + K : 'traza-pasos-' + K + '-a-' + hasta) + '.' + extension;
  }

  const lamina = {
    ANCHO: ANCHO, ALTO: ALTO, MAX_POR_SEGUNDO: MAX_POR_SEGUNDO, MAX_CUADROS: MAX_CUADROS,
    svg: svg, cuadros: cuadros, nombreDeArchivo: nombreDeArchivo, escape: escape
  };
  return lamina;
});
