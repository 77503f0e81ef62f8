# Builds for the browser with Emscripten: this file finds Emscripten's own
# toolchain file wherever Emscripten is installed and uses it.
#
#   EMSCRIPTEN_ROOT  the folder of em++ (emsdk: <emsdk>/upstream/emscripten)
#   EMSDK            an emsdk checkout, when EMSCRIPTEN_ROOT is not set
#   otherwise        Debian's package: /usr/share/emscripten
#
# Debian's em++ runs its JavaScript tools with the node on the PATH, which
# finds Debian's node modules only through NODE_PATH=/usr/share/nodejs; the
# web preset sets it.
if(DEFINED ENV{EMSCRIPTEN_ROOT})
  set(raiz_emscripten "$ENV{EMSCRIPTEN_ROOT}")
elseif(DEFINED ENV{EMSDK})
  set(raiz_emscripten "$ENV{EMSDK}/upstream/emscripten")
else()
  set(raiz_emscripten /usr/share/emscripten)
endif()
set(toolchain_emscripten
    "${raiz_emscripten}/cmake/Modules/Platform/Emscripten.cmake")
if(NOT EXISTS "${toolchain_emscripten}")
  message(FATAL_ERROR " Emscripten not found at ${raiz_emscripten} (Debian: emscripten; or set EMSCRIPTEN_ROOT or EMSDK)")
endif()
include("${toolchain_emscripten}")
