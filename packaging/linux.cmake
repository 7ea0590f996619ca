# Linux: the menu entry, the AppStream data and the icons beside the binary, and the Debian
# package that carries all of it.
include(GNUInstallDirs)

# The AppStream id; the desktop entry keeps the plain name termika.desktop, which the window
# system matches to the running program by its executable name.
set(TERMIKA_APP_ID pl.termika.Termika)

install(TARGETS termika RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES termika.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(termika.metainfo.xml.in ${TERMIKA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${TERMIKA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The PNG icons are rendered from the one SVG at build time, so they cannot drift from it.
find_program(TERMIKA_RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
set(icon_pngs)
foreach(size IN ITEMS 16 24 32 48 64 128 256)
    set(png_dir ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size})
    add_custom_command(
        OUTPUT ${png_dir}/termika.png
        COMMAND ${CMAKE_COMMAND} -E make_directory ${png_dir}
        COMMAND ${TERMIKA_RSVG_CONVERT} -w ${size} -h ${size} -f png -o ${png_dir}/termika.png
                ${CMAKE_CURRENT_SOURCE_DIR}/termika.svg
        DEPENDS termika.svg
        COMMENT "Rendering the ${size} px icon"
        VERBATIM)
    list(APPEND icon_pngs ${png_dir}/termika.png)
    install(FILES ${png_dir}/termika.png DESTINATION ${icon_dir}/${size}x${size}/apps)
endforeach()
add_custom_target(termika_icons ALL DEPENDS ${icon_pngs})
install(FILES termika.svg DESTINATION ${icon_dir}/scalable/apps)

# Everything the install rules above need built, so that a package can be made without
# building the tests and benches of the same directory.
add_custom_target(package_contents)
add_dependencies(package_contents termika termika_icons)

# Debian package: termika_<version>_<arch>.deb, the version being the project's.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME termika)
# dpkg shows the long description line by line as given here, so keep the lines short.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Termika computes the thermal transmittance Uw of windows and balcony doors"
    "made from the maker's four profile systems: single-, two- and three-sash"
    "windows, fixed windows and single- and two-sash balcony doors. It checks the"
    "inputs, computes the areas of frame and glass and the visible glass"
    "perimeter, shows Uw to two decimals and prints the calculation."
    ""
    "The program speaks Polish, English, German, Italian and Swedish.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# dpkg-shlibdeps names the Qt libraries the binary links (the X11 platform plugin comes with
# libqt6gui6). What it cannot see: the font the forms ask for, and
# the toolkit's own translations, which are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
