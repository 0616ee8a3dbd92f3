# bio_delay_load(TARGET NAME...): TARGET loads each system DLL whose import
# library is named (comdlg32, shell32, ...) the first time it calls one of its
# functions, instead of before its first line runs, as MSVC's /DELAYLOAD does.
# For each, a delay-load import library of every function the toolchain's own
# import library names is made with dlltool; it keeps the usual name, in a
# folder searched first, so that -lNAME finds it wherever it comes from: the
# target, the libraries it links, or the compiler's default libraries. The
# helper that loads a DLL on the first call, __delayLoadHelper2, comes with
# MinGW-w64's runtime.
set(BIO_DELAY_LOAD_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/delay_load_library.cmake)

function(bio_delay_load target)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/${target}.delay-load)
  # Searched first, the folder must hold no library of a DLL taken off the list.
  file(REMOVE_RECURSE ${folder})
  set(libraries)
  foreach(name ${ARGN})
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${name}.a
      OUTPUT_VARIABLE import OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE "${import}" OR NOT EXISTS "${import}")
      message(FATAL_ERROR "bio_delay_load: the toolchain has no import library lib${name}.a")
    endif()
    set(library ${folder}/lib${name}.a)
    add_custom_command(OUTPUT ${library}
      COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DDLLTOOL=${CMAKE_DLLTOOL}
              -DIMPORT_LIBRARY=${import} -DDELAY_LIBRARY=${library} -P ${BIO_DELAY_LOAD_SCRIPT}
      DEPENDS ${import} ${BIO_DELAY_LOAD_SCRIPT}
      COMMENT "Making a delay-load import library for ${name}" VERBATIM)
    list(APPEND libraries ${library})
  endforeach()
  add_custom_target(${target}.delay-load DEPENDS ${libraries})
  add_dependencies(${target} ${target}.delay-load)
  target_link_directories(${target} BEFORE PRIVATE ${folder})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${libraries})
endfunction()
