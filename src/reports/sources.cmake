# Sources of the core's reports/ folder.
target_sources(zentrova_core PRIVATE
)
