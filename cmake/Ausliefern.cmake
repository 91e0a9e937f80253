# What the program ships: the program folder's generated files, the desktop integration, the
# install rules and the Debian package.

add_subdirectory(${PROJECT_SOURCE_DIR}/tools ${PROJECT_BINARY_DIR}/tools)

# The generated part of the program folder, laid out as installed below share/orvanto. It lies
# apart from the programs in the build tree, so a program run from there keeps starting without
# a holiday file, as the window tests expect.
set(ORVANTO_PROGRAMMORDNER ${PROJECT_BINARY_DIR}/programmordner)
set(ORVANTO_FEIERTAGSDATEI "${ORVANTO_PROGRAMMORDNER}/Kalenderdateien/Oesterreichische Feiertage.ovf")
set(ORVANTO_WOLF ${ORVANTO_PROGRAMMORDNER}/Sounddateien/Wolf.wav)

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
add_custom_target(orvanto_daten ALL DEPENDS ${ORVANTO_FEIERTAGSDATEI} ${ORVANTO_WOLF})

# Install: the programs in bin and their program folder in share/orvanto, the one place beside
# bin/ where they look for it (platform/Programmordner.h), so these two paths are fixed rather
# than taken from GNUInstallDirs.
install(TARGETS orvanto orvanto-text RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/data/Namenstage.dat DESTINATION share/orvanto)
install(DIRECTORY ${ORVANTO_PROGRAMMORDNER}/ DESTINATION share/orvanto)
install(FILES ${PROJECT_SOURCE_DIR}/man/orvanto.1 ${PROJECT_SOURCE_DIR}/man/orvanto-text.1
        DESTINATION share/man/man1)
# The name-day list's licence asks for its notice to travel with it.
install(FILES ${PROJECT_SOURCE_DIR}/data/Namenstage.SOURCE.md DESTINATION share/doc/orvanto)
install(FILES ${PROJECT_SOURCE_DIR}/data/at.orvanto.Orvanto.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/at.orvanto.Orvanto.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/orvanto-kalender.xml DESTINATION share/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/data/at.orvanto.Orvanto.svg DESTINATION share/icons/hicolor/scalable/apps)
