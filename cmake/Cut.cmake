# Writes every target's folder, sources, include folders and links into cut-targets.txt in the
# build folder, so that scripts/check-cut holds each source's includes to what its target links.

# Every target made under a folder and the folders below it.
function(otcraps_cut_collect dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    otcraps_cut_collect(${sub} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# One line per target, fields split by tabs, lists by ';':
# name, type, source folder, sources, own include folders, link libraries.
function(otcraps_cut_write file)
  otcraps_cut_collect(${PROJECT_SOURCE_DIR} targets)
  set(lines "")
  foreach(t IN LISTS targets)
    get_target_property(type ${t} TYPE)
    if(type STREQUAL "UTILITY" OR type STREQUAL "INTERFACE_LIBRARY")
      continue()
    endif()
    get_target_property(dir ${t} SOURCE_DIR)
    get_target_property(sources ${t} SOURCES)
    get_target_property(includes ${t} INCLUDE_DIRECTORIES)
    get_target_property(links ${t} LINK_LIBRARIES)
    foreach(v sources includes links)
      if(NOT ${v})
        set(${v} "")
      endif()
    endforeach()
    string(APPEND lines "${t}\t${type}\t${dir}\t${sources}\t${includes}\t${links}\n")
  endforeach()
  file(WRITE ${file} "${lines}")
endfunction()

# Included last, when every target exists.
otcraps_cut_write(${CMAKE_BINARY_DIR}/cut-targets.txt)
