# Flags every target of the project shares; link jx_flags to get them.
add_library(jx_flags INTERFACE)
target_compile_options(jx_flags INTERFACE -Wall -Wextra -Wpedantic)
target_include_directories(jx_flags INTERFACE ${PROJECT_SOURCE_DIR})
if(JX_SANITIZE)
  target_compile_options(jx_flags INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                            -fno-sanitize-recover=undefined)
  target_link_options(jx_flags INTERFACE -fsanitize=address,undefined)
endif()
