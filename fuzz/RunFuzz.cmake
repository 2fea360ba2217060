# Builds the fuzz target with clang in a build folder of its own and runs it
# for a bounded number of inputs from the seed corpus.
#   cmake -DSOURCE_DIR=... -DBUILD_DIR=... -DCLANGXX=... -DRUNS=... -P RunFuzz.cmake
foreach(step
    "${CMAKE_COMMAND};-S;${SOURCE_DIR};-B;${BUILD_DIR};-G;Ninja;-DCMAKE_BUILD_TYPE=RelWithDebInfo;-DCMAKE_CXX_COMPILER=${CLANGXX};-DKELVORA_FUZZ=ON;-DBUILD_TESTING=OFF"
    "${CMAKE_COMMAND};--build;${BUILD_DIR};--target;fuzz_language_file")
  execute_process(COMMAND ${step} RESULT_VARIABLE status OUTPUT_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed: ${step}")
  endif()
endforeach()

# New inputs go to a scratch folder, never into the seed corpus.
set(scratch ${BUILD_DIR}/fuzz-corpus)
file(MAKE_DIRECTORY ${scratch})
execute_process(
  COMMAND ${BUILD_DIR}/fuzz/fuzz_language_file -runs=${RUNS} -max_len=4096 -timeout=10
          ${scratch} ${SOURCE_DIR}/fuzz/corpus/language
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the fuzz target failed (status ${status})")
endif()
