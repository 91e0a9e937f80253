# The iCalendar reader, where the room is built (libical found).
if(TARGET orvanto_icalendar)
  target_compile_options(orvanto_icalendar PRIVATE -fsanitize=fuzzer-no-link ${ORVANTO_FUZZ_SANITIZER})
  orvanto_add_fuzz(icalendar ${CMAKE_CURRENT_LIST_DIR}/IcalendarFuzz.cpp)
  target_link_libraries(fuzz_icalendar PRIVATE orvanto_icalendar orvanto_platform)
endif()
