# ordenamiento_biblioteca_numerada(<target> <folder> <class>...)
#
# Builds <target>, a static library of the strategies <class>..., whose
# files are <folder>/<class in lower case>.h and .cc, from the copies of
# them that the source reader writes (lector/codigo_estrategia.h): each
# call of Es_Menor and Intercambie notes the line it stands on, and each
# function shown on the page notes its entry. The copies keep the files'
# own line numbers (#line), so that the compiler's messages name the
# strategy's own files and lines.
#
# Every target that links <target> reads the copies of the headers in place
# of the headers themselves, which stand at the same path from the front
# of its include path: an inline helper in a header is then the same in
# every unit of a program.
#
# Should a copy not compile where its file does, the library is built from
# the file as it is, and the build warns once, naming it (numere.cmake).
function(ordenamiento_biblioteca_numerada objetivo carpeta)
  set(copias ${CMAKE_CURRENT_BINARY_DIR}/${objetivo})
  cmake_path(RELATIVE_PATH carpeta BASE_DIRECTORY ${PROJECT_SOURCE_DIR}
             OUTPUT_VARIABLE subcarpeta)
  # What a compile of a copy needs, to check it before it is used.
  set(banderas ${copias}/compilar-$<CONFIG>.cmake)
  set(fuentes "")
  foreach(clase IN LISTS ARGN)
    string(TOLOWER ${clase} archivo)
    set(salida ${copias}/${subcarpeta}/${archivo})
    # The stamp is the command's output: a copy is written only where it
    # changes, so that what includes it is not built again for nothing.
    add_custom_command(
      OUTPUT ${salida}.sello
      BYPRODUCTS ${salida}.h ${salida}.cc
      COMMAND ${CMAKE_COMMAND} -DLECTOR=${ORDENAMIENTO_LECTOR}
              -DCLASE=${clase} -DRAIZ=${PROJECT_SOURCE_DIR}
              -DCABECERA=${carpeta}/${archivo}.h -DFUENTE=${carpeta}/${archivo}.cc
              -DSALIDA=${salida} -DSUBCARPETA=${subcarpeta}
              -DCOMPILAR=${banderas}
              -P ${PROJECT_SOURCE_DIR}/recording/numere.cmake
      COMMAND ${CMAKE_COMMAND} -E touch ${salida}.sello
      DEPENDS ${carpeta}/${archivo}.h ${carpeta}/${archivo}.cc
              ${ORDENAMIENTO_LECTOR} ${PROJECT_SOURCE_DIR}/recording/numere.cmake
              ${banderas}
      COMMENT "Numbering the calls of ${archivo}.cc for the replay"
      VERBATIM)
    list(APPEND fuentes ${salida}.cc ${salida}.h ${salida}.sello)
  endforeach()
  add_library(${objetivo} STATIC ${fuentes})
  target_include_directories(${objetivo} BEFORE PUBLIC ${copias})
  target_link_libraries(${objetivo} PUBLIC ordenamiento_registro)

  if(MSVC)
    set(solo_sintaxis /Zs)
    set(avisos_como_errores /WX)
  else()
    set(solo_sintaxis -fsyntax-only)
    set(avisos_como_errores -Werror)
  endif()
  separate_arguments(propias NATIVE_COMMAND "${CMAKE_CXX_FLAGS}")
  list(APPEND propias ${CMAKE_CXX17_STANDARD_COMPILE_OPTION} ${solo_sintaxis})
  if(CMAKE_SYSROOT)
    list(APPEND propias --sysroot=${CMAKE_SYSROOT})
  endif()
  if(CMAKE_OSX_SYSROOT)
    list(APPEND propias -isysroot ${CMAKE_OSX_SYSROOT})
  endif()
  if(CMAKE_CXX_COMPILER_TARGET)
    list(APPEND propias --target=${CMAKE_CXX_COMPILER_TARGET})
  endif()
  set(propiedad "$<TARGET_PROPERTY:${objetivo},COMPILE_OPTIONS>")
  set(definiciones "$<TARGET_PROPERTY:${objetivo},COMPILE_DEFINITIONS>")
  set(incluidos "$<TARGET_PROPERTY:${objetivo},INCLUDE_DIRECTORIES>")
  set(como_errores "$<TARGET_PROPERTY:${objetivo},COMPILE_WARNING_AS_ERROR>")
  file(GENERATE OUTPUT ${banderas} CONTENT
"set(COMPILADOR [==[${CMAKE_CXX_COMPILER_LAUNCHER};${CMAKE_CXX_COMPILER}]==])
set(BANDERAS [==[${propias};${propiedad};$<$<BOOL:${definiciones}>:-D$<JOIN:${definiciones},;-D>>;$<$<BOOL:${como_errores}>:${avisos_como_errores}>]==])
set(INCLUIDOS [==[${incluidos}]==])
")
endfunction()
