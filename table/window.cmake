# The main window, the windows of play, and the program.
configure_file(${CMAKE_CURRENT_LIST_DIR}/solvaneversion.h.in ${CMAKE_CURRENT_BINARY_DIR}/solvaneversion.h)

add_library(solvane_table STATIC
  cadvisor.cpp ckeptgame.cpp ckeyplay.cpp clifecycle.cpp cmouseplay.cpp cpointerplay.cpp cselection.cpp mplacetext.cpp mplaymove.cpp csolveservice.cpp creplay.cpp cservices.cpp cwidgetprompt.cpp
  frmabout.cpp frmfinish.cpp frmfinish.ui frmhistory.cpp frmhistory.ui frmmain.cpp
  frmsplash.cpp mmemory.cpp mstartup.cpp mtablearea.cpp mtoolicons.cpp mwindowplace.cpp mwindows.cpp
  mwirecatalogue.cpp mwirescores.cpp mwiresettings.cpp
)
target_include_directories(solvane_table PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(solvane_table PUBLIC
  solvane_items solvane_art solvane_catalogue solvane_scores solvane_settings solvane_engine
  Qt6::Widgets Qt6::Charts Qt6::Concurrent solvane_solver)
# Windows of later issues join the program through their own libraries.
foreach(lib solvane_catalogue_ui solvane_scores_ui solvane_settings_ui solvane_solver)
  if(TARGET ${lib})
    target_link_libraries(solvane_table PUBLIC ${lib})
  endif()
endforeach()

add_executable(solvane WIN32 main.cpp)
target_link_libraries(solvane PRIVATE solvane_table solvane_sound solvane_help)
set_target_properties(solvane PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
install(TARGETS solvane RUNTIME DESTINATION bin)

# The program icon, painted by our own code at build time (dist/ has the desktop entry).
add_executable(solvane-iconsgen iconsgen.cpp)
target_link_libraries(solvane-iconsgen PRIVATE solvane_art Qt6::Gui)
set(SOLVANE_ICON_SIZES 16 22 24 32 48 64 128 256)
set(SOLVANE_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(SOLVANE_ICON_FILES)
foreach(size IN LISTS SOLVANE_ICON_SIZES)
  list(APPEND SOLVANE_ICON_FILES ${SOLVANE_ICON_DIR}/solvane-${size}.png)
endforeach()
add_custom_command(OUTPUT ${SOLVANE_ICON_FILES}
  COMMAND ${CMAKE_COMMAND} -E env "QT_LOGGING_RULES=*=false" $<TARGET_FILE:solvane-iconsgen> ${SOLVANE_ICON_DIR}
  DEPENDS solvane-iconsgen
  COMMENT "Painting the program icon")
add_custom_target(solvane_icons ALL DEPENDS ${SOLVANE_ICON_FILES})
foreach(size IN LISTS SOLVANE_ICON_SIZES)
  install(FILES ${SOLVANE_ICON_DIR}/solvane-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME solvane.png)
endforeach()
