# Unit tests of engines/.
target_sources(zentrova_unit_tests PRIVATE
  engines/database_loader_test.cpp
  engines/sorted_list_test.cpp
)
