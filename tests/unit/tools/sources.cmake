# Unit tests of tools/.
target_sources(zentrova_unit_tests PRIVATE
)
