orvanto_add_bench(navigation ${CMAKE_CURRENT_SOURCE_DIR}/NavigationBench.cpp)
