// The replay page's parts that need no page, loaded under node as the page
// loads them (trace/pagina/defina.js): cargue('palabras') runs
// trace/pagina/palabras.js with a Traza whose defina makes the part from
// the parts it names, loaded the same way, and the part 'aspecto' from
// aspecto.json. Each part is made once.
'use strict';

const fs = require('fs');
const path = require('path');
const vm = require('vm');

const carpeta = path.join(__dirname, '..', 'trace', 'pagina');
const partes = { aspecto: JSON.parse(fs.readFileSync(path.join(carpeta, 'aspecto.json'), 'utf8')) };

function cargue(nombre) {
  if (!(nombre in partes)) {
    const archivo = path.join(carpeta, nombre + '.js');
    const Traza = {
      defina: (definida, usados, fabrica) => { partes[definida] = fabrica(...usados.map(cargue)); }
    };
    // One wrapper on the file's first line, so that messages name its lines.
    vm.runInThisContext('(function (Traza) {' + fs.readFileSync(archivo, 'utf8') + '\n})',
      { filename: archivo })(Traza);
  }
  return partes[nombre];
}

module.exports = cargue;
