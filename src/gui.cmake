# tarvelo_gui: the windows and the platform layer; tarvelo: the desktop program.
set(TARVELO_GUI_DIR ${CMAKE_CURRENT_SOURCE_DIR})

add_library(tarvelo_gui STATIC
  ${TARVELO_GUI_DIR}/app/enterkey.cpp
  ${TARVELO_GUI_DIR}/app/fixedwindow.cpp
  ${TARVELO_GUI_DIR}/app/fonts.cpp
  ${TARVELO_GUI_DIR}/app/form1.cpp
  ${TARVELO_GUI_DIR}/app/frmsplash.cpp
  ${TARVELO_GUI_DIR}/app/menuitems.cpp
  ${TARVELO_GUI_DIR}/app/modestatusbar.cpp
  ${TARVELO_GUI_DIR}/app/module1.cpp
  ${TARVELO_GUI_DIR}/app/navigation.cpp
  ${TARVELO_GUI_DIR}/app/picturearea.cpp
  ${TARVELO_GUI_DIR}/app/platform.cpp
  ${TARVELO_GUI_DIR}/app/qtplatform.cpp
  ${TARVELO_GUI_DIR}/app/translations.cpp
  ${TARVELO_GUI_DIR}/input/form2.cpp
  ${TARVELO_GUI_DIR}/input/form2_frames.cpp
  ${TARVELO_GUI_DIR}/input/form2_numberbox.cpp
  ${TARVELO_GUI_DIR}/results/form4.cpp
  ${TARVELO_GUI_DIR}/results/resultpanel.cpp
  ${TARVELO_GUI_DIR}/results/sheetparts.cpp
)
target_include_directories(tarvelo_gui PUBLIC ${TARVELO_GUI_DIR})
target_link_libraries(tarvelo_gui PUBLIC tarvelo_core Qt6::Widgets Qt6::PrintSupport)
set_target_properties(tarvelo_gui PROPERTIES AUTOMOC OFF)
tarvelo_warnings(tarvelo_gui)

add_executable(tarvelo ${TARVELO_GUI_DIR}/app/main.cpp)
target_link_libraries(tarvelo PRIVATE tarvelo_gui)
tarvelo_warnings(tarvelo)

# Help pages, version dialogs and the help menu's notices.
target_sources(tarvelo_gui PRIVATE
  ${TARVELO_GUI_DIR}/app/frmabout.cpp
  ${TARVELO_GUI_DIR}/app/helpmenu.cpp
  ${TARVELO_GUI_DIR}/app/helpwindow.cpp
  ${TARVELO_GUI_DIR}/app/vendornotices.cpp
)
# The help pages live in the folder "help" beside the program.
add_custom_command(TARGET tarvelo POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/resources/help
          $<TARGET_FILE_DIR:tarvelo>/help)

# The embedded pictures, each under its number, and the program icon.
qt_add_resources(TARVELO_PICTURE_SOURCES ${PROJECT_SOURCE_DIR}/resources/pictures.qrc)
target_sources(tarvelo_gui PRIVATE
  ${TARVELO_GUI_DIR}/app/pictures.cpp
  ${TARVELO_PICTURE_SOURCES}
)

# Screen printing.
target_sources(tarvelo_gui PRIVATE
  ${TARVELO_GUI_DIR}/app/printing.cpp
  ${TARVELO_GUI_DIR}/results/screenprint.cpp
)

# Each window's pictures and the program icon on the desktop.
target_sources(tarvelo_gui PRIVATE
  ${TARVELO_GUI_DIR}/app/windowpictures.cpp
)
include(GNUInstallDirs)
install(TARGETS tarvelo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/tarvelo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icon/tarvelo.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)

# The input form's guidance panel.
target_sources(tarvelo_gui PRIVATE
  ${TARVELO_GUI_DIR}/input/form2_guidance.cpp
)

# The result viewer and the window it shares with the result sheet.
target_sources(tarvelo_gui PRIVATE
  ${TARVELO_GUI_DIR}/app/warning.cpp
  ${TARVELO_GUI_DIR}/results/form7.cpp
  ${TARVELO_GUI_DIR}/results/sheetwindow.cpp
)

# Input form editing: number box checks, same-as-front linkage, data clear, input file.
target_sources(tarvelo_gui PRIVATE
  ${TARVELO_GUI_DIR}/input/form2_dataclear.cpp
  ${TARVELO_GUI_DIR}/input/form2_file.cpp
  ${TARVELO_GUI_DIR}/input/form2_samefront.cpp
  ${TARVELO_GUI_DIR}/input/form2_validation.cpp
)
