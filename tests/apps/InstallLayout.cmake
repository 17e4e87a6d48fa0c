# Installs the build into a fresh folder and checks what an installer's machine
# gets besides the programs: the licence, the bash completion of aisset-cli, the
# desktop entries and metainfo under one id (with the window), and, when
# help2man was found, a man page per program made from its help with the
# sections --help cannot give.
# Run with -DBUILD_DIR=... -DPREFIX=... -DMAN_PAGES=ON|OFF -DPROGRAMS="a;b".
cmake_minimum_required(VERSION 3.22) # IN_LIST and today's policies in script mode
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

if(NOT EXISTS ${PREFIX}/share/doc/aisset/LICENSE)
  message(FATAL_ERROR "no licence in ${PREFIX}/share/doc/aisset")
endif()

if("aisset" IN_LIST PROGRAMS)
  foreach(file applications/org.aisset.Aisset.desktop applications/org.aisset.Aisset.Full.desktop
               metainfo/org.aisset.Aisset.metainfo.xml icons/hicolor/scalable/apps/org.aisset.Aisset.svg)
    if(NOT EXISTS ${PREFIX}/share/${file})
      message(FATAL_ERROR "no ${PREFIX}/share/${file}")
    endif()
  endforeach()
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
    foreach(section "EXIT STATUS" FILES ENVIRONMENT "SEE ALSO" COPYRIGHT)
      if(NOT text MATCHES "\n\\.SH \"?${section}\"?\n")
        message(FATAL_ERROR "${page} has no section ${section}")
      endif()
    endforeach()
  endforeach()
endif()
file(REMOVE_RECURSE ${PREFIX})
