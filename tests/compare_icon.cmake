# Writes the icon afresh and compares it with the one the Windows build uses.
execute_process(COMMAND ${EXPORT_ICON} ${WRITTEN} RESULT_VARIABLE written)
if(NOT written EQUAL 0)
  message(FATAL_ERROR "export_icon failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WRITTEN} ${COMMITTED} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "platform/win32/pruhomat.ico is out of date: run scripts/make_windows_icon.sh")
endif()
