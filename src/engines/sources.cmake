# Sources of the core's engines/ folder.
target_sources(zentrova_core PRIVATE
  engines/sorted_list.cpp
)
