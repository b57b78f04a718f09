# Unit tests of engines/.
target_sources(zentrova_unit_tests PRIVATE
  engines/sorted_list_test.cpp
)
