# Runs the program under a script twice, started in a fresh working folder, and checks after each
# run that the general data on disk counts one more program start. The game's files go to a data
# folder of the test's own, "data" in the working folder; none may appear in the working folder.
#   cmake -DPROGRAM=<farhaven> -DSCRIPT=<file> -DWORK=<folder> [-DTHEN=<file>] [-DPILOT_NAME=<name>]
#         -P run_script.cmake
# With PILOT_NAME the new pilot is named so instead of "Incognito": the name is typed on the name
# screen after the faction screen's Continue, and the scripts' "Incognito" reads as that name. In
# the automatic name of a slot ("Incognito - Star date 2450.1") it reads as the name cut to leave
# room for the date within the 255 characters a slot name holds.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(DATA "${WORK}/data")
set(ENV{FARHAVEN_DATA_DIR} "${DATA}")

# Writes `script` with the pilot named PILOT_NAME into the working folder; `out` is its new path.
function(name_the_pilot script out)
  file(READ "${script}" text)
  string(REGEX MATCHALL "Incognito - Star date [0-9]+[.][0-9]+" automatic "${text}")
  list(REMOVE_DUPLICATES automatic)
  foreach(name IN LISTS automatic)
    string(REPLACE "Incognito" "" date "${name}")
    string(LENGTH "${date}" date_length)
    math(EXPR room "255 - ${date_length}")
    string(SUBSTRING "${PILOT_NAME}" 0 ${room} pilot)
    string(REGEX REPLACE " +$" "" pilot "${pilot}")
    string(REPLACE "${name}" "${pilot}${date}" text "${text}")
  endforeach()
  string(REPLACE "Incognito" "${PILOT_NAME}" text "${text}")
  string(REGEX REPLACE "(\nclick FactionSelection[.]Continue[A-Za-z]*\n)"
         "\\1type NameSelection.NameEdit \"${PILOT_NAME}\"\n" text "${text}")
  get_filename_component(name "${script}" NAME)
  set(named "${WORK}/named_${name}")
  file(WRITE "${named}" "${text}")
  set(${out} "${named}" PARENT_SCOPE)
endfunction()

if(DEFINED PILOT_NAME)
  name_the_pilot("${SCRIPT}" SCRIPT)
  if(DEFINED THEN)
    name_the_pilot("${THEN}" THEN)
  endif()
endif()

# Nothing of the game's may be written into the folder it was started from.
function(check_working_folder)
  file(GLOB strewn RELATIVE "${WORK}" "${WORK}/GeneralData.*" "${WORK}/Savegame*" "${WORK}/*.lock")
  if(strewn)
    message(FATAL_ERROR "the game wrote into its working folder: ${strewn}")
  endif()
endfunction()

# StartCount is record 504 of GeneralData.int, a little-endian 32-bit integer.
function(read_start_count out)
  if(NOT EXISTS "${DATA}/GeneralData.int")
    message(FATAL_ERROR "no GeneralData.int was written in ${DATA}")
  endif()
  file(READ "${DATA}/GeneralData.int" hex OFFSET 2016 LIMIT 4 HEX)
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
  check_working_folder()
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
  check_working_folder()
endif()
