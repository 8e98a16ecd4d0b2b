# Fails when a portable source or header under SRC includes a Windows header.
# Portable means: not in src/framework (the window framework exists for
# Windows only), and not named *_win32.*.
file(GLOB_RECURSE files "${SRC}/*.cpp" "${SRC}/*.h")
set(bad "")
foreach(f IN LISTS files)
  file(RELATIVE_PATH rel "${SRC}" "${f}")
  if(rel MATCHES "^framework/" OR rel MATCHES "_win32\\.(cpp|h)$")
    continue()
  endif()
  file(STRINGS "${f}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](windows|winbase|winuser|windef|winnt|wingdi|shlobj|shellapi|shlwapi|setupapi|hidsdi|hidpi|hidusage|dbt|mmsystem|objbase|ole2|olectl|commctrl|gdiplus|urlmon|tchar|io)\\.h[>\"]")
  if(hits)
    string(APPEND bad "  ${rel}: ${hits}\n")
  endif()
endforeach()
if(bad)
  message(FATAL_ERROR "Windows headers in the portable core:\n${bad}")
endif()
