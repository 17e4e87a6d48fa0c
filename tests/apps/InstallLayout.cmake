# Installs the build into a fresh folder and checks what an installer's machine
# gets besides the programs: the bash completion of aisset-cli and, when
# help2man was found, a man page per program made from its help.
# Run with -DBUILD_DIR=... -DPREFIX=... -DMAN_PAGES=ON|OFF -DPROGRAMS="a;b".
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(completion ${PREFIX}/share/bash-completion/completions/aisset-cli)
file(READ ${completion} text)
if(NOT text MATCHES "complete -F _aisset_cli aisset-cli")
  message(FATAL_ERROR "no completion for aisset-cli in ${completion}")
endif()

if(MAN_PAGES)
  foreach(program IN LISTS PROGRAMS)
    set(page ${PREFIX}/share/man/man1/${program}.1)
    if(NOT EXISTS ${page})
      message(FATAL_ERROR "no man page ${page}")
    endif()
    file(READ ${page} text)
    # The page carries the program's options, so it was made from its --help.
    if(NOT text MATCHES "\\\\-\\\\-version")
      message(FATAL_ERROR "${page} does not list --version")
    endif()
  endforeach()
endif()
file(REMOVE_RECURSE ${PREFIX})
