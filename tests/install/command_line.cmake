# --help and --version answer and end with 0 where no display exists; an answer that cannot be written (a full
# disk) is a failure, said on standard error. Run with -DPROGRAM=<velloran>.
foreach(option --help --version)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                            "${PROGRAM}" ${option}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT out MATCHES "velloran")
        message(FATAL_ERROR "velloran ${option} gave ${rc}:\n${out}${err}")
    endif()
    execute_process(COMMAND "${PROGRAM}" ${option} RESULT_VARIABLE full_rc OUTPUT_FILE /dev/full ERROR_VARIABLE full_err)
    if(full_rc EQUAL 0 OR NOT full_err MATCHES "velloran")
        message(FATAL_ERROR "velloran ${option} > /dev/full gave ${full_rc}: ${full_err}")
    endif()
endforeach()
if(NOT out MATCHES "^velloran [0-9]+\\.[0-9]+")
    message(FATAL_ERROR "--version printed: ${out}")
endif()
# An argument nobody understands is refused with 2 before a display is looked for; Qt's own options are left to Qt.
foreach(arguments "--bogus" "-style;fusion;--bogus" "stray")
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                            "${PROGRAM}" ${arguments} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 2 OR NOT err MATCHES "velloran --help")
        message(FATAL_ERROR "velloran ${arguments} gave ${rc}:\n${out}${err}")
    endif()
endforeach()
execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help)
execute_process(COMMAND "${PROGRAM}" --help-all RESULT_VARIABLE rc OUTPUT_VARIABLE all)
if(NOT rc EQUAL 0 OR all STREQUAL help OR NOT all MATCHES "-platform")
    message(FATAL_ERROR "--help-all gave ${rc}:\n${all}")
endif()
