# SPDX-License-Identifier: MIT
# ZENTROVA_SANITIZE builds everything with AddressSanitizer (leak detection
# included) and UndefinedBehaviorSanitizer. Every target of this tree is ours
# and Qt comes prebuilt, so the flags go on the whole tree: a library left
# without them would hide the faults that reach into it. Any report stops the
# test that raised it; see tests/sanitizer-suppressions.txt for the known
# leaks of system libraries.
option(ZENTROVA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(ZENTROVA_SANITIZE)
    set(zentrova_sanitizer_flags
        -fsanitize=address,undefined
        -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    add_compile_options(${zentrova_sanitizer_flags})
    # A report names the function, file and line of each frame: line tables
    # are all it reads, and the build takes a tenth less without the rest.
    add_compile_options(-g1)
    add_link_options(${zentrova_sanitizer_flags})
    # What the tests run with: halt on the first report, leaks included, with
    # exit status 23, so that a test of the program's own status 0 catches a
    # report, the leak check at its normal end included, and tells it from
    # the program's own failures.
    set(ZENTROVA_SANITIZER_EXIT_STATUS 23)
    set(ZENTROVA_SANITIZER_ENVIRONMENT
        "ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:exitcode=${ZENTROVA_SANITIZER_EXIT_STATUS}:detect_stack_use_after_return=1:strict_string_checks=1:suppressions=${PROJECT_SOURCE_DIR}/tests/asan-suppressions.txt"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizer-suppressions.txt:print_suppressions=0"
        "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=${ZENTROVA_SANITIZER_EXIT_STATUS}")
endif()
