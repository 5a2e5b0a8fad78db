# A folder where an earlier build kept its files: a game is saved there by SAVE with that folder as
# its data folder, as an earlier build wrote into the folder it was started from. Then the game is
# started from that folder with a fresh data folder of its own: THEN finds the files copied over
# (and is told so), AGAIN, a start after that, is told nothing more. The earlier folder keeps its
# files as they were.
#   cmake -DPROGRAM=<farhaven> -DSAVE=<script> -DTHEN=<script> -DAGAIN=<script> -DWORK=<folder>
#         -P earlier_build_folder.cmake
set(earlier "${WORK}/earlier")
set(data "${WORK}/data")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${earlier}")

set(ENV{FARHAVEN_DATA_DIR} "${earlier}")
execute_process(COMMAND "${PROGRAM}" --script "${SAVE}" WORKING_DIRECTORY "${earlier}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "saving the game failed (${rc})")
endif()
file(REMOVE "${earlier}/farhaven.lock")  # an earlier build made none
# The game's files (the scripts' screenshots land beside them).
set(game_files "${earlier}/GeneralData.*" "${earlier}/Savegame*" "${earlier}/*.lock")
file(GLOB files RELATIVE "${earlier}" ${game_files})
foreach(f IN LISTS files)
  file(SHA256 "${earlier}/${f}" before_${f})
endforeach()

set(ENV{FARHAVEN_DATA_DIR} "${data}")
foreach(script IN ITEMS "${THEN}" "${AGAIN}")
  execute_process(COMMAND "${PROGRAM}" --script "${script}" WORKING_DIRECTORY "${earlier}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "farhaven --script ${script} failed (${rc})")
  endif()
endforeach()

file(GLOB after RELATIVE "${earlier}" ${game_files})
if(NOT after STREQUAL files)
  message(FATAL_ERROR "the earlier folder's files changed: ${files} -> ${after}")
endif()
foreach(f IN LISTS files)
  file(SHA256 "${earlier}/${f}" now)
  if(NOT now STREQUAL before_${f})
    message(FATAL_ERROR "${f} changed in the earlier folder")
  endif()
  if(NOT EXISTS "${data}/${f}")
    message(FATAL_ERROR "${f} was not copied into the data folder")
  endif()
endforeach()
message(STATUS "the earlier build's games were copied into the data folder and load there")
