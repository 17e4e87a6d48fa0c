# Man pages built from each program's --help and --version with help2man, when
# it is installed (scripts/deps.sh help2man); without it the build goes on
# without them, unless AISSET_REQUIRE_MAN_PAGES (the Debian package) asks for
# them. The programs answer both without a display.
include(GNUInstallDirs)
if(AISSET_REQUIRE_MAN_PAGES)
  find_program(HELP2MAN help2man REQUIRED)
else()
  find_program(HELP2MAN help2man)
endif()

function(aisset_man_page target summary)
  if(NOT HELP2MAN)
    return()
  endif()
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${target}.1)
  # The sections --help cannot give: the program's EXIT STATUS and SEE ALSO, and
  # the FILES and ENVIRONMENT the three share.
  set(includes ${PROJECT_SOURCE_DIR}/docs/man/${target}.h2m ${PROJECT_SOURCE_DIR}/docs/man/common.h2m)
  list(TRANSFORM includes PREPEND --include= OUTPUT_VARIABLE include_options)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            ${HELP2MAN} --no-info --no-discard-stderr --section=1 --name=${summary} --output=${page}
            ${include_options}
            $<TARGET_FILE:${target}>
    DEPENDS ${target} ${includes}
    COMMENT "Man page of ${target}"
    VERBATIM)
  add_custom_target(${target}_man ALL DEPENDS ${page})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
