# Checks of the sources themselves, run by CTest beside the tests: C++ formatting and
# qmllint over the project's QML modules (both fail on any finding).
find_program(TAVLEN_CLANG_FORMAT clang-format REQUIRED)
add_test(NAME format COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-format.sh)
add_test(NAME qmllint
    COMMAND ${CMAKE_COMMAND} --build ${PROJECT_BINARY_DIR} --target all_qmllint)
