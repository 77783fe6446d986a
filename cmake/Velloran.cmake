# velloran_add_database(<target> SCHEMA <file.sql> FILE <name>)
# Makes an empty database <name> beside the program from the schema when none is there yet, and never
# touches one that exists: a developer's records must survive every rebuild. Installs an empty copy as the
# template of the user's own file.
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
    # Installed as a template: the program copies it into each user's data folder, where an upgrade never
    # reaches, so replacing the template is always safe.
    install(FILES ${fresh} DESTINATION ${CMAKE_INSTALL_DATADIR}/velloran)
endfunction()
