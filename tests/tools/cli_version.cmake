# --version prints the version of the build and nothing else, from both programs.
foreach(program ${CLI} ${CLI_QT})
  execute_process(COMMAND ${program} --version OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "solvane-cli ${VERSION}\n" OR NOT err STREQUAL "")
    message(FATAL_ERROR "${program} --version: status ${rc}, printed \"${out}\", error output \"${err}\"")
  endif()
endforeach()
