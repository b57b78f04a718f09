# Unit tests of engines/.
target_sources(zentrova_unit_tests PRIVATE
  engines/categories_test.cpp
  engines/database_loader_test.cpp
  engines/engine_list_files_test.cpp
  engines/engine_lists_test.cpp
  engines/sorted_list_test.cpp
)
