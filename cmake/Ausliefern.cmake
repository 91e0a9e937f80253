# What the program ships: the program folder's generated files, the desktop integration, the
# install rules and the Debian package.

add_subdirectory(${PROJECT_SOURCE_DIR}/tools ${PROJECT_BINARY_DIR}/tools)

# The generated part of the program folder, laid out as installed below share/orvanto. It lies
# apart from the programs in the build tree, so a program run from there keeps starting without
# a holiday file, as the window tests expect.
set(ORVANTO_PROGRAMMORDNER ${PROJECT_BINARY_DIR}/programmordner)
set(ORVANTO_FEIERTAGSDATEI "${ORVANTO_PROGRAMMORDNER}/Kalenderdateien/Oesterreichische Feiertage.ovf")
set(ORVANTO_WOLF ${ORVANTO_PROGRAMMORDNER}/Sounddateien/Wolf.wav)
set(ORVANTO_KURZTASTEN ${ORVANTO_PROGRAMMORDNER}/Kurztasten.txt)

add_custom_command(OUTPUT ${ORVANTO_FEIERTAGSDATEI}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVANTO_PROGRAMMORDNER}/Kalenderdateien
  COMMAND feiertagsdatei_erzeugen ${PROJECT_SOURCE_DIR}/data/Feiertagsregeln.txt ${ORVANTO_FEIERTAGSDATEI}
  DEPENDS feiertagsdatei_erzeugen ${PROJECT_SOURCE_DIR}/data/Feiertagsregeln.txt
  COMMENT "Feiertagsdatei aus data/Feiertagsregeln.txt" VERBATIM)
add_custom_command(OUTPUT ${ORVANTO_WOLF}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVANTO_PROGRAMMORDNER}/Sounddateien
  COMMAND wolf_erzeugen ${ORVANTO_WOLF}
  DEPENDS wolf_erzeugen
  COMMENT "Wolf.wav" VERBATIM)
add_custom_command(OUTPUT ${ORVANTO_KURZTASTEN}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVANTO_PROGRAMMORDNER}
  COMMAND kurztasten_erzeugen ${ORVANTO_KURZTASTEN}
  DEPENDS kurztasten_erzeugen
  COMMENT "Kurztasten.txt aus der Menütabelle" VERBATIM)
add_custom_target(orvanto_daten ALL DEPENDS ${ORVANTO_FEIERTAGSDATEI} ${ORVANTO_WOLF} ${ORVANTO_KURZTASTEN})

# Install: the programs in bin and their program folder in share/orvanto, the one place beside
# bin/ where they look for it (platform/Programmordner.h), so these two paths are fixed rather
# than taken from GNUInstallDirs.
install(TARGETS orvanto orvanto-text RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/data/Namenstage.dat ${PROJECT_SOURCE_DIR}/data/Orvanto-Hilfe.txt
              ${PROJECT_SOURCE_DIR}/data/History.txt
        DESTINATION share/orvanto)
install(DIRECTORY ${ORVANTO_PROGRAMMORDNER}/ DESTINATION share/orvanto)
install(FILES ${PROJECT_SOURCE_DIR}/man/orvanto.1 ${PROJECT_SOURCE_DIR}/man/orvanto-text.1
        DESTINATION share/man/man1)
# The name-day list's licence asks for its notice to travel with it.
install(FILES ${PROJECT_SOURCE_DIR}/data/Namenstage.SOURCE.md DESTINATION share/doc/orvanto)
install(FILES ${PROJECT_SOURCE_DIR}/data/at.orvanto.Orvanto.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/at.orvanto.Orvanto.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/orvanto-kalender.xml DESTINATION share/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/data/at.orvanto.Orvanto.svg DESTINATION share/icons/hicolor/scalable/apps)

# The Debian package orvanto_1.03_amd64.deb (cpack in the build folder). Its library
# dependencies come from dpkg-shlibdeps; the programs it starts or plays through are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvanto")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kalender und Terminplaner für Screenreader und Tastatur")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Orvanto zeigt den Kalender als Liste einfacher Textzeilen, die ein Screenreader Zeile für\n"
       "Zeile vorliest, und wird ganz mit der Tastatur bedient. orvanto-text gibt denselben Kalender\n"
       "im Terminal aus. Mit den österreichischen Feiertagen von 1900 bis 2100.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Orvanto-Projekt <orvanto@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Help texts open in the desktop's text viewer; WAV and MP3 play through GStreamer's parsers;
# iCalendar files are read and written by libical, which takes its zone data from tzdata.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "xdg-utils, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, libical3, tzdata")
# The screen reader the program speaks and brailles through.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "orca, speech-dispatcher")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "brltty")
include(CPack)
