# Runs one libFuzzer target for a bounded time: a fresh scratch corpus, seeded from SEEDS.
file(REMOVE_RECURSE ${CORPUS})
file(MAKE_DIRECTORY ${CORPUS})
set(seed_dirs)
foreach(dir IN LISTS SEEDS)
  if(IS_DIRECTORY ${dir})
    list(APPEND seed_dirs ${dir})
  endif()
endforeach()
set(limits)
if(MAX_LEN)
  list(APPEND limits -max_len=${MAX_LEN})
endif()
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 ${limits} -print_final_stats=1
          -artifact_prefix=${CORPUS}/ ${CORPUS} ${seed_dirs}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "fuzzer ${FUZZER} failed (${result}); crashing inputs are in ${CORPUS}")
endif()
