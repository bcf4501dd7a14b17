# Platform-free sources (no windows.h), shared by the Windows build and the native tests.
set(PORTABLE_SOURCES
  ${CMAKE_SOURCE_DIR}/engine/bounded_text.cpp
  ${CMAKE_SOURCE_DIR}/engine/trace_line.cpp
  ${CMAKE_SOURCE_DIR}/engine/event_names.cpp
  ${CMAKE_SOURCE_DIR}/engine/countdown_text.cpp
  ${CMAKE_SOURCE_DIR}/engine/caller_id.cpp
  ${CMAKE_SOURCE_DIR}/calllists/list_text.cpp
  ${CMAKE_SOURCE_DIR}/calllists/list_entry.cpp
  ${CMAKE_SOURCE_DIR}/calllists/list_rows.cpp
  ${CMAKE_SOURCE_DIR}/calllists/call_log_record.cpp
  ${CMAKE_SOURCE_DIR}/shell/language_table.cpp
)
set(PORTABLE_INCLUDE_DIRS
  ${CMAKE_SOURCE_DIR}/engine
  ${CMAKE_SOURCE_DIR}/shell
  ${CMAKE_SOURCE_DIR}/calllists
)
