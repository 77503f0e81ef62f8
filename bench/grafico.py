#!/usr/bin/env python3
"""Plots ordenamiento_bench's JSON with gnuplot and prints its figures.

Usage: bench/grafico.py [RESULTS.json] [-o PLOT.png | --docs]

RESULTS.json defaults to build/run/ordenamiento_bench.json in the
repository, where `cmake --workflow --preset bench` leaves it. The plots go
next to it, ordenamiento_bench.png and ordenamiento_bench_cuentas.png; -o
names the first, and the second goes beside it, its name ending in
_cuentas; --docs writes both to docs/, the copies the README shows, so the
tracked figures change only when asked to.

Every time here is CPU time, which Google Benchmark fits each family's
growth from. The first plot draws the time of one sort against N, log-log,
from the median of each size's repetitions: a colour per strategy, a line
style per container, the legend right of it, and slopes of N lg N, N^2 and
N^3. The second draws comparisons and exchanges against N beside N^2 / 2
and N lg N, a line a strategy, since both containers sort the same values.
Their words are Spanish, with the names the results' context gives.

Prints a Markdown table: each family's expected growth (the registry's
strategies), its fitted growth, marked where it differs, times, counts at
N = 64, and for each strategy with an int[] baseline the time on
Vector_Ordenable over the time on int[] at the largest common N. It needs
every family at N = 64 with its fitted growth, which results cut down by
--benchmark_filter may lack; then nothing is drawn or printed.
Any failure is one line on standard error and exit status 1 (2 for a wrong
command line, from argparse).
Needs gnuplot (Debian: gnuplot-nox).
"""

import argparse
import json
import math
import shutil
import subprocess
import sys
from collections import defaultdict
from pathlib import Path

RAIZ = Path(__file__).resolve().parent.parent
NOMBRE_GRAFICO = "ordenamiento_bench.png"

# How each strategy of the registry grows on each container, in Google
# Benchmark's notation: some N^2 or N lg N calls, each answered at once by
# the array and by a walk of some N links by the list. No fit is N^2 lg N,
# so all such are marked; a strategy not named here, a student's, never.
CUADRATICA = {"Vector_Ordenable": "N^2", "Lista_Ordenable": "N^3",
              "int[]": "N^2"}
N_LG_N = {"Vector_Ordenable": "NlgN", "Lista_Ordenable": "N^2lgN",
          "int[]": "NlgN"}
ESPERADO = {"Ordenador_Burbuja": CUADRATICA,
            "Ordenador_Burbuja_Optimizada": CUADRATICA,
            "Ordenador_Seleccion": CUADRATICA,
            "Ordenador_Insercion": CUADRATICA, "Ordenador_Shell": N_LG_N,
            "Ordenador_Rapido": N_LG_N, "Ordenador_Monticulo": N_LG_N}
LEGIBLE = {"(1)": "1", "lgN": "lg N", "N": "N", "NlgN": "N lg N",
           "N^2": "N²", "N^3": "N³", "N^2lgN": "N² lg N"}


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
        help=f"where to write the time plot, the counts plot beside it "
        f"(default: {NOMBRE_GRAFICO} next to the results file)")
    destino.add_argument(
        "--docs", action="store_true",
        help=f"write the plots to docs/, the ones the README shows")
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
    """The run's CPU time in microseconds."""
    factor = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[run["time_unit"]]
    return run["cpu_time"] * factor


def nombres(datos):
    """Class -> the name a reader is shown, from the context's "nombre/"
    keys ("Ordenador_Rapido" -> "Rápido")."""
    return {clave[len("nombre/"):]: valor
            for clave, valor in datos["context"].items()
            if clave.startswith("nombre/")}


def crecimiento(familia, big_o):
    """(expected, fitted) growth of familia, written to be read; the fitted
    one in bold with a ✗ where it is not the expected one."""
    estrategia, contenedor = familia.rsplit("/", 1)
    esperado = ESPERADO.get(estrategia, {}).get(contenedor)
    ajustado = LEGIBLE.get(big_o, big_o)
    if esperado is None:
        return "", ajustado
    if big_o != esperado:
        ajustado = f"**{ajustado} ✗**"
    return LEGIBLE[esperado], ajustado


