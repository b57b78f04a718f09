# Unit tests of submission/.
target_sources(zentrova_unit_tests PRIVATE
  submission/form_command_test.cpp
  submission/form_encoding_test.cpp
  submission/indexnow_key_commands_test.cpp
  submission/indexnow_protocol_test.cpp
  submission/indexnow_run_test.cpp
  submission/keyword_text_test.cpp
  submission/log_pages_test.cpp
  submission/reply_analysis_test.cpp
  submission/request_builder_test.cpp
  submission/run_controller_test.cpp
  submission/service_status_test.cpp
)
