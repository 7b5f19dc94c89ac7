#include "print/text_pages.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;

// A report's lines go onto as many sheets as they fill, each numbered when
// there is more than one; the blank lines at the end make no sheet.
class TestTextPages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pages_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("footer");
        QTest::newRow("one line") << 1 << 1 << QString();
        QTest::newRow("a full sheet") << TextLinesPerPage << 1 << QString();
        QTest::newRow("one line more") << TextLinesPerPage + 1 << 2 << u"Стр. 2 от 2"_s;
    }
    void pages()
    {
        QFETCH(int, lines);
        QFETCH(int, pages);
        QFETCH(QString, footer);
        QStringList text;
        for (int i = 1; i <= lines; ++i)
            text << u"ред %1"_s.arg(i);
        const QList<PageLayout> sheets = TextPages(u"frmOborot"_s, text.join(u'\n') + u"\n\n\n"_s);
        QCOMPARE(sheets.size(), pages);
        const PageLayout &last = sheets.last();
        QCOMPARE(last.elements.last().text, footer.isEmpty() ? u"ред %1"_s.arg(lines) : footer);
        const QList<PrintJob> jobs = TextPrintJobs(sheets, u"Дневник"_s);
        QCOMPARE(jobs.size(), pages);
        QCOMPARE(jobs.last().copies(), 1);  // a sheet of a report is no form of two copies
    }
};

QTEST_GUILESS_MAIN(TestTextPages)
#include "tst_text_pages.moc"
