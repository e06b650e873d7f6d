# SPDX-License-Identifier: GPL-3.0-or-later
# Compile settings shared by every target of the project.
add_library(rcon_options INTERFACE)
target_compile_options(rcon_options INTERFACE -Wall -Wextra -Wpedantic)
if(RCON_SANITIZE OR RCON_FUZZ)
  target_compile_options(rcon_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(rcon_options INTERFACE -fsanitize=address,undefined)
endif()

# Sanitized tests report every leak (AddressSanitizer's default on Linux) except the known ones
# of system libraries, each listed with its reason in tests/lsan-suppressions.txt.
set(RCON_LSAN_ENVIRONMENT
  "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan-suppressions.txt:print_suppressions=0")

# Every test, widget test included, runs without a display.
function(rcon_test_environment test_name)
  set_tests_properties(${test_name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${RCON_LSAN_ENVIRONMENT}"
    TIMEOUT 300)
endfunction()
