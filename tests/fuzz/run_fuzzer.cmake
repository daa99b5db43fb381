# Fuzzes for RUNS inputs from a fresh copy of the SEEDS; fails on any finding, an input that takes
# over ten seconds included, whose input is kept in WORK_DIR/findings for reproduction: FUZZER <file>.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/findings)
file(COPY ${SEEDS}/ DESTINATION ${WORK_DIR}/corpus)

execute_process(
  COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -timeout=10 -print_final_stats=1
          -artifact_prefix=${WORK_DIR}/findings/ ${WORK_DIR}/corpus
  RESULT_VARIABLE exit_code)
if(NOT exit_code EQUAL 0)
  message(FATAL_ERROR "The fuzzer found a fault (exit ${exit_code}); its input is in ${WORK_DIR}/findings")
endif()
