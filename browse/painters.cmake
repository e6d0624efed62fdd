# The list painters (plain functions drawing catalog rows on a canvas) and the catalog search
# rule: no Qt Widgets.
add_library(spinfolio_browse STATIC
  ${CMAKE_CURRENT_LIST_DIR}/file_kinds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_painters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/catalog_search.cpp)
target_include_directories(spinfolio_browse PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(spinfolio_browse
  PUBLIC spinfolio_catalog Qt6::Gui
  PRIVATE spinfolio_settings)
