# Sources of the core's reports/ folder.
target_sources(zentrova_core PRIVATE
  reports/report_page.cpp
  reports/summary_report.cpp
)
