# velloran_add_database(<target> SCHEMA <file.sql> FILE <name>)
# Makes an empty database <name> beside the program from the schema when none is there yet, and never
# touches one that exists: a developer's or user's records must survive every rebuild and reinstall.
function(velloran_add_database target)
    cmake_parse_arguments(ARG "" "SCHEMA;FILE" "" ${ARGN})
    set(out ${VELLORAN_BIN_DIR}/${ARG_FILE})
    set(fresh ${CMAKE_CURRENT_BINARY_DIR}/empty/${ARG_FILE})
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/empty)
    # An empty copy for installing, rebuilt whenever the schema changes.
    add_custom_command(OUTPUT ${fresh}
        COMMAND ${CMAKE_COMMAND} -E rm -f ${fresh}
        COMMAND velloran_makedb ${ARG_SCHEMA} ${fresh}
        DEPENDS velloran_makedb ${ARG_SCHEMA}
        COMMENT "Making an empty ${ARG_FILE}")
    add_custom_target(${target} ALL
        COMMAND velloran_makedb ${ARG_SCHEMA} ${out}
        DEPENDS ${fresh}
        COMMENT "Making ${ARG_FILE} beside the program if it is missing")
    # Installing again (an upgrade) must keep the user's records: ship the empty file only where none is.
    install(CODE "
        set(folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        if(EXISTS \"\${folder}/${ARG_FILE}\")
            message(STATUS \"Keeping: \${folder}/${ARG_FILE}\")
        else()
            file(INSTALL \"${fresh}\" DESTINATION \"\${folder}\")
        endif()
    ")
endfunction()
