# kemurina_windows_resources(<target> <description>): the program icon and the version
# resource Explorer shows, built into a Windows executable.
function(kemurina_windows_resources target description)
    set(KEMURINA_RC_ICON "${PROJECT_SOURCE_DIR}/resources/icons/kemurina.ico")
    set(KEMURINA_RC_DESCRIPTION "${description}")
    set(KEMURINA_RC_NAME "${target}")
    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
    configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/version.rc.in" "${rc}" @ONLY)
    target_sources(${target} PRIVATE "${rc}")
endfunction()
