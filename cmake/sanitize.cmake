# Checked builds. VHFCOM_SANITIZE builds everything with AddressSanitizer
# (leak detection included) and UndefinedBehaviorSanitizer; VHFCOM_FUZZ adds
# libFuzzer's coverage instrumentation for the targets in fuzz/ and needs
# clang. Undefined behaviour stops the program at the first finding, so a
# finding always fails the run instead of scrolling past in the log.
option(VHFCOM_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VHFCOM_FUZZ "Build the libFuzzer targets in fuzz/ (clang only; implies VHFCOM_SANITIZE)" OFF)

if(VHFCOM_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VHFCOM_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  set(VHFCOM_SANITIZE ON)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(VHFCOM_SANITIZE)
  set(VHFCOM_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  # clang 14's check of calls through function pointers cannot be assembled
  # for coroutines (the firmware's waits): it is left out.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    list(APPEND VHFCOM_SANITIZER_FLAGS -fno-sanitize=function)
  endif()
  add_compile_options(${VHFCOM_SANITIZER_FLAGS})
  add_link_options(${VHFCOM_SANITIZER_FLAGS})
endif()
