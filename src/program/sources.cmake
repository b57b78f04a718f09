# Sources of the core's program/ folder.
target_sources(zentrova_core PRIVATE
  program/default_folders.cpp
  program/wiring.cpp
)
