# Sources of the core's meta/ folder.
target_sources(zentrova_core PRIVATE
  meta/html_split.cpp
  meta/page_encoding.cpp
  meta/meta_file.cpp
  meta/meta_generator.cpp
)
