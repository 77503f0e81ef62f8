// The browser page's practice as an activity for a course's LMS: the
// button "Guardar actividad SCORM" in the "Guardar" box, and, in a page
// saved that way (it holds #actividad), the activity itself. The code of
// both (trace/pagina/scorm.js and actividad_scorm.js) is carried packed,
// as the module is (#actividad-scorm: gzip as base64, web/empaque.js), and
// only this unpacks it, with the page's fflate, and turns it into code,
// when a package is saved or an activity is opened: a first visit carries
// a third of its size, and neither runs nor compiles it.
(function () {
  'use strict';

  const Traza = window.Traza;

  function $(id) { return document.getElementById(id); }

  // The activity's code, unpacked and made, once; fflate stays for the
  // zip (Traza.fflate).
  function cargue() {
    if (Traza.actividadScorm === undefined) {
      const cargado = { exports: {} };
      new Function('module', 'exports', $('fflate').textContent)(cargado, cargado.exports);
      Traza.fflate = cargado.exports;
      const bytes = Uint8Array.from(atob($('actividad-scorm').textContent.trim()), (c) => c.charCodeAt(0));
      new Function(new TextDecoder().decode(Traza.fflate.gunzipSync(bytes)))();
    }
    return Traza.actividadScorm;
  }

  // A saved activity opens as one, before web.js shows its first view.
  const propia = $('actividad');
  if (propia !== null) {
    cargue().abra(JSON.parse(propia.textContent));
    return;
  }

  // Its controls, in the "Guardar" box: the version, the score needed to
  // pass, and the button; what they saved, or why not, is said in the
  // box's line.
  const grupo = document.createElement('div');
  grupo.className = 'botones';
  grupo.innerHTML = '<label>SCORM <select id="version-scorm"><option value="1.2">1.2</option>' +
    '<option value="2004">2004 (4.ª edición)</option></select></label>' +
    '<label>aprueba con <input type="text" id="aprobado-scorm" inputmode="numeric" size="3" value="80"> %</label>' +
    '<button type="button" id="boton-scorm">Guardar actividad SCORM</button>';
  $('guardado').insertBefore(grupo, $('nota-guardado'));
  $('boton-scorm').addEventListener('click', () => {
    const diga = (texto) => { $('nota-guardado').textContent = texto; };
    try {
      diga(cargue().guarde({ version: $('version-scorm').value, aprobado: $('aprobado-scorm').value.trim() }));
    } catch (fallo) {
      diga(String(fallo.message || fallo));
    }
  });
}());
