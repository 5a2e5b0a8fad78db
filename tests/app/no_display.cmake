# Starts the game with no display at all (no DISPLAY, no WAYLAND_DISPLAY), once for each value of
# SDL_VIDEODRIVER in the table below. Without the variable, or with it naming a driver that needs a
# display (as some login profiles set it), the game must say so in one line naming the missing
# variable and end with a failure status, instead of running invisibly. Only the windowless
# drivers, asked for by name, run without a window: such a run is still going after a few seconds
# and is ended here. The time limit of the other runs only catches a hang.
#   cmake -DPROGRAM=<farhaven> -DWORK=<folder> -P no_display.cmake
set(hang_seconds 60)
set(windowless_seconds 3)
# driver asked for (none: the variable unset) | the variable the message names (none: it runs)
set(cases
    "none|DISPLAY"
    "x11|DISPLAY"
    "wayland|WAYLAND_DISPLAY"
    "x11,wayland|DISPLAY"
    "dummy|none"
    "offscreen|none")

foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 driver)
  list(GET fields 1 variable)
  file(REMOVE_RECURSE "${WORK}")
  file(MAKE_DIRECTORY "${WORK}")
  if(driver STREQUAL "none")
    set(asked --unset=SDL_VIDEODRIVER)
  else()
    set(asked SDL_VIDEODRIVER=${driver})
  endif()
  if(variable STREQUAL "none")
    set(seconds ${windowless_seconds})
  else()
    set(seconds ${hang_seconds})
  endif()
  # A windowless run keeps its files in the scratch folder, never in the user's data folder.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY ${asked}
                          SDL_AUDIODRIVER=dummy FARHAVEN_DATA_DIR=${WORK} "${PROGRAM}"
                  WORKING_DIRECTORY "${WORK}" TIMEOUT ${seconds}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(STRIP "${err}" err)
  if(variable STREQUAL "none")
    if(NOT rc MATCHES "timeout")
      message(FATAL_ERROR "SDL_VIDEODRIVER=${driver}: the game should run without a window, but "
                          "it ended (${rc}):\n${err}")
    endif()
    if(err MATCHES "display")
      message(FATAL_ERROR "SDL_VIDEODRIVER=${driver}: no display message belongs here, got:\n${err}")
    endif()
    message(STATUS "SDL_VIDEODRIVER=${driver}: runs without a window")
    continue()
  endif()
  if(rc MATCHES "timeout")
    message(FATAL_ERROR "SDL_VIDEODRIVER=${driver}: the game without a display was still running "
                        "after ${seconds} s")
  endif()
  if(NOT rc EQUAL 1)
    message(FATAL_ERROR "SDL_VIDEODRIVER=${driver}: the game without a display ended with ${rc}, "
                        "not 1")
  endif()
  if(NOT err MATCHES "^Farhaven 4: no display: ${variable} is not set[^\n]*$")
    message(FATAL_ERROR "SDL_VIDEODRIVER=${driver}: expected one line naming ${variable}, got:\n${err}")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "SDL_VIDEODRIVER=${driver}: nothing belongs on the standard output, got:\n${out}")
  endif()
  message(STATUS "SDL_VIDEODRIVER=${driver}: ${err}")
endforeach()
