# The Debian package (scripts/package.sh): the program, its data folders, the
# menu entry, the icons and the software centre's listing, installed under /usr.
set(TERRALORE_APP_ID org.terralore.Terralore)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${packaging}/${TERRALORE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${TERRALORE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${packaging}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/terralore)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME terralore)
set(CPACK_PACKAGE_VENDOR "The Terralore project")
set(CPACK_PACKAGE_CONTACT "The Terralore project <packages@terralore.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "science program for primary schools: rocks, soils and fossils")
set(CPACK_PACKAGE_DESCRIPTION "Pupils read key-fact pages, take multiple-choice quizzes and sort and
label pictures in drag-and-drop activities, with a score, a celebration and a
printed certificate for full marks. Teachers read notes and a guide, and write,
print and manage their own ten-question worksheets.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://terralore.org/)
# The Qt, CUPS and C++ libraries come from dpkg-shlibdeps; what the program
# loads at run time by name is listed here: the fonts its screens are designed
# with, the GStreamer plugins Qt Multimedia plays the sounds through, and the
# speech-dispatcher plugin, service and voices it reads aloud with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-wine, fonts-liberation2, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng")
# Wayland sessions without XWayland need Qt's Wayland platform plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
