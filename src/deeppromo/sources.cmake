# Sources of the core's deeppromo/ folder.
target_sources(zentrova_core PRIVATE
)
