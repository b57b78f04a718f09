# Unit tests of cli/: the renderers on small manuals, and the real manuals' rendered shapes.
target_sources(zentrova_unit_tests PRIVATE
  cli/help_text_test.cpp
  cli/man_page_test.cpp
)

# The built manual pages format without a warning, and the built completions complete.
add_test(NAME cli.manual_pages COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/check_manual_pages.sh
  ${CMAKE_BINARY_DIR}/share)
add_test(NAME cli.bash_completion COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check_bash_completion.sh
  ${CMAKE_BINARY_DIR}/share)
add_dependencies(zentrova_unit_tests zentrova_manual_pages)
