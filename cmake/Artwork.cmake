# The skin pictures, drawn at build time by tools/artwork, a program of the
# build machine (C++, Cairo, Pango), into the build folder only:
#   skin-sets/en/skins, skin-sets/sc/skins   the skins folder of an English and
#                                            of a Simplified Chinese install
#   generated/resources                      the pictures compiled into the program
#   generated/skin_resources.rc              the resource script that names them
#   artifacts/skin                           PNG previews of every page and window
# The Windows build builds the generator with the host compiler under
# host-tools/artwork; programs link the pictures in through the object
# library zk40_skin_resources.
set(ZK40_SKIN_SETS_DIR ${CMAKE_BINARY_DIR}/skin-sets)
set(ZK40_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(ZK40_SKIN_RC ${ZK40_GENERATED_DIR}/skin_resources.rc)

if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(host_dir ${CMAKE_BINARY_DIR}/host-tools/artwork)
  set(ZK40_ARTWORK_PROGRAM ${host_dir}/zk40_artwork)
  set(ZK40_PREVIEW_PROGRAM ${host_dir}/zk40_skin_preview)
  set(host_args -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZK40_WERROR=${ZK40_WERROR})
  if(ZK40_CCACHE)
    list(APPEND host_args -DCMAKE_CXX_COMPILER_LAUNCHER=${ZK40_CCACHE})
  endif()
  ExternalProject_Add(zk40_artwork_host
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/artwork
    BINARY_DIR ${host_dir}
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS ${host_args}
    # The machine is shared: at most two compilers at a time.
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${host_dir} -j 2
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${ZK40_ARTWORK_PROGRAM} ${ZK40_PREVIEW_PROGRAM})
  set(artwork_depends zk40_artwork_host ${ZK40_ARTWORK_PROGRAM} ${ZK40_PREVIEW_PROGRAM})
else()
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools/artwork ${CMAKE_BINARY_DIR}/tools/artwork)
  set(ZK40_ARTWORK_PROGRAM $<TARGET_FILE:zk40_artwork>)
  set(ZK40_PREVIEW_PROGRAM $<TARGET_FILE:zk40_skin_preview>)
  set(artwork_depends zk40_artwork zk40_skin_preview)
endif()

# The previews (artifacts/skin) show every page as a person sees it.
add_custom_command(OUTPUT ${ZK40_SKIN_RC}
  COMMAND ${ZK40_ARTWORK_PROGRAM} ${ZK40_SKIN_SETS_DIR} ${ZK40_GENERATED_DIR} ${CMAKE_SOURCE_DIR}/data/Language
  COMMAND ${ZK40_PREVIEW_PROGRAM} ${ZK40_SKIN_SETS_DIR} ${ZK40_GENERATED_DIR} ${CMAKE_BINARY_DIR}/artifacts/skin
  DEPENDS ${artwork_depends} ${CMAKE_SOURCE_DIR}/data/Language/en.xml ${CMAKE_SOURCE_DIR}/data/Language/sc.xml
  COMMENT "Drawing the skin pictures"
  VERBATIM)
add_custom_target(artwork ALL DEPENDS ${ZK40_SKIN_RC})

if(WIN32)
  # Programs that show skinned windows link this in:
  #   target_link_libraries(program PRIVATE zk40_skin_resources)
  add_library(zk40_skin_resources OBJECT ${ZK40_SKIN_RC})
  add_dependencies(zk40_skin_resources artwork)
endif()
