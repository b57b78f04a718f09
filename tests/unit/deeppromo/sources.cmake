# Unit tests of deeppromo/.
target_sources(zentrova_unit_tests PRIVATE
)
