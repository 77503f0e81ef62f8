// The practice as a SCORM activity, on the page (scorm.js holds its rules
// and words with no page): saving the package, and the activity run inside
// a course's LMS, or outside one, where it sends nothing. web/actividad.js
// unpacks this text and makes it into code only when it is needed, and
// gives it fflate (Traza.fflate), which writes the zip.
(function () {
  'use strict';

  const Traza = window.Traza, Scorm = Traza.scorm;

  function $(id) { return document.getElementById(id); }

  // ---- Saving.

  // The page as it was read, before any script changed it, with the
  // activity's settings, actividad, at the end of its head. A page opened
  // from disk cannot read its own file, and its body now holds the panels
  // built from its data; but no script changes the head, nor the text of a
  // script, and defina.js, the body's first script, kept the body as it
  // was read up to itself: the page is that head, that body and the
  // scripts after it.
  function paginaLimpia(actividad) {
    const cuerpo = Traza.cuerpo, guiones = [];
    for (let el = cuerpo.guion.nextElementSibling; el !== null; el = el.nextElementSibling) {
      if (el.tagName === 'SCRIPT') { guiones.push(el.outerHTML); }
    }
    const cabeza = document.head.outerHTML.replace(/<\/head>$/,
      () => Scorm.elementoDeActividad(actividad) + '\n</head>');
    return '<!DOCTYPE html>\n<html lang="' + document.documentElement.lang + '">\n' + cabeza + '\n' +
      cuerpo.apertura + cuerpo.texto + '\n' + guiones.join('\n') + '\n</body>\n</html>\n';
  }

  // Saves the exercise as it is set up, as a package of version version
  // with the score needed to pass, aprobado ('' for 80): the first panel
  // shown, its values given or their shape and count, and the speed.
  // Returns what it says of it.
  function guarde(opciones) {
    const datos = Traza.datos(), panel = document.querySelector('section.panel:not([hidden])');
    if (datos === null || panel === null) { return 'No hay ningún panel mostrado que practicar.'; }
    const escrito = opciones.aprobado === '' ? String(Scorm.APROBADO_POR_OMISION) : opciones.aprobado;
    if (!/^\d{1,3}$/.test(escrito) || +escrito > 100) {
      return 'La puntuación para aprobar es un porcentaje entero de 0 a 100, no "' + escrito + '".';
    }
    if (!Traza.guardado.posibilidades().svg) { return 'Este navegador no descarga archivos hechos en la página.'; }
    const dado = datos.semilla === null;
    const actividad = {
      version: opciones.version, aprobado: +escrito, panel: +panel.getAttribute('data-panel'),
      valores: dado ? datos.entrada.slice() : null, entrada: dado ? null : datos.origen,
      n: datos.entrada.length, velocidad: +$('velocidad').value,
      titulo: 'Práctica: ' + panel.getAttribute('data-estrategia') + ' sobre ' + panel.getAttribute('data-contenedor')
    };
    const bytes = Scorm.paquete(Traza.fflate.zipSync, paginaLimpia(actividad), actividad);
    const nombre = 'practica-scorm-' + opciones.version + '.zip';
    Traza.guardado.descargue(new Blob([bytes], { type: 'application/zip' }), nombre);
    return 'Guardado: ' + nombre + ' (SCORM ' + opciones.version + ', aprueba con ' + actividad.aprobado + ' %, ' +
      Math.round(bytes.length / 1000) + ' KB).';
  }

  // ---- The LMS's API object: in this window, its parents, and its
  // opener's (Moodle's "new window" display), as SCORM says to look for
  // it. A window of another origin cannot be read, and is passed over.
  function busqueApi(nombre) {
    const enCadena = (ventana) => {
      for (let w = ventana, i = 0; w && i < 10; i++) {
        try {
          if (w[nombre]) { return w[nombre]; }
          if (w.parent === w) { return null; }
          w = w.parent;
        } catch (fallo) {
          return null;
        }
      }
      return null;
    };
    let api = enCadena(window);
    try {
      if (api === null && window.opener) { api = enCadena(window.opener); }
    } catch (fallo) {
      api = null;
    }
    return api;
  }

  // The calls of each version, by what they do.
  const LLAMADAS = {
    '1.2': { global: 'API', inicie: 'LMSInitialize', lea: 'LMSGetValue', ponga: 'LMSSetValue', guarde: 'LMSCommit',
             termine: 'LMSFinish', error: 'LMSGetLastError', texto: 'LMSGetErrorString' },
    '2004': { global: 'API_1484_11', inicie: 'Initialize', lea: 'GetValue', ponga: 'SetValue', guarde: 'Commit',
              termine: 'Terminate', error: 'GetLastError', texto: 'GetErrorString' }
  };

  // A session with the LMS's api in version version. Each call that the
  // LMS refuses is said in the status line, diga, and the page goes on.
  function sesion(api, version, diga) {
    const f = LLAMADAS[version];
    const hecho = (r) => r === true || r === 'true';
    const porQue = () => {
      const codigo = api[f.error]();
      return 'error ' + codigo + ': ' + api[f.texto](codigo);
    };
    return {
      inicie: () => hecho(api[f.inicie]('')),
      lea: (elemento) => String(api[f.lea](elemento)),
      ponga: (elemento, valor) => {
        if (hecho(api[f.ponga](elemento, valor))) { return true; }
        diga('El LMS no aceptó ' + elemento + ' = "' + valor + '" (' + porQue() + '); la práctica sigue.');
        return false;
      },
      guarde: () => hecho(api[f.guarde]('')) || (diga('El LMS no guardó los datos (' + porQue() + ').'), false),
      termine: () => hecho(api[f.termine]('')) || (diga('El LMS no cerró la sesión (' + porQue() + ').'), false)
    };
  }

  // ---- The activity.

  // Opens the activity actividad (the settings that guarde put in the
  // page), before web.js shows its first view: the address that opens it
  // in practice, on its values (drawn from the student's seed inside an
  // LMS), at its speed.
  function abra(actividad) {
    const version = actividad.version, nombres = Scorm.NOMBRES[version];
    const linea = document.createElement('p'), semillaDicha = document.createElement('p');
    linea.id = 'nota-actividad';
    linea.setAttribute('role', 'status');
    semillaDicha.id = 'semilla-actividad';
    $('formulario').after(semillaDicha, linea);
    const diga = (texto) => { linea.textContent = texto; };

    const api = busqueApi(LLAMADAS[version].global);
    const lms = api === null ? null : sesion(api, version, diga);
    const conLms = lms !== null && lms.inicie();
    let alumno = '', intento = 1, necesario = actividad.aprobado;
    if (conLms) {
      alumno = lms.lea(nombres.alumno);
      const guardado = /intento=(\d+)/.exec(lms.lea('cmi.suspend_data'));
      intento = guardado === null ? 1 : +guardado[1];
      necesario = Scorm.aprobado(version, lms.lea(nombres.aprobado), actividad.aprobado);
      // The values are the student's: the form stays as it is.
      [...$('formulario').elements].forEach((control) => { control.disabled = true; });
      diga('Actividad del LMS: la puntuación se envía al terminar cada práctica; aprueba con ' + necesario + ' %.');
    } else {
      diga(api === null ? 'Fuera de un LMS: esta práctica no envía ninguna puntuación.'
        : 'El LMS no abrió la sesión: esta práctica no envía ninguna puntuación.');
    }
    const semillaDe = () => (conLms ? Scorm.semilla(alumno, intento) : Math.floor(Math.random() * 1000000));
    let semilla = semillaDe();
    const digaSemilla = () => {
      semillaDicha.textContent = actividad.valores !== null ? '' : conLms
        ? 'Semilla ' + semilla + ' (alumno ' + alumno + ', intento ' + intento + ').' : 'Semilla ' + semilla + '.';
    };
    digaSemilla();
    window.history.replaceState(null, '', window.location.href.replace(/#.*$/, '') + '#' +
      Scorm.direccion(actividad, semilla));
    $('velocidad').value = String(actividad.velocidad);
    $('velocidad').dispatchEvent(new Event('input'));

    // "Otra vez", or practice started again after a run ended: the next
    // attempt, with its own values, whose score replaces the last.
    let terminadas = 0;
    Traza.semillaDeActividad = () => {
      intento++;
      semilla = semillaDe();
      digaSemilla();
      if (conLms) { lms.ponga('cmi.suspend_data', 'intento=' + intento); }
      return String(semilla);
    };
    document.addEventListener('click', (evento) => {
      if (terminadas > 0 && evento.target.closest('#boton-practicar') && typeof Traza.otrosValores === 'function' &&
          !Traza.practicar.activa()) {
        if (!Traza.otrosValores()) { $('boton-inicio').click(); }
      }
    }, true);

    // Each prediction, then each run's score, with a commit at its end.
    const inicio = Date.now();
    let interacciones = 0, corrida = 1;
    Traza.practicar.observe((suceso) => {
      if (!conLms) { return; }
      const p = suceso.practica;
      if (suceso.tipo === 'veredicto') {
        const v = suceso.veredicto;
        Scorm.valoresDeInteraccion(version, interacciones++, {
          corrida: corrida, numero: p.preguntas, par: v.par, elegido: v.elegido, acierto: v.acierto,
          ms: suceso.ms, fecha: new Date()
        }).every(([e, valor]) => lms.ponga(e, valor));
        return;
      }
      terminadas++;
      corrida++;
      const puntos = Scorm.puntaje(p);
      const aceptado = Scorm.valoresDelPuntaje(version, puntos, necesario).every(([e, valor]) => lms.ponga(e, valor));
      if (aceptado && lms.guarde()) {
        diga('Enviado al LMS: ' + puntos + ' % (' + (puntos >= necesario ? 'aprobado' : 'no aprobado') +
          '; aprueba con ' + necesario + ' %).');
      }
    });

    // The session ends only when the page is left, with its time; a
    // practice left that way ends as "Salir" ends it, with its score.
    let cerrada = !conLms;
    const cierre = () => {
      if (cerrada) { return; }
      cerrada = true;
      Traza.practicar.salga();
      lms.ponga(nombres.sesion, Scorm.lapso(version, Date.now() - inicio));
      lms.termine();
    };
    window.addEventListener('pagehide', cierre);
    window.addEventListener('beforeunload', cierre);
  }

  Traza.actividadScorm = { guarde: guarde, abra: abra, paginaLimpia: paginaLimpia, busqueApi: busqueApi };
}());
