// The panels to choose from (see modelo.js for the parts and how they
// share), by name, built for the data loaded; controles.js shows the
// choice on it and reads it back.
(function () {
  'use strict';

  const Modelo = window.Traza.modelo, Dibujo = window.Traza.dibujo;
  const elemento = Dibujo.elemento, color = Dibujo.color;

  function $(id) { return document.getElementById(id); }

  // A table with a row per strategy, named as it is shown (Nombre_Visible
  // in the C++, with its accents), a column per container, and in each
  // cell the box of that panel, named for a screen reader "Selección sobre
  // Lista_Ordenable, panel 6"; then a button per container that shows its
  // panels alone, one for the demonstration's (the default view) and one
  // for all. It folds out under the controls, so that any number of
  // strategies takes one line there.
  function construya(datos) {
    const visible = Modelo.nombreVisible;
    const casillas = $('casillas');
    casillas.replaceChildren();
    const tabla = elemento('table');
    const cabeza = tabla.createTHead().insertRow();
    cabeza.appendChild(elemento('td'));
    datos.contenedores.forEach((contenedor) => {
      const columna = elemento('th', '', contenedor.etiqueta);
      columna.scope = 'col';
      columna.title = contenedor.nombre;
      cabeza.appendChild(columna);
    });
    const cuerpo = tabla.createTBody();
    datos.estrategias.forEach((e, s) => {
      const fila = cuerpo.insertRow();
      const nombre = elemento('th', '', visible(e));
      nombre.scope = 'row';
      nombre.title = e.nombre;
      nombre.style.setProperty('--color', color(s));
      fila.appendChild(nombre);
      datos.contenedores.forEach((contenedor, c) => {
        const celda = fila.insertCell();
        const i = datos.paneles.findIndex((info) => info.estrategia === s && info.contenedor === c);
        if (i < 0) { return; }
        const etiqueta = elemento('label');
        const casilla = elemento('input');
        casilla.type = 'checkbox';
        casilla.value = i + 1;
        etiqueta.title = datos.paneles[i].titulo;
        casilla.setAttribute('aria-label', visible(e) + ' sobre ' + contenedor.nombre + ', panel ' + (i + 1));
        etiqueta.appendChild(casilla);
        celda.appendChild(etiqueta);
      });
    });
    casillas.appendChild(tabla);
    const botones = elemento('div', 'botones');
    datos.contenedores.forEach((contenedor, c) => {
      const boton = elemento('button', '', contenedor.etiqueta);
      boton.type = 'button';
      boton.title = 'Solo ' + contenedor.nombre;
      boton.setAttribute('data-contenedor', c);
      botones.appendChild(boton);
    });
    if (datos.estrategias.length > Modelo.DEMOSTRACION) {
      const propios = elemento('button', '', 'Demostración');
      propios.type = 'button';
      propios.title = 'Las estrategias de la demostración';
      propios.setAttribute('data-omision', '');
      botones.appendChild(propios);
    }
    const todos = elemento('button', '', 'Todos');
    todos.type = 'button';
    botones.appendChild(todos);
    casillas.appendChild(botones);
  }

  window.Traza.eleccion = { construya: construya };
}());
