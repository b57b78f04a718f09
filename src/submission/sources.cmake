# Sources of the core's submission/ folder.
target_sources(zentrova_core PRIVATE
  submission/keyword_text.cpp
)
