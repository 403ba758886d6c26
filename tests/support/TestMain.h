#pragma once

#include <QTest>

#include <functional>

namespace tavlen::test {

// Each test file registers its class under the file's name (tst_x); the folder's one test
// program runs the class named by its first argument, or every class without one.
using TestRun = std::function<int(int argc, char** argv)>;
bool registerTest(const char* file, TestRun run);

} // namespace tavlen::test

#define TAVLEN_TEST(Class)                                                                         \
    static const bool tavlenTestRegistered =                                                       \
        ::tavlen::test::registerTest(__FILE__, [](int argc, char** argv) {                         \
            Class test;                                                                            \
            return QTest::qExec(&test, argc, argv);                                                \
        });
