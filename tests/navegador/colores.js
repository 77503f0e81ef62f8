// Colour maths shared by the tests: contrast, and CIELAB as seen with all
// three cones, without red ones (protanopia) and without green ones
// (deuteranopia), by the matrices of Machado, Oliveira and Fernandes (2009)
// at full severity. Pure, so that node runs it without a browser.
'use strict';

// Colours '#rrggbb' or 'rgb(r, g, b)' in linear sRGB.
function lineal(color) {
  const c = color.startsWith('#') ? [1, 3, 5].map((i) => parseInt(color.slice(i, i + 2), 16)) : color.match(/[\d.]+/g);
  return c.slice(0, 3).map((v) => (v / 255 <= 0.04045 ? v / 255 / 12.92 : ((v / 255 + 0.055) / 1.055) ** 2.4));
}
const producto = (fila, v) => fila[0] * v[0] + fila[1] * v[1] + fila[2] * v[2];
function contraste(a, b) {
  const l = [a, b].map((c) => producto([0.2126, 0.7152, 0.0722], lineal(c)) + 0.05);
  return Math.max(...l) / Math.min(...l);
}
const VISIONES = [[[1, 0, 0], [0, 1, 0], [0, 0, 1]],
  [[0.152286, 1.052583, -0.204868], [0.114503, 0.786281, 0.099216], [-0.003882, -0.048116, 1.051998]],
  [[0.367322, 0.860646, -0.227968], [0.280085, 0.672501, 0.047413], [-0.011820, 0.042940, 0.968881]]];
function lab(color, vision) {
  const v = vision.map((fila) => Math.min(1, Math.max(0, producto(fila, lineal(color)))));
  const [x, y, z] = [[0.4339, 0.3762, 0.1899], [0.2126, 0.7152, 0.0722], [0.0177, 0.1095, 0.8729]]
    .map((fila) => producto(fila, v)).map((t) => (t > 216 / 24389 ? Math.cbrt(t) : (24389 / 27 * t + 16) / 116));
  return [116 * y - 16, 500 * (x - y), 200 * (y - z)];
}
// The CIE76 difference of two colours seen with a vision of VISIONES.
function diferencia(a, b, vision) {
  const p = lab(a, vision), q = lab(b, vision);
  return Math.hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

module.exports = { lineal, contraste, VISIONES, lab, diferencia };
