# What `cmake --graphviz` draws: the rooms of the code and the program, with the libraries from outside that
# each links; the tests, benchmarks, fuzzers and tools are left out.
set(GRAPHVIZ_GRAPH_NAME "yorun")
set(GRAPHVIZ_EXECUTABLES ON)
set(GRAPHVIZ_INTERFACE_LIBS ON)
set(GRAPHVIZ_GENERATE_PER_TARGET OFF)
set(GRAPHVIZ_GENERATE_DEPENDERS OFF)
set(GRAPHVIZ_IGNORE_TARGETS
    ".*_tests$" ".*_probe$" ".*_fuzz$" ".*_bench$" "^test_.*" "^game_test_support$" "^soak$" "^assetgen$"
    "^ogg_writer$" "^GTest::.*" "^benchmark::.*" "^Threads::Threads$" "^platform$" "^corvane$" "^glm::glm$")
