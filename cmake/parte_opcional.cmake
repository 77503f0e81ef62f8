# The optional parts of the project (the replay tool, the benchmark) each
# have a cache setting, AUTO, ON or OFF:
#
#   AUTO  build the part where what it needs is found; otherwise say in one
#         line that it is skipped and why
#   ON    what it needs must be found: a missing library stops configure
#         with one line naming it (the traza and bench presets, which exist
#         for these parts)
#   OFF   skip the part
#
# ordenamiento_opcion_parte(VARIABLE "what it builds") declares the setting.
#
# A part returns at once when its setting is OFF, before it looks for
# anything. Otherwise, once it has looked,
# ordenamiento_decida_parte(VARIABLE programa "what is missing" resultado)
# sets resultado to whether the part is built, given what is missing ("" for
# nothing), and says so as above; the part returns when resultado is false.

function(ordenamiento_opcion_parte variable descripcion)
  set(${variable} AUTO CACHE STRING "${descripcion}: AUTO, ON or OFF")
  set_property(CACHE ${variable} PROPERTY STRINGS AUTO ON OFF)
  if(NOT ${variable} MATCHES "^(AUTO|ON|OFF)$")
    message(FATAL_ERROR " ${variable} is ${${variable}}; it takes AUTO, ON or OFF")
  endif()
endfunction()

function(ordenamiento_decida_parte variable programa falta resultado)
  if(falta STREQUAL "")
    set(${resultado} ON PARENT_SCOPE)
  elseif(${variable} STREQUAL "ON")
    # A leading blank keeps CMake from wrapping the one line.
    message(FATAL_ERROR " ${falta}: ${programa} cannot be built")
  else()
    message(STATUS "${falta}: ${programa} is not built")
    set(${resultado} OFF PARENT_SCOPE)
  endif()
endfunction()
