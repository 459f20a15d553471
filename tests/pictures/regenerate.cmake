# Draws the pictures afresh into OUTPUT_DIR with DRAW_PICTURES, from an empty
# folder, so that a picture the generator fails to write cannot pass as stale.
file(REMOVE_RECURSE "${OUTPUT_DIR}")
file(MAKE_DIRECTORY "${OUTPUT_DIR}")
execute_process(COMMAND "${DRAW_PICTURES}" "${OUTPUT_DIR}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "draw-pictures failed: ${result}")
endif()
