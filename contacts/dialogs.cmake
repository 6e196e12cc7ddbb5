# Dialogs of the address book: contact, group, address entry and picker.
add_library(quillbox_contacts_dialogs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/byteedit.h ${CMAKE_CURRENT_LIST_DIR}/byteedit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/contactdlg.h ${CMAKE_CURRENT_LIST_DIR}/contactdlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/groupdlg.h ${CMAKE_CURRENT_LIST_DIR}/groupdlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/addressdlgs.h ${CMAKE_CURRENT_LIST_DIR}/addressdlgs.cpp)
target_include_directories(quillbox_contacts_dialogs PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quillbox_contacts_dialogs PUBLIC
  Qt6::Widgets quillbox_contacts_core quillbox_devlink_mirror quillbox_platform_widgets
  quillbox_options)
