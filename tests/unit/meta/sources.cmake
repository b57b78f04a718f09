# Unit tests of meta/.
target_sources(zentrova_unit_tests PRIVATE
  meta/meta_generator_test.cpp
)
