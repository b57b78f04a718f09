# Sources of the core's text/ folder.
target_sources(zentrova_core PRIVATE
)
