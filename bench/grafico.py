#!/usr/bin/env python3
"""Plots ordenamiento_bench's JSON with gnuplot and prints its figures.

Usage: bench/grafico.py [RESULTS.json [PLOT.png]]

Draws the time of one sort against N, log-log, one line per family, from
the median of each size's repetitions, and prints a Markdown table of the
fitted growth, the times, the counts at N = 64 and, per strategy, the time
on Vector_Ordenable over the time on int[] at the largest common N.
Needs gnuplot (Debian: gnuplot-nox).
"""

import json
import subprocess
import sys
from collections import defaultdict

resultados = sys.argv[1] if len(sys.argv) > 1 else "build/bench/ordenamiento_bench.json"
grafico = sys.argv[2] if len(sys.argv) > 2 else "docs/ordenamiento_bench.png"

with open(resultados, encoding="utf-8") as archivo:
    datos = json.load(archivo)

# family -> {N: run}, and family -> {"BigO": ..., "RMS": ...}
puntos = defaultdict(dict)
ajustes = defaultdict(dict)
for run in datos["benchmarks"]:
    nombre = run["run_name"]
    if run.get("aggregate_name") in ("BigO", "RMS"):
        ajustes[nombre][run["aggregate_name"]] = run
    elif run.get("aggregate_name", "median") == "median":
        familia, n = nombre.rsplit("/", 1)
        puntos[familia][int(n)] = run


def micros(run):
    factor = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[run["time_unit"]]
    return run["real_time"] * factor


familias = list(puntos)
guion = ["set terminal pngcairo size 1000,700 font ',10' noenhanced",
         f"set output '{grafico}'",
         "set logscale xy", "set grid", "set xrange [12:1400]",
         "set xlabel 'N (elements)'", "set ylabel 'time of one sort (us)'",
         "set key top left",
         "set title 'ordenamiento: time per sort, median of repetitions'"]
for indice, familia in enumerate(familias):
    guion.append(f"$d{indice} << EOD")
    guion += [f"{n} {micros(run)}" for n, run in sorted(puntos[familia].items())]
    guion.append("EOD")
# One colour per strategy; one point shape per container, int[] dashed.
estrategias = list(dict.fromkeys(f.split("/")[0] for f in familias))
contenedores = list(dict.fromkeys(f.split("/")[1] for f in familias))
estilos = []
for indice, familia in enumerate(familias):
    estrategia, contenedor = familia.split("/")
    estilos.append(
        f"$d{indice} using 1:2 with linespoints "
        f"lc {estrategias.index(estrategia) + 1} "
        f"pt {contenedores.index(contenedor) * 2 + 5} "
        f"dt {2 if contenedor == 'int[]' else 1} lw 2 title '{familia}'")
guion.append("plot " + ", \\\n     ".join(estilos))
subprocess.run(["gnuplot"], input="\n".join(guion), text=True, check=True)

contexto = datos["context"]
print(f"Measured {contexto['date'][:10]} on {contexto['host_name']}, "
      f"{contexto['num_cpus']} CPUs at {contexto['mhz_per_cpu']} MHz.\n")
print("| family | fitted growth | RMS | N = 64 | largest N | comparisons, exchanges at N = 64 |")
print("|---|---|---|---|---|---|")
for familia in familias:
    ajuste = ajustes[familia]
    mayor = max(puntos[familia])
    a64 = puntos[familia].get(64, {})
    cuentas = (f"{a64['comparaciones']:.0f}, {a64['intercambios']:.0f}"
               if "comparaciones" in a64 else "")
    print(f"| `{familia}` | {ajuste['BigO']['big_o']} | "
          f"{ajuste['RMS']['rms'] * 100:.0f} % | {micros(a64):.2f} us | "
          f"{micros(puntos[familia][mayor]):.0f} us at {mayor} | {cuentas} |")
print()
for familia in familias:
    if familia.endswith("/Vector_Ordenable"):
        directo = familia.replace("/Vector_Ordenable", "/int[]")
        n = max(set(puntos[familia]) & set(puntos[directo]))
        razon = micros(puntos[familia][n]) / micros(puntos[directo][n])
        print(f"- `{familia}` / `{directo}` at N = {n}: {razon:.2f}x")
