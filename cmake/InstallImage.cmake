# The install folder image, build/windows/install/, laid out as the installer
# lays it down: the program files, skins\ (the English skin set with its
# languagetype.ini), Language\ and the factory copies of the data files. A
# Simplified Chinese install is made by copying skin-sets/sc/skins over skins\.
#
# Program files of the install folder, one target a line:
set(ZK40_INSTALL_PROGRAMS
  HidParse
  MenuEx
  ZK40Driver
)

# Programs that live in a folder of their own there, FOLDER:TARGET:
set(ZK40_INSTALL_FOLDER_PROGRAMS
  FWUpdate:ZizedoRI
  ostrel_update:OstrelUpdate
)

set(ZK40_INSTALL_DIR ${CMAKE_BINARY_DIR}/install)
set(program_files "")
foreach(program IN LISTS ZK40_INSTALL_PROGRAMS)
  list(APPEND program_files $<TARGET_FILE:${program}>)
endforeach()
set(folder_program_files "")
set(folder_program_targets "")
foreach(entry IN LISTS ZK40_INSTALL_FOLDER_PROGRAMS)
  string(REPLACE ":" ";" parts ${entry})
  list(GET parts 0 folder)
  list(GET parts 1 program)
  list(APPEND folder_program_files "${folder}=$<TARGET_FILE:${program}>")
  list(APPEND folder_program_targets ${program})
endforeach()
add_custom_target(install_image ALL
  COMMAND ${CMAKE_COMMAND}
          -DINSTALL_DIR=${ZK40_INSTALL_DIR}
          "-DPROGRAMS=$<JOIN:${program_files},|>"
          "-DFOLDER_PROGRAMS=$<JOIN:${folder_program_files},|>"
          -DSKINS=${ZK40_SKIN_SETS_DIR}/en/skins
          -DLANGUAGES=${CMAKE_SOURCE_DIR}/data/Language
          -DFACTORY=${CMAKE_SOURCE_DIR}/data/factory
          -P ${CMAKE_SOURCE_DIR}/cmake/lay_install_image.cmake
  COMMENT "Laying out the install folder image"
  VERBATIM)
add_dependencies(install_image artwork ${ZK40_INSTALL_PROGRAMS} ${folder_program_targets})
