# Read by CTest after the GoogleTest tests are listed, which names them in river_tests_TESTS.
# GTEST_TOTAL_SHARDS and GTEST_SHARD_INDEX, set for another suite, would run each test only in its
# shard, and pass it unrun in the others.
if(river_tests_TESTS)
  set_tests_properties(${river_tests_TESTS} PROPERTIES ENVIRONMENT_MODIFICATION
    "GTEST_TOTAL_SHARDS=unset:;GTEST_SHARD_INDEX=unset:")
endif()
