#!/usr/bin/env python3
"""Reads two smoke runs of ordenamiento_bench as grafico.py reads them.

Usage: bench/grafico_test.py SEMILLA_7.json SEMILLA_8.json [unittest options]

SEMILLA_7.json holds every family at N = 16 and 64, two repetitions each,
run with --semilla 7; SEMILLA_8.json the array's bubble sort at N = 64,
run with --semilla 8. Nothing timed is checked, and gnuplot is not run.
"""

import copy
import sys
import unittest
from collections import Counter
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import grafico  # noqa: E402  (found through the line above)
import guiones  # noqa: E402
import resultados  # noqa: E402

CORRIDAS = []


class Corrida(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.datos = grafico.lea(Path(CORRIDAS[0]))
        cls.otra = grafico.lea(Path(CORRIDAS[1]))
        cls.puntos, cls.ajustes = grafico.clasifique(cls.datos, CORRIDAS[0])

    def test_both_containers_make_the_same_calls_in_every_repetition(self):
        vistas, corridas = {}, Counter()
        for run in self.datos["benchmarks"]:
            if run["run_type"] != "iteration" or "comparaciones" not in run:
                continue
            estrategia, _, n = run["run_name"].split("/")
            par = (run["comparaciones"], run["intercambios"])
            self.assertEqual(vistas.setdefault((estrategia, n), par), par,
                             run["name"])
            corridas[estrategia, n] += 1
        self.assertTrue(corridas)
        # Two containers, two repetitions each.
        self.assertEqual(set(corridas.values()), {4})

    def test_the_seed_is_recorded_and_decides_the_values(self):
        self.assertEqual(grafico.semilla(self.datos), "7")
        self.assertEqual(grafico.semilla(self.otra), "8")

        def intercambios(datos):
            return next(run["intercambios"] for run in datos["benchmarks"]
                        if run["run_name"] ==
                        "Ordenador_Burbuja/Vector_Ordenable/64")

        self.assertNotEqual(intercambios(self.datos), intercambios(self.otra))

    def test_the_plots_speak_spanish_and_name_what_the_page_names(self):
        tiempos = "\n".join(grafico.guion_tiempos(self.datos, self.puntos,
                                                  Path("t.png")))
        cuentas = "\n".join(grafico.guion_cuentas(self.datos, self.puntos,
                                                  Path("c.png")))
        estrategias = ("Burbuja optimizada", "Selección", "Rápido",
                       "Montículo")
        for nombre in estrategias + ("Arreglo", "Lista", "int[] directo"):
            self.assertIn(f"title '{nombre}'", tiempos)
        for nombre in estrategias:
            self.assertIn(f"title '{nombre}'", cuentas)
        # A class is named by its display name where it has one; a
        # student's strategy without one is named by its class, as on the
        # page.
        propios = {clase for clase, visible in
                   resultados.nombres(self.datos).items() if visible != clase}
        for guion in (tiempos, cuentas):
            self.assertNotRegex(guion, r"title '[^']*_Ordenable")
            for clase in propios:
                self.assertNotIn(f"title '{clase}'", guion)
            self.assertRegex(guion, r"font ',(1[4-9]|[2-9]\d)'")
        self.assertIn("tiempo de CPU", tiempos)
        for pendiente in ("N lg N", "N²", "N³"):
            self.assertIn(f"set label '{pendiente}'", tiempos)
        for guia in ("N²/2", "N lg N"):
            self.assertIn(f"set label '{guia}'", cuentas)

    def test_the_table_gives_cpu_time_and_says_so(self):
        # Wall-clock time unlike CPU time, as under load.
        datos = copy.deepcopy(self.datos)
        for run in datos["benchmarks"]:
            if "real_time" in run:
                run["real_time"] = 3 * run["cpu_time"] + 1
        puntos, ajustes = grafico.clasifique(datos, CORRIDAS[0])
        lineas = grafico.tabla(datos, puntos, ajustes, CORRIDAS[0])
        self.assertIn("seed 7; CPU time, median of 2 repetitions",
                      lineas[0])
        familia = "Ordenador_Rapido/Lista_Ordenable"
        fila = next(linea for linea in lineas
                    if linea.startswith(f"| `{familia}`"))
        run = puntos[familia][64]
        self.assertEqual(run["time_unit"], "us")
        self.assertIn(f"| {run['cpu_time']:.2f} us |", fila)


class Crecimiento(unittest.TestCase):
    def test_marks_a_fit_that_is_not_the_cost_on_that_container(self):
        c = grafico.crecimiento
        self.assertEqual(c("Ordenador_Burbuja/Lista_Ordenable", "N^3"),
                         ("N³", "N³"))
        self.assertEqual(c("Ordenador_Seleccion/int[]", "N^2"), ("N²", "N²"))
        self.assertEqual(c("Ordenador_Shell/Vector_Ordenable", "NlgN"),
                         ("N lg N", "N lg N"))
        self.assertEqual(c("Ordenador_Monticulo/Vector_Ordenable", "N"),
                         ("N lg N", "**N ✗**"))
        self.assertEqual(c("Ordenador_Insercion/Vector_Ordenable", "N^3"),
                         ("N²", "**N³ ✗**"))
        # No fit names N² lg N: the list's N lg N strategies, always.
        for ajuste, legible in (("N^2", "N²"), ("N^3", "N³")):
            self.assertEqual(c("Ordenador_Rapido/Lista_Ordenable", ajuste),
                             ("N² lg N", f"**{legible} ✗**"))

    def test_leaves_a_strategy_it_does_not_know_unmarked(self):
        self.assertEqual(
            grafico.crecimiento("Ordenador_Peine/Lista_Ordenable", "N^3"),
            ("", "N³"))

    def test_refuses_counts_that_differ_between_containers(self):
        def run(comparaciones):
            return {64: {"comparaciones": comparaciones, "intercambios": 9}}

        with self.assertRaises(grafico.Falla):
            guiones.cuentas({"Ordenador_Burbuja/Vector_Ordenable": run(2016),
                             "Ordenador_Burbuja/Lista_Ordenable": run(2015)})


if __name__ == "__main__":
    CORRIDAS[:] = sys.argv[1:3]
    unittest.main(argv=sys.argv[:1] + sys.argv[3:])
