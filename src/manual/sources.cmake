# Sources of the core's manual/ folder.
target_sources(zentrova_core PRIVATE
  manual/form_capture.cpp
  manual/profile_paste.cpp
)
