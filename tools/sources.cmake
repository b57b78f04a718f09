# Sources of the subcommands.
target_sources(zentrova_tool_commands PRIVATE
  keywords_command.cpp
)
