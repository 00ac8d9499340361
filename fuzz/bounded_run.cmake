# One bounded fuzz run: a fresh copy of the committed seeds (new finds go
# to the copy, never into the source tree), SECONDS of fuzzing, and any
# crash or disagreement kept under WORK/artifacts.
#   cmake -DTARGET=... -DCORPUS=... -DWORK=... -DSECONDS=... -P bounded_run.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/artifacts ${WORK}/corpus)
file(COPY ${CORPUS}/ DESTINATION ${WORK}/corpus)
execute_process(
  COMMAND ${TARGET} -max_total_time=${SECONDS} -timeout=10 -print_final_stats=1
          -artifact_prefix=${WORK}/artifacts/ ${WORK}/corpus
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TARGET} failed (${status}); the input is kept in ${WORK}/artifacts")
endif()
