# Unit tests of batch/.
target_sources(zentrova_unit_tests PRIVATE
)
