# Runs one fuzz target for a bounded time, with a fixed seed, from a fresh working corpus
# and its seeds (a fuzz test of the fuzz build, see CMakeLists.txt). A crash, hang, leak,
# sanitizer report or failed check fails the run and leaves the input in ARTIFACTS.
#   cmake -DFUZZER=<exe> -DSEEDS=<dir> -DWORK=<dir> -DARTIFACTS=<dir> -DSECONDS=<n> -P run_fuzzer.cmake
foreach(var FUZZER SEEDS WORK ARTIFACTS SECONDS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_fuzzer.cmake: -D${var}=... is missing")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}" "${ARTIFACTS}")
execute_process(
  COMMAND "${FUZZER}" -seed=1 -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
          -print_final_stats=1 "-artifact_prefix=${ARTIFACTS}/" "${WORK}" "${SEEDS}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input that broke it is in ${ARTIFACTS}")
endif()
