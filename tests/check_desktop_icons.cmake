# The desktop icons are PNG files that ImageMagick, a decoder of its own, reads as the design:
# the size asked for and the dark-blue frame in the corner.
foreach(size 16 32)
  set(file ${WORK_DIR}/pruhomat_${size}.png)
  execute_process(COMMAND ${EXPORT_ICON} ${file} ${size} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "export_icon could not write ${file}")
  endif()
  execute_process(COMMAND convert ${file} -format "%w %h %[pixel:p{0,0}]" info:
                  OUTPUT_VARIABLE read RESULT_VARIABLE failed)
  if(failed OR NOT read STREQUAL "${size} ${size} srgb(0,0,128)")
    message(FATAL_ERROR "${file} reads as \"${read}\"")
  endif()
endforeach()
# The larger theme icons are the scalable drawing rendered, with its transparent corners and
# smooth edges: many more colours than the seven of the pixel design.
if(THEME_ICONS)
  foreach(size 48 64 128 256)
    set(file ${THEME_ICONS}/${size}x${size}/apps/pruhomat.png)
    execute_process(COMMAND convert ${file} -format "%w %h %A %k" info:
                    OUTPUT_VARIABLE read RESULT_VARIABLE failed)
    string(REGEX MATCH "^([0-9]+) ([0-9]+) True ([0-9]+)$" matched "${read}")
    if(failed OR NOT matched OR NOT CMAKE_MATCH_1 EQUAL size OR NOT CMAKE_MATCH_2 EQUAL size OR CMAKE_MATCH_3 LESS 100)
      message(FATAL_ERROR "${file} reads as \"${read}\", not a ${size} pixel rendering with alpha")
    endif()
  endforeach()
endif()
message(STATUS "The desktop icons read back as drawn")