def repeticiones(puntos):
    """How many repetitions each point is the median of (1 without any)."""
    run = next(iter(next(iter(puntos.values())).values()))
    return run["repetitions"] if run.get("aggregate_name") == "median" else 1


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
        carga = ", ".join(f"{c:.1f}" for c in contexto.get("load_avg", []))
        lineas.append(
            f"Measured {contexto['date'][:10]} on {contexto['host_name']}, "
            f"{contexto['num_cpus']} CPUs at {contexto['mhz_per_cpu']} MHz, "
            f"load average {carga or 'not known'} at the start; seed "
            f"{semilla(datos)}; CPU time, median of "
            f"{repeticiones(puntos)} repetitions.\n")
    except (KeyError, TypeError) as error:
        raise Falla(f"{resultados} has no context {error}") from error
    lineas.append("| family | expected | fitted | RMS | N = 64 | largest N "
                  "| comparisons, exchanges at N = 64 |")
    lineas.append("|---|---|---|---|---|---|---|")
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
        esperado, ajustado = crecimiento(familia, ajuste["BigO"]["big_o"])
        lineas.append(
            f"| `{familia}` | {esperado} | {ajustado} | "
            f"{ajuste['RMS']['rms'] * 100:.0f} % | {micros(a64):.2f} us | "
            f"{micros(por_n[mayor]):.0f} us at {mayor} | {cuentas} |")
    lineas += ["", "Times are CPU time. ✗: Google Benchmark fitted the "
               "family otherwise than it is expected to grow; it fits no "
               "N² lg N, so it marks every such family.", ""]
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


# One colour per strategy, in the registry's order: the Okabe-Ito palette
# without its yellow, too pale on white, so that the colours stay apart for
# readers with a red-green deficiency too. Strategies past these seven take
# gnuplot's own colours.
COLORES = ["#000000", "#E69F00", "#56B4E9", "#009E73", "#0072B2", "#D55E00",
           "#CC79A7"]
# One line style and point shape per container: (dash type, point type).
ESTILOS = {"Vector_Ordenable": (1, 7), "Lista_Ordenable": (2, 5),
           "int[]": (3, 9)}


def color(indice):
    if indice < len(COLORES):
        return f"lc rgb '{COLORES[indice]}'"
    return f"lc {indice + 1}"


def estilo(contenedores, contenedor):
    """(dash type, point type) of a container; one not in ESTILOS gets its
    own from its place among the containers."""
    if contenedor in ESTILOS:
        return ESTILOS[contenedor]
    indice = contenedores.index(contenedor)
    return indice + 4, indice * 2 + 4


# Slopes the time plot is compared with: a function of N, and the same in
# gnuplot's x.
PENDIENTES = {"N lg N": (lambda n: n * math.log2(n), "x*log(x)/log(2)"),
              "N²": (lambda n: n**2, "x**2"),
              "N³": (lambda n: n**3, "x**3")}


def texto(cadena):
    """cadena as a gnuplot string: single quotes, a quote inside as two."""
    return "'" + str(cadena).replace("'", "''") + "'"


def encabezado(grafico, ylabel, hasta):
    """A plot's terminal and log-log axes, N up to hasta (room for names)."""
    return ["set encoding utf8",
            "set terminal pngcairo size 1200,720 font ',14' noenhanced",
            f"set output {texto(grafico)}",
            "set logscale xy", "set grid", f"set xrange [12:{hasta}]",
            "set xtics (16, 32, 64, 128, 256, 512, 1024)",
            "set xlabel 'N (elementos)'", f"set ylabel {texto(ylabel)}"]


