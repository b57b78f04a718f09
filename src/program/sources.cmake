# Sources of the core's program/ folder.
target_sources(zentrova_core PRIVATE
)
