# Writes the table from Windows' zone ids to the zone names libical knows, from the Unicode
# consortium's list (windowsZones.xml, Debian's unicode-cldr-core), as C++ initialisers:
#   {"W. Europe Standard Time", "AT", "Europe/Vienna"},
# one per id and territory ("001": the id's main zone); of several zones the first.
#
#   cmake -DQUELLE=windowsZones.xml -DZIEL=WindowsZonen.inc -P WindowsZonen.cmake
file(STRINGS "${QUELLE}" Zeilen REGEX "<mapZone ")
set(Tabelle "")
foreach(Zeile IN LISTS Zeilen)
  if(Zeile MATCHES "other=\"([^\"]+)\" territory=\"([^\"]+)\" type=\"([^\" ]+)")
    string(APPEND Tabelle "{\"${CMAKE_MATCH_1}\", \"${CMAKE_MATCH_2}\", \"${CMAKE_MATCH_3}\"},\n")
  endif()
endforeach()
if(Tabelle STREQUAL "")
  message(FATAL_ERROR "${QUELLE} holds no zone of Windows")
endif()
file(WRITE "${ZIEL}" "${Tabelle}")
