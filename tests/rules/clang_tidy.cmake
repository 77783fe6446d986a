# cmake -DSOURCE_DIR=<repo> -DBUILD_DIR=<build> -DRUN_CLANG_TIDY=<program> -P clang_tidy.cmake
# Fails when clang-tidy finds anything in the program's sources under the committed .clang-tidy (faults, the static
# analyser, needless copies), using the build's compile commands.
cmake_minimum_required(VERSION 3.25)
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
execute_process(COMMAND ${RUN_CLANG_TIDY} -quiet -j ${cores} -p ${BUILD_DIR} "${SOURCE_DIR}/src/.*\\.cpp$"
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    # The findings first, without colours: a log cut short to its head and tail must still show them, and the
    # thousands of "warnings generated" lines for system headers bury them.
    string(ASCII 27 escape)
    string(REGEX REPLACE "${escape}\\[[0-9;]*m" "" plain "${output}\n${errors}")
    string(REGEX MATCHALL "[^\n]*(warning|error): [^\n]*" findings "${plain}")
    list(JOIN findings "\n" findings)
    message(FATAL_ERROR "clang-tidy found something (exit ${result}):\n${findings}\n\nIn full:\n${plain}")
endif()
message(STATUS "clang-tidy finds nothing in src")
