# Unit tests of batch/.
target_sources(zentrova_unit_tests PRIVATE
  batch/batch_list_test.cpp
  batch/session_batch_test.cpp
  batch/session_queue_count_test.cpp
)
