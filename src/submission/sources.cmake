# Sources of the core's submission/ folder.
target_sources(zentrova_core PRIVATE
  submission/busy_controls.cpp
  submission/form_encoding.cpp
  submission/html_escape.cpp
  submission/indexnow_key_commands.cpp
  submission/indexnow_protocol.cpp
  submission/indexnow_submission.cpp
  submission/key_file_check.cpp
  submission/keyword_text.cpp
  submission/log_pages.cpp
  submission/queue_marks.cpp
  submission/reply_analysis.cpp
  submission/request_builder.cpp
  submission/run_controller.cpp
  submission/run_progress.cpp
  submission/service_status.cpp
  submission/submission_selection.cpp
)
