# Embeds the version note (owner "Vantorelline") into a deliverable. The note lives in
# an allocated SHT_NOTE section, so strip keeps it.
set(GRAFYON_VERSION_NOTE_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/version_note.S.in)

function(grafyon_version_note target)
    # string(TIMESTAMP) honours SOURCE_DATE_EPOCH, so reproducible builds get a fixed date.
    string(TIMESTAMP GRAFYON_BUILD_DATE "%Y-%m-%d" UTC)
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
endfunction()
