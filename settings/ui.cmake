# The players dialogs and the customize window.
add_library(solvane_settings_ui STATIC
  cbgpreview.cpp cbgpreview.h
  dlginput.cpp dlginput.h dlginput.ui
  frmcustomize.cpp frmcustomize.h frmcustomize.ui
  frmplayers.cpp frmplayers.h frmplayers.ui
  mplayers.cpp mplayers.h
  iscorestore.h itablelook.h
)
target_include_directories(solvane_settings_ui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(solvane_settings_ui PUBLIC
  solvane_settings solvane_art Qt6::Widgets)
