#!/usr/bin/env python3
"""Plots ordenamiento_bench's JSON with gnuplot and prints its figures.

Usage: bench/grafico.py [RESULTS.json] [-o PLOT.png | --docs]

RESULTS.json defaults to build/run/ordenamiento_bench.json in the
repository, where `cmake --workflow --preset bench` leaves it. The plot goes
next to the results file, as ordenamiento_bench.png, unless -o names
another file; --docs writes docs/ordenamiento_bench.png instead, the copy the
README shows, so the tracked figure changes only when asked to.

Draws the time of one sort against N, log-log, one line per family, from
the median of each size's repetitions: a colour per strategy, the one the
replay pages give it (trace/pagina/aspecto.json), a line style per
container, and the legend right of the plot. Prints a Markdown table of
the fitted growth, the times, the counts at N = 64 and, for each strategy that
has an int[] baseline, the time on Vector_Ordenable over the time on int[]
at the largest common N. The table needs every family at N = 64 with its
fitted growth: results cut down by --benchmark_filter may lack them, and
then nothing is drawn or printed. A strategy without a baseline (it needs
none), or whose baseline was filtered out, gets no ratio.
Any failure is one line on standard error and exit status 1 (2 for a wrong
command line, from argparse).
Needs gnuplot (Debian: gnuplot-nox).
"""

import argparse
import json
import shutil
import subprocess
import sys
from collections import defaultdict
from pathlib import Path

RAIZ = Path(__file__).resolve().parent.parent
NOMBRE_GRAFICO = "ordenamiento_bench.png"
# The replay pages' look, whose strategies' colours the plot takes too.
ASPECTO = RAIZ / "trace" / "pagina" / "aspecto.json"


class Falla(Exception):
    """A problem reported as one line, without a traceback."""


def argumentos():
    analizador = argparse.ArgumentParser(
        description="Plots ordenamiento_bench's JSON results with gnuplot "
        "and prints their table in Markdown.")
    analizador.add_argument(
        "resultados", nargs="?", type=Path,
        default=RAIZ / "build" / "run" / "ordenamiento_bench.json",
        metavar="RESULTS.json",
        help="the benchmark's --benchmark_out file "
        "(default: build/run/ordenamiento_bench.json in the repository)")
    destino = analizador.add_mutually_exclusive_group()
    destino.add_argument(
        "-o", "--output", type=Path, metavar="PLOT.png",
        help=f"where to write the plot (default: {NOMBRE_GRAFICO} next to "
        "the results file)")
    destino.add_argument(
        "--docs", action="store_true",
        help=f"write the plot to docs/{NOMBRE_GRAFICO}, the one the README "
        "shows")
    return analizador.parse_args()


def lea(resultados):
    try:
        with open(resultados, encoding="utf-8") as archivo:
            texto = archivo.read()
        if not texto.strip():
            raise Falla(f"{resultados} is empty (did --benchmark_filter "
                        "match nothing?)")
        return json.loads(texto)
    except OSError as error:
        raise Falla(f"cannot read {resultados}: {error.strerror} (make it "
                    "with `cmake --workflow --preset bench`)") from error
    except (json.JSONDecodeError, UnicodeDecodeError) as error:
        raise Falla(f"{resultados} is not JSON: {error}") from error


def micros(run):
    factor = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[run["time_unit"]]
    return run["real_time"] * factor


def clasifique(datos, resultados):
    """family -> {N: run}, and family -> {"BigO": run, "RMS": run}.

    Takes the median of each size's repetitions, or the single run when the
    benchmark was run without repetitions.
    """
    if not isinstance(datos, dict) or not datos.get("benchmarks"):
        raise Falla(f"{resultados} holds no benchmark runs")
    puntos = defaultdict(dict)
    sueltos = defaultdict(dict)
    ajustes = defaultdict(dict)
    for run in datos["benchmarks"]:
        nombre = run["run_name"]
        agregado = run.get("aggregate_name")
        if agregado in ("BigO", "RMS"):
            ajustes[nombre][agregado] = run
        elif agregado == "median":
            familia, n = nombre.rsplit("/", 1)
            puntos[familia][int(n)] = run
        elif run.get("run_type", "iteration") == "iteration":
            familia, n = nombre.rsplit("/", 1)
            sueltos[familia][int(n)] = run
    for familia, runs in sueltos.items():
        for n, run in runs.items():
            puntos[familia].setdefault(n, run)
    return puntos, ajustes


