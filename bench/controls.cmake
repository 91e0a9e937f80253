orvanto_add_bench(controls ${CMAKE_CURRENT_SOURCE_DIR}/PickerBench.cpp)
target_link_libraries(bench_controls PRIVATE orvanto_app)
