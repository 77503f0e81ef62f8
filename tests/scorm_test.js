// The practice as a SCORM activity (trace/pagina/scorm.js) under node's
// own test runner: the package unzipped with the vendored fflate, each
// version's manifest, and the students' seeds. node --test scorm_test.js
'use strict';

const assert = require('node:assert/strict');
const path = require('node:path');
const { test } = require('node:test');
const fflate = require(path.join(__dirname, '..', 'third_party', 'fflate', 'fflate.js'));
const Scorm = require(path.join(__dirname, 'cargue.js'))('scorm');

const pagina = (a) => '<!DOCTYPE html>\n<html lang="es">\n<head><title>t</title>' + Scorm.elementoDeActividad(a) +
  '</head>\n<body></body>\n</html>\n';
const actividad = (version) => ({ version: version, aprobado: 75, panel: 3, valores: null, entrada: 'aleatoria', n: 12,
                                  velocidad: 4, titulo: 'Práctica: Burbuja & <lista></script>' });

test('each version\'s package holds its manifest, with what that version requires, and the page with its settings', () => {
  const requerido = {
    '1.2': ['xmlns="http://www.imsproject.org/xsd/imscp_rootv1p1p2"', '<schemaversion>1.2</schemaversion>',
            'adlcp:scormtype="sco"', '<adlcp:masteryscore>75</adlcp:masteryscore>'],
    '2004': ['xmlns="http://www.imsglobal.org/xsd/imscp_v1p1"', '<schemaversion>2004 4th Edition</schemaversion>',
             'adlcp:scormType="sco"', 'satisfiedByMeasure="true"><imsss:minNormalizedMeasure>0.75<']
  };
  for (const version of Scorm.VERSIONES) {
    const archivos = fflate.unzipSync(Scorm.paquete(fflate.zipSync, pagina(actividad(version)), actividad(version)));
    assert.deepEqual(Object.keys(archivos).sort(), ['imsmanifest.xml', 'index.html'], version);
    const xml = fflate.strFromU8(archivos['imsmanifest.xml']);
    requerido[version].forEach((parte) => assert.ok(xml.includes(parte), version + ': ' + parte));
    // The manifest's own identifier, an organisation that is the default,
    // whose item points at the one resource, whose page is in the zip.
    assert.match(xml, /<manifest identifier="[\w-]+"/, version);
    const organizacion = /<organizations default="([\w-]+)">\s*<organization identifier="([\w-]+)">/.exec(xml);
    assert.equal(organizacion[1], organizacion[2], version);
    assert.match(xml, /<title>Práctica: Burbuja &amp; &lt;lista&gt;&lt;\/script&gt;<\/title>/, version);
    const recurso = /<item identifier="[\w-]+" identifierref="([\w-]+)"[\s\S]*<resource identifier="([\w-]+)" type="webcontent" [^>]*href="([^"]+)">\s*<file href="([^"]+)"\/>/.exec(xml);
    assert.ok(recurso !== null, version);
    assert.deepEqual([recurso[1], recurso[3], recurso[4]], [recurso[2], 'index.html', 'index.html'], version);
    const html = fflate.strFromU8(archivos['index.html']);
    const json = /<script type="application\/json" id="actividad">(.*?)<\/script><\/head>/.exec(html);
    assert.deepEqual(JSON.parse(json[1]), actividad(version), version);
  }
});

test('one student\'s attempts keep their values, and other students and attempts get others', () => {
  const a = actividad('1.2');
  const direccion = (id, intento) => Scorm.direccion(a, Scorm.semilla(id, intento));
  assert.equal(direccion('alumno-17', 1), direccion('alumno-17', 1));
  assert.match(direccion('alumno-17', 1), /^entrada=aleatoria&n=12&semilla=\d{1,6}&paneles=3&practica$/);
  const vistas = new Set();
  for (let alumno = 0; alumno < 200; alumno++) {
    for (let intento = 1; intento <= 3; intento++) { vistas.add(direccion(String(alumno), intento)); }
  }
  assert.equal(vistas.size, 600);
  // Given values are the same for everyone.
  assert.equal(Scorm.direccion(Object.assign({}, a, { valores: [3, 1, 2] }), 5), 'valores=3,1,2&paneles=3&practica');
});

test('the score counts the right picks over all the exchanges, and the score needed is the LMS\'s where it gives one', () => {
  const practica = (aciertos, total) => ({ aciertos: aciertos, paradas: new Array(total) });
  assert.deepEqual([Scorm.puntaje(practica(1, 2)), Scorm.puntaje(practica(2, 3)), Scorm.puntaje(practica(0, 0))],
    [50, 67, 100]);
  assert.deepEqual([Scorm.aprobado('1.2', '', 80), Scorm.aprobado('1.2', '60', 80), Scorm.aprobado('2004', '0.9', 80),
    Scorm.aprobado('2004', 'x', 70)], [80, 60, 90, 70]);
  assert.deepEqual([Scorm.lapso('1.2', 3723450), Scorm.lapso('2004', 3723450), Scorm.lapso('2004', 1500)],
    ['0001:02:03.45', 'PT1H2M3.45S', 'PT1.50S']);
  assert.equal(Scorm.momento('2004', new Date(Date.UTC(2026, 0, 2, 3, 4, 5, 678))), '2026-01-02T03:04:05.67Z');
});
