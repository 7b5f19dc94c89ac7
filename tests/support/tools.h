#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>

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

// One word of a PDF's text as pdftotext places it, in twips from the
// sheet's top-left corner.
struct Word {
    QString text;
    double left, top, right, bottom;
};

// The words of a PDF, line by line from the left (pdftotext reads the page
// in columns of its own guessing).
inline QList<Word> wordsOf(const QString &pdf)
{
    using namespace Qt::StringLiterals;
    QProcess p;
    p.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression re(
        uR"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"_s);
    QList<Word> out;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString text = m.captured(5);
        text.replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s).replace(u"&quot;"_s, u"\""_s)
            .replace(u"&amp;"_s, u"&"_s);
        out.append({text, m.captured(1).toDouble() * 20, m.captured(2).toDouble() * 20,
                    m.captured(3).toDouble() * 20, m.captured(4).toDouble() * 20});
    }
    std::stable_sort(out.begin(), out.end(), [](const Word &a, const Word &b) { return a.top < b.top; });
    for (qsizetype first = 0; first < out.size();) {
        qsizetype end = first + 1;
        while (end < out.size() && out[end].top - out[first].top < 10)
            ++end;
        std::stable_sort(out.begin() + first, out.begin() + end,
                         [](const Word &a, const Word &b) { return a.left < b.left; });
        first = end;
    }
    return out;
}

// The number of pages of a PDF, as pdfinfo counts them.
inline int pagesOf(const QString &pdf)
{
    using namespace Qt::StringLiterals;
    QProcess p;
    p.start(u"pdfinfo"_s, {pdf});
    p.waitForFinished(60000);
    static const QRegularExpression re(u"Pages:\\s+(\\d+)"_s);
    return re.match(QString::fromUtf8(p.readAllStandardOutput())).captured(1).toInt();
}

}  // namespace remitor::test
