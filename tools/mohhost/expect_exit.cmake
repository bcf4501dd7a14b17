# Runs a command and checks its exit code and a text of its output, for the host's failure tests:
#   cmake -DCOMMAND=prog;arg;... -DEXIT=N -DOUTPUT=regex -P expect_exit.cmake
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT code STREQUAL "${EXIT}")
  message(FATAL_ERROR "exit code ${code}, expected ${EXIT}")
endif()
if(NOT output MATCHES "${OUTPUT}")
  message(FATAL_ERROR "the output does not match: ${OUTPUT}")
endif()
