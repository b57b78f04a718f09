# Sources of the core's session/ folder.
target_sources(zentrova_core PRIVATE
  session/file_dialogs.cpp
  session/file_name_rules.cpp
  session/log_folder.cpp
  session/session_bytes.cpp
  session/session_commands.cpp
  session/session_export.cpp
  session/session_file.cpp
  session/session_model.cpp
)