def tabla(datos, puntos, ajustes, resultados):
    """The lines to print, or Falla naming the first thing missing."""
    filtrado = "(run with --benchmark_filter?)"
    lineas = []
    try:
        contexto = datos["context"]
        lineas.append(
            f"Measured {contexto['date'][:10]} on {contexto['host_name']}, "
            f"{contexto['num_cpus']} CPUs at {contexto['mhz_per_cpu']} MHz.\n")
    except (KeyError, TypeError) as error:
        raise Falla(f"{resultados} has no context {error}") from error
    lineas.append("| family | fitted growth | RMS | N = 64 | largest N "
                  "| comparisons, exchanges at N = 64 |")
    lineas.append("|---|---|---|---|---|---|")
    for familia, por_n in puntos.items():
        ajuste = ajustes[familia]
        if "BigO" not in ajuste or "RMS" not in ajuste:
            raise Falla(f"{resultados} has no fitted growth for {familia} "
                        f"{filtrado}")
        if 64 not in por_n:
            raise Falla(f"{resultados} has no N = 64 row for {familia} "
                        f"{filtrado}")
        mayor = max(por_n)
        a64 = por_n[64]
        cuentas = (f"{a64['comparaciones']:.0f}, {a64['intercambios']:.0f}"
                   if "comparaciones" in a64 else "")
        lineas.append(
            f"| `{familia}` | {ajuste['BigO']['big_o']} | "
            f"{ajuste['RMS']['rms'] * 100:.0f} % | {micros(a64):.2f} us | "
            f"{micros(por_n[mayor]):.0f} us at {mayor} | {cuentas} |")
    lineas.append("")
    for familia in puntos:
        if familia.endswith("/Vector_Ordenable"):
            directo = familia.replace("/Vector_Ordenable", "/int[]")
            if directo not in puntos:
                continue
            comunes = set(puntos[familia]) & set(puntos[directo])
            if not comunes:
                raise Falla(f"{resultados} has no N common to {familia} and "
                            f"{directo} {filtrado}")
            n = max(comunes)
            razon = micros(puntos[familia][n]) / micros(puntos[directo][n])
            lineas.append(f"- `{familia}` / `{directo}` at N = {n}: "
                          f"{razon:.2f}x")
    return lineas


def colores_de_estrategias():
    """The strategies' colours, in the registry's order, as the replay pages
    give them: each stands 3:1 from white and apart from the others with
    and without red-green vision (tests/modelo_test.js measures them)."""
    try:
        with open(ASPECTO, encoding="utf-8") as archivo:
            return json.load(archivo)["estrategias"]
    except (OSError, ValueError, KeyError) as error:
        raise Falla(f"cannot read the strategies' colours from {ASPECTO}: "
                    f"{error}") from error


# One line style and point shape per container: (dash type, point type).
ESTILOS = {"Vector_Ordenable": (1, 7), "Lista_Ordenable": (2, 5),
           "int[]": (3, 9)}


def color(colores, indice):
    """The gnuplot colour of the strategy at indice in the registry. Past
    the pages' colours, which the pages repeat with another dash,
    gnuplot's own: here a dash tells the container."""
    if indice < len(colores):
        return f"lc rgb '{colores[indice]}'"
    return f"lc {indice + 1}"


def estilo(contenedores, contenedor):
    """(dash type, point type) of a container; one not in ESTILOS gets its
    own from its place among the containers."""
    if contenedor in ESTILOS:
        return ESTILOS[contenedor]
    indice = contenedores.index(contenedor)
    return indice + 4, indice * 2 + 4


