solvane_test(test_window
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_frmmain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_lifecycle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_advisor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_tablefit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_quickplay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_keptgame.cpp
    ${PROJECT_SOURCE_DIR}/tests/common/widgetmain.cpp
  LIBS solvane_table solvane_solver Qt6::Test)

# A picture of the main window with a long pile, at the size of the screen it runs on
# (built on request only).
add_executable(table_shots EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/shots_table.cpp)
target_link_libraries(table_shots PRIVATE solvane_table Qt6::Test)
target_include_directories(table_shots PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)

# Every window on a laptop screen, and on a full-HD screen at twice the scale (960 x 540
# logical pixels), each less a 40-pixel panel.
add_executable(test_screens ${CMAKE_CURRENT_LIST_DIR}/test_screens.cpp ${PROJECT_SOURCE_DIR}/tests/common/widgetmain.cpp)
target_link_libraries(test_screens PRIVATE solvane_table Qt6::Test GTest::gtest GTest::gmock)
target_include_directories(test_screens PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR}/tests/common)
foreach(screen laptop fullhd-x2)
  add_test(NAME Screens.EveryWindowLiesOnThe-${screen} COMMAND test_screens)
  set_tests_properties(Screens.EveryWindowLiesOnThe-${screen} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/data/screen-${screen}.json;QT_LOGGING_RULES=qt.multimedia*=false")
endforeach()

add_test(NAME program_options COMMAND ${CMAKE_COMMAND}
  -DPROGRAM=$<TARGET_FILE:solvane> -DVERSION=${PROJECT_VERSION} -DHOME_DIR=${CMAKE_CURRENT_BINARY_DIR}/program_options_home
  -P ${CMAKE_CURRENT_LIST_DIR}/program_options.cmake)
