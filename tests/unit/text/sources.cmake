# Unit tests of text/.
target_sources(zentrova_unit_tests PRIVATE
)
