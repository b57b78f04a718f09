# Unit tests of text/.
target_sources(zentrova_unit_tests PRIVATE
  text/code_page_test.cpp
  text/distributor_test.cpp
  text/string_table_test.cpp
)
