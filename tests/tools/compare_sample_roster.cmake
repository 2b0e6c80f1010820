# Runs the sample roster generator and fails unless its output equals the bundled sample.
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE generator_result)
if(NOT generator_result EQUAL 0)
    message(FATAL_ERROR "make_sample_roster failed: ${generator_result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${SAMPLE}
                RESULT_VARIABLE compare_result)
if(NOT compare_result EQUAL 0)
    message(FATAL_ERROR "${SAMPLE} differs from the generator's output ${OUTPUT}; "
                        "rebuild it with make_sample_roster")
endif()
