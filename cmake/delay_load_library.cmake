# cmake -DNM=... -DDLLTOOL=... -DIMPORT_LIBRARY=libX.a -DDELAY_LIBRARY=out/libX.a -P delay_load_library.cmake
# Writes a delay-load import library for the DLL that IMPORT_LIBRARY (an import
# library of the toolchain) imports from, with every function it names. Data
# exports cannot be loaded late, and are left out: a program that used one
# would fail to link, not fail at run time.
cmake_minimum_required(VERSION 3.25)
foreach(variable NM DLLTOOL IMPORT_LIBRARY DELAY_LIBRARY)
  if(NOT ${variable})
    message(FATAL_ERROR "delay_load_library.cmake: ${variable} is not set")
  endif()
endforeach()

execute_process(COMMAND ${DLLTOOL} --identify ${IMPORT_LIBRARY}
  OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(NOT dll MATCHES "^[A-Za-z0-9_.]+$")
  message(FATAL_ERROR "${IMPORT_LIBRARY} does not import from one DLL: ${dll}")
endif()

# A function has its thunk (T NAME) beside its import slot (I __imp_NAME).
execute_process(COMMAND ${NM} --defined-only ${IMPORT_LIBRARY}
  OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "[ \t]I __imp_[A-Za-z0-9_@?$]+" slots "${symbols}")
string(REGEX MATCHALL "[ \t]T [A-Za-z0-9_@?$]+" thunks "${symbols}")
list(TRANSFORM slots REPLACE "^[ \t]I __imp_" "")
list(TRANSFORM thunks REPLACE "^[ \t]T " "")
set(functions)
foreach(name IN LISTS slots)
  if(name IN_LIST thunks)
    list(APPEND functions ${name})
  endif()
endforeach()
list(REMOVE_DUPLICATES functions)
list(LENGTH functions count)
if(count EQUAL 0)
  message(FATAL_ERROR "${IMPORT_LIBRARY} names no function")
endif()

get_filename_component(folder ${DELAY_LIBRARY} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
set(definition ${DELAY_LIBRARY}.def)
list(JOIN functions "\n" exports)
file(WRITE ${definition} "LIBRARY \"${dll}\"\nEXPORTS\n${exports}\n")
execute_process(COMMAND ${DLLTOOL} --input-def ${definition} --dllname ${dll}
                        --output-delaylib ${DELAY_LIBRARY}
  COMMAND_ERROR_IS_FATAL ANY)
