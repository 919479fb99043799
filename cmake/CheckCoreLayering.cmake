# cmake -DTARGET=name -DLIST_FILE=path -P CheckCoreLayering.cmake: fails when a file of the list
# includes anything from app/, ui/, print/ or info/, or Qt Widgets or Print Support.
file(READ ${LIST_FILE} files)
set(failures)
foreach(path IN LISTS files)
  file(STRINGS ${path} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]((app|ui|print|info)/|Qt(Widgets|PrintSupport))")
  if(includes)
    string(APPEND failures "\n${path}:\n  ${includes}")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${TARGET} runs without a window, but these files include window code:${failures}")
endif()
