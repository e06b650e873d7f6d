# Compile settings shared by every target of the project.
add_library(rcon_options INTERFACE)
target_compile_options(rcon_options INTERFACE -Wall -Wextra -Wpedantic)
if(RCON_SANITIZE OR RCON_FUZZ)
  target_compile_options(rcon_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(rcon_options INTERFACE -fsanitize=address,undefined)
endif()

# Every test, widget test included, runs without a display.
function(rcon_test_environment test_name)
  set_tests_properties(${test_name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0"
    TIMEOUT 300)
endfunction()
