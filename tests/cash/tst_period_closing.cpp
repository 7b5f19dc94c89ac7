// The period closing: one balance row for everything up to the end of the
// period, in one transaction, leva carried into euro at the fixed rate.
#include "cash/period_closing.h"
#include "support/cash_rows.h"
#include "support/temp_store.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

QStringList book(const TempStore &t)
{
    return rowsOn(
        t.path(u"Remitor.MDB"_s),
        u"SELECT kod, DocNo, DocDate, Note, Prihod, Razhod FROM KasaTable ORDER BY kod"_s);
}

const QString kQuestion =
    u"Ще се извърши приключване на касовата книга.\n"
    "Всички записи ще се изтрият, резултатът ще\n"
    "се запише като Салдо за новия период.\n\n"_s;

}  // namespace

class TestPeriodClosing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closes_data();
    void closes();
    void refused_data();
    void refused();
    void cancelLeavesTheBook();
    void failureLeavesTheBook();
    void compactsWithABackupFirst();
};

// What the book holds after the closing, and what the user was asked.
void TestPeriodClosing::closes_data()
{
    QTest::addColumn<QList<BookRow>>("rows");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("asked");
    const QString period2024 = u"Период: от 01.01.2024 до 31.12.2024."_s;
    QTest::newRow("a year in leva")
        << QList<BookRow>{{u"1"_s, QDate(2024, 3, 1), u"Продажба"_s, 50000},
                          {u"2"_s, QDate(2024, 5, 1), u"Наем"_s, 0, 20000}}
        << QDate(2024, 1, 1) << QDate(2024, 12, 31)
        << QStringList{u"1|0|2025-01-01|Салдо|3000000|0"_s} << QStringList{kQuestion + period2024};
    QTest::newRow("more out than in: a negative receipt")
        << QList<BookRow>{{u"1"_s, QDate(2024, 3, 1), {}, 10000},
                          {u"2"_s, QDate(2024, 5, 1), {}, 0, 25000}}
        << QDate(2024, 1, 1) << QDate(2024, 12, 31)
        << QStringList{u"1|0|2025-01-01|Салдо|-1500000|0"_s} << QStringList{kQuestion + period2024};
    // The lev's last year into the euro's first: 1000.00 leva are 511.29 euro.
    QTest::newRow("leva into euro")
        << QList<BookRow>{{u"0"_s, QDate(2025, 1, 1), u"Салдо"_s, 70000},
                          {u"5"_s, QDate(2025, 6, 1), u"Продажба"_s, 40000},
                          {u"6"_s, QDate(2025, 7, 1), u"Без дата"_s, 0, 10000},
                          {u"7"_s, QDate(), u"Стар ред"_s, 0}}
        << QDate(2025, 1, 1) << QDate(2025, 12, 31)
        << QStringList{u"1|0|2026-01-01|Салдо от 1000.00 лв.|5112900|0"_s}
        << QStringList{kQuestion + u"Период: от 01.01.2025 до 31.12.2025."_s,
                       u"Салдото се пренася в евро по курс 1.95583:\n1000.00 лв. → 511.29 евро."_s};
    // Euro rows of January join the converted leva; February stays, after
    // the balance, in its order.
    QTest::newRow("over the changeover, later rows kept")
        << QList<BookRow>{{u"1"_s, QDate(2025, 12, 1), {}, 100000},
                          {u"2"_s, QDate(2026, 1, 10), {}, 2000},
                          {u"3"_s, QDate(2026, 2, 3), u"Февруари"_s, 0, 500},
                          {u"4"_s, QDate(2026, 1, 20), {}, 0, 1000},
                          {u"5"_s, QDate(2026, 2, 1), u"Февруари 1"_s, 700}}
        << QDate(2025, 12, 1) << QDate(2026, 1, 31)
        << QStringList{u"1|0|2026-02-01|Салдо от 1000.00 лв.|5212900|0"_s,
                       u"2|3|2026-02-03|Февруари|0|50000"_s, u"3|5|2026-02-01|Февруари 1|70000|0"_s}
        << QStringList{
               kQuestion +
                   u"Период: от 01.12.2025 до 31.01.2026.\nЗаписите след 31.01.2026 остават."_s,
               u"Салдото се пренася в евро по курс 1.95583:\n1000.00 лв. → 511.29 евро."_s};
}

