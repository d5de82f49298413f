# Coverage feedback for libFuzzer on everything the fuzz targets link, under ASan and UBSan.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "MORVI_BUILD_FUZZERS needs clang: configure with CC=clang CXX=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link)
