# The terminal carries zarkel's own messages: Qt's notes about the session stay off it (here the
# one every run without XDG_RUNTIME_DIR would print), while an error still shows, Qt's own
# included.
#   cmake -DPROGRAM=<zarkel> -DSCENARIO=<Homemade scenario> -DOUT=<folder> -P quiet_terminal_test.cmake
set(quiet ${CMAKE_COMMAND} -E env --unset=XDG_RUNTIME_DIR --unset=QT_LOGGING_RULES)

function(run out_status out_stdout out_stderr)
  execute_process(COMMAND ${quiet} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE stdout
                  ERROR_VARIABLE stderr)
  set(${out_status} "${status}" PARENT_SCOPE)
  set(${out_stdout} "${stdout}" PARENT_SCOPE)
  set(${out_stderr} "${stderr}" PARENT_SCOPE)
endfunction()

# A fresh folder each run: a picture there already would be kept, not replaced.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
run(status stdout stderr QT_QPA_PLATFORM=offscreen "${PROGRAM}" "${SCENARIO}" --layout homemade
    --save-map "${OUT}/quiet.png")
if(NOT status EQUAL 0 OR NOT stdout MATCHES "^Wrote quiet.png" OR NOT stderr STREQUAL "")
  message(FATAL_ERROR "a picture written: exit ${status}, stdout \"${stdout}\", "
                      "stderr \"${stderr}\" (expected nothing)")
endif()

run(status stdout stderr QT_QPA_PLATFORM=offscreen "${PROGRAM}" "${OUT}/missing.scn" --layout
    homemade --save-map "${OUT}/missing.png")
if(NOT status EQUAL 1 OR NOT stderr STREQUAL "File not found: \"${OUT}/missing.scn\"\n")
  message(FATAL_ERROR "a missing scenario: exit ${status}, stderr \"${stderr}\"")
endif()

# No display to draw on: Qt stops the program, and says why, its notes before its last word.
run(status stdout stderr DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM=xcb "${PROGRAM}")
if(status EQUAL 0 OR NOT stderr MATCHES "qt\\.qpa\\.[^\n]*\n.*no Qt platform plugin could be initialized")
  message(FATAL_ERROR "no display: exit ${status}, stderr \"${stderr}\"")
endif()