void TestPeriodClosing::closes()
{
    QFETCH(QList<BookRow>, rows);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, after);
    QFETCH(QStringList, asked);
    TempStore t;
    seedCashBook(*t.store, rows);
    for (qsizetype i = 0; i < asked.size(); ++i) t.ui.answer(true);
    const auto closed = ClosePeriod(*t.store, from, to, false);
    QVERIFY(closed);
    QCOMPARE(t.ui.texts(), asked);
    QCOMPARE(closed->date, to.addDays(1));
    QCOMPARE(book(t), after);
    // What the closing wrote is in the file: another start reads it.
    Store again(DbPaths::inDirectory(t.dir.path()), t.ui);
    QCOMPARE(CashRowsFrom(again, 0).first().text(u"Note"_s).trimmed(),
             after.first().section(u'|', 3, 3));
}

void TestPeriodClosing::refused_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("told");
    QTest::newRow("to before from")
        << QDate(2025, 2, 1) << QDate(2025, 1, 31) << u"Крайната дата е преди началната."_s;
    QTest::newRow("nothing in the period")
        << QDate(2025, 2, 1) << QDate(2025, 2, 28)
        << u"Няма записи в касовата книга от 01.02.2025 до 28.02.2025."_s;
    QTest::newRow("no date") << QDate() << QDate(2025, 2, 28) << u"Невалидна дата"_s;
}

void TestPeriodClosing::refused()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, told);
    TempStore t;
    seedCashBook(*t.store,
                 {{u"1"_s, QDate(2025, 1, 10), {}, 500}, {u"2"_s, QDate(2025, 3, 1), {}, 700}});
    const QStringList before = book(t);
    QVERIFY(!ClosePeriod(*t.store, from, to, false));
    QCOMPARE(t.ui.texts(), QStringList{told});
    QCOMPARE(t.ui.shown().first().title, u"Приключване"_s);
    QCOMPARE(book(t), before);
}

// Cancel at either question changes nothing.
void TestPeriodClosing::cancelLeavesTheBook()
{
    for (const int yes : {0, 1}) {
        TempStore t;
        seedCashBook(*t.store, {{u"1"_s, QDate(2025, 4, 1), {}, 500}});
        const QStringList before = book(t);
        for (int i = 0; i < yes; ++i) t.ui.answer(true);
        t.ui.answer(false);
        QVERIFY(!ClosePeriod(*t.store, QDate(2025, 1, 1), QDate(2025, 12, 31), false));
        QCOMPARE(t.ui.shown().size(), yes + 1);
        QCOMPARE(book(t), before);
    }
}

// A closing that fails half-way (here the balance row cannot be written)
// leaves every row where it was.
void TestPeriodClosing::failureLeavesTheBook()
{
    TempStore t;
    seedCashBook(*t.store,
                 {{u"1"_s, QDate(2024, 4, 1), {}, 500}, {u"2"_s, QDate(2025, 2, 1), {}, 700}});
    const QStringList before = book(t);
    QVERIFY(execOn(t.path(u"Remitor.MDB"_s),
                   u"CREATE TRIGGER stop BEFORE INSERT ON KasaTable "
                   "BEGIN SELECT RAISE(ABORT, 'disk I/O'); END"_s));
    t.ui.answer(true);
    QVERIFY(!ClosePeriod(*t.store, QDate(2024, 1, 1), QDate(2024, 12, 31), false));
    QCOMPARE(t.ui.texts().last(), u"Касовата книга не е приключена."_s);
    QCOMPARE(book(t), before);
}

// The rows closed stay in the backup that the compaction makes first.
void TestPeriodClosing::compactsWithABackupFirst()
{
    TempStore t;
    seedCashBook(*t.store, {{u"1"_s, QDate(2024, 4, 1), {}, 500}});
    t.ui.answer(true);
    QVERIFY(ClosePeriod(*t.store, QDate(2024, 1, 1), QDate(2024, 12, 31)));
    QVERIFY(t.ui.texts().contains(u"Базата е пакетирана."_s));
    const QString backup = t.path(u"Remitor.BAK"_s);
    QVERIFY(QFileInfo::exists(backup));
    QCOMPARE(rowsOn(backup, u"SELECT DocNo FROM KasaTable"_s), QStringList{u"1"_s});
    QCOMPARE(book(t), QStringList{u"1|0|2025-01-01|Салдо|50000|0"_s});
}

QTEST_GUILESS_MAIN(TestPeriodClosing)
#include "tst_period_closing.moc"
