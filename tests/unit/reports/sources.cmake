# Unit tests of reports/.
target_sources(zentrova_unit_tests PRIVATE
  reports/report_command_test.cpp
  reports/report_page_test.cpp
  reports/summary_report_test.cpp
)
