orvanto_add_bench(views ${CMAKE_CURRENT_SOURCE_DIR}/ViewsBench.cpp)
