orvanto_add_bench(suchen ${CMAKE_CURRENT_SOURCE_DIR}/SuchenBench.cpp)
target_link_libraries(bench_suchen PRIVATE orvanto_app)
