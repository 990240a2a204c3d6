# A short run of the model fuzzer as part of the test suite. The fuzzer itself
# is built in its own tree with clang (scripts/build).
set(QUILTMARK_FUZZER "" CACHE FILEPATH "The libFuzzer target over the editor model")
if(QUILTMARK_FUZZER)
  add_test(NAME model.fuzz
    COMMAND ${QUILTMARK_FUZZER} -seed=1 -max_len=4096 -max_total_time=30 -print_final_stats=1)
  set_tests_properties(model.fuzz PROPERTIES TIMEOUT 300)
endif()
