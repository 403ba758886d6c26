#pragma once

#include <QTest>

#include <functional>
#include <initializer_list>
#include <tuple>

namespace tavlen::test {

// Each test file registers its class under the file's name (tst_x); the folder's one test
// program runs the class named by its first argument, or every class without one.
using TestRun = std::function<int(int argc, char** argv)>;
bool registerTest(const char* file, TestRun run);

// Data tables in fewer lines: columns<QString>({"a", "b"}) adds columns of one type, and
// row("name", x, y) is QTest::newRow("name") << x << y.
template <typename T> void columns(std::initializer_list<const char*> names) {
    for (const char* name : names)
        QTest::addColumn<T>(name);
}
template <typename... T> void row(const char* name, const T&... values) {
    (QTest::newRow(name) << ... << values);
}
// The current row's values in one line: const auto [a, b] = fetch<QString, int>("a", "b").
template <typename... T, typename... Name> std::tuple<T...> fetch(Name... names) {
    static_assert(sizeof...(T) == sizeof...(Name));
    return {*static_cast<T*>(QTest::qData(names, qMetaTypeId<T>()))...};
}

} // namespace tavlen::test

#define TAVLEN_TEST(Class)                                                                         \
    static const bool tavlenTestRegistered##Class =                                                \
        ::tavlen::test::registerTest(__FILE__, [](int argc, char** argv) {                         \
            Class test;                                                                            \
            return QTest::qExec(&test, argc, argv);                                                \
        });
