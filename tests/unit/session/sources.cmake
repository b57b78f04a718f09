# Unit tests of session/ (and of program/, which has no test folder of its own).
target_sources(zentrova_unit_tests PRIVATE
  session/default_folders_test.cpp
  session/file_dialogs_test.cpp
  session/log_folder_test.cpp
  session/session_command_test.cpp
  session/session_commands_test.cpp
  session/session_export_test.cpp
  session/session_file_test.cpp
  session/session_model_test.cpp
  session/replace_file_test.cpp
  session/outside_address_test.cpp
)
