# Builds the source reader, ordenamiento_lector (lector/), for this machine
# while configuring, and sets ORDENAMIENTO_LECTOR to the program: configure
# reads the registry with it, and the build writes with it the replay's
# copies of the strategies and the code its page shows.
#
# It is a project of its own, configured and built in the build tree's
# lector_nativo/ the first time, and brought up to date at every configure
# after (which its sources trigger). A cross build (MinGW-w64, Emscripten)
# builds it with this machine's default C++ compiler, which must be
# installed too.
# A build that has the program already, such as the ones the tests make
# apart, passes it with -DORDENAMIENTO_LECTOR=<program>.
if(DEFINED ORDENAMIENTO_LECTOR)
  return()
endif()

cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH raiz_del_lector)
file(GLOB fuentes_del_lector CONFIGURE_DEPENDS
     ${raiz_del_lector}/lector/*.cc ${raiz_del_lector}/lector/*.h
     ${raiz_del_lector}/lector/CMakeLists.txt)
set(arbol_del_lector ${CMAKE_BINARY_DIR}/lector_nativo)
# One unit for its library: a fresh build then reads the standard headers
# once, in half the time.
set(argumentos_del_lector
  -S ${raiz_del_lector}/lector -B ${arbol_del_lector} -G ${CMAKE_GENERATOR}
  -DCMAKE_UNITY_BUILD=ON
  -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${arbol_del_lector}/bin
  -DCMAKE_RUNTIME_OUTPUT_DIRECTORY_RELEASE=${arbol_del_lector}/bin)
if(NOT CMAKE_CROSSCOMPILING)
  list(APPEND argumentos_del_lector -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER})
  foreach(variable IN ITEMS CMAKE_GENERATOR_PLATFORM CMAKE_GENERATOR_TOOLSET)
    if(NOT "${${variable}}" STREQUAL "")
      list(APPEND argumentos_del_lector "-D${variable}=${${variable}}")
    endif()
  endforeach()
endif()
if(NOT EXISTS ${arbol_del_lector}/CMakeCache.txt)
  message(STATUS "Building the source reader ordenamiento_lector for this machine")
  execute_process(COMMAND ${CMAKE_COMMAND} ${argumentos_del_lector}
                  RESULT_VARIABLE resultado OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
  if(NOT resultado EQUAL 0)
    file(REMOVE_RECURSE ${arbol_del_lector})
    message(FATAL_ERROR " The source reader ordenamiento_lector (lector/) could not be configured for this machine, which needs a C++17 compiler of its own also for a cross build:\n${salida}")
  endif()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${arbol_del_lector} --config Release
                RESULT_VARIABLE resultado OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
if(NOT resultado EQUAL 0)
  message(FATAL_ERROR " The source reader ordenamiento_lector (lector/) did not build:\n${salida}")
endif()
if(CMAKE_HOST_WIN32)
  set(ORDENAMIENTO_LECTOR ${arbol_del_lector}/bin/ordenamiento_lector.exe)
else()
  set(ORDENAMIENTO_LECTOR ${arbol_del_lector}/bin/ordenamiento_lector)
endif()
