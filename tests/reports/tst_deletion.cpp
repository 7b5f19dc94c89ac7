#include "documents/workflow.h"
#include "report_seed.h"
#include "reports/deletion.h"
#include "session/session.h"
#include "store/maintenance.h"
#include "support/temp_store.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

struct App {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session session{dir.path(), ui, QDate(2026, 3, 5)};
    App()
    {
        session.startUp();
        ui.clear();
    }
    Store &store() { return session.store(); }
    QString reports() const { return session.paths().reportsPath; }
};

const ReportsKind &kind(const QString &id)
{
    return *reportsKindOf(id);
}

// The numbers of the kind's copies, in order.
QStringList numbers(App &app, const QString &id)
{
    return rowsOn(app.reports(),
                  u"SELECT Kod FROM "_s + kind(id).table().name + u" ORDER BY Kod"_s);
}

void seed(App &app, const QString &id, const QList<std::pair<int, QString>> &dated)
{
    auto t = OpenSprTable(app.store(), kind(id));
    QVERIFY(t);
    Transaction tx(t->db());
    for (const auto &[n, date] : dated) QVERIFY(seedCopy(*t, n, date, {}, n));
    QVERIFY(tx.commit());
}

// The kinds the period closing below is given, and what they hold: the
// budget order keeps long date texts, the credit transfer free text, the
// deposit slip and the cash order dates.
void seedPeriod(App &app)
{
    seed(app, u"PlnB"_s,
         {{1, u"31 декември 2025 г."_s},
          {2, u"01 януари 2026 г."_s},
          {3, u""_s},
          {4, u"по договор"_s}});
    seed(app, u"Pln"_s,
         {{1, u"31.12.2025"_s}, {2, u"5 януари 2025"_s}, {3, u"15.01.2026"_s}, {4, u"xx"_s}});
    seed(app, u"Vnos"_s, {{1, u"30.12.2025"_s}, {2, u"31.12.2025"_s}, {3, u"01.01.2026"_s}});
    seed(app, u"RKO"_s, {{1, u"01.12.2025"_s}});
}

QList<const ReportsKind *> periodKinds()
{
    return {reportsKindOf(u"PlnB"_s), reportsKindOf(u"Pln"_s), reportsKindOf(u"Vnos"_s)};
}

}  // namespace

class TestDeletion : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deleteOneCopy_data();
    void deleteOneCopy();
    void deletedCopyGoesBackThroughItsEditor();
    void closePeriod();
    void failedClosingKeepsEverything();
};

void TestDeletion::deleteOneCopy_data()
{
    QTest::addColumn<QString>("kind");
    for (const ReportsKind &k : reportsKinds()) QTest::newRow(qPrintable(k.kind)) << k.kind;
}

// Each kind's button: its list, its question, its message; Cancel and an
// empty pick change nothing, not even the editor's document.
void TestDeletion::deleteOneCopy()
{
    QFETCH(QString, kind);
    const ReportsKind &k = ::kind(kind);
    App app;
    seed(app, kind, {{4, u"05.01.2026"_s}, {5, u"06.01.2026"_s}});
    DocumentState &doc = app.session.document(k.descriptor().tableDef());
    doc.record.setKey(9);
    const Record before = doc.record;

    app.ui.pickNumber(0);
    app.ui.pickNumber(5);
    app.ui.answer(false);
    QVERIFY(!DeleteCopy(app.session, k));
    QVERIFY(!DeleteCopy(app.session, k));
    QCOMPARE(doc.record, before);
    QVERIFY(!doc.fromReports);
    QCOMPARE(numbers(app, kind), (QStringList{u"4"_s, u"5"_s}));

    app.ui.clear();
    app.ui.pickNumber(5);
    app.ui.answer(true);
    QVERIFY(DeleteCopy(app.session, k));
    QCOMPARE(app.ui.texts(),
             (QStringList{k.buttonCaption, k.confirm + u"5"_s,
                          k.done + u"5"_s + k.ending +
                              u"\nДанните са запомнени.\nМожете да го запишете отново."_s}));
    QCOMPARE(numbers(app, kind), QStringList{u"4"_s});
    QCOMPARE(doc.record.key(), 5);
    QCOMPARE(doc.record.money(k.descriptor().amountField), Money::fromUnits(5));
    QVERIFY(doc.fromReports);
}

