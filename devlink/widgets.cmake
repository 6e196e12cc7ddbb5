# Widgets of the device link: the progress window.
add_library(quillbox_devlink_widgets STATIC
  ${CMAKE_CURRENT_LIST_DIR}/syncprogresswnd.h
  ${CMAKE_CURRENT_LIST_DIR}/syncprogresswnd.cpp)
target_include_directories(quillbox_devlink_widgets PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quillbox_devlink_widgets PUBLIC Qt6::Widgets quillbox_app_core quillbox_options)
