# Starts the game with no display at all (no DISPLAY, no WAYLAND_DISPLAY, no driver asked for):
# it must say so in one line naming DISPLAY and end with a failure status within SECONDS, instead
# of running invisibly.
#   cmake -DPROGRAM=<farhaven> -DSECONDS=<n> -DWORK=<folder> -P no_display.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy "${PROGRAM}"
                WORKING_DIRECTORY "${WORK}" TIMEOUT ${SECONDS}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc MATCHES "timeout")
  message(FATAL_ERROR "the game without a display was still running after ${SECONDS} s")
endif()
if(rc EQUAL 0)
  message(FATAL_ERROR "the game without a display ended with success")
endif()
string(STRIP "${err}" err)
if(NOT err MATCHES "^Farhaven 4: no display: DISPLAY is not set[^\n]*$")
  message(FATAL_ERROR "expected one line naming DISPLAY, got:\n${err}")
endif()
if(NOT out STREQUAL "")
  message(FATAL_ERROR "nothing belongs on the standard output, got:\n${out}")
endif()
message(STATUS "${err}")
