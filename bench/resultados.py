"""The results of ordenamiento_bench as grafico.py reads them: its JSON
output, each family's points by N and its fitted growth, against the
growth each strategy of the registry is expected to have on each
container."""

import json
from collections import defaultdict

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


def visible(visibles, clave):
    """The name shown for clave: its display name where it has one, else
    the class name with spaces, as the replay page shows a student's
    strategy ("Ordenador_Mio" -> "Ordenador Mio")."""
    return visibles.get(clave, clave.replace("_", " "))


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


def semilla(datos):
    return datos["context"].get("semilla", "?")