def dibuje(puntos, grafico):
    familias = list(puntos)
    colores = colores_de_estrategias()
    # gnuplot writes a quote inside a single-quoted string as two.
    salida = str(grafico).replace("'", "''")
    guion = ["set terminal pngcairo size 1200,720 font ',10' noenhanced",
             f"set output '{salida}'",
             "set logscale xy", "set grid", "set xrange [12:1400]",
             "set xtics (16, 32, 64, 128, 256, 512, 1024)",
             "set xlabel 'N (elements)'", "set ylabel 'time of one sort (us)'",
             # Right of the plot, the legend covers no data.
             "set key outside right top vertical Left reverse samplen 5",
             "set title 'ordenamiento: time per sort, median of repetitions'"]
    for indice, familia in enumerate(familias):
        guion.append(f"$d{indice} << EOD")
        guion += [f"{n} {micros(run)}"
                  for n, run in sorted(puntos[familia].items())]
        guion.append("EOD")
    # The strategies in the results' order: the registry's, in which the
    # benchmark registers them, and so the index the pages colour them by.
    estrategias = list(dict.fromkeys(f.split("/")[0] for f in familias))
    contenedores = list(dict.fromkeys(f.split("/")[1] for f in familias))
    estilos = []
    for indice, familia in enumerate(familias):
        estrategia, contenedor = familia.split("/")
        dt, pt = estilo(contenedores, contenedor)
        estilos.append(
            f"$d{indice} using 1:2 with linespoints "
            f"{color(colores, estrategias.index(estrategia))} dt {dt} pt {pt} "
            "ps 0.8 "
            "lw 2 notitle")
    # The legend is two keys in one: a colour for each strategy, then a line
    # style for each container. Its entries draw nothing (NaN).
    for indice, estrategia in enumerate(estrategias):
        estilos.append(f"NaN with lines {color(colores, indice)} lw 4 "
                       f"title '{estrategia}'")
    estilos.append("NaN with lines lc rgb 'white' title ' '")
    for contenedor in contenedores:
        dt, pt = estilo(contenedores, contenedor)
        estilos.append(f"NaN with linespoints lc rgb '#444444' dt {dt} "
                       f"pt {pt} lw 2 title '{contenedor}'")
    guion.append("plot " + ", \\\n     ".join(estilos))
    proceso = subprocess.run(["gnuplot"], input="\n".join(guion), text=True,
                             check=False)
    if proceso.returncode != 0:
        raise Falla(f"gnuplot failed (exit status {proceso.returncode}) "
                    f"writing {grafico}")


def main():
    opciones = argumentos()
    resultados = opciones.resultados
    if opciones.docs:
        grafico = RAIZ / "docs" / NOMBRE_GRAFICO
    elif opciones.output is not None:
        grafico = opciones.output
    else:
        grafico = resultados.parent / NOMBRE_GRAFICO
    if not grafico.parent.is_dir():
        raise Falla(f"no folder {grafico.parent} to write the plot in")
    if shutil.which("gnuplot") is None:
        raise Falla("gnuplot not found (Debian: gnuplot-nox)")
    datos = lea(resultados)
    try:
        puntos, ajustes = clasifique(datos, resultados)
        lineas = tabla(datos, puntos, ajustes, resultados)
    except (KeyError, TypeError, ValueError, AttributeError) as error:
        raise Falla(f"{resultados} is not ordenamiento_bench's JSON output "
                    f"({type(error).__name__}: {error})") from error
    dibuje(puntos, grafico)
    print("\n".join(lineas))
    print(f"Plot written to {grafico}", file=sys.stderr)


if __name__ == "__main__":
    try:
        main()
    except Falla as falla:
        print(f"{Path(sys.argv[0]).name}: {falla}", file=sys.stderr)
        sys.exit(1)
