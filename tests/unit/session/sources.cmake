# Unit tests of session/.
target_sources(zentrova_unit_tests PRIVATE
)
