# Unit tests of deeppromo/.
target_sources(zentrova_unit_tests PRIVATE
  deeppromo/deep_link_list_test.cpp
  deeppromo/link_dialog_test.cpp
  deeppromo/link_extraction_test.cpp
  deeppromo/sitemap_test.cpp
)
