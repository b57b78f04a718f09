# Unit tests of submission/.
target_sources(zentrova_unit_tests PRIVATE
  submission/keyword_text_test.cpp
)
