# Copies the install folder's files into INSTALL_DIR (see InstallImage.cmake).
# file(COPY) skips files whose copy is already up to date.
file(MAKE_DIRECTORY ${INSTALL_DIR})
string(REPLACE "|" ";" programs "${PROGRAMS}")
foreach(program IN LISTS programs)
  file(COPY ${program} DESTINATION ${INSTALL_DIR})
endforeach()
file(COPY ${SKINS} DESTINATION ${INSTALL_DIR})
file(COPY ${LANGUAGES} DESTINATION ${INSTALL_DIR})
file(COPY ${FACTORY}/ DESTINATION ${INSTALL_DIR})
