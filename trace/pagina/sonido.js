// Sound (see modelo.js for the parts and how they share): while playing, a
// short tone for each strategy shown that made a call, its pitch from the
// value at the call's first position, made with Web Audio once the box
// "Sonido" is ticked.
(function () {
  'use strict';

  let audio = null;  // the Web Audio context, made when the box is first ticked

  function $(id) { return document.getElementById(id); }

  // A tone for each strategy of model m whose state in estados has a call
  // and whose panel is shown among those of vista (dibujo.js built them),
  // while the box is ticked.
  function suene(m, vista, estados) {
    if (!$('sonido').checked || audio === null) { return; }
    const rango = Math.max(1, m.maximo - m.minimo);
    estados.forEach((estado, s) => {
      const mostrada = vista.paneles.some((panel) => panel.s === s && !panel.seccion.hidden);
      if (estado.op === null || estado.terminado || !mostrada) { return; }
      const v = estado.valores[estado.op[0]];
      const frecuencia = 220 * Math.pow(2, 2 * (v - m.minimo) / rango);
      const t = audio.currentTime;
      const oscilador = audio.createOscillator();
      const volumen = audio.createGain();
      oscilador.frequency.value = frecuencia;
      volumen.gain.setValueAtTime(0.0001, t);
      volumen.gain.exponentialRampToValueAtTime(0.05, t + 0.005);
      volumen.gain.exponentialRampToValueAtTime(0.0001, t + 0.07);
      oscilador.connect(volumen).connect(audio.destination);
      oscilador.start(t);
      oscilador.stop(t + 0.08);
    });
  }

  // Called as playing starts, in the gesture that starts it: a browser
  // keeps a context suspended until a gesture resumes it.
  function reanude() {
    if (audio !== null) { audio.resume(); }
  }

  // The context is made in the gesture that first ticks the box, where the
  // browser has Web Audio.
  function inicie() {
    $('sonido').addEventListener('change', () => {
      if ($('sonido').checked && audio === null && (window.AudioContext || window.webkitAudioContext)) {
        audio = new (window.AudioContext || window.webkitAudioContext)();
      }
    });
  }

  window.Traza.sonido = { inicie: inicie, suene: suene, reanude: reanude };
}());
