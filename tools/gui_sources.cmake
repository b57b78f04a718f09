# Subcommands that need the embedded browser (built only with ZENTROVA_GUI).
target_sources(zentrova-tool PRIVATE run_command.cpp capture_command.cpp indexnow_command.cpp
  submission_recorder.cpp)
target_link_libraries(zentrova-tool PRIVATE zentrova_browser)
target_compile_definitions(zentrova-tool PRIVATE ZENTROVA_BROWSER_COMMANDS)
