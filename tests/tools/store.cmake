# The store commands against a data folder and settings of their own.
add_test(NAME cli_store COMMAND ${CMAKE_COMMAND}
  -DCLI=$<TARGET_FILE:solvane-cli> -DHOME_DIR=${CMAKE_CURRENT_BINARY_DIR}/cli_store_home
  -P ${CMAKE_CURRENT_LIST_DIR}/cli_store.cmake)
