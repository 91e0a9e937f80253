orvanto_add_bench(infos ${CMAKE_CURRENT_SOURCE_DIR}/InfosBench.cpp)
target_link_libraries(bench_infos PRIVATE orvanto_app orvanto_platform)
target_compile_definitions(bench_infos PRIVATE ORVANTO_DATENORDNER="${PROJECT_SOURCE_DIR}/data/")
