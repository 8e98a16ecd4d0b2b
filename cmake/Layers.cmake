# One library per folder of src/, each naming the folders it may use.
#
#   zk40_layer(FOLDER [USES library...] [SYSTEM_LIBS library...])
#
# builds zk40<FOLDER> from FOLDER's sources (the *_win32.cpp files only for
# Windows, the *_posix.cpp files only elsewhere; a folder without sources
# gives a header-only library). Headers are included as "FOLDER/Name.h", and
# each library's include root holds nothing but its own folder: a file sees
# the headers of its own folder and of the libraries it uses (and what those
# use), no others. An include in the wrong direction fails to compile.

# The include root of a folder of src/: a folder in the build tree whose only
# entry is a link named like the source folder. Sets out to its path.
function(zk40_include_root folder out)
  set(root ${CMAKE_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

function(zk40_layer folder)
  cmake_parse_arguments(arg "" "" "USES;SYSTEM_LIBS" ${ARGN})
  set(dir ${CMAKE_SOURCE_DIR}/src/${folder})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win32\\.cpp$")
  endif()

  zk40_include_root(${folder} root)

  set(name zk40${folder})
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${root})
    target_link_libraries(${name} PUBLIC ${arg_USES} ${arg_SYSTEM_LIBS} PRIVATE zk40_warnings)
    add_dependencies(${name} core_header_check)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${root})
    target_link_libraries(${name} INTERFACE ${arg_USES} ${arg_SYSTEM_LIBS})
  endif()
endfunction()
