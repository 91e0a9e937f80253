orvanto_add_bench(editor ${CMAKE_CURRENT_SOURCE_DIR}/EditorBench.cpp)
target_link_libraries(bench_editor PRIVATE orvanto_app)