// Save refuses the deleted copy, New or not; the copy command stores it
// again under the lowest free number.
void TestDeletion::deletedCopyGoesBackThroughItsEditor()
{
    App app;
    seed(app, u"Pln"_s, {{1, u"05.01.2026"_s}, {2, u"06.01.2026"_s}, {3, u"07.01.2026"_s}});
    app.ui.pickNumber(2);
    app.ui.answer(true);
    QVERIFY(DeleteCopy(app.session, kind(u"Pln"_s)));
    DocumentWorkflow flow(app.session, kindById(u"Pln"_s));
    app.ui.clear();
    QVERIFY(!flow.save());
    QCOMPARE(app.ui.texts(), QStringList{u"Този документ е от база справки."_s});
    QCOMPARE(rowsOn(app.session.paths().mainPath, u"SELECT COUNT(*) FROM PlnTable"_s),
             QStringList{u"0"_s});
    app.ui.answerSave(SaveChoice::New);
    QVERIFY(flow.copyToReports());
    QCOMPARE(
        rowsOn(app.reports(), u"SELECT Kod, pDate, suma FROM PlnTable ORDER BY Kod"_s),
        (QStringList{u"1|05.01.2026|10000"_s, u"2|06.01.2026|20000"_s, u"3|07.01.2026|30000"_s}));
    // New, asked with Cancel the default, does not clear the refusal.
    app.ui.clear();
    app.ui.answer(true);
    QVERIFY(flow.newDocument());
    QVERIFY(app.ui.shown().last().cancelIsDefault);
    QVERIFY(!flow.save());
    QCOMPARE(app.ui.texts().last(), u"Този документ е от база справки."_s);
}

// Up to 31.12.2025 in three kinds: the day itself included, long and free
// date texts read, copies whose date cannot be told kept and named, the
// kind not ticked untouched; the file is compacted and smaller.
void TestDeletion::closePeriod()
{
    App app;
    seedPeriod(app);
    {
        auto t = OpenSprTable(app.store(), kind(u"Pln"_s));
        Transaction tx(t->db());
        for (int n = 100; n < 2100; ++n)
            QVERIFY(
                seedCopy(*t, n, u"01.06.2025"_s, {{u"Osnovanie"_s, u"Фактура %1"_s.arg(n)}}, n));
        QVERIFY(tx.commit());
    }
    const qint64 size = QFileInfo(app.reports()).size();
    const PeriodClosing r = ClosePeriod(app.store(), periodKinds(), QDate(2025, 12, 31));
    QVERIFY(r.ok);
    QCOMPARE(r.deleted, 2005);
    QCOMPARE(numbers(app, u"PlnB"_s), (QStringList{u"2"_s, u"3"_s, u"4"_s}));
    QCOMPARE(numbers(app, u"Pln"_s), (QStringList{u"3"_s, u"4"_s}));
    QCOMPARE(numbers(app, u"Vnos"_s), QStringList{u"3"_s});
    QCOMPARE(numbers(app, u"RKO"_s), QStringList{u"1"_s});
    const QString backup = BackupPathFor(app.reports());
    QCOMPARE(app.ui.texts(),
             (QStringList{u"Изтрити документи: 2005.\n"
                          u"Остават от „Преводно Нареждане от/към Бюджета“:\n"
                          u"  без дата – No: 3\n"
                          u"  с дата, която не може да се прочете – No: 4\n"
                          u"Остават от „Преводно Нареждане за Кредитет Превод“:\n"
                          u"  с дата, която не може да се прочете – No: 4"_s,
                          u"Създадено е архивно копие "_s + backup, u"Базата е пакетирана."_s}));
    QVERIFY(QFileInfo(app.reports()).size() < size / 2);
    // The backup is the file as the compaction found it.
    QCOMPARE(rowsOn(backup, u"SELECT COUNT(*) FROM PlnTable"_s), QStringList{u"2"_s});

    // No date: nothing happens but the message.
    app.ui.clear();
    QVERIFY(!ClosePeriod(app.store(), periodKinds(), QDate()).ok);
    QCOMPARE(app.ui.texts(), QStringList{u"Не е посочена дата."_s});
}

// A deletion that fails in the last kind leaves the earlier kinds' copies
// too, and nothing is compacted.
void TestDeletion::failedClosingKeepsEverything()
{
    App app;
    seedPeriod(app);
    QVERIFY(execOn(app.reports(),
                   u"CREATE TRIGGER stop BEFORE DELETE ON VnosTable "
                   u"BEGIN SELECT RAISE(ABORT, 'locked'); END"_s));
    const PeriodClosing r = ClosePeriod(app.store(), periodKinds(), QDate(2025, 12, 31));
    QVERIFY(!r.ok);
    QCOMPARE(numbers(app, u"PlnB"_s), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
    QCOMPARE(numbers(app, u"Pln"_s), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
    QCOMPARE(numbers(app, u"Vnos"_s), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    QCOMPARE(app.ui.texts().last(), u"Нито един документ не е изтрит."_s);
    QVERIFY(!QFileInfo::exists(BackupPathFor(app.reports())));
}

QTEST_GUILESS_MAIN(TestDeletion)
#include "tst_deletion.moc"
