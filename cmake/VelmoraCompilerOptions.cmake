# Warnings and sanitizers shared by every target of the project.
add_library(velmora_compiler_options INTERFACE)
target_compile_options(velmora_compiler_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(velmora_compiler_options INTERFACE QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

if(VELMORA_SANITIZE)
  set(_velmora_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  # Applied to the whole build so that the shared tree library is instrumented too.
  add_compile_options(${_velmora_san})
  add_link_options(${_velmora_san})
endif()

if(VELMORA_FUZZ)
  # Coverage for libFuzzer everywhere; only the harnesses link its main (-fsanitize=fuzzer).
  set(_velmora_fuzz -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=undefined)
  add_compile_options(${_velmora_fuzz})
  add_link_options(-fsanitize=address,undefined)
endif()
