# Sources of the subcommands.
target_sources(zentrova_tool_commands PRIVATE
  tool_command.cpp
  capture_source.cpp
  keywords_command.cpp
  form_command.cpp
  database_source.cpp
  database_source_decompile.cpp
  database_source_text.cpp
  db_arguments.cpp
  db_command.cpp
  strings_command.cpp
  strings_source.cpp
  session_arguments.cpp
  session_command.cpp
  report_command.cpp
  run_output.cpp
  submission_json.cpp
  meta_command.cpp
  tool_program.cpp
)
