# Sources of the core's program/ folder.
target_sources(zentrova_core PRIVATE
  program/busy_cursor.cpp
  program/chosen_row.cpp
  program/file_outcome.cpp
  program/main_page.cpp
  program/outside_address.cpp
  program/read_file.cpp
  program/replace_file.cpp
  program/default_folders.cpp
  program/wiring.cpp
)
