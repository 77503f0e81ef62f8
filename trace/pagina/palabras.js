// The page's words (see modelo.js for the parts and how they share): each
// panel's state and call as it is shown, its heading as it is said, a
// repeated value's occurrence, and what a screen reader is told of a step.
// No page is needed: it also runs under node, for its tests.
Traza.defina('palabras', ['modelo', 'seguido'], function (Modelo, Seguido) {
  'use strict';


  function plural(n, uno, varios) { return n + ' ' + (n === 1 ? uno : varios); }

  // A list said as Spanish says it: "a", "a y b", "a, b y c".
  function enumere(lista) {
    return lista.length < 2 ? lista.join('') : lista.slice(0, -1).join(', ') + ' y ' + lista[lista.length - 1];
  }

  const ORDINALES = ['primera', 'segunda', 'tercera', 'cuarta', 'quinta', 'sexta', 'séptima', 'octava', 'novena',
                     'décima', 'undécima', 'duodécima'];

  // The k-th occurrence (from 1) of a value, in words: "segunda vez".
  function vez(k) { return k <= ORDINALES.length ? ORDINALES[k - 1] + ' vez' : 'vez número ' + k; }

  // The value that a state holds at position p, said with its occurrence
  // where the input repeats it: "3, segunda vez". ocurrencias is the
  // model's, by starting position.
  function valor(ocurrencias, estado, p) {
    const o = ocurrencias[estado.origenes[p]];
    return String(estado.valores[p]) + (o ? ', ' + vez(o) : '');
  }

  // Positions said in runs: "0, 4 a 7 y 9".
  function posiciones(lista) {
    const tramos = [];
    lista.forEach((p) => {
      const ultimo = tramos[tramos.length - 1];
      if (ultimo !== undefined && ultimo[1] === p - 1) { ultimo[1] = p; } else { tramos.push([p, p]); }
    });
    return enumere(tramos.map(([a, b]) => (a === b ? String(a) : b === a + 1 ? a + ' y ' + b : a + ' a ' + b)));
  }

  // ---- What a panel shows.

  // The call in the order it was made: Es_Menor(i, j) asks whether the
  // value at i is less than the value at j. On a container that follows
  // porPosicion links to reach each position, also what the call cost.
  function llamada(op, valores, porPosicion) {
    let texto = Modelo.esComparacion(op)
      ? 'Es_Menor(' + op[0] + ', ' + op[1] + '): ' + valores[op[0]] + ' < ' +
        valores[op[1]] + ' → ' + (op[2] ? 'sí' : 'no')
      : 'Intercambie(' + op[0] + ', ' + op[1] + ')';
    if (porPosicion > 0) {
      const suma = op[0] + ' + ' + op[1];
      texto += ' · ' + (porPosicion === 1 ? suma : '(' + suma + ') × ' + porPosicion) + ' = ' +
        plural((op[0] + op[1]) * porPosicion, 'enlace', 'enlaces');
    }
    return texto;
  }

  // Where strategy e's final values break their order, in words: each
  // descent as its two values and their positions, the first
  // DESCENSOS_DICHOS of them where there are more; or, breve, the first
  // and how many more. '' for sorted values.
  const DESCENSOS_DICHOS = 3;
  function desorden(e, breve) {
    const d = e.descensos;
    if (d.length === 0) { return ''; }
    const uno = (x) => x.antes + ' antes de ' + x.despues + ' en las posiciones ' + x.p + ' y ' + (x.p + 1);
    if (d.length === 1) { return uno(d[0]); }
    if (breve) { return uno(d[0]) + ' (y en ' + plural(d.length - 1, 'lugar', 'lugares') + ' más)'; }
    return 'el orden se rompe en ' + d.length + ' lugares' +
      (d.length > DESCENSOS_DICHOS ? ', los ' + DESCENSOS_DICHOS + ' primeros' : '') + ': ' +
      d.slice(0, DESCENSOS_DICHOS).map(uno).join('; ');
  }

  // Why a strategy that was stopped stopped, and when: "No termina:
  // detenida tras 9000 llamadas", or "Usa la posición 3, y solo hay de 0 a
  // 2: detenida tras 5 llamadas", and where the page keeps only the first
  // of its calls, how many it shows. '' for a strategy that ended.
  function detenida(e) {
    if (!e.falla) { return ''; }
    const porque = /^no termina/.test(e.falla) ? 'No termina' : e.falla.charAt(0).toUpperCase() + e.falla.slice(1);
    return porque + ': detenida tras ' + plural(e.hechas, 'llamada', 'llamadas') +
      (e.hechas > e.total ? ' (se muestran las primeras ' + e.total + ')' : '');
  }

  // The line under a panel: strategy e at state estado, on a container
  // that follows porPosicion links to reach a position. While practice
  // asks (practicando), a comparison shows its positions and values, not
  // its answer.
  function estadoDePanel(e, estado, porPosicion, practicando) {
    if (estado.k === 0) {
      return 'Sin empezar: ' + (e.falla ? detenida(e).replace(/^./, (c) => c.toLowerCase())
        : plural(e.total, 'operación', 'operaciones') + ' en total');
    }
    const op = estado.op;
    if (practicando && op !== null && Modelo.esComparacion(op)) {
      return 'Operación ' + estado.k + ' de ' + e.total + ': Es_Menor(' + op[0] + ', ' + op[1] + '): ¿' +
        estado.valores[op[0]] + ' < ' + estado.valores[op[1]] + '?';
    }
    if (estado.terminado && e.falla) {
      return detenida(e) + (op === null ? '' : '; la última, ' + llamada(op, estado.valores, porPosicion));
    }
    if (estado.terminado) {
      // Values left out of order say so first, and where the order breaks
      // (the first place; the bars mark every one).
      const fin = e.ordenado ? 'Terminado tras ' + plural(e.total, 'operación', 'operaciones')
        : 'NO ordenado tras ' + plural(e.total, 'operación', 'operaciones') + ': ' + desorden(e, true);
      return fin + (estado.op === null ? '' : '; la última, ' + llamada(estado.op, estado.valores, porPosicion));
    }
    return 'Operación ' + estado.k + ' de ' + e.total + ': ' + llamada(estado.op, estado.valores, porPosicion);
  }

  // A panel's heading as a screen reader says it, where the page shows the
  // report's own ("<<< 1 >>> => Vector_Ordenable <===> Ordenador_Burbuja").
  function tituloDicho(numero, estrategia, contenedor) {
    return 'Panel ' + numero + ': ' + estrategia + ' sobre ' + contenedor;
  }

  // What the page says of an address that names what it does not have, ''
  // where it names nothing of the kind: the panels faltan out of cuantos
  // ("No hay panel 99; hay 14."), and whether none of those it named is
  // there (ninguno), so that the first view shows; a step paso past the
  // last, M; the panels named to be drawn as trees that are no array's
  // (sinArbol, a list).
  function faltantes(faltan, cuantos, ninguno, paso, M, sinArbol) {
    const dichos = [];
    if (faltan.length > 0) {
      dichos.push('No hay ' + (faltan.length === 1 ? 'panel ' : 'paneles ') + enumere(faltan.map(String)) + '; hay ' +
        cuantos + (ninguno ? ': se muestran los paneles de inicio' : '') + '.');
    }
    if (paso !== null && paso > M) { dichos.push('No hay paso ' + paso + '; el último es el ' + M + '.'); }
    if (sinArbol && sinArbol.length > 0) {
      dichos.push((sinArbol.length === 1 ? 'No se dibuja como árbol el panel ' : 'No se dibujan como árbol los paneles ') +
        enumere(sinArbol.map(String)) + ': solo los de un arreglo.');
    }
    return dichos.join(' ');
  }

  // What the page says of the parts of an address whose values it cannot
  // take (Direccion.leaDireccion's ilegibles), '' where there are none.
  function ilegibles(partes) {
    return partes.length === 0 ? ''
      : 'No se entiende en la dirección: ' + enumere(partes.map((parte) => '«' + parte + '»')) + '.';
  }

  // ---- What a screen reader is told.

  // What strategy e's functions are doing at state estado, for n values, in
  // words: the chain of calls, each with its parameters, and where the
  // variables that are positions point ("; en Ordene, que llama a Hunda
  // con k 2 y n 8; k en la posición 2, hijo en la 5"); '' where it is not
  // known.
  function funcionesDichas(e, estado, n) {
    const f = Seguido.funcionesEn(e, estado, n);
    if (f === null) { return ''; }
    const llamada = (c) => c.funcion + (c.parametros.length === 0 ? ''
      : ' con ' + enumere(c.parametros.map((par) => par[0] + ' ' + par[1])));
    const cadena = f.cadena.map(llamada).join(', que llama a ');
    const punteros = f.punteros.map((x, i) => x.nombre + ' en la' + (i === 0 ? ' posición ' : ' ') + x.posicion);
    return '; en ' + cadena + (punteros.length === 0 ? '' : '; ' + punteros.join(', '));
  }

  // Strategy e's call at state estado in words: its verb (singular and
  // plural), what follows it, whether the call was its last, and, once it
  // has finished with its values out of order, where the order breaks
  // (fin). A comparison asks whether the value at its first position is
  // less than the one at its second; an exchange says what the two
  // positions hold after it. Stopped (not breve), each value says which
  // occurrence it is, the call its line in the strategy's file, what the
  // strategy's functions are doing (funcionesDichas), and the step the
  // positions already settled.
  function frase(m, e, estado) {
    const op = estado.op, ultima = estado.terminado;
    const dicho = (p) => valor(m.ocurrencias, estado, p);
    // Two values joined by words: a comma closes the first one's
    // occurrence, as it would in writing.
    const dos = (p, union, q) => dicho(p) + (m.ocurrencias[estado.origenes[p]] ? ',' : '') + union + dicho(q);
    // A strategy that was stopped says why, where another would end.
    const fin = ultima && e.falla ? ': ' + detenida(e) : ultima && !e.ordenado ? '; NO ordenado: ' + desorden(e) : '';
    const cierre = e.falla ? [', y se detiene', ', y se detienen'] : [', y termina', ', y terminan'];
    if (op === null && e.falla) { return { verbo: ['se detuvo', 'se detuvieron'], resto: fin }; }
    if (op === null) {
      return { verbo: ['terminó', 'terminaron'],
               resto: ' tras ' + plural(e.total, 'operación', 'operaciones') + fin };
    }
    // A line of the header is numbered -n in the recording.
    const numero = e.lineas[estado.k - 1] || 0;
    const linea = numero === 0 ? '' : ' (línea ' + Math.abs(numero) + (numero < 0 ? ' de la cabecera' : '') + ')';
    const funciones = ultima ? '' : funcionesDichas(e, estado, m.n);
    const asentadas = ultima ? [] : Array.from({ length: m.n }, (_, p) => p)
      .filter((p) => Modelo.asentada(e, estado, p));
    const despues = asentadas.length === 0 ? ''
      : '; ' + (asentadas.length === 1 ? 'asentada la posición ' : 'asentadas las posiciones ') + posiciones(asentadas);
    if (Modelo.esComparacion(op)) {
      return { verbo: ['compara', 'comparan'], ultima: ultima, fin: fin, cierre: cierre, resto: ' las posiciones ' + op[0] + ' y ' +
        op[1] + linea + ': ' + dos(op[0], op[2] ? ' es menor que ' : ' no es menor que ', op[1]) + funciones +
        despues };
    }
    return { verbo: ['intercambia', 'intercambian'], ultima: ultima, fin: fin, cierre: cierre, resto: (op[0] === op[1]
      ? ' la posición ' + op[0] + ' consigo misma' + linea
      : ' las posiciones ' + op[0] + ' y ' + op[1] + linea + ', que quedan con ' + dos(op[0], ' y ', op[1])) +
      funciones + despues };
  }

  // What a screen reader is told at step K of model m about the strategies
  // numbered in estrategias, whose steps end at the longest of them's: the
  // step and each one's call, said once for the strategies that make the
  // same (as they do at first), each by its display name. breve says the
  // step alone, short enough to be said while the steps run.
  function anuncio(m, K, estrategias, breve) {
    const paso = 'Paso ' + K + ' de ' + Modelo.ultimoPaso(m, estrategias);
    if (breve) { return paso; }
    if (K === 0) { return paso + ': ninguna llamada todavía.'; }
    const grupos = new Map();
    estrategias.forEach((s) => {
      const e = m.estrategias[s], dicho = frase(m, e, Modelo.estadoEn(e, K));
      const clave = dicho.verbo[0] + dicho.resto + (dicho.ultima ? '.' + dicho.fin : '');
      if (!grupos.has(clave)) { grupos.set(clave, { dicho: dicho, nombres: [] }); }
      grupos.get(clave).nombres.push(e.visible);
    });
    return paso + '. ' + Array.from(grupos.values()).map((grupo) => {
      const uno = grupo.nombres.length === 1 ? 0 : 1;
      return enumere(grupo.nombres) + ' ' + grupo.dicho.verbo[uno] + grupo.dicho.resto +
        (grupo.dicho.ultima ? grupo.dicho.cierre[uno] + grupo.dicho.fin : '') + '.';
    }).join(' ');
  }

  const palabras = {
    plural: plural, vez: vez, valor: valor, posiciones: posiciones, llamada: llamada, desorden: desorden,
    detenida: detenida, estadoDePanel: estadoDePanel, tituloDicho: tituloDicho, faltantes: faltantes, ilegibles: ilegibles,
    funcionesDichas: funcionesDichas, anuncio: anuncio
  };
  return palabras;
});
