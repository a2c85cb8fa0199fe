# The windows for choosing and designing games.
add_library(solvane_catalogue_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/cgamepanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmaddgame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmchoose.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmgameswizard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmselect.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mcatalogueicons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mplayerlist.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gamestarter.h
)
target_include_directories(solvane_catalogue_ui PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(solvane_catalogue_ui PUBLIC solvane_catalogue solvane_settings solvane_art Qt6::Widgets)
