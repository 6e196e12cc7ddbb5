# Widgets of the message store: the folder tree, the message list with its item model, the
# detail pane, the right pane that holds both, and the meeting point of the three.
add_library(quillbox_messages_widgets STATIC
  ${CMAKE_CURRENT_LIST_DIR}/messageviews.h ${CMAKE_CURRENT_LIST_DIR}/messageviews.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messagelistmodel.h ${CMAKE_CURRENT_LIST_DIR}/messagelistmodel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/leftview.h ${CMAKE_CURRENT_LIST_DIR}/leftview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rightlistview.h ${CMAKE_CURRENT_LIST_DIR}/rightlistview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rightdetailview.h ${CMAKE_CURRENT_LIST_DIR}/rightdetailview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rightview.h ${CMAKE_CURRENT_LIST_DIR}/rightview.cpp)
target_include_directories(quillbox_messages_widgets PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quillbox_messages_widgets PUBLIC
  Qt6::Widgets quillbox_messages_core quillbox_platform_core quillbox_platform_widgets
  quillbox_options)
