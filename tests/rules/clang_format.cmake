# cmake -DSOURCE_DIR=<repo> -DCLANG_FORMAT=<program> -P clang_format.cmake
# Fails when a C++ file under src, tests, bench or tools is not as the committed .clang-format lays it out.
cmake_minimum_required(VERSION 3.25)
set(files "")
foreach(folder src tests bench tools)
    file(GLOB_RECURSE found ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND files ${found})
endforeach()
list(SORT files)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Files differ from .clang-format; run clang-format -i on them")
endif()
list(LENGTH files count)
message(STATUS "${count} files follow .clang-format")
