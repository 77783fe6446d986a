# The sources whose texts the translations hold, and how lupdate writes the .ts files; shared by the build's
# update_translations target and the test that the .ts files are current.
set(VELLORAN_LUPDATE_OPTIONS -locations none -no-obsolete -no-ui-lines)
function(velloran_translated_sources out source_dir)
    if(CMAKE_SCRIPT_MODE_FILE)
        file(GLOB_RECURSE found ${source_dir}/src/*.cpp ${source_dir}/src/*.h)
    else()
        file(GLOB_RECURSE found CONFIGURE_DEPENDS ${source_dir}/src/*.cpp ${source_dir}/src/*.h)
    endif()
    list(SORT found)
    set(${out} ${found} PARENT_SCOPE)
endfunction()
