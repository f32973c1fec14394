#pragma once
// Runs tests of this program again under other screen scale factors: the
// factor is fixed when the application object is made, so each factor needs
// a process of its own.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <cstdlib>
#include <initializer_list>

#include "platform/tests/fixture.h"

namespace kanmeri::platform::testing {

// Whether this process already runs under a chosen factor (as such a child).
inline bool underChosenScaleFactor() {
    return std::getenv("QT_SCALE_FACTOR") != nullptr;
}

// Runs the tests matching `filter` in a child process for each factor; each
// child must end with status 0, having run `tests` tests, none skipped.
inline void expectPassAtScaleFactors(const char* filter, int tests,
                                     std::initializer_list<const char*> factors) {
    // A fatal failure ends its own factor only.
    const auto expectPassAt = [filter, tests](const char* factor) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(factor));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=") + QString::fromLatin1(filter)});
        ASSERT_TRUE(child.waitForFinished(kPatienceMs));
        const QString output = QString::fromUtf8(child.readAll());
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] %1 test").arg(tests)))
            << output.toStdString();
        EXPECT_FALSE(output.contains(QStringLiteral("[  SKIPPED ]"))) << output.toStdString();
    };
    for (const char* factor : factors) {
        SCOPED_TRACE(factor);
        expectPassAt(factor);
    }
}

}  // namespace kanmeri::platform::testing
