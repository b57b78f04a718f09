# Sources of the core's text/ folder.
target_sources(zentrova_core PRIVATE
  text/ascii_case.cpp
  text/code_page.cpp
  text/distributor.cpp
  text/scrambled_text.cpp
  text/string_table.cpp
  text/string_table_file.cpp
)
