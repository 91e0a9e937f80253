orvanto_add_fuzz(kalenderdatei ${CMAKE_CURRENT_LIST_DIR}/KalenderdateiFuzz.cpp)
