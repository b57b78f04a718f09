# Unit tests of meta/.
target_sources(zentrova_unit_tests PRIVATE
)
