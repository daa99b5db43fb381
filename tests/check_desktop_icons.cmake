# The desktop icons are PNG files that ImageMagick, a decoder of its own, reads as the design:
# the size asked for and the dark-blue frame in the corner.
foreach(size 16 48 256)
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
message(STATUS "The desktop icons read back as drawn")
