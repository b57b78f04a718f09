# Sources of the core's engines/ folder.
target_sources(zentrova_core PRIVATE
  engines/database_interpreter.cpp
  engines/database_loader.cpp
  engines/database_records.cpp
  engines/categories.cpp
  engines/engine_list_files.cpp
  engines/engine_lists.cpp
  engines/sorted_list.cpp
)
