# Sources of the core's deeppromo/ folder.
target_sources(zentrova_core PRIVATE
  deeppromo/deep_link_list.cpp
  deeppromo/link_dialog.cpp
  deeppromo/link_extraction.cpp
  deeppromo/sitemap.cpp
)
