# Sanitizer and fuzzing instrumentation, applied to everything the build compiles so that the
# core is checked wherever the tests or the fuzz targets reach into it.
set(zentrova_sanitizers address,undefined)
if(ZENTROVA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ZENTROVA_FUZZ needs clang (configure with -DCMAKE_CXX_COMPILER=clang++)")
  endif()
  # Coverage feedback for libFuzzer everywhere; only the fuzz targets link its main.
  add_compile_options(-fsanitize=fuzzer-no-link,${zentrova_sanitizers})
endif()
if(ZENTROVA_SANITIZE AND NOT ZENTROVA_FUZZ)
  add_compile_options(-fsanitize=${zentrova_sanitizers})
endif()
if(ZENTROVA_SANITIZE OR ZENTROVA_FUZZ)
  # A finding stops the program instead of scrolling past, and its stack stays readable.
  add_compile_options(-fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${zentrova_sanitizers})
endif()
