# Shared compiler options as interface targets, linked by every target of the project.
add_library(tintor_warnings INTERFACE)
target_compile_options(tintor_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(TINTOR_WERROR)
    target_compile_options(tintor_warnings INTERFACE -Werror)
endif()

add_library(tintor_sanitizers INTERFACE)
if(TINTOR_SANITIZE)
    target_compile_options(tintor_sanitizers INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(tintor_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

add_library(tintor_options INTERFACE)
target_link_libraries(tintor_options INTERFACE tintor_warnings tintor_sanitizers)

# A compiler cache, when one is installed, makes rebuilds of unchanged sources cheap.
find_program(TINTOR_CCACHE ccache)
if(TINTOR_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${TINTOR_CCACHE})
endif()
