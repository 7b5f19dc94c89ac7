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
    {
        Session s(dir.path(), ui, QDate(2026, 3, 2));
        s.startUp();
        QCOMPARE(s.nationalCurrency, u"EUR"_s);
        QVERIFY(SetNationalCurrency(s, u"bgn"_s));
        QCOMPARE(s.nationalCurrency, u"BGN"_s);
        QVERIFY(!SetNationalCurrency(s, u"USD"_s));
        QVERIFY(!SetNationalCurrency(s, QString()));
        QCOMPARE(s.nationalCurrency, u"BGN"_s);
    }
    {
        Session s(dir.path(), ui, QDate(2026, 3, 3));
        s.startUp();
        QCOMPARE(s.nationalCurrency, u"BGN"_s);
    }
    QCOMPARE(rowsOn(dir.filePath(u"Remitor.MDB"_s), u"SELECT NacValuta FROM ValutaTable"_s),
             QStringList{u"BGN"_s});
    QVERIFY(ui.texts().isEmpty());
}

QTEST_GUILESS_MAIN(TestSessionCurrency)
#include "tst_national_currency.moc"
