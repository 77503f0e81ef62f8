// The page's address (see modelo.js for the parts and how they share):
// keys joined by '&', such as paneles=1,3,5&paso=40 or fin, which a page
// reads when it opens and keeps up to date; and the pace at which it, and
// the words said to a screen reader, are written. No page is needed.
Traza.defina('direccion', [], function () {
  'use strict';

  // The address's keys that name an input, read by a page that records in
  // the browser, in the order the command line takes them.
  const CLAVES_DE_ENTRADA = ['entrada', 'n', 'semilla', 'valores'];

  // How the page is looked at, each with the value the page takes where
  // the address says none: the text's size (texto=grande), whether the
  // code shows (codigo=no hides it), and the speed in steps a second, one
  // of the speed slider's (velocidad=S). A value the page does not take is
  // dropped, as if not given; a value the page takes anyway is not written.
  const VELOCIDADES = [1, 2, 5, 10, 20, 50, 100, 200, 500, 1000];
  const VISTA_POR_OMISION = { texto: 'normal', codigo: 'si', velocidad: 20 };
  const VALORES_DE_VISTA = { texto: ['normal', 'grande'], codigo: ['si', 'no'], velocidad: VELOCIDADES.map(String) };


  // The parts of an address fragment: each as it came, its key (up to the
  // first '=', or the whole part), and its value after the '=', or null
  // where it has none.
  function partes(fragmento) {
    return fragmento.replace(/^#/, '').split('&').filter((parte) => parte !== '').map((parte) => {
      const igual = parte.indexOf('=');
      return { texto: parte, clave: igual < 0 ? parte : parte.slice(0, igual),
               valor: igual < 0 ? null : parte.slice(igual + 1) };
    });
  }

  // A value as typed where it is not valid percent-encoding.
  function decodifique(valor) {
    try { return decodeURIComponent(valor); } catch (e) { return valor; }
  }

  // Whether a key's value is a list of panel numbers, empty items aside.
  function sonNumeros(valor) {
    return valor !== null && valor.split(/,|%2C/i).every((x) => x === '' || /^\d+$/.test(x));
  }

  // The panel numbers of a key's value, "1,3,5" (commas may be %2C).
  function numeros(valor) {
    return (valor || '').split(/,|%2C/i).filter((x) => /^\d+$/.test(x)).map(Number);
  }

  // What an address fragment asks for: the step (paso=K, a number or
  // null), the end (fin), the panels (paneles=1,3,5: a list, or null), the
  // panels drawn as trees (arbol=13,14: a list, or null), how the page is
  // looked at (vista: texto, codigo and velocidad, each the default where
  // not given), and every part that the replay page does not read (otras), kept as it came.
  // A paso with no number is dropped. entrada holds the input keys among
  // otras, decoded, as [key, value] pairs in the order given, a key given
  // twice kept twice (so that whoever records it can refuse it), or null
  // where there are none. ilegibles holds, as they came, the parts the page
  // reads whose value it cannot take (paso=-1, paneles=1,x, velocidad=3),
  // for the page to say so.
  function leaDireccion(fragmento) {
    const leida = { paso: null, fin: false, paneles: null, arbol: null, vista: Object.assign({}, VISTA_POR_OMISION),
                    entrada: null, otras: [], ilegibles: [] };
    const entrada = [];
    partes(fragmento).forEach((parte) => {
      if (parte.clave === 'fin' && parte.valor === null) {
        leida.fin = true;
      } else if (parte.clave === 'paso') {
        if (parte.valor !== null && /^\d+$/.test(parte.valor)) {
          leida.paso = parseInt(parte.valor, 10);
        } else {
          leida.ilegibles.push(parte.texto);
        }
      } else if (parte.clave === 'paneles' || parte.clave === 'arbol') {
        leida[parte.clave] = numeros(parte.valor);
        if (!sonNumeros(parte.valor)) { leida.ilegibles.push(parte.texto); }
      } else if (parte.clave in VISTA_POR_OMISION) {
        if (VALORES_DE_VISTA[parte.clave].includes(parte.valor)) {
          leida.vista[parte.clave] = parte.clave === 'velocidad' ? +parte.valor : parte.valor;
        } else {
          leida.ilegibles.push(parte.texto);
        }
      } else {
        leida.otras.push(parte.texto);
        if (parte.valor !== null && CLAVES_DE_ENTRADA.includes(parte.clave)) {
          entrada.push([parte.clave, decodifique(parte.valor)]);
        }
      }
    });
    if (entrada.length > 0) { leida.entrada = entrada; }
    return leida;
  }

  // The parts of an address fragment other than the input's, as they came.
  function sinEntrada(fragmento) {
    return partes(fragmento).filter((parte) => !CLAVES_DE_ENTRADA.includes(parte.clave))
      .map((parte) => parte.texto);
  }

  // The fragment for panels shown (a list, or null for all) at step paso
  // of M, followed by the parts the page does not read: what leaDireccion
  // reads back. arbol lists the panels drawn as trees (none: [] or null);
  // vista is how the page is looked at, as leaDireccion reads it (none: the
  // defaults).
  function fragmento(paneles, paso, M, otras, arbol, vista) {
    const partesEscritas = [];
    if (paneles !== null) { partesEscritas.push('paneles=' + paneles.join(',')); }
    if (arbol && arbol.length > 0) { partesEscritas.push('arbol=' + arbol.join(',')); }
    Object.keys(VISTA_POR_OMISION).forEach((clave) => {
      const valor = vista ? vista[clave] : VISTA_POR_OMISION[clave];
      if (valor !== VISTA_POR_OMISION[clave]) { partesEscritas.push(clave + '=' + valor); }
    });
    if (paso >= M) {
      partesEscritas.push('fin');
    } else if (paso > 0) {
      partesEscritas.push('paso=' + paso);
    }
    return partesEscritas.concat(otras).join('&');
  }

  // ---- Pacing. What follows the step (the address, the words for a
  // screen reader) is written at once after a move of its own; while the
  // steps run on (playing, dragging the slider, a key held down) at most
  // once every intervalo ms, and the last of them once they stop: browsers
  // limit how often a page may change its address (Chromium, some 100
  // times in 10 s), and a screen reader cannot say more. escriba writes
  // what is current when it is called; reloj gives the time in ms (ahora)
  // and sets and clears a timer (espere, cancele).
  function seguidor(intervalo, escriba, reloj) {
    let ultima = -Infinity;  // when it was last written
    let pendiente = null;    // the timer of a write put off
    function olvide() {
      if (pendiente !== null) { reloj.cancele(pendiente); }
      pendiente = null;
    }
    function ya() {
      olvide();
      ultima = reloj.ahora();
      escriba();
    }
    return {
      // A change: written now if urgente or once intervalo has passed since
      // the last write, otherwise as soon as it has.
      pida: function (urgente) {
        const espera = urgente ? 0 : ultima + intervalo - reloj.ahora();
        if (espera <= 0) {
          ya();
        } else if (pendiente === null) {
          pendiente = reloj.espere(ya, espera);
        }
      },
      ya: ya,
      olvide: olvide
    };
  }

  return {
    CLAVES_DE_ENTRADA: CLAVES_DE_ENTRADA, VELOCIDADES: VELOCIDADES, VISTA_POR_OMISION: VISTA_POR_OMISION,
    leaDireccion: leaDireccion, sinEntrada: sinEntrada,
    fragmento: fragmento, seguidor: seguidor
  };
});
