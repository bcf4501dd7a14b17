# Native Linux build: the platform-free logic under AddressSanitizer and UndefinedBehaviorSanitizer.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${SANITIZE} -g)
add_link_options(${SANITIZE})
include(cmake/googletest.cmake)
enable_testing()
add_subdirectory(tests/native)
add_subdirectory(tests/engine)
