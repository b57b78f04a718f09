# Unit tests of tools/.
target_sources(zentrova_unit_tests PRIVATE
  tools/capture_source_test.cpp
  tools/database_source_test.cpp
  tools/db_command_test.cpp
  tools/keywords_command_test.cpp
  tools/shipped_data_test.cpp
  tools/run_output_test.cpp
  tools/tool_help_test.cpp
)
# The source formats are tested as functions; the subcommands' exit codes and output through
# the built tool itself.
target_link_libraries(zentrova_unit_tests PRIVATE zentrova_tool_commands)
add_dependencies(zentrova_unit_tests zentrova-tool)
target_compile_definitions(zentrova_unit_tests PRIVATE
  ZENTROVA_TOOL_PATH="$<TARGET_FILE:zentrova-tool>")
if(ZENTROVA_GUI)
  target_compile_definitions(zentrova_unit_tests PRIVATE ZENTROVA_BROWSER_COMMANDS)
endif()
