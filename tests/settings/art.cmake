solvane_test(test_art
  SOURCES test_art.cpp
  LIBS solvane_art)

if(TARGET solvane-cli)
  add_test(NAME cli_art COMMAND ${CMAKE_COMMAND}
    -DCLI=$<TARGET_FILE:solvane-cli> -DOUT=${CMAKE_CURRENT_BINARY_DIR}/cli_art
    -P ${CMAKE_CURRENT_SOURCE_DIR}/cli_art.cmake)
  set_tests_properties(cli_art PROPERTIES ENVIRONMENT "${SOLVANE_TEST_ENV}")
endif()
