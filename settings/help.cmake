# The help window and the viewer behind the Help menu; the pages themselves are
# resources (solvane_helpdata, described in resources/).
add_library(solvane_help STATIC
  chelpbrowser.cpp chelpbrowser.h
  chelpviewer.cpp chelpviewer.h ihelpviewer.h
  frmhelp.cpp frmhelp.h frmhelp.ui
  mhelppage.cpp mhelppage.h
)
target_include_directories(solvane_help PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(solvane_help PUBLIC Qt6::Widgets solvane_helpdata)
