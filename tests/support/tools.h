#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

// A test that reads its results with an outside tool (pdftotext, pdfinfo)
// skips where the tool is missing on a developer's machine; where the
// project's scripts installed it (REMITOR_REQUIRE_TOOLS) or on CI, a missing
// tool fails the test, so that it can never pass unseen.
#define REMITOR_REQUIRE_TOOL(tool)                                                               \
    do {                                                                                          \
        if (QStandardPaths::findExecutable(QStringLiteral(tool)).isEmpty()) {                     \
            if (qEnvironmentVariableIsSet("CI") || qEnvironmentVariableIsSet("REMITOR_REQUIRE_TOOLS")) \
                QFAIL(tool " is not installed");                                                  \
            QSKIP(tool " is not installed");                                                      \
        }                                                                                         \
    } while (false)

namespace remitor::test {

// The text of a PDF file as pdftotext lays it out.
inline QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace remitor::test
