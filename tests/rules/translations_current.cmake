# cmake -DSOURCE_DIR=<repo> -DLUPDATE=<lupdate> -DWORK_DIR=<scratch folder> -P translations_current.cmake
# Fails when a .ts file is not what lupdate makes of the program's sources as they are: a text added or changed in
# the program that the translations do not hold yet, or one they still hold that the program no longer shows.
# `cmake --build <build folder> --target update_translations` brings the files up to date; the new texts then need
# translating (the translations test says which).
cmake_minimum_required(VERSION 3.25)
include(${SOURCE_DIR}/translations/TranslatedSources.cmake)
velloran_translated_sources(sources ${SOURCE_DIR})
list(JOIN sources "\n" listed)
file(REMOVE_RECURSE ${WORK_DIR})
file(WRITE ${WORK_DIR}/sources.lst "${listed}\n")
file(GLOB ts_files ${SOURCE_DIR}/translations/velloran_*.ts)
set(stale "")
foreach(ts ${ts_files})
    get_filename_component(name ${ts} NAME)
    configure_file(${ts} ${WORK_DIR}/${name} COPYONLY)
    execute_process(COMMAND ${LUPDATE} ${VELLORAN_LUPDATE_OPTIONS} -I ${SOURCE_DIR}/src @${WORK_DIR}/sources.lst
                            -ts ${WORK_DIR}/${name}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}:\n${out}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ts} ${WORK_DIR}/${name} RESULT_VARIABLE differ)
    if(differ)
        string(REGEX MATCH "Found [^\n]*" found "${out}")
        list(APPEND stale "${name}: ${found}")
    endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
if(stale)
    list(JOIN stale "\n  " text)
    message(FATAL_ERROR "The translations do not hold the program's texts as they are now:\n  ${text}\n"
        "Run: cmake --build <build folder> --target update_translations, then translate the new texts.")
endif()
message(STATUS "Every translation file holds the program's texts as they are")
