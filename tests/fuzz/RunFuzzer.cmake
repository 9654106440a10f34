# Runs one fuzzer for a fixed number of inputs from a fixed seed, on a corpus started afresh:
# cmake -DFUZZER= -DSEEDER= -DKIND= -DWORK= -DRUNS= -DMAX_LEN= -P RunFuzzer.cmake
# Any crash, leak, sanitizer report or broken promise fails the run; the input that caused it is
# kept in WORK/artifacts.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/seeds ${WORK}/artifacts)

execute_process(COMMAND ${SEEDER} ${KIND} ${WORK}/seeds RESULT_VARIABLE seeded)
if(NOT seeded EQUAL 0)
    message(FATAL_ERROR "The ${KIND} seeds could not be written")
endif()

set(ENV{ASAN_OPTIONS} "detect_leaks=1:strict_string_checks=1")
set(ENV{UBSAN_OPTIONS} "print_stacktrace=1")
execute_process(
    COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -max_len=${MAX_LEN} -timeout=20 -rss_limit_mb=1024
            -print_final_stats=1 -artifact_prefix=${WORK}/artifacts/
            ${WORK}/corpus ${WORK}/seeds
    WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE fuzzed)
if(NOT fuzzed EQUAL 0)
    file(GLOB found ${WORK}/artifacts/*)
    message(FATAL_ERROR "The ${KIND} fuzzer failed (${fuzzed}); inputs kept: ${found}")
endif()
