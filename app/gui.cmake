# The Qt wizard: window classes over the core libraries.

add_library(turnpixa_gui STATIC
  CTurnPixaApp.cpp
  CTurnPixaDlg.cpp
  DialogSeam.cpp
  HelpOpener.cpp
  RasterImageQt.cpp
  ToolTips.cpp
  pages/CWizardPage.cpp
  pages/CViewDlg.cpp
  pages/CImportDlg.cpp
  pages/CSaveDlg.cpp
  pages/CTakePhotosDlg.cpp
  pages/CSizeDlg.cpp
  pages/CEditDlg.cpp
  pages/CFileThumbnailDlg.cpp
  ../devices/CPrintPadDlg.cpp
  ../net/CUpdateCheck.cpp
  ../net/CUpdateDialogs.cpp
  ../web/CSnippetDlg.cpp
)
set_target_properties(turnpixa_gui PROPERTIES AUTOMOC ON)
turnpixa_warnings(turnpixa_gui)
target_include_directories(turnpixa_gui PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_definitions(turnpixa_gui PUBLIC
  TURNPIXA_SPECIAL_BUILD="${TURNPIXA_SPECIAL_BUILD}")
target_link_libraries(turnpixa_gui PUBLIC
  Qt6::Widgets
  turnpixa_padprint
  turnpixa_net
  turnpixa_project
  turnpixa_web
  turnpixa_process
  turnpixa_resources
  turnpixa_image)

add_executable(turnpixa main.cpp)
turnpixa_warnings(turnpixa)
target_link_libraries(turnpixa PRIVATE turnpixa_gui)

# The help pages go into a folder beside the program, where the wizard
# looks for them.
file(GLOB TURNPIXA_HELP_PAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/help/*)
add_custom_command(TARGET turnpixa POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:turnpixa>/TurnPixa-help
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TURNPIXA_HELP_PAGES} $<TARGET_FILE_DIR:turnpixa>/TurnPixa-help
  VERBATIM)
