# Runs the table generator into the build tree and compares its output with the committed
# table byte for byte. Arguments: PYTHON, GENERATOR, UNIHAN_DIR, TABLE, OUTPUT.
if(NOT PYTHON)
  message(FATAL_ERROR "no /usr/bin/python3 to run ${GENERATOR}: tools/install-deps.sh installs it")
endif()
if(NOT EXISTS ${UNIHAN_DIR}/Unihan_Readings.txt.bz2)
  message(FATAL_ERROR "no Unihan files in ${UNIHAN_DIR}: tools/install-deps.sh installs unicode-data")
endif()

file(REMOVE ${OUTPUT})
execute_process(
  COMMAND ${PYTHON} ${GENERATOR} --unihan-dir ${UNIHAN_DIR} --output ${OUTPUT}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed: ${status}")
endif()

execute_process(
  COMMAND ${CMAKE_COMMAND} -E compare_files ${TABLE} ${OUTPUT}
  RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${TABLE} is not what the generator makes now (${OUTPUT}); "
                      "run tools/make-rhyme-table.py and review the difference")
endif()
