# Runs one driver script in a fresh work folder and compares its output with the expected text.
# Lines "# expect-file: <file in work folder> <file next to the script>" also compare written files.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
if(EXISTS ${SOURCE_DIR}/tests/batch/files)
    file(COPY ${SOURCE_DIR}/tests/batch/files/ DESTINATION ${WORK_DIR})
endif()
if(EXISTS ${SOURCE_DIR}/data/demo)
    file(COPY ${SOURCE_DIR}/data/demo DESTINATION ${WORK_DIR})
endif()
execute_process(
    COMMAND ${BATCH} --program-dir ${PROGRAM_DIR} --settings ${WORK_DIR}/der-ed.ini ${SCRIPT}
    WORKING_DIRECTORY ${WORK_DIR}
    OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "der-ed-batch exited with ${status}: ${errors}")
endif()
if(NOT actual STREQUAL expected)
    file(WRITE ${WORK_DIR}/actual.out "${actual}")
    message(FATAL_ERROR "Output differs from ${EXPECTED}; see ${WORK_DIR}/actual.out\n--- actual ---\n${actual}")
endif()
file(STRINGS ${SCRIPT} checks REGEX "^# expect-file: ")
get_filename_component(script_dir ${SCRIPT} DIRECTORY)
foreach(check ${checks})
    string(REGEX REPLACE "^# expect-file: ([^ ]+) ([^ ]+)$" "\\1;\\2" pair "${check}")
    list(GET pair 0 written)
    list(GET pair 1 wanted)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${written} ${script_dir}/${wanted}
        RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "${written} differs from ${wanted}")
    endif()
endforeach()
