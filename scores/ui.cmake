# The windows that look back on recorded games (statistics, high scores, session, log)
# and the favourites windows, with their list models, charts and icons.
add_library(solvane_scores_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ccharttable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clogfilter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clogmodel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mcharts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mscoreicons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mstatfigures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mstatwindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mtablescan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmgamestat.cpp ${CMAKE_CURRENT_LIST_DIR}/frmgamestat.ui
  ${CMAKE_CURRENT_LIST_DIR}/frmhighscore.cpp ${CMAKE_CURRENT_LIST_DIR}/frmhighscore.ui
  ${CMAKE_CURRENT_LIST_DIR}/frmsesstat.cpp ${CMAKE_CURRENT_LIST_DIR}/frmsesstat.ui
  ${CMAKE_CURRENT_LIST_DIR}/frmlogstat.cpp ${CMAKE_CURRENT_LIST_DIR}/frmlogstat.ui
  ${CMAKE_CURRENT_LIST_DIR}/mfavlist.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmplayfav.cpp ${CMAKE_CURRENT_LIST_DIR}/frmplayfav.ui
  ${CMAKE_CURRENT_LIST_DIR}/frmorgfav.cpp ${CMAKE_CURRENT_LIST_DIR}/frmorgfav.ui
)
target_include_directories(solvane_scores_ui PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(solvane_scores_ui PUBLIC solvane_scores solvane_settings solvane_art Qt6::Widgets Qt6::Charts)
