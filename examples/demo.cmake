# Runs the tools on the sample files as a user would, one step at a time.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})

function(step)
  cmake_parse_arguments(ARG "" "INPUT" "COMMAND" ${ARGN})
  list(JOIN ARG_COMMAND " " shown)
  get_filename_component(tool ${shown} NAME)
  message(STATUS "demo: ${tool}")
  if(ARG_INPUT)
    file(READ ${ARG_INPUT} answers)
    message(STATUS "  answers: ${answers}")
    set(input INPUT_FILE ${ARG_INPUT})
  endif()
  execute_process(COMMAND ${ARG_COMMAND} ${input} WORKING_DIRECTORY ${OUT} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "demo step failed with status ${status}: ${shown}")
  endif()
endfunction()

step(COMMAND ${MAKE_SAMPLES} .)
step(COMMAND ${GALDRUN} sample_game_tiles sample_game_tiles.swp)
# 256 tiles make a 32 KiB image: 0x4000 start addresses of each parity.
file(WRITE ${OUT}/answers.txt "0 0 4000 sample-c1.bin\n0 1 4000 sample-c2.bin\n-1\n")
step(COMMAND ${PELLIMAR} sample_game_tiles.swp INPUT ${OUT}/answers.txt)
step(COMMAND ${OSTRIM} sample_game_sfix sample-s1.bin)
step(COMMAND ${VENDREL} sample_game_m68k sample-p1.bin 0 100000)
step(COMMAND ${VENDREL} sample_game_m68k sample-p2.bin 100000 80000)

message(STATUS "demo: ROM files in ${OUT}: sample-c1.bin sample-c2.bin sample-s1.bin sample-p1.bin sample-p2.bin")

# Pictures of the sample ROMs: upright, unmirrored tiles in order show the
# conversions are right.
if(TILEVIEW)
  step(COMMAND ${TILEVIEW} --sprites sample-c1.bin sample-c2.bin -o sprites.png)
  step(COMMAND ${TILEVIEW} --fix sample-s1.bin -o fix.png)
  message(STATUS "demo: pictures of them in ${OUT}: sprites.png fix.png")
endif()
