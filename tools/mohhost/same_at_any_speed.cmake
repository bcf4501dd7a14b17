# Runs a scenario as fast as it can and at a person's pace sped up, and checks that both runs
# logged the same steps, events and requests at the same scenario times:
#   cmake -DCOMMAND=prog;arg;... -DSPEED=N -DLOGS=folder -P same_at_any_speed.cmake
file(MAKE_DIRECTORY ${LOGS})
foreach(speed 0 ${SPEED})
  execute_process(COMMAND ${COMMAND} --speed ${speed} --log ${LOGS}/speed-${speed}.log RESULT_VARIABLE code)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "the run at speed ${speed} failed (exit code ${code})")
  endif()
  file(STRINGS ${LOGS}/speed-${speed}.log lines)
  list(FILTER lines EXCLUDE REGEX ", speed ")
  set(log_${speed} "${lines}")
endforeach()
if(NOT log_0 STREQUAL log_${SPEED})
  message(FATAL_ERROR "the runs differ: compare ${LOGS}/speed-0.log and ${LOGS}/speed-${SPEED}.log")
endif()
