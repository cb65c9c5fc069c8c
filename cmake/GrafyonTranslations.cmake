# Translation sources of the language modules. Each folder with user-visible texts keeps its
# own .ts files and registers them here; the language module of a code compiles them all.
# Folders register before viewer/app, which builds the modules.
function(grafyon_add_translations code)
    foreach(ts IN LISTS ARGN)
        get_filename_component(abs ${ts} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
        set_property(GLOBAL APPEND PROPERTY GRAFYON_TRANSLATIONS_${code} ${abs})
    endforeach()
endfunction()

function(grafyon_translations_of code out)
    get_property(files GLOBAL PROPERTY GRAFYON_TRANSLATIONS_${code})
    set(${out} ${files} PARENT_SCOPE)
endfunction()
