# Embeds the version note (owner "Vantorelline") into a deliverable. The note lives in
# an allocated SHT_NOTE section, so strip keeps it.
set(GRAFYON_VERSION_NOTE_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/version_note.S.in)

# The build date is taken at every build, not only when CMake configures.
set(GRAFYON_BUILD_DATE_FILE ${CMAKE_BINARY_DIR}/grafyon_build_date.inc)
set(GRAFYON_BUILD_DATE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/GrafyonBuildDate.cmake)
execute_process(COMMAND ${CMAKE_COMMAND} -DOUT=${GRAFYON_BUILD_DATE_FILE}
    -P ${GRAFYON_BUILD_DATE_SCRIPT})
add_custom_target(grafyon_build_date ALL
    COMMAND ${CMAKE_COMMAND} -DOUT=${GRAFYON_BUILD_DATE_FILE} -P ${GRAFYON_BUILD_DATE_SCRIPT}
    BYPRODUCTS ${GRAFYON_BUILD_DATE_FILE}
    VERBATIM)

function(grafyon_version_note target)
    set(VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
    set(VERSION_MINOR ${PROJECT_VERSION_MINOR})
    set(VERSION_THIRD ${PROJECT_VERSION_PATCH})
    set(VERSION_FOURTH ${PROJECT_VERSION_TWEAK})
    if(VERSION_FOURTH STREQUAL "")
        set(VERSION_FOURTH 0)
    endif()
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_note.S)
    configure_file(${GRAFYON_VERSION_NOTE_TEMPLATE} ${out} @ONLY)
    target_sources(${target} PRIVATE ${out})
    set_source_files_properties(${out} PROPERTIES OBJECT_DEPENDS ${GRAFYON_BUILD_DATE_FILE})
    add_dependencies(${target} grafyon_build_date)
endfunction()
