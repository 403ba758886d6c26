#include "TestMain.h"

#include <QFileInfo>
#include <QMap>
#include <cstdio>

#if defined(TAVLEN_TEST_GUI)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#elif defined(TAVLEN_TEST_WIDGETS)
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

namespace tavlen::test {

namespace {
QMap<QString, TestRun>& registry() {
    static QMap<QString, TestRun> tests;
    return tests;
}
} // namespace

bool registerTest(const char* file, TestRun run) {
    registry().insert(QFileInfo(QString::fromUtf8(file)).completeBaseName(), std::move(run));
    return true;
}

} // namespace tavlen::test

int main(int argc, char** argv) {
    TestApplication app(argc, argv);
#if !defined(TAVLEN_TEST_CORE)
    app.setAttribute(Qt::AA_Use96Dpi, true);
#endif
    const auto& tests = tavlen::test::registry();
    if (argc > 1 && argv[1][0] != '-') {
        const auto test = tests.constFind(QString::fromUtf8(argv[1]));
        if (test == tests.constEnd()) {
            std::fprintf(stderr, "No test named %s\n", argv[1]);
            return 2;
        }
        argv[1] = argv[0];
        return (*test)(argc - 1, argv + 1);
    }
    int failed = 0;
    for (const auto& run : tests)
        failed += run(argc, argv) != 0 ? 1 : 0;
    return failed;
}
