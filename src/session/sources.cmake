# Sources of the core's session/ folder.
target_sources(zentrova_core PRIVATE
)
