# quillmere_install_gzipped(<file> DESTINATION <folder>)
#   Installs <file> of the calling folder compressed as <file>.gz, as Debian keeps manual pages and
#   changelogs: the best compression, and no name or time in the header, so that a rebuild gives the
#   same bytes.
function(quillmere_install_gzipped source)
    cmake_parse_arguments(ARG "" "DESTINATION" "" ${ARGN})
    get_filename_component(name ${source} NAME)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${source}
        VERBATIM)
    string(MAKE_C_IDENTIFIER "gzip_${name}" target)
    add_custom_target(${target} ALL DEPENDS ${copy}.gz)
    install(FILES ${copy}.gz DESTINATION ${ARG_DESTINATION})
endfunction()
