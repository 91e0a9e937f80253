orvanto_add_bench(eintraege ${CMAKE_CURRENT_SOURCE_DIR}/EintraegeBench.cpp)
target_link_libraries(bench_eintraege PRIVATE orvanto_app)
