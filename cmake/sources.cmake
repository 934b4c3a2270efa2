# Picks the platform file of each *_win32.cpp / *_posix.cpp pair.
function(zelmar_platform_sources out)
  set(result)
  foreach(stem IN LISTS ARGN)
    list(APPEND result ${stem}_${ZELMAR_OS}.cpp)
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
