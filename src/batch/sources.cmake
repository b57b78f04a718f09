# Sources of the core's batch/ folder.
target_sources(zentrova_core PRIVATE
)
