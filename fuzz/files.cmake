orvanto_add_fuzz(rtf ${CMAKE_CURRENT_LIST_DIR}/RtfFuzz.cpp)
orvanto_add_fuzz(textdatei ${CMAKE_CURRENT_LIST_DIR}/TextdateiFuzz.cpp)
