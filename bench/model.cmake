orvanto_add_bench(model ${CMAKE_CURRENT_SOURCE_DIR}/ModelBench.cpp)
