# Shared by the scripts of this folder.

# Finds a validator into `var`; without it the calling test is skipped with a note.
macro(require_tool var name package)
  find_program(${var} ${name})
  if(NOT ${var})
    message("Skipped: ${name} is not installed (package ${package}; scripts/install-deps installs it)")
    return()
  endif()
endmacro()

# desktop-file-validate exits 0 after warnings; they count as failures here, hints do not.
function(expect_valid_desktop_entry tool file)
  execute_process(COMMAND ${tool} ${file} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR out MATCHES "(error|warning): ")
    message(FATAL_ERROR "desktop-file-validate ${file}: status ${rc}\n${out}")
  endif()
endfunction()

# appstreamcli fails on errors and warnings, not on hints of style.
function(expect_valid_appstream tool)
  execute_process(COMMAND ${tool} ${ARGN} --no-net RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    string(JOIN " " args ${ARGN})
    message(FATAL_ERROR "appstreamcli ${args}: status ${rc}\n${out}")
  endif()
endfunction()