def guias(lineas, funciones, menor, mayor):
    """Plot clauses that must open a plot: grey lines over menor..mayor for
    funciones, {name: (function of x, value at mayor)}, named at the end."""
    clausulas = []
    for nombre, (funcion, al_final) in funciones.items():
        lineas.append(f"set label {texto(nombre)} at {mayor},{al_final} "
                      "left offset 1,0 tc rgb '#555555'")
        clausulas.append(f"[x={menor}:{mayor}] {funcion} with lines "
                         "lc rgb '#999999' dt 4 lw 2 notitle")
    clausulas[0] = "sample " + clausulas[0]
    return clausulas


def semilla(datos):
    return datos["context"].get("semilla", "?")


def guion_tiempos(datos, puntos, grafico):
    """The gnuplot script of the CPU time of one sort against N."""
    familias = list(puntos)
    visibles = nombres(datos)
    repetidas = repeticiones(puntos)
    cuantas = (f"mediana de {repetidas} repeticiones" if repetidas > 1
               else "una ejecución")
    guion = encabezado(grafico, "tiempo de CPU de un ordenamiento (µs)",
                       1800)
    titulo = (f"Cuánto cuesta ordenar: tiempo de CPU, {cuantas}, semilla "
              f"{semilla(datos)}")
    # Right of the plot, the legend covers no data.
    guion += ["set key outside right top vertical Left reverse samplen 4",
              f"set title {texto(titulo)}"]
    for indice, familia in enumerate(familias):
        guion += [f"$d{indice} << EOD",
                  *(f"{n} {micros(run)}"
                    for n, run in sorted(puntos[familia].items())),
                  "EOD"]
    estrategias = list(dict.fromkeys(f.split("/")[0] for f in familias))
    contenedores = list(dict.fromkeys(f.split("/")[1] for f in familias))
    # Slopes to compare with, from one point half the fastest sort at the
    # smallest N, so that they fan out below the data and only their slopes
    # are read.
    menor, mayor = min(min(p) for p in puntos.values()), max(
        max(p) for p in puntos.values())
    base = min(micros(p[menor]) for p in puntos.values() if menor in p) / 2
    estilos = guias(guion, {
        nombre: (f"{base / f(menor)!r}*{expresion}",
                 base * f(mayor) / f(menor))
        for nombre, (f, expresion) in PENDIENTES.items()}, menor, mayor)
    for indice, familia in enumerate(familias):
        estrategia, contenedor = familia.split("/")
        dt, pt = estilo(contenedores, contenedor)
        estilos.append(
            f"$d{indice} using 1:2 with linespoints "
            f"{color(estrategias.index(estrategia))} dt {dt} pt {pt} ps 0.8 "
            "lw 2 notitle")
    # The legend is two keys in one: a colour for each strategy, then a line
    # style for each container. Its entries draw nothing (NaN).
    for indice, estrategia in enumerate(estrategias):
        estilos.append(f"NaN with lines {color(indice)} lw 4 "
                       f"title {texto(visibles.get(estrategia, estrategia))}")
    estilos.append("NaN with lines lc rgb 'white' title ' '")
    for contenedor in contenedores:
        dt, pt = estilo(contenedores, contenedor)
        estilos.append(f"NaN with linespoints lc rgb '#444444' dt {dt} "
                       f"pt {pt} lw 2 "
                       f"title {texto(visibles.get(contenedor, contenedor))}")
    guion.append("plot " + ", \\\n     ".join(estilos))
    return guion


def cuentas(puntos):
    """strategy -> {N: (comparisons, exchanges)}; Falla if its containers
    differ at some N, which the same values on both never make."""
    por_estrategia = defaultdict(dict)
    for familia, por_n in puntos.items():
        estrategia = familia.split("/")[0]
        for n, run in por_n.items():
            if "comparaciones" not in run:
                continue
            par = (run["comparaciones"], run["intercambios"])
            if por_estrategia[estrategia].setdefault(n, par) != par:
                raise Falla(f"{familia} counts {par} at N = {n}, another "
                            f"container {por_estrategia[estrategia][n]}: "
                            "not the same values (an older benchmark?)")
    return por_estrategia


