# The Qt wizard: window classes over the core libraries.

add_library(turnpixa_gui STATIC
  CTurnPixaApp.cpp
  CTurnPixaDlg.cpp
  DialogSeam.cpp
  HelpOpener.cpp
  ProgramIcon.cpp
  RasterImageQt.cpp
  StartPhotos.cpp
  TextFit.cpp
  ToolTips.cpp
  WizardLanguage.cpp
  pages/CWizardPage.cpp
  pages/CViewDlg.cpp
  pages/CImportDlg.cpp
  pages/CSaveDlg.cpp
  pages/SaveFramePack.cpp
  pages/CSaveDlgAnimation.cpp
  pages/CAnimationDlg.cpp
  pages/CTakePhotosDlg.cpp
  pages/CSizeDlg.cpp
  pages/CEditDlg.cpp
  pages/CFileThumbnailDlg.cpp
  pages/SeriesAdjustBox.cpp
  ${PROJECT_SOURCE_DIR}/devices/CScanSelectDlg.cpp
  ${PROJECT_SOURCE_DIR}/devices/CScanSourceDlg.cpp
  ${PROJECT_SOURCE_DIR}/devices/QtScanHost.cpp
  ../devices/CPrintPadDlg.cpp
  ../net/CUpdateCheck.cpp
  ../net/CUpdateDialogs.cpp
  ../web/CFramePackDlg.cpp
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
  turnpixa_devices
  turnpixa_web
  turnpixa_process
  turnpixa_resources
  turnpixa_image)

# The program icon, drawn by tools/make_pictures.py in several sizes.
set(TURNPIXA_ICON_SIZES 16 24 32 48 64 128 256)
set(TURNPIXA_ICON_FILES "")
foreach(size ${TURNPIXA_ICON_SIZES})
  list(APPEND TURNPIXA_ICON_FILES ${PROJECT_SOURCE_DIR}/resources/icons/turnpixa-${size}.png)
endforeach()
qt_add_resources(turnpixa_gui program_icons PREFIX /icons
  BASE ${PROJECT_SOURCE_DIR}/resources/icons FILES ${TURNPIXA_ICON_FILES})

# The wizard's texts in the installer's other five languages: lrelease turns
# the .ts files into .qm files at build time, compiled in under :/i18n. The
# target update_translations runs lupdate over the wizard's sources to bring
# the .ts files up to date with new texts.
find_package(Qt6 COMPONENTS LinguistTools REQUIRED)
set(TURNPIXA_LANGUAGES fr de ru it es)
set(TURNPIXA_TS_FILES "")
foreach(lang ${TURNPIXA_LANGUAGES})
  list(APPEND TURNPIXA_TS_FILES ${CMAKE_CURRENT_SOURCE_DIR}/translations/turnpixa_${lang}.ts)
endforeach()
qt_add_translations(turnpixa_gui TS_FILES ${TURNPIXA_TS_FILES} RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS -locations none -no-obsolete)

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

# The icon beside the program for desktop entries and the installer, and the
# freedesktop places for an installed copy.
add_custom_command(TARGET turnpixa POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different
          ${PROJECT_SOURCE_DIR}/resources/icons/turnpixa-256.png $<TARGET_FILE_DIR:turnpixa>/turnpixa.png
  VERBATIM)
install(TARGETS turnpixa RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/resources/turnpixa.desktop DESTINATION share/applications)
foreach(size ${TURNPIXA_ICON_SIZES})
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/turnpixa-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME turnpixa.png)
endforeach()
# Installed under a prefix the help pages sit in share/, where the wizard
# also looks; the manual page and the software centres' description beside.
install(FILES ${TURNPIXA_HELP_PAGES} DESTINATION share/turnpixa/TurnPixa-help)
install(FILES ${PROJECT_SOURCE_DIR}/resources/turnpixa.1 DESTINATION share/man/man1)
install(FILES ${PROJECT_SOURCE_DIR}/resources/com.turnpixa.turnpixa.metainfo.xml
        DESTINATION share/metainfo)

# The publishing dialogs over the net/ core.
target_sources(turnpixa_gui PRIVATE
  ${PROJECT_SOURCE_DIR}/net/CUploadDlg.cpp
  ${PROJECT_SOURCE_DIR}/net/CWebspaceSettingsDlg.cpp)
target_link_libraries(turnpixa_gui PUBLIC turnpixa_net)
