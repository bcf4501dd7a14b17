# The shipped scenarios as tests: the development host runs each against the real library from
# the module folder, as fast as it can; one of them also with the host's own message loop. Each
# run leaves its log and the library's trace in scenario-runs/NAME/ of the build folder.
set_target_properties(mohhost PROPERTIES CROSSCOMPILING_EMULATOR ${CMAKE_CROSSCOMPILING_EMULATOR})

function(add_scenario_test name file)
  set(runs ${CMAKE_BINARY_DIR}/scenario-runs/${name})
  add_test(NAME ${name}
           COMMAND mohhost --scenario ${file} --speed 0 --log ${runs}/host.log --trace ${runs} ${ARGN}
           WORKING_DIRECTORY ${MODULE_DIR})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endfunction()

file(GLOB SHIPPED_SCENARIO_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/scenarios/*.txt)
foreach(file ${SHIPPED_SCENARIO_FILES})
  get_filename_component(name ${file} NAME_WE)
  add_scenario_test(scenario_${name} scenarios/${name}.txt)
endforeach()
# The window's own scenarios, beside the two that must fail below.
file(GLOB WINDOW_SCENARIO_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/scenarios/*.txt)
list(FILTER WINDOW_SCENARIO_FILES EXCLUDE REGEX "/(failed_expectation|bad_line)\\.txt$")
foreach(file ${WINDOW_SCENARIO_FILES})
  get_filename_component(name ${file} NAME_WE)
  add_scenario_test(scenario_${name} ${file})
endforeach()
add_scenario_test(scenario_accept_and_resume_host_loop scenarios/accept_and_resume.txt --host-loop)
add_scenario_test(scenario_hold_timeout_host_loop scenarios/hold_timeout.txt --host-loop)

# The scenario clock: a run at 20 scenario seconds per real second logs what a run as fast as
# the machine can does.
add_test(NAME scenario_same_at_any_speed
         COMMAND ${CMAKE_COMMAND} "-DCOMMAND=${CMAKE_BINARY_DIR}/wine-run.sh;$<TARGET_FILE:mohhost>;--scenario;scenarios/hold_timeout.txt"
                 -DSPEED=20 -DLOGS=${CMAKE_BINARY_DIR}/scenario-runs/same_at_any_speed
                 -P ${CMAKE_CURRENT_LIST_DIR}/same_at_any_speed.cmake
         WORKING_DIRECTORY ${MODULE_DIR})

# A failed expectation and a bad line: clear messages and their exit codes.
set(failing ${CMAKE_SOURCE_DIR}/tests/win/scenarios)
add_test(NAME scenario_failed_expectation
         COMMAND ${CMAKE_COMMAND} "-DCOMMAND=${CMAKE_BINARY_DIR}/wine-run.sh;$<TARGET_FILE:mohhost>;--scenario;${failing}/failed_expectation.txt;--speed;0"
                 -DEXIT=1 "-DOUTPUT=failed_expectation.txt:4: expect status Not connected.: found \"Connected.*failed_expectation.txt:5: expect request set CALL_ACTION=1: not made.*failed_expectation.txt:6: click accept: a person cannot click it: the button is grey"
                 -P ${CMAKE_CURRENT_LIST_DIR}/expect_exit.cmake
         WORKING_DIRECTORY ${MODULE_DIR})
add_test(NAME scenario_bad_line
         COMMAND ${CMAKE_COMMAND} "-DCOMMAND=${CMAKE_BINARY_DIR}/wine-run.sh;$<TARGET_FILE:mohhost>;--scenario;${failing}/bad_line.txt"
                 -DEXIT=2 "-DOUTPUT=bad_line.txt:4: click: expected a command to click \\(accept, ignore, disconnect, call or reconnect\\), got \"answer\""
                 -P ${CMAKE_CURRENT_LIST_DIR}/expect_exit.cmake
         WORKING_DIRECTORY ${MODULE_DIR})
set_tests_properties(scenario_same_at_any_speed scenario_failed_expectation scenario_bad_line PROPERTIES TIMEOUT 120)
