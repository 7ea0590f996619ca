# Read by CPack once per generator: the installer and the archive are named for what they are.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "termika-${CPACK_PACKAGE_VERSION}-setup")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_PACKAGE_FILE_NAME "termika-${CPACK_PACKAGE_VERSION}-windows-x86_64")
endif()
