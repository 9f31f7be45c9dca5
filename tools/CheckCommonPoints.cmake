# Runs the generator into a scratch file and compares it with the committed one.
execute_process(COMMAND ${GENERATOR} ${OUTLINE} ${SCRATCH} RESULT_VARIABLE status ERROR_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_common_points failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH} ${COMMITTED} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "data/common_points.tsv differs from what tools/make_common_points writes")
endif()
