# AddressSanitizer and UndefinedBehaviorSanitizer on every target; the first fault stops the
# program, so a test that trips one fails.
set(MORVI_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
add_compile_options(${MORVI_SANITIZER_FLAGS})
add_link_options(${MORVI_SANITIZER_FLAGS})
