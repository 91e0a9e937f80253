# The iCalendar room, where it is built (libical found).
if(TARGET orvanto_icalendar)
  orvanto_add_bench(icalendar ${CMAKE_CURRENT_SOURCE_DIR}/IcalendarBench.cpp)
  target_link_libraries(bench_icalendar PRIVATE orvanto_icalendar orvanto_platform)
endif()
