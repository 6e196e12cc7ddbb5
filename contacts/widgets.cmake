# Widgets of the address book: the Contacts window.
add_library(quillbox_contacts_widgets STATIC
  ${CMAKE_CURRENT_LIST_DIR}/contactsdlg.h ${CMAKE_CURRENT_LIST_DIR}/contactsdlg.cpp)
target_include_directories(quillbox_contacts_widgets PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quillbox_contacts_widgets PUBLIC
  Qt6::Widgets quillbox_contacts_core quillbox_contacts_dialogs quillbox_devlink
  quillbox_platform_widgets quillbox_options)
