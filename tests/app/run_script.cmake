# Runs the program under a script twice in a fresh working folder, and checks after each run that
# the general data on disk counts one more program start.
#   cmake -DPROGRAM=<farhaven> -DSCRIPT=<file> -DWORK=<folder> [-DTHEN=<file>] [-DPILOT_NAME=<name>]
#         -P run_script.cmake
# With PILOT_NAME the new pilot is named so instead of "Incognito": the name is typed on the name
# screen after the faction screen's Continue, and the script's "Incognito" reads as that name.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
if(DEFINED PILOT_NAME)
  file(READ "${SCRIPT}" text)
  string(REPLACE "Incognito" "${PILOT_NAME}" text "${text}")
  string(REGEX REPLACE "(\nclick FactionSelection[.]Continue[A-Za-z]*\n)"
         "\\1type NameSelection.NameEdit \"${PILOT_NAME}\"\n" text "${text}")
  get_filename_component(name "${SCRIPT}" NAME)
  set(SCRIPT "${WORK}/named_${name}")
  file(WRITE "${SCRIPT}" "${text}")
endif()

# StartCount is record 504 of GeneralData.int, a little-endian 32-bit integer.
function(read_start_count out)
  if(NOT EXISTS "${WORK}/GeneralData.int")
    message(FATAL_ERROR "no GeneralData.int was written in ${WORK}")
  endif()
  file(READ "${WORK}/GeneralData.int" hex OFFSET 2016 LIMIT 4 HEX)
  string(SUBSTRING "${hex}" 0 2 b0)
  string(SUBSTRING "${hex}" 2 2 b1)
  string(SUBSTRING "${hex}" 4 2 b2)
  string(SUBSTRING "${hex}" 6 2 b3)
  math(EXPR value "0x${b3}${b2}${b1}${b0}")
  set(${out} ${value} PARENT_SCOPE)
endfunction()

set(expected 1)
foreach(run 1 2)
  execute_process(COMMAND "${PROGRAM}" --script "${SCRIPT}"
                  WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "run ${run}: farhaven --script failed (${rc})")
  endif()
  read_start_count(count)
  if(NOT count EQUAL expected)
    message(FATAL_ERROR "run ${run}: StartCount on disk is ${count}, expected ${expected}")
  endif()
  math(EXPR expected "${expected} + 1")
endforeach()
message(STATUS "StartCount counted both starts")

# A second script, when given, runs after both in the same folder: a new start of the program that
# finds what the first script's runs left on disk (a saved game, say).
if(DEFINED THEN)
  execute_process(COMMAND "${PROGRAM}" --script "${THEN}"
                  WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "after the restart: farhaven --script ${THEN} failed (${rc})")
  endif()
endif()
