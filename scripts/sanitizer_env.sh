# Sourced by scripts/test.sh and scripts/fuzz.sh: how the instrumented build's
# programs run. Any report stops the program (the build uses
# -fno-sanitize-recover); leaks are reported except the system libraries'
# under the toolkit (tests/lsan.supp).
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$PWD/build-asan/xdg-runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
