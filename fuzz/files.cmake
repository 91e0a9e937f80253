orvanto_add_fuzz(rtf ${CMAKE_CURRENT_LIST_DIR}/RtfFuzz.cpp)
orvanto_add_fuzz(textdatei ${CMAKE_CURRENT_LIST_DIR}/TextdateiFuzz.cpp)
orvanto_add_fuzz(einstellungen ${CMAKE_CURRENT_LIST_DIR}/EinstellungenFuzz.cpp)
target_link_libraries(fuzz_einstellungen PRIVATE orvanto_platform)
