# The card and placeholder items and the view of the table.
add_library(solvane_items STATIC
  cpicturefeed.cpp ctableaccessible.cpp ctableview.cpp mitempaint.cpp vexcard.cpp vexdeck.cpp vexempty.cpp vexglow.cpp
)
target_include_directories(solvane_items PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(solvane_items PUBLIC solvane_art solvane_settings solvane_engine Qt6::Widgets Qt6::Concurrent)