# Point shapes of the strategies, smaller for each after the first, so that
# where strategies make the same counts each shows round the next.
PUNTOS = [7, 5, 9, 11, 13, 4, 6, 8, 10, 12, 14, 3]


def guion_cuentas(datos, puntos, grafico):
    """The gnuplot script of the comparisons and exchanges of one sort
    against N, side by side, a line a strategy."""
    visibles = nombres(datos)
    por_estrategia = cuentas(puntos)
    if not por_estrategia:
        raise Falla("no family reports comparaciones and intercambios")
    # In the time plot's order, so that a strategy has its colour there.
    estrategias = list(dict.fromkeys(f.split("/")[0] for f in puntos))
    contenedores = list(dict.fromkeys(
        visibles.get(f.split("/")[1], f.split("/")[1]) for f, por_n in
        puntos.items() if any("comparaciones" in r for r in por_n.values())))
    menor = min(min(c) for c in por_estrategia.values())
    mayor = max(max(c) for c in por_estrategia.values())
    guion = encabezado(grafico, "por ordenamiento", 2600)
    guion.append("set format y '%.0f'")
    for estrategia, por_n in por_estrategia.items():
        for columna, prefijo in ((0, "c"), (1, "e")):
            guion += [f"${prefijo}{estrategias.index(estrategia)} << EOD",
                      *(f"{n} {par[columna]}"
                        for n, par in sorted(por_n.items())),
                      "EOD"]
    titulo = (f"Cuántas comparaciones e intercambios hace un ordenamiento, "
              f"semilla {semilla(datos)}: las mismas en "
              f"{' y en '.join(contenedores)}")
    guion.append(f"set multiplot layout 1,2 title {texto(titulo)}")
    for prefijo, titulo in (("c", "comparaciones"), ("e", "intercambios")):
        guion += ["unset label", f"set title {texto(titulo)}",
                  "set key top left Left reverse samplen 3" if prefijo == "c"
                  else "unset key"]
        estilos = guias(guion, {
            "N²/2": ("x**2/2", mayor**2 / 2),
            "N lg N": ("x*log(x)/log(2)", mayor * math.log2(mayor))},
            menor, mayor)
        for estrategia in por_estrategia:
            indice = estrategias.index(estrategia)
            estilos.append(
                f"${prefijo}{indice} using 1:2 with linespoints "
                f"{color(indice)} pt {PUNTOS[indice % len(PUNTOS)]} "
                f"ps {max(0.8, 2.2 - 0.4 * indice):.1f} lw 2 title {texto(visibles.get(estrategia, estrategia))}")
        guion.append("plot " + ", \\\n     ".join(estilos))
    guion.append("unset multiplot")
    return guion


def ejecute(guion, grafico):
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
    grafico_cuentas = grafico.with_name(f"{grafico.stem}_cuentas"
                                        f"{grafico.suffix}")
    if not grafico.parent.is_dir():
        raise Falla(f"no folder {grafico.parent} to write the plot in")
    if shutil.which("gnuplot") is None:
        raise Falla("gnuplot not found (Debian: gnuplot-nox)")
    datos = lea(resultados)
    try:
        puntos, ajustes = clasifique(datos, resultados)
        lineas = tabla(datos, puntos, ajustes, resultados)
        guiones = {grafico: guion_tiempos(datos, puntos, grafico),
                   grafico_cuentas: guion_cuentas(datos, puntos,
                                                  grafico_cuentas)}
    except (KeyError, TypeError, ValueError, AttributeError) as error:
        raise Falla(f"{resultados} is not ordenamiento_bench's JSON output "
                    f"({type(error).__name__}: {error})") from error
    for destino, guion in guiones.items():
        ejecute(guion, destino)
    print("\n".join(lineas))
    print(f"Plots written to {grafico} and {grafico_cuentas}",
          file=sys.stderr)


if __name__ == "__main__":
    try:
        main()
    except Falla as falla:
        print(f"{Path(sys.argv[0]).name}: {falla}", file=sys.stderr)
        sys.exit(1)
