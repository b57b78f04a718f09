# Unit tests of manual/.
target_sources(zentrova_unit_tests PRIVATE
  manual/form_capture_test.cpp
  manual/profile_paste_test.cpp
)
