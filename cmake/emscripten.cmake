# Builds for the browser with Emscripten: this file finds Emscripten's own
# toolchain file wherever Emscripten is installed and uses it.
#
#   EMSCRIPTEN_ROOT  the folder of em++ (emsdk: <emsdk>/upstream/emscripten)
#   EMSDK            an emsdk checkout, when EMSCRIPTEN_ROOT is not set
#   otherwise        Debian's package: /usr/share/emscripten
#
# It also sets what every build for the browser needs (see below), so that
# the build tree works with plain `cmake --build`, not only through the web
# preset.
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

# Debian's em++ runs its JavaScript tools (the optimizer, at link time) with
# the node on the PATH, which finds Debian's node modules (acorn) only
# through NODE_PATH; a node of another origin does not look there. The
# compiler and linker launchers give every compile and link that variable,
# and configure's own checks get it from the environment set here.
set(modulos_node /usr/share/nodejs)
if(raiz_emscripten STREQUAL "/usr/share/emscripten" AND EXISTS "${modulos_node}")
  set(ENV{NODE_PATH} "${modulos_node}")
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${modulos_node})
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${modulos_node})
endif()

# The replay code reads its options with CLI11, which reports bad ones by
# throwing: WebAssembly's own exceptions let that code catch them as it does
# natively. Every object of the module must be compiled the same way. The
# objects are also compiled for link-time optimization (-flto, with the
# system libraries' own LTO builds, which Emscripten ships): the linker
# then drops and inlines across the project's objects, CLI11's and the
# standard library's, and the module that a first visit of the page
# reads, unpacks and compiles is 341 KB rather than 363 KB. Nothing of the
# module asks a type at run time, so it carries no type information
# (-fno-rtti) but that of what is thrown, which catching needs: 330 KB.
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions -flto -fno-rtti")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions -flto")
