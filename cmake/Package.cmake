# The release package: `cmake --build <build dir> --target package` makes
# Quickseek-<version>-win32.zip (Quickseek-<version>-<system>.zip elsewhere) with the plug-in
# library, its toolbar bitmap, both sample configuration files, the configuration checker
# and a short user guide. Only the component "quickseek" goes in: the dependencies built in
# the tree bring install rules of their own.
set(QS_PACKAGE_COMPONENT quickseek)
install(TARGETS Quickseek RUNTIME DESTINATION . COMPONENT ${QS_PACKAGE_COMPONENT}
                          LIBRARY DESTINATION . COMPONENT ${QS_PACKAGE_COMPONENT})
install(TARGETS quickseek-check RUNTIME DESTINATION . COMPONENT ${QS_PACKAGE_COMPONENT})
install(FILES ${QS_BITMAP} DESTINATION . COMPONENT ${QS_PACKAGE_COMPONENT})

# The text files with Windows line ends, for Notepad; the guide gets the version.
configure_file(${PROJECT_SOURCE_DIR}/tools/package/UserGuide.txt ${PROJECT_BINARY_DIR}/package/README.txt
               @ONLY NEWLINE_STYLE CRLF)
foreach(sample Quickseek.ini Quickseek_MY.ini)
  configure_file(${PROJECT_SOURCE_DIR}/examples/${sample} ${PROJECT_BINARY_DIR}/package/${sample} @ONLY NEWLINE_STYLE CRLF)
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/package/README.txt ${PROJECT_BINARY_DIR}/package/Quickseek.ini
              ${PROJECT_BINARY_DIR}/package/Quickseek_MY.ini
        DESTINATION . COMPONENT ${QS_PACKAGE_COMPONENT})

if(WIN32)
  set(QS_PACKAGE_SYSTEM win32)
else()
  set(QS_PACKAGE_SYSTEM ${CMAKE_SYSTEM_NAME})
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quickseek)
set(CPACK_PACKAGE_VENDOR "The Quickseek developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Quickseek-${PROJECT_VERSION}-${QS_PACKAGE_SYSTEM})
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${QS_PACKAGE_COMPONENT})
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
# The files at the top of the archive: unpacked into the plug-in folder, they are in place.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR})
include(CPack)
