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
  const Modelo = window.Traza.modelo, Direccion = window.Traza.direccion;

  let modulo = null;
  let informe = [];     // the bytes the demonstration writes
  let mostrada = null;  // the address's input part for the view shown

  function $(id) { return document.getElementById(id); }

  function muestreError(texto) {
    const linea = document.querySelector('[data-error]');
    linea.textContent = texto;
    linea.hidden = texto === '';
  }

  // A seed for an input whose seed was not typed, new each time. The C++
  // would take the clock's seconds, the same for two inputs asked for
  // within a second.
  function sorteeSemilla() { return String(Math.floor(Math.random() * 1000000)); }

  // What the form asks for, as its choice says: the given values, or the
  // shape, the count and the seed, drawn where none is typed.
  function entradaDelFormulario() {
    const campos = $('formulario').elements;
    if (campos.origen.value === 'valores') {
      return [['valores', campos.valores.value.trim()]];
    }
    const semilla = campos.semilla.value.trim();
    return [['entrada', campos.entrada.value], ['n', campos.n.value.trim()],
            ['semilla', semilla === '' ? sorteeSemilla() : semilla]];
  }

  // The form's shapes and its count, from the table that the C++ reads its
  // options with: the first shape is chosen, and the count given, where
  // nothing else is asked for.
  function prepareFormulario() {
    const entradas = JSON.parse(modulo.UTF8ToString(modulo._Traza_Entradas()));
    const campos = $('formulario').elements;
    entradas.formas.forEach((forma) => { campos.entrada.add(new Option(forma, forma)); });
    campos.n.defaultValue = String(entradas.n);
  }

  // The form shows the input that an address asks for, as typed there, so
  // that a mistake in it can be mended; what it does not name, the form
  // shows as it first was. A seed that the page drew is not one the user
  // asked for, and the field stays empty for a new one.
  function llene(entrada, sorteada) {
    const campos = $('formulario').elements;
    const valor = (clave, omision) => {
      const par = entrada.find(([c]) => c === clave);
      return par === undefined ? omision : par[1];
    };
    campos.origen.value = valor('valores', null) === null ? 'sorteo' : 'valores';
    campos.valores.value = valor('valores', '');
    // A shape the list does not have leaves it with none chosen.
    campos.entrada.value = valor('entrada', campos.entrada.options[0].value);
    campos.n.value = valor('n', campos.n.defaultValue);
    campos.semilla.value = sorteada ? '' : valor('semilla', '');
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
    const resto = Direccion.sinEntrada(window.location.hash);
    return window.location.href.replace(/#.*$/, '') + '#' + [parte].concat(resto).join('&');
  }

  // Records every strategy on entrada, through the C++: the data, or the
  // error line. The words go to the module as one text, each as its length
  // in bytes, a colon and the word (10:--valores5:7,3,3), through its heap,
  // which grows as needed: Emscripten's ccall would copy them onto the
  // module's stack, and a long enough paste or address would overrun it.
  function registre(entrada) {
    const palabras = [];
    entrada.forEach(([clave, valor]) => { palabras.push('--' + clave, valor); });
    const texto = palabras.map((palabra) => modulo.lengthBytesUTF8(palabra) + ':' + palabra).join('');
    const largo = modulo.lengthBytesUTF8(texto) + 1;
    const enMemoria = modulo._malloc(largo);
    try {
      modulo.stringToUTF8(texto, enMemoria, largo);
      return JSON.parse(modulo.UTF8ToString(modulo._Traza_Datos(enMemoria)));
    } finally {
      modulo._free(enMemoria);
    }
  }

  // Shows entrada, or says why it cannot be shown and leaves the view and
  // the address as they were. como is 'push' for an input from the form,
  // which starts at the first step, 'replace' for the address's own;
  // sorteada says that the page drew its seed. The address then names the
  // input shown, and its history entry remembers a seed drawn.
  function muestre(entrada, como, sorteada) {
    const respuesta = registre(entrada);
    if (respuesta.error !== undefined) {
      muestreError(respuesta.error);
      return false;
    }
    muestreError('');
    const datos = respuesta.datos;
    mostrada = parteDeDatos(datos);
    const direccion = direccionCon(mostrada);
    const estado = sorteada ? { sorteada: true } : null;
    if (como === 'push') {
      window.history.pushState(estado, '', direccion.replace(/&(paso=\d+|fin)(?=&|$)/g, ''));
    } else {
      window.history.replaceState(estado, '', direccion);
    }
    window.Traza.cargue(datos);
    return true;
  }

  // Whether the page drew the seed of the input that the history entry
  // shown names.
  function semillaSorteada() {
    return window.history.state !== null && window.history.state.sorteada === true;
  }

  // The input that the address asks for, shown with the form holding its
  // text: an address typed, followed or gone back to. An address with bad
  // input keeps it, in the form too, beside the error, so that it can be
  // mended; the view stays as it was, which is none at first.
  function muestreDireccion() {
    const entrada = Direccion.leaDireccion(window.location.hash).entrada;
    const sorteada = semillaSorteada();
    llene(entrada, sorteada);
    return muestre(entrada, 'replace', sorteada);
  }

  // The first view: the address's input, or, where it names none, the
  // form's first input (the C++'s own defaults), drawn anew. A page with
  // bad input in its address says so and shows no view.
  function muestreInicio() {
    if (Direccion.leaDireccion(window.location.hash).entrada !== null) {
      if (!muestreDireccion()) { document.body.setAttribute('data-estado', 'error'); }
    } else {
      muestre([['semilla', sorteeSemilla()]], 'replace', true);
    }
  }

  // "Ordenar": the form's input, the seed drawn anew each time none is
  // typed, and the field left empty.
  function alEnviar(evento) {
    evento.preventDefault();
    const campos = $('formulario').elements;
    muestre(entradaDelFormulario(), 'push', campos.origen.value === 'sorteo' && campos.semilla.value.trim() === '');
  }

  // Typing in a field, or choosing a shape, chooses the way of giving
  // values that the field belongs to.
  function alEscribir(evento) {
    const grupo = evento.target.closest('[data-origen]');
    if (grupo !== null && evento.target.name !== 'origen') {
      $('formulario').elements.origen.value = grupo.getAttribute('data-origen');
    }
  }

  // A new address: a new input is recorded; the step and the panels are
  // the replay page's own. The input shown already is not recorded again,
  // but an error about another is gone.
  function alCambiarDireccion() {
    const entrada = Direccion.leaDireccion(window.location.hash).entrada;
    if (entrada === null) { return; }
    if (entrada.map(([c, v]) => c + '=' + v).join('&') !== mostrada) {
      muestreDireccion();
    } else {
      muestreError('');
      llene(entrada, semillaSorteada());
    }
  }

  // Runs the demonstration's main and shows its report, whose bytes are
  // Windows-1252 text (the "á" of "está" is the one byte 0xE1).
  function ejecuteInforme() {
    informe = [];
    modulo.callMain([]);
    document.querySelector('[data-informe]').textContent =
      new TextDecoder('windows-1252').decode(Uint8Array.from(informe));
  }

  // New values of the shape and count shown, from a new seed, for
  // practice's "Otra vez"; false where the values shown were given, which
  // practice then goes over again.
  function otrosValores() {
    const datos = window.Traza.datos();
    if (datos === null || datos.semilla === null) { return false; }
    // An activity of an LMS draws the student's next attempt's (actividad.js).
    const semilla = typeof window.Traza.semillaDeActividad === 'function' ? window.Traza.semillaDeActividad()
      : sorteeSemilla();
    return muestre([['entrada', datos.origen], ['n', String(datos.entrada.length)], ['semilla', semilla]],
      'push', true);
  }

  // Started once the module is compiled: the page records its input and
  // is drawn in the same task, and the report waits for the next one.
  function inicie(listo) {
    modulo = listo;
    window.Traza.otrosValores = otrosValores;
    prepareFormulario();
    $('formulario').addEventListener('submit', alEnviar);
    $('formulario').addEventListener('input', alEscribir);
    $('boton-informe').addEventListener('click', ejecuteInforme);
    window.addEventListener('hashchange', alCambiarDireccion);
    window.addEventListener('popstate', alCambiarDireccion);
    muestreInicio();
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
