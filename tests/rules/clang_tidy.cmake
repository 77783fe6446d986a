# cmake -DSOURCE_DIR=<repo> -DBUILD_DIR=<build> -DRUN_CLANG_TIDY=<program> -P clang_tidy.cmake
# Fails when clang-tidy finds anything in the program's sources under the committed .clang-tidy (faults, the static
# analyser, needless copies), using the build's compile commands.
cmake_minimum_required(VERSION 3.25)
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
execute_process(COMMAND ${RUN_CLANG_TIDY} -quiet -j ${cores} -p ${BUILD_DIR} "${SOURCE_DIR}/src/.*\\.cpp$"
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-tidy found something:\n${output}\n${errors}")
endif()
message(STATUS "clang-tidy finds nothing in src")
