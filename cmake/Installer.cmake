# ZK40Setup.exe, the Windows installer, made with NSIS's makensis from the
# install folder image and the Simplified Chinese skin set.
find_program(ZK40_MAKENSIS makensis)
find_program(ZK40_CONVERT convert)
set(ZK40_INSTALLER ${CMAKE_BINARY_DIR}/installer/ZK40Setup.exe)
if(ZK40_MAKENSIS AND ZK40_CONVERT)
  add_custom_target(installer ALL
    COMMAND ${CMAKE_COMMAND}
            -DMAKENSIS=${ZK40_MAKENSIS}
            -DCONVERT=${ZK40_CONVERT}
            -DSCRIPT=${CMAKE_SOURCE_DIR}/installer/ZK40Setup.nsi
            -DIMAGE=${ZK40_INSTALL_DIR}
            -DSC_SKINS=${ZK40_SKIN_SETS_DIR}/sc/skins
            -DICON=${ZK40_GENERATED_DIR}/resources/icon128.ico
            -DVERSION=${PROJECT_VERSION}
            -DOUTFILE=${ZK40_INSTALLER}
            -DWORK_DIR=${CMAKE_BINARY_DIR}/installer
            -P ${CMAKE_SOURCE_DIR}/cmake/make_installer.cmake
    COMMENT "Making the installer when the install image changed"
    VERBATIM)
  add_dependencies(installer install_image)
else()
  message(STATUS "makensis or ImageMagick not found: no installer (scripts/setup installs them)")
endif()
