# Sources of the core's program/ folder.
target_sources(zentrova_core PRIVATE
  program/replace_file.cpp
  program/default_folders.cpp
  program/wiring.cpp
)
