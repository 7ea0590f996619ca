# Windows: the icon and version of the executable, and the installer (NSIS) and the portable
# archive (ZIP) that carry it. The icon is made from the one SVG, like the Linux icons.
find_program(TERMIKA_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(TERMIKA_ICOTOOL icotool REQUIRED) # Debian package icoutils

set(icon_svg ${CMAKE_CURRENT_SOURCE_DIR}/termika.svg)
set(icon_dir ${CMAKE_CURRENT_BINARY_DIR}/icon)
set(TERMIKA_ICO ${icon_dir}/termika.ico)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${icon_svg})
if(NOT EXISTS ${TERMIKA_ICO} OR ${icon_svg} IS_NEWER_THAN ${TERMIKA_ICO})
    file(MAKE_DIRECTORY ${icon_dir})
    set(sizes)
    foreach(size IN ITEMS 16 24 32 48 64 256)
        execute_process(COMMAND ${TERMIKA_RSVG_CONVERT} -w ${size} -h ${size} -f png
                                -o ${icon_dir}/${size}.png ${icon_svg}
                        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    # The largest size stays a PNG inside the icon, as Windows expects of 256 px.
    execute_process(COMMAND ${TERMIKA_ICOTOOL} -c -o ${TERMIKA_ICO}
                            ${icon_dir}/16.png ${icon_dir}/24.png ${icon_dir}/32.png
                            ${icon_dir}/48.png ${icon_dir}/64.png -r ${icon_dir}/256.png
                    COMMAND_ERROR_IS_FATAL ANY)
endif()
configure_file(termika.rc.in ${CMAKE_CURRENT_BINARY_DIR}/termika.rc @ONLY)
target_sources(termika PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/termika.rc)

# One folder holding termika.exe, which needs nothing beside it.
install(TARGETS termika RUNTIME DESTINATION .)
add_custom_target(package_contents)
add_dependencies(package_contents termika)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Termika)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Termika)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Termika)
set(CPACK_PACKAGE_EXECUTABLES termika Termika) # the Start-menu entry
set(CPACK_STRIP_FILES ON)
# termika-<version>-setup.exe and termika-<version>-windows-x86_64.zip
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/windows-names.cmake)

set(CPACK_NSIS_PACKAGE_NAME Termika)
set(CPACK_NSIS_DISPLAY_NAME Termika)
# A 64-bit installer: Debian's Wine runs 64-bit programs alone, and so do today's Windows.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MUI_ICON ${TERMIKA_ICO})
set(CPACK_NSIS_MUI_UNIICON ${TERMIKA_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME termika.exe)
set(CPACK_NSIS_CONTACT kontakt@termika.pl)
