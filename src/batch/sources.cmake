# Sources of the core's batch/ folder.
target_sources(zentrova_core PRIVATE
  batch/batch_list.cpp
  batch/batch_list_file.cpp
  batch/session_batch.cpp
  batch/session_queue_count.cpp
)
