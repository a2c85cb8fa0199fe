# The pictures of the table, painted by our own code: card faces, backs, pile marks,
# background tiles, the icon, the colour table and the background painting.
add_library(solvane_art STATIC
  cnoise.cpp cpictures.cpp martlist.cpp mbacks.cpp mcolortable.cpp mcourt.cpp mdrawnicon.cpp
  mfaces.cpp mgen1.cpp mglyphs.cpp micon.cpp mmarks.cpp msuits.cpp mtiles.cpp
)
target_include_directories(solvane_art PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(solvane_art PUBLIC Qt6::Gui)
