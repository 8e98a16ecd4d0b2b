# Writes ZK40Setup.exe with makensis from the install folder image and the
# Chinese skins (see Installer.cmake). The installer is made again only when a
# file of either tree, or the installer's script, changed: the image is laid
# out with the files' own times, so an unchanged build leaves it alone.
#   MAKENSIS CONVERT SCRIPT IMAGE SC_SKINS ICON VERSION OUTFILE WORK_DIR
file(MAKE_DIRECTORY ${WORK_DIR})

set(signature "${VERSION}")
file(SHA256 ${SCRIPT} script_hash)
string(APPEND signature ";${script_hash}")
set(delete_lines "")
set(folders "")
foreach(tree IN ITEMS "${IMAGE}" "${SC_SKINS}")
  file(GLOB_RECURSE files RELATIVE ${tree} ${tree}/*)
  list(SORT files)
  set(prefix "")
  if(tree STREQUAL SC_SKINS OR tree STREQUAL "${SC_SKINS}")
    set(prefix "skins/")
  endif()
  foreach(file IN LISTS files)
    file(TIMESTAMP ${tree}/${file} time "%s" UTC)
    file(SIZE ${tree}/${file} size)
    string(APPEND signature ";${prefix}${file}:${size}:${time}")
    list(APPEND installed "${prefix}${file}")
    get_filename_component(folder "${prefix}${file}" DIRECTORY)
    while(folder)
      list(APPEND folders "${folder}")
      get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
  endforeach()
endforeach()

string(SHA256 signature_hash "${signature}")
set(stamp ${WORK_DIR}/installer.stamp)
if(EXISTS ${OUTFILE} AND EXISTS ${stamp})
  file(READ ${stamp} old_hash)
  if(old_hash STREQUAL signature_hash)
    return()
  endif()
endif()

# The uninstaller's list: every installed file, then every folder, deepest first.
list(REMOVE_DUPLICATES installed)
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
set(nsh "; Made by make_installer.cmake: what the installer lays down.\n")
foreach(file IN LISTS installed)
  string(REPLACE "/" "\\" file "${file}")
  string(APPEND nsh "Delete \"$INSTDIR\\${file}\"\n")
endforeach()
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" folder "${folder}")
  string(APPEND nsh "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
set(files_nsh ${WORK_DIR}/InstalledFiles.nsh)
file(WRITE ${files_nsh} "${nsh}")

# The wizard's side picture, cut from the skin: the mouse of the button page
# under the logo of the main window.
set(welcome ${WORK_DIR}/welcome.bmp)
execute_process(
  COMMAND ${CONVERT} ${IMAGE}/skins/ZK40_Main_Normal.bmp -crop 194x372+723+28 +repage -resize 164x314!
          ( ${IMAGE}/skins/Main_Normal.bmp -crop 44x44+18+18 +repage ) -gravity north -geometry +0+6 -composite
          BMP3:${welcome}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installer's picture could not be made (${result})")
endif()

execute_process(
  COMMAND ${MAKENSIS} -V2 -DIMAGE=${IMAGE} -DSC_SKINS=${SC_SKINS} -DFILES_NSH=${files_nsh} -DIMAGE_ICON=${ICON} -DWELCOME_BITMAP=${welcome}
          -DVERSION=${VERSION} -DOUTFILE=${OUTFILE} ${SCRIPT}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE ${OUTFILE} ${stamp})
  message(FATAL_ERROR "makensis failed (${result})")
endif()
file(WRITE ${stamp} "${signature_hash}")
