// The browser page's practice as an activity for a course's LMS: the
// button "Guardar actividad SCORM" in the "Guardar" box, and, in a page
// saved that way (it holds #actividad), the activity itself. All the code
// of both is carried as inert text (#scorm, #actividad-scorm: scorm.js
// and actividad_scorm.js), which only this turns into code, when a package
// is saved or an activity is opened: a first visit neither runs nor
// compiles it.
(function () {
  'use strict';

  const Traza = window.Traza;

  function $(id) { return document.getElementById(id); }

  // The activity's code, made from the page's inert texts, once.
  function cargue() {
    if (Traza.actividadScorm === undefined) {
      ['scorm', 'actividad-scorm'].forEach((id) => new Function($(id).textContent)());
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
