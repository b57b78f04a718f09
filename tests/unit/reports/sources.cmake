# Unit tests of reports/.
target_sources(zentrova_unit_tests PRIVATE
)
