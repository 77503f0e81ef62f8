"""The gnuplot scripts of grafico.py's two plots: the CPU time of one sort
against N, and the comparisons and exchanges of one sort against N, from
the results grafico.py reads (resultados.py)."""

import json
import math
from collections import defaultdict
from pathlib import Path

from resultados import (Falla, micros, nombres, repeticiones, semilla,
                        visible)

# The replay pages' look, whose strategies' colours the plots take too.
ASPECTO = Path(__file__).resolve().parent.parent / "trace" / "pagina" / "aspecto.json"


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


def guion_tiempos(datos, puntos, grafico):
    """The gnuplot script of the CPU time of one sort against N."""
    familias = list(puntos)
    colores = colores_de_estrategias()
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
    # The strategies in the results' order: the registry's, in which the
    # benchmark registers them, and so the index the pages colour them by.
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
            f"{color(colores, estrategias.index(estrategia))} dt {dt} pt {pt} "
            "ps 0.8 "
            "lw 2 notitle")
    # The legend is two keys in one: a colour for each strategy, then a line
    # style for each container. Its entries draw nothing (NaN).
    for indice, estrategia in enumerate(estrategias):
        estilos.append(f"NaN with lines {color(colores, indice)} lw 4 "
                       f"title {texto(visible(visibles, estrategia))}")
    estilos.append("NaN with lines lc rgb 'white' title ' '")
    for contenedor in contenedores:
        dt, pt = estilo(contenedores, contenedor)
        estilos.append(f"NaN with linespoints lc rgb '#444444' dt {dt} "
                       f"pt {pt} lw 2 "
                       f"title {texto(visible(visibles, contenedor))}")
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
    colores = colores_de_estrategias()
    visibles = nombres(datos)
    por_estrategia = cuentas(puntos)
    if not por_estrategia:
        raise Falla("no family reports comparaciones and intercambios")
    # In the time plot's order, so that a strategy has its colour there.
    estrategias = list(dict.fromkeys(f.split("/")[0] for f in puntos))
    contenedores = list(dict.fromkeys(
        visible(visibles, f.split("/")[1]) for f, por_n in
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
                f"{color(colores, indice)} pt {PUNTOS[indice % len(PUNTOS)]} "
                f"ps {max(0.8, 2.2 - 0.4 * indice):.1f} lw 2 title {texto(visible(visibles, estrategia))}")
        guion.append("plot " + ", \\\n     ".join(estilos))
    guion.append("unset multiplot")
    return guion
