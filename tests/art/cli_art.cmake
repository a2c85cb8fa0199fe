# solvane-cli art writes every picture at both ratios, the sheets and the icon sizes,
# and refuses what it cannot do with a non-zero status.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CLI} art ${OUT} RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "solvane-cli art exited with ${rc}")
endif()
file(GLOB written ${OUT}/*.png)
list(LENGTH written n)
# (52 faces + 15 backs + 15 marks + 33 tiles + 3 sheets) x 2 ratios + tile sheet + 7 icons
if(NOT n EQUAL 244)
  message(FATAL_ERROR "solvane-cli art wrote ${n} files, expected 244")
endif()
foreach(name face-01.png face-52@2x.png back-531.png back-544@2x.png mark-14.png tile-73@2x.png
             sheet-faces.png sheet-backs@2x.png icon-16.png icon-256.png)
  if(NOT EXISTS ${OUT}/${name})
    message(FATAL_ERROR "solvane-cli art did not write ${name}")
  endif()
endforeach()

execute_process(COMMAND ${CLI} art RESULT_VARIABLE rc ERROR_QUIET)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "solvane-cli art without a folder exited with ${rc}, expected 2")
endif()
# A file where the folder should be: the pictures cannot be written.
execute_process(COMMAND ${CLI} art ${OUT}/face-01.png RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
if(rc EQUAL 0)
  message(FATAL_ERROR "solvane-cli art into a file reported success")
endif()
