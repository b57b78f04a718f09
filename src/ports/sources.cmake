# Sources of the core's ports/ folder: interfaces only.
target_sources(zentrova_core PRIVATE
)
