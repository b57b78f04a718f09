# Sources of the core's cli/ folder: both programs' command lines, described once.
target_sources(zentrova_core PRIVATE
  cli/bash_completion.cpp
  cli/help_text.cpp
  cli/man_page.cpp
  cli/manual.cpp
  cli/program_manual.cpp
  cli/shared_entries.cpp
  cli/tool_manual.cpp
)
