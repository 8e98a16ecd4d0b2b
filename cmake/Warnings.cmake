# One place for the warning set, applied to every target of the project.
add_library(zk40_warnings INTERFACE)
target_compile_options(zk40_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  $<$<BOOL:${ZK40_WERROR}>:-Werror>)
