# Sources of the core's meta/ folder.
target_sources(zentrova_core PRIVATE
  meta/meta_generator.cpp
)
