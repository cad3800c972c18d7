#pragma once

// Test entry points with the environment pinned: headless, 96 DPI, U.S. English, and
// the program's own fonts and artwork.

#include "app/application_setup.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

namespace testsupport {

inline void pinPlatform()
{
    qputenv("QT_QPA_PLATFORM",
        qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
}

inline void pinEnvironment()
{
    pinPlatform();
    qputenv("QT_FONT_DPI", "96");
    qputenv("QT_SCALE_FACTOR", "1");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

// The program's files (kept sheets, recent files) go to the test folders Qt keeps apart
// from the user's own.
inline void keepFilesApart()
{
    QStandardPaths::setTestModeEnabled(true);
}

inline void pinLocale()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// A test's own locale, until the scope ends and U.S. English is pinned again.
class LocaleScope
{
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { pinLocale(); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;
};

// Qt's worker threads (the raster engine's pool, the file dialogs' gatherer) are detached:
// QThread::wait() returns once a thread's work is done, while the thread is still being
// torn down. LeakSanitizer stops every thread at exit and can crash on one half gone, so
// a test that had an application waits for them to go before it returns.
inline void awaitWorkerThreadsGone()
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    const QDeadlineTimer deadline(std::chrono::seconds(5));
    while (tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() > 1 && !deadline.hasExpired())
        QThread::msleep(1);
}

} // namespace testsupport

// The entry point of tests that open windows, with the screen pinned by `pinScreen`.
#define TAVILON_APPLICATION_TEST_MAIN(TestObject, pinScreen)                                       \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        pinScreen();                                                                               \
        int failures = 0;                                                                          \
        {                                                                                          \
            QApplication application(argc, argv);                                                  \
            configureApplication(application);                                                     \
            testsupport::keepFilesApart();                                                         \
            testsupport::pinLocale();                                                              \
            TestObject test;                                                                       \
            failures = QTest::qExec(&test, argc, argv);                                            \
        }                                                                                          \
        testsupport::awaitWorkerThreadsGone();                                                     \
        return failures;                                                                           \
    }

// For tests that open windows.
#define TAVILON_WIDGET_TEST_MAIN(TestObject)                                                       \
    TAVILON_APPLICATION_TEST_MAIN(TestObject, testsupport::pinEnvironment)

// For tests about the screen's density, which take its font DPI and scale factor from
// their environment.
#define TAVILON_SCALED_WIDGET_TEST_MAIN(TestObject)                                                \
    TAVILON_APPLICATION_TEST_MAIN(TestObject, testsupport::pinPlatform)

// For the calculations, which need no application object.
#define TAVILON_ENGINE_TEST_MAIN(TestObject)                                                       \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        testsupport::pinLocale();                                                                  \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
