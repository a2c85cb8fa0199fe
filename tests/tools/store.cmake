# The store commands against a data folder and settings of their own.
add_test(NAME cli_store COMMAND ${CMAKE_COMMAND}
  -DCLI=$<TARGET_FILE:solvane-cli> -DHOME_DIR=${CMAKE_CURRENT_BINARY_DIR}/cli_store_home
  -P ${CMAKE_CURRENT_LIST_DIR}/cli_store.cmake)
# Recording when files cannot be written: a score file cut short, a settings folder that
# cannot hold its file, and (where this machine lets the test mount one) a full disk.
add_test(NAME cli_record_faults COMMAND ${CMAKE_COMMAND}
  -DCLI=$<TARGET_FILE:solvane-cli> -DHOME_DIR=${CMAKE_CURRENT_BINARY_DIR}/cli_faults_home
  -P ${CMAKE_CURRENT_LIST_DIR}/cli_faults.cmake)
set_tests_properties(cli_record_faults PROPERTIES RUN_SERIAL TRUE)
