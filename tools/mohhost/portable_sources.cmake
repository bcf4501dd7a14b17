# The development host's platform-free parts, also built natively for the sanitizer tests.
set(MOHHOST_DIR ${CMAKE_SOURCE_DIR}/tools/mohhost)
set(MOHHOST_PORTABLE_SOURCES
  ${MOHHOST_DIR}/scenario.cpp
  ${MOHHOST_DIR}/scenario_words.cpp
  ${MOHHOST_DIR}/scenario_expect.cpp
  ${MOHHOST_DIR}/modem_model.cpp
  ${MOHHOST_DIR}/png_writer.cpp
  ${MOHHOST_DIR}/host_options.cpp
)
