# Fails when a source file includes a header from a folder its layer must
# not depend on. Dependencies run one way:
#   image <- resources <- process <- project <- web / net / devices <- cli, GUI
# The window classes (C<Name>.h/.cpp) and the Qt glue (Qt<Name>) in web/, net/ and devices/ belong to
# the GUI. The installer shares nothing with the rest.
# Run: cmake -DROOT=<source folder> -P CheckLayering.cmake
if(NOT ROOT)
  message(FATAL_ERROR "ROOT is not set")
endif()

set(core image resources process project web net devices)
set(allowed_image image)
set(allowed_resources resources image)
set(allowed_process process resources image)
set(allowed_project project process resources image)
set(allowed_web web net devices project process resources image)
set(allowed_net ${allowed_web})
set(allowed_devices ${allowed_web})
set(allowed_cli cli ${core})
set(allowed_gui app ${core})
set(allowed_installer installer)
set(folders image resources process project web net devices cli app installer)

set(violations "")
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE sources "${ROOT}/${folder}/*.cpp" "${ROOT}/${folder}/*.h")
  foreach(source IN LISTS sources)
    get_filename_component(name "${source}" NAME)
    set(layer ${folder})
    if(folder STREQUAL "app" OR (folder MATCHES "^(web|net|devices)$" AND name MATCHES "^(C[A-Z]|Qt[A-Z])"))
      set(layer gui)
    endif()
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^/\"]+)/.*" "\\1" top "${line}")
      # Only includes that name a top-level folder cross layers.
      list(FIND folders "${top}" known)
      if(known EQUAL -1)
        continue()
      endif()
      list(FIND allowed_${layer} "${top}" ok)
      if(ok EQUAL -1)
        file(RELATIVE_PATH where "${ROOT}" "${source}")
        string(STRIP "${line}" line)
        list(APPEND violations "${where} (${layer}): ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Includes against the layering:\n  ${text}")
endif()
