#pragma once

#include "shell/ui/caption_apply.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

namespace kvx::test {

// Every test runs with a fresh, empty home folder (so the per-user files of the
// program start from nothing) and on the offscreen platform unless told otherwise.
inline void prepareEnvironment()
{
    static QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CACHE_HOME");
    qunsetenv("XDG_DOCUMENTS_DIR");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace kvx::test

#define KVX_TEST_MAIN(TestObject) \
    int main(int argc, char *argv[]) \
    { \
        kvx::test::prepareEnvironment(); \
        QApplication app(argc, argv); \
        app.setAttribute(Qt::AA_Use96Dpi, true); \
        kvx::useProgramFonts(); \
        TestObject tc; \
        QTEST_SET_MAIN_SOURCE_PATH \
        return QTest::qExec(&tc, argc, argv); \
    }
