// The session reads the national currency at start-up and keeps a change.
#include "session/national_currency.h"
#include "session/session.h"
#include "support/temp_store.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

class TestSessionCurrency : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpAndChange();
};

void TestSessionCurrency::startUpAndChange()
{
    QTemporaryDir dir;
    ScriptedInteraction ui;
    const QString mainDb = dir.filePath(u"Remitor.MDB"_s);
    {
        Session s(dir.path(), ui, QDate(2026, 3, 2));
        s.startUp();
        QCOMPARE(s.nationalCurrency, u"EUR"_s);
        QVERIFY(SetNationalCurrency(s, u"bgn"_s));
        QCOMPARE(s.nationalCurrency, u"BGN"_s);
        QVERIFY(!SetNationalCurrency(s, u"USD"_s));
        QCOMPARE(s.nationalCurrency, u"BGN"_s);
    }
    {
        Session s(dir.path(), ui, QDate(2026, 3, 3));
        s.startUp();
        QCOMPARE(s.nationalCurrency, u"BGN"_s);
    }
    // The file of an older version, without the table, starts in euro.
    QVERIFY(execOn(mainDb, u"DROP TABLE ValutaTable"_s));
    Session s(dir.path(), ui, QDate(2026, 3, 4));
    s.startUp();
    QCOMPARE(s.nationalCurrency, u"EUR"_s);
    QCOMPARE(queryOn(mainDb, u"SELECT count(*) FROM sqlite_master WHERE name = 'ValutaTable'"_s),
             u"1"_s);
    QVERIFY(ui.texts().isEmpty());
}

QTEST_GUILESS_MAIN(TestSessionCurrency)
#include "tst_national_currency.moc"
