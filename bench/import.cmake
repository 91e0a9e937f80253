orvanto_add_bench(import ${CMAKE_CURRENT_SOURCE_DIR}/ImportBench.cpp)
target_link_libraries(bench_import PRIVATE orvanto_platform)
