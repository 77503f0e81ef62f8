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
from the median of each size's repetitions: a colour per strategy, the one
the replay pages give it (trace/pagina/aspecto.json), a line style per
container, the legend right of it, and slopes of N lg N, N^2 and N^3. The
second draws comparisons and exchanges against N beside N^2 / 2 and N lg
N, a line a strategy, since both containers sort the same values. Their
words are Spanish, with the names the results' context gives.

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
import shutil
import subprocess
import sys
from pathlib import Path

from guiones import guion_cuentas, guion_tiempos
from resultados import (Falla, clasifique, crecimiento, lea, micros,
                        repeticiones, semilla)

RAIZ = Path(__file__).resolve().parent.parent
NOMBRE_GRAFICO = "ordenamiento_bench.png"

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
