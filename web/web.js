// The browser page's own part: an input typed into the form or found in
// the address is recorded by the project's C++ compiled to WebAssembly (the
// module that arranque.js compiles, started by Emscripten's Ordenamiento,
// above), the same code that ordenamiento_traza runs, and the replay page
// then draws it; the demonstration's main runs in the same module for its
// report. Whatever the form or the address holds reaches the C++ as words
// of a command line and comes back as data or as one error line, shown as
// text.
(function () {
  'use strict';

  // The replay page's model reads the address: its input keys, as the
  // command line takes them, and what else it holds.
  const Modelo = window.Traza.modelo;
  const POR_OMISION = { entrada: 'aleatoria', n: '20' };

  let modulo = null;
  let informe = [];     // the bytes the demonstration writes
  let mostrada = null;  // the address's input part for the view shown

  function $(id) { return document.getElementById(id); }

  function muestreError(texto) {
    const linea = document.querySelector('[data-error]');
    linea.textContent = texto;
    linea.hidden = texto === '';
  }

  // What the form asks for: the given values alone, or the shape, the count
  // and, when typed, the seed.
  function entradaDelFormulario() {
    const campos = $('formulario').elements;
    if (campos.valores.value.trim() !== '') {
      return [['valores', campos.valores.value.trim()]];
    }
    const entrada = [['entrada', campos.entrada.value], ['n', campos.n.value.trim()]];
    if (campos.semilla.value.trim() !== '') {
      entrada.push(['semilla', campos.semilla.value.trim()]);
    }
    return entrada;
  }

  // The address's input part that gives the view of datos again in any
  // browser: the values, or the shape, the count and the seed drawn.
  function parteDeDatos(datos) {
    if (datos.semilla === null) {
      return 'valores=' + datos.entrada.join(',');
    }
    return 'entrada=' + datos.origen + '&n=' + datos.entrada.length + '&semilla=' + datos.semilla;
  }

  // The address with its input part replaced by parte; the step, the
  // panels and any other key stay.
  function direccionCon(parte) {
    const resto = Modelo.sinEntrada(window.location.hash);
    return window.location.href.replace(/#.*$/, '') + '#' + [parte].concat(resto).join('&');
  }

  // Records the three strategies on entrada, through the C++: the data, or
  // the error line.
  function registre(entrada) {
    const palabras = [];
    entrada.forEach(([clave, valor]) => { palabras.push('--' + clave, valor); });
    return JSON.parse(modulo.ccall('Traza_Datos', 'string', ['string'], [JSON.stringify(palabras)]));
  }

  // Shows entrada, or says why it cannot be shown and leaves the view as it
  // was. como is 'push' for an input from the form, 'replace' otherwise.
  function muestre(entrada, como) {
    const respuesta = registre(entrada);
    if (respuesta.error !== undefined) {
      muestreError(respuesta.error);
      return false;
    }
    muestreError('');
    const datos = respuesta.datos;
    mostrada = parteDeDatos(datos);
    const direccion = direccionCon(mostrada);
    if (como === 'push') {
      window.history.pushState(null, '', direccion.replace(/&(paso=\d+|fin)(?=&|$)/g, ''));
    } else {
      window.history.replaceState(window.history.state, '', direccion);
    }
    llene(datos);
    window.Traza.cargue(datos);
    return true;
  }

  // The form shows the input of the view.
  function llene(datos) {
    const campos = $('formulario').elements;
    const dados = datos.semilla === null;
    campos.valores.value = dados ? datos.entrada.join(',') : '';
    if (!dados) {
      campos.entrada.value = datos.origen;
      campos.n.value = String(datos.entrada.length);
      campos.semilla.value = String(datos.semilla);
    }
  }

  // A new address: a new input is recorded; the step and the panels are
  // the replay page's own.
  function alCambiarDireccion() {
    const entrada = Modelo.leaDireccion(window.location.hash).entrada;
    if (entrada === null) { return; }
    const parte = entrada.map(([c, v]) => c + '=' + v).join('&');
    if (parte !== mostrada) { muestre(entrada, 'replace'); }
  }

  // Runs the demonstration's main and shows its report, whose bytes are
  // Windows-1252 text (the "á" of "está" is the one byte 0xE1).
  function ejecuteInforme() {
    informe = [];
    modulo.callMain([]);
    document.querySelector('[data-informe]').textContent =
      new TextDecoder('windows-1252').decode(Uint8Array.from(informe));
  }

  // Started once the module is compiled: the page records its input and
  // is drawn in the same task, and the report waits for the next one.
  function inicie(listo) {
    modulo = listo;
    $('formulario').addEventListener('submit', (evento) => {
      evento.preventDefault();
      muestre(entradaDelFormulario(), 'push');
    });
    $('boton-informe').addEventListener('click', ejecuteInforme);
    window.addEventListener('hashchange', alCambiarDireccion);
    window.addEventListener('popstate', alCambiarDireccion);
    const pedida = Modelo.leaDireccion(window.location.hash).entrada;
    if (pedida === null || !muestre(pedida, 'replace')) {
      const error = document.querySelector('[data-error]').textContent;
      muestre(Object.entries(POR_OMISION), 'replace');
      muestreError(error);
    }
    window.setTimeout(ejecuteInforme, 0);
  }

  // Emscripten's runtime around the module compiled by arranque.js.
  function arranque(compilado) {
    return new Promise((resuelva, rechace) => {
      window.Ordenamiento({
        // Standard output reaches the page as the bytes written
        // (salida.js); standard error is not shown.
        escriba: (fd, bytes) => {
          if (fd === 1) { bytes.forEach((byte) => informe.push(byte)); }
        },
        // At once where the browser allows it (older ones refuse a large
        // module on the page's own thread), otherwise when it is done.
        instantiateWasm: (importaciones, reciba) => {
          try {
            const instancia = new WebAssembly.Instance(compilado, importaciones);
            reciba(instancia);
            return instancia.exports;
          } catch (fallo) {
            WebAssembly.instantiate(compilado, importaciones).then(reciba, rechace);
            return {};
          }
        }
      }).then(resuelva, rechace);
    });
  }

  window.Traza.modulo.then(arranque).then(inicie, (fallo) => {
    // A browser without WebAssembly, or without its exceptions, which the
    // module needs, gets the reason instead of an empty page.
    muestreError('ERROR: este navegador no puede ejecutar el módulo WebAssembly de la página (' +
      String(fallo) + ')');
  });
}());
