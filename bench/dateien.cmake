orvanto_add_bench(dateien ${CMAKE_CURRENT_SOURCE_DIR}/DateienBench.cpp)
target_link_libraries(bench_dateien PRIVATE orvanto_app orvanto_platform)
