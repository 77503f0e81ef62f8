// The practice as an activity for a course's LMS, with no page: the SCORM
// package's manifest and zip, the seed that gives each student values of
// their own, the score, and the values written to the LMS in either
// version of SCORM (1.2, or 2004 4th edition). The browser page carries
// it as inert text and runs it only when an activity is saved or opened
// (web/actividad.js).
Traza.defina('scorm', [], function () {
  'use strict';

  const VERSIONES = ['1.2', '2004'];
  const APROBADO_POR_OMISION = 80;

  // ---- The seed.

  // FNV-1a over the UTF-16 units of texto: a small, well spread hash that
  // any browser computes alike.
  function hash(texto) {
    let h = 0x811c9dc5;
    for (let i = 0; i < texto.length; i++) {
      h ^= texto.charCodeAt(i);
      h = Math.imul(h, 0x01000193) >>> 0;
    }
    return h;
  }

  // The seed of student id's attempt intento (1, 2, ...), from 0 to 999999
  // as the page's own seeds: the same for the same pair, so that a teacher
  // rebuilds any student's exercise from the two.
  function semilla(id, intento) { return hash(String(id) + '#' + intento) % 1000000; }

  // The address's input part for an activity's input: its given values, or
  // its shape and count with seed s.
  function parteDeEntrada(actividad, s) {
    if (actividad.valores !== null) { return 'valores=' + actividad.valores.join(','); }
    return 'entrada=' + actividad.entrada + '&n=' + actividad.n + '&semilla=' + s;
  }

  // The address that opens the activity: its input, its panel, in practice.
  function direccion(actividad, s) {
    return parteDeEntrada(actividad, s) + '&paneles=' + actividad.panel + '&practica';
  }

  // ---- The score.

  // The score of a run, as a whole percentage: the right picks over all
  // the exchanges of the run, those left unasked by an early exit
  // included; a run with no exchange scores 100.
  function puntaje(practica) {
    const total = practica.paradas.length;
    return total === 0 ? 100 : Math.round(100 * practica.aciertos / total);
  }

  // The score needed to pass, as a percentage: the LMS's (leido, the
  // value read, '' where it gives none; scaled from -1 to 1 in 2004),
  // else the activity's own.
  function aprobado(version, leido, propio) {
    const x = parseFloat(leido);
    if (leido === '' || !isFinite(x)) { return propio; }
    return version === '2004' ? Math.round(x * 100) : x;
  }

  // ---- Times as each version writes them.

  const dos = (n) => String(n).padStart(2, '0');

  // A span of ms milliseconds: HHHH:MM:SS.SS in 1.2, an ISO 8601 duration
  // (PT1H2M3.45S) in 2004.
  function lapso(version, ms) {
    const cs = Math.max(0, Math.round(ms / 10)), s = Math.floor(cs / 100) % 60;
    const min = Math.floor(cs / 6000) % 60, h = Math.floor(cs / 360000), resto = dos(cs % 100);
    if (version === '1.2') { return String(h).padStart(4, '0') + ':' + dos(min) + ':' + dos(s) + '.' + resto; }
    return 'PT' + (h > 0 ? h + 'H' : '') + (min > 0 ? min + 'M' : '') + s + '.' + resto + 'S';
  }

  // The moment fecha: the time of day HH:MM:SS in 1.2, an ISO 8601
  // timestamp in UTC in 2004.
  function momento(version, fecha) {
    if (version === '1.2') { return dos(fecha.getHours()) + ':' + dos(fecha.getMinutes()) + ':' + dos(fecha.getSeconds()); }
    // Hundredths of a second at most, which a time zone must follow.
    return fecha.toISOString().replace(/(\.\d\d)\d*Z$/, '$1Z');
  }

  // ---- What the LMS is told, as [element, value] pairs, in order.

  const NOMBRES = {
    '1.2': { raw: 'cmi.core.score.raw', min: 'cmi.core.score.min', max: 'cmi.core.score.max',
             estado: 'cmi.core.lesson_status', respuesta: 'student_response', mal: 'wrong', cuando: 'time',
             sesion: 'cmi.core.session_time', alumno: 'cmi.core.student_id',
             aprobado: 'cmi.student_data.mastery_score', tipo: 'fill-in' },
    '2004': { raw: 'cmi.score.raw', min: 'cmi.score.min', max: 'cmi.score.max', estado: 'cmi.success_status',
              respuesta: 'learner_response', mal: 'incorrect', cuando: 'timestamp', sesion: 'cmi.session_time',
              alumno: 'cmi.learner_id', aprobado: 'cmi.scaled_passing_score', tipo: 'fill-in' }
  };

  // The score of a run and its verdict against the score needed.
  function valoresDelPuntaje(version, puntos, necesario) {
    const n = NOMBRES[version], pares = [[n.raw, String(puntos)], [n.min, '0'], [n.max, '100'],
      [n.estado, puntos >= necesario ? 'passed' : 'failed']];
    if (version === '2004') {
      pares.push(['cmi.score.scaled', String(puntos / 100)], ['cmi.completion_status', 'completed']);
    }
    return pares;
  }

  // One prediction as interaction number i: its id names the run and the
  // question; the pair asked and the pair picked as "a,b"; right or wrong;
  // ms, the time it took; fecha, when it was answered.
  function valoresDeInteraccion(version, i, pregunta) {
    const n = NOMBRES[version], base = 'cmi.interactions.' + i + '.';
    return [[base + 'id', 'intercambio-' + pregunta.corrida + '-' + pregunta.numero], [base + 'type', n.tipo],
      [base + n.respuesta, pregunta.elegido.join(',')], [base + 'correct_responses.0.pattern', pregunta.par.join(',')],
      [base + 'result', pregunta.acierto ? 'correct' : n.mal], [base + 'latency', lapso(version, pregunta.ms)],
      [base + n.cuando, momento(version, pregunta.fecha)]];
  }

  // ---- The package.

  function xml(texto) {
    return String(texto).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
  }

  // The manifest, imsmanifest.xml, of an activity titled titulo whose page
  // is index.html, in version 1.2 or 2004, with the score needed to pass
  // (a percentage), which the LMS then gives back to the page.
  function manifiesto(version, titulo, necesario) {
    const t = xml(titulo);
    const sco = '<resource identifier="recurso" type="webcontent" ' +
      (version === '1.2' ? 'adlcp:scormtype' : 'adlcp:scormType') + '="sco" href="index.html">\n' +
      '      <file href="index.html"/>\n    </resource>';
    if (version === '1.2') {
      return '<?xml version="1.0" encoding="UTF-8"?>\n' +
        '<manifest identifier="ordenamiento-practica" version="1"\n' +
        '  xmlns="http://www.imsproject.org/xsd/imscp_rootv1p1p2"\n' +
        '  xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_rootv1p2"\n' +
        '  xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"\n' +
        '  xsi:schemaLocation="http://www.imsproject.org/xsd/imscp_rootv1p1p2 imscp_rootv1p1p2.xsd ' +
        'http://www.adlnet.org/xsd/adlcp_rootv1p2 adlcp_rootv1p2.xsd">\n' +
        '  <metadata><schema>ADL SCORM</schema><schemaversion>1.2</schemaversion></metadata>\n' +
        '  <organizations default="organizacion">\n    <organization identifier="organizacion">\n' +
        '      <title>' + t + '</title>\n' +
        '      <item identifier="practica" identifierref="recurso" isvisible="true">\n' +
        '        <title>' + t + '</title>\n        <adlcp:masteryscore>' + necesario + '</adlcp:masteryscore>\n' +
        '      </item>\n    </organization>\n  </organizations>\n' +
        '  <resources>\n    ' + sco + '\n  </resources>\n</manifest>\n';
    }
    return '<?xml version="1.0" encoding="UTF-8"?>\n' +
      '<manifest identifier="ordenamiento-practica" version="1"\n' +
      '  xmlns="http://www.imsglobal.org/xsd/imscp_v1p1"\n' +
      '  xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_v1p3"\n' +
      '  xmlns:adlseq="http://www.adlnet.org/xsd/adlseq_v1p3"\n' +
      '  xmlns:adlnav="http://www.adlnet.org/xsd/adlnav_v1p3"\n' +
      '  xmlns:imsss="http://www.imsglobal.org/xsd/imsss"\n' +
      '  xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"\n' +
      '  xsi:schemaLocation="http://www.imsglobal.org/xsd/imscp_v1p1 imscp_v1p1.xsd ' +
      'http://www.adlnet.org/xsd/adlcp_v1p3 adlcp_v1p3.xsd http://www.adlnet.org/xsd/adlseq_v1p3 adlseq_v1p3.xsd ' +
      'http://www.adlnet.org/xsd/adlnav_v1p3 adlnav_v1p3.xsd http://www.imsglobal.org/xsd/imsss imsss_v1p0.xsd">\n' +
      '  <metadata><schema>ADL SCORM</schema><schemaversion>2004 4th Edition</schemaversion></metadata>\n' +
      '  <organizations default="organizacion">\n    <organization identifier="organizacion">\n' +
      '      <title>' + t + '</title>\n' +
      '      <item identifier="practica" identifierref="recurso">\n        <title>' + t + '</title>\n' +
      '        <imsss:sequencing><imsss:objectives>\n' +
      '          <imsss:primaryObjective objectiveID="practica" satisfiedByMeasure="true">' +
      '<imsss:minNormalizedMeasure>' + necesario / 100 + '</imsss:minNormalizedMeasure></imsss:primaryObjective>\n' +
      '        </imsss:objectives></imsss:sequencing>\n' +
      '      </item>\n    </organization>\n  </organizations>\n' +
      '  <resources>\n    ' + sco + '\n  </resources>\n</manifest>\n';
  }

  // The element that carries an activity's settings in its page, where
  // web/actividad.js finds them.
  function elementoDeActividad(actividad) {
    // Escaped so that no text in it can end its element.
    const json = JSON.stringify(actividad).replace(/</g, '\\u003c');
    return '<script type="application/json" id="actividad">' + json + '<\/script>';
  }

  // The package's bytes: the manifest and the page, pagina, which holds
  // the activity's settings, zipped by fflate's zipSync (given, so that
  // only the saving loads it).
  function paquete(zipSync, pagina, actividad) {
    const texto = (t) => new TextEncoder().encode(t);
    return zipSync({
      'imsmanifest.xml': texto(manifiesto(actividad.version, actividad.titulo, actividad.aprobado)),
      'index.html': texto(pagina)
    }, { level: 9, mtime: new Date(2026, 0, 1) });
  }

  return {
    VERSIONES: VERSIONES, APROBADO_POR_OMISION: APROBADO_POR_OMISION, NOMBRES: NOMBRES, semilla: semilla,
    parteDeEntrada: parteDeEntrada, direccion: direccion, puntaje: puntaje, aprobado: aprobado, lapso: lapso,
    momento: momento, valoresDelPuntaje: valoresDelPuntaje, valoresDeInteraccion: valoresDeInteraccion,
    manifiesto: manifiesto, elementoDeActividad: elementoDeActividad, paquete: paquete
  };
});
