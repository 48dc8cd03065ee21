add_library(qs_warnings INTERFACE)
target_compile_options(qs_warnings INTERFACE -Wall -Wextra -Wshadow -Wconversion -Wno-sign-conversion)
