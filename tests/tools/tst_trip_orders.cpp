#include "rules/formatting.h"
#include "session/session.h"
#include "support/scripted_interaction.h"
#include "support/temp_store.h"
#include "tools/trip_order.h"
#include "tools/trip_order_page.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

struct Fixture {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session session{dir.path(), ui, QDate(2010, 5, 20)};
    TripOrderFlow flow{session};

    Fixture()
    {
        session.startUp();
        session.firma.setText(u"ime"_s, u"  Алфа Транс ООД "_s);
        session.firma.setText(u"Grad"_s, u"Габрово"_s);
        flow.clear();
    }
    Record &rec() { return flow.record(); }
    // An order stored directly, as an earlier run or an import left it.
    void store(int no, const QString &name, QDate from, QDate to, QDate date = {})
    {
        Record r(TripOrderTable());
        r.setKey(no);
        r.setText(u"Ime"_s, name);
        r.setDate(u"otDate"_s, from);
        r.setDate(u"doDate"_s, to);
        r.setDate(u"Date"_s, date);
        QVERIFY(session.store().table(TripOrderTable())->save(r));
    }
    QStringList stored(const QString &columns)
    {
        return rowsOn(dir.filePath(u"Remitor.MDB"_s),
                      u"SELECT "_s + columns + u" FROM KomandTable ORDER BY \"No\""_s);
    }
};

QDate may(int day)
{
    return QDate(2010, 5, day);
}

}  // namespace

class TestTripOrders : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void daysAndDates_data();
    void daysAndDates();
    void badInputSavesNothing_data();
    void badInputSavesNothing();
    void newOrderIsNumberedOn();
    void deletedOrderStaysAndReturns();
    void periodReport();
    void dailyAllowanceOnTheBack_data();
    void dailyAllowanceOnTheBack();
    void sidesFitTheirHalves();
};

void TestTripOrders::daysAndDates_data()
{
    QTest::addColumn<QString>("typed");  // field=text, one after the other
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("told");
    const QStringList none;
    const QStringList reversed{u"Дата2 е по-малка от Дата1."_s};
    QTest::newRow("to last: both days counted") << u"otDate=3.5.2010;doDate=05.05.2010"_s << u"3"_s
                                                << u"03.05.2010"_s << u"05.05.2010"_s << none;
    QTest::newRow("from last: both days counted")
        << u"doDate=05.05.2010;otDate=03/05/10"_s << u"3"_s << u"03.05.2010"_s << u"05.05.2010"_s
        << none;
    QTest::newRow("days then from: the to date follows")
        << u"srok=4;otDate=10.05.2010"_s << u"4"_s << u"10.05.2010"_s << u"13.05.2010"_s << none;
    QTest::newRow("days then to: the from date follows")
        << u"srok=4;doDate=13.05.2010"_s << u"4"_s << u"10.05.2010"_s << u"13.05.2010"_s << none;
    QTest::newRow("a one-day trip") << u"otDate=7.5.2010;doDate=7.5.2010"_s << u"1"_s
                                    << u"07.05.2010"_s << u"07.05.2010"_s << none;
    QTest::newRow("to before from: told, both kept, no days")
        << u"otDate=10.05.2010;doDate=05.05.2010"_s << u""_s << u"10.05.2010"_s << u"05.05.2010"_s
        << reversed;
    QTest::newRow("with days too: both kept")
        << u"srok=2;otDate=10.05.2010;doDate=05.05.2010"_s << u"2"_s << u"10.05.2010"_s
        << u"05.05.2010"_s << reversed;
    QTest::newRow("no date: emptied and told")
        << u"otDate=32.05.2010"_s << u""_s << u""_s << u""_s << QStringList{u"Невалидна дата"_s};
    QTest::newRow("days that are no number keep the old count")
        << u"srok=4;srok=три;srok=2.5;srok=1000"_s << u"4"_s << u""_s << u""_s
        << QStringList(3, u"Броят на дните трябва да е цяло число от 0 до 999."_s);
}

void TestTripOrders::daysAndDates()
{
    QFETCH(QString, typed);
    QFETCH(QString, days);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, told);
    Fixture f;
    for (const QString &step : typed.split(u';')) {
        const QStringList kv = step.split(u'=');
        f.flow.take(kv[0], kv[1]);
    }
    QCOMPARE(f.ui.texts(), told);
    QCOMPARE(f.flow.display(u"srok"_s), days);
    QCOMPARE(f.flow.display(u"otDate"_s), from);
    QCOMPARE(f.flow.display(u"doDate"_s), to);
}

void TestTripOrders::badInputSavesNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("told");
    const QString notSaved = u"\nЗаповедта не е записана."_s;
    QTest::newRow("end before start")
        << u"otDate=10.05.2010;doDate=05.05.2010"_s << u"Дата2 е по-малка от Дата1."_s + notSaved;
    QTest::newRow("number of another order")
        << u"No=7"_s
        << u"Заповед за командировка № 7 вече е записана за Петър Петров.\nПосочете друг номер или "
           "прочетете заповедта, за да я промените."_s +
               notSaved;
    QTest::newRow("no number") << u"No="_s << u"Не е посочен номер на заповедта."_s + notSaved;
}

void TestTripOrders::badInputSavesNothing()
{
    QFETCH(QString, typed);
    QFETCH(QString, told);
    Fixture f;
    f.store(7, u"Петър Петров"_s, may(1), may(2));
    f.flow.clear();
    f.flow.take(u"Ime"_s, u"Иван Иванов"_s);
    for (const QString &step : typed.split(u';')) {
        const QStringList kv = step.split(u'=');
        f.flow.take(kv[0], kv[1]);
    }
    f.ui.clear();
    QVERIFY(!f.flow.save());
    QCOMPARE(f.ui.texts(), QStringList{told});
    QCOMPARE(f.stored(u"\"No\", Ime"_s), QStringList{u"7|Петър Петров"_s});
}

void TestTripOrders::newOrderIsNumberedOn()
{
    Fixture f;
    // An empty table starts at 1; the organisation and today's date come in.
    QCOMPARE(f.rec().key(), 1);
    QCOMPARE(f.rec().text(u"Firma"_s).trimmed(), u"Алфа Транс ООД - Габрово"_s);
    QCOMPARE(f.rec().date(u"Date"_s), QDate(2010, 5, 20));
    f.store(4, u"Петър Петров"_s, may(1), may(2));
    f.store(9, u"Мария Иванова"_s, may(3), may(4));
    f.flow.clear();
    QCOMPARE(f.rec().key(), 10);
    f.flow.take(u"Ime"_s, u"Иван Иванов"_s);
    QVERIFY(f.flow.save());
    QCOMPARE(f.ui.texts().last(), u"Заповед за командировка № 10 Иван Иванов е записан."_s);
    // The stored order is saved over itself; New asks first, Cancel keeps it.
    f.flow.take(u"Do"_s, u"Русе"_s);
    QVERIFY(f.flow.save());
    f.ui.answer(false);
    QVERIFY(!f.flow.newOrder());
    QCOMPARE(f.rec().key(), 10);
    f.ui.answer(true);
    QVERIFY(f.flow.newOrder());
    QCOMPARE(f.rec().key(), 11);
    QCOMPARE(f.rec().text(u"Ime"_s).trimmed(), QString());
    QCOMPARE(f.stored(u"\"No\", Ime, \"Do\""_s),
             (QStringList{u"4|Петър Петров|"_s, u"9|Мария Иванова|"_s, u"10|Иван Иванов|Русе"_s}));
}

void TestTripOrders::deletedOrderStaysAndReturns()
{
    Fixture f;
    f.store(3, u"Петър Петров"_s, may(1), may(2));
    f.store(5, u"Мария Иванова"_s, may(3), may(4));
    // Cancelled, the order typed stays on screen.
    f.rec().setText(u"Ime"_s, u"Нова заповед"_s);
    f.ui.pickNumber(5);
    f.ui.answer(false);
    QVERIFY(!f.flow.remove());
    QCOMPARE(f.rec().text(u"Ime"_s).trimmed(), u"Нова заповед"_s);
    QCOMPARE(f.stored(u"\"No\""_s), (QStringList{u"3"_s, u"5"_s}));
    f.ui.clear();
    f.ui.pickNumber(5);
    f.ui.answer(true);
    QVERIFY(f.flow.remove());
    QCOMPARE(f.ui.lastList().caption, u"Заповед за командировка"_s);
    QCOMPARE(f.ui.texts(),
             (QStringList{u"Заповед за командировка"_s, u"Изтрива командировъчно № 5"_s,
                          u"Командировъчно № 5 е изтрито.\nДанните са на екрана.\n"
                          "Можете да го запишете отново."_s}));
    QCOMPARE(f.rec().text(u"Ime"_s).trimmed(), u"Мария Иванова"_s);
    QCOMPARE(f.stored(u"\"No\""_s), QStringList{u"3"_s});
    // Save brings it back under its number.
    QVERIFY(f.flow.save());
    QCOMPARE(f.stored(u"\"No\""_s), (QStringList{u"3"_s, u"5"_s}));
    // Next from it goes on past the end to the same order; Previous back.
    f.flow.previous();
    QCOMPARE(f.rec().key(), 3);
    f.flow.next();
    f.flow.next();
    QCOMPARE(f.rec().key(), 5);
}

void TestTripOrders::periodReport()
{
    Fixture f;
    f.store(1, u"Преди периода"_s, QDate(2010, 4, 20), QDate(2010, 4, 30));
    f.store(2, u"Влиза в периода"_s, QDate(2010, 4, 29), may(2));
    f.store(3, u"Вътре"_s, may(10), may(12));
    f.store(4, u"Излиза от периода"_s, may(30), QDate(2010, 6, 3));
    f.store(5, u"Без дати на пътуването"_s, {}, {}, may(15));
    f.store(6, u"След периода"_s, QDate(2010, 6, 1), QDate(2010, 6, 2));
    f.store(7, u"Рано в периода"_s, may(1), may(1));
    const QList<Record> trips = TripsInPeriod(f.session.store(), may(1), may(31));
    QStringList names;
    for (const Record &r : trips) names << r.text(u"Ime"_s).trimmed();
    // By the day the trip starts.
    QCOMPARE(names, (QStringList{u"Влиза в периода"_s, u"Рано в периода"_s, u"Вътре"_s,
                                 u"Без дати на пътуването"_s, u"Излиза от периода"_s}));

    Record days = trips[2];
    days.setInteger(u"srok"_s, 3);
    const QStringList lines = TripReportText({days}, may(1), may(31)).split(u'\n');
    const QString head = lines[3];
    QVERIFY(head.startsWith(u"|  No:  | Номер |   Дата   |"_s));
    QCOMPARE(lines[2], u"   от 01.05.2010 до 31.05.2010"_s);
    // Every line of the table is as wide as its head, with its bars under the head's.
    const QString row = lines[5];
    QCOMPARE(row.size(), head.size());
    for (qsizetype i = 0; i < head.size(); ++i) QCOMPARE(row[i] == u'|', head[i] == u'|');
    QCOMPARE(row.split(u'|').mid(1, 8).replaceInStrings(u" "_s, QString()),
             (QStringList{u"1"_s, u"3"_s, QString(), u"Вътре"_s, QString(), u"10.05.2010"_s,
                          u"12.05.2010"_s, u"3"_s}));
    QCOMPARE(lines.last(), u"   Командировки: 1, дни: 3"_s);
}

// The back fills in the daily allowance of the whole trip; nothing when
// the order gives no days or no rate.
void TestTripOrders::dailyAllowanceOnTheBack_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("total");
    QTest::newRow("three days") << 3 << u"40"_s << u"120.00"_s;
    QTest::newRow("no days") << 0 << u"40"_s << QString();
    QTest::newRow("no rate") << 2 << QString() << QString();
    // The rate printed beside it is 12.35: the line adds up on paper.
    QTest::newRow("the rate as printed") << 999 << u"12,345"_s << u"12337.65"_s;
}

void TestTripOrders::dailyAllowanceOnTheBack()
{
    QFETCH(int, days);
    QFETCH(QString, rate);
    QFETCH(QString, total);
    Fixture f;
    f.rec().setInteger(u"srok"_s, days);
    f.rec().setMoney(u"dnevni"_s, ParseAmount(rate));
    const PageFill fill =
        FillPage(TripReportPage(), f.rec(), TripOrderSubject(), true, TripReportPrint().fill);
    QCOMPARE(fill.text(u"dnevniTotal"_s), total);
}

// Each side stays in the half of the sheet it prints in, so that two copies
// (or the order and its back) never overlap.
void TestTripOrders::sidesFitTheirHalves()
{
    const auto bottom = [](const PageLayout &page) {
        int lowest = 0;
        for (const PageElement &e : page.elements) {
            const int text =
                e.kind == PageElement::Kind::Caption ? e.style.sizeTwips * 115 / 100 : 0;
            lowest = std::max(lowest, e.top + std::max(e.height, text));
        }
        return lowest;
    };
    QVERIFY(bottom(TripOrderPage()) <= OneCopyHeightTwips);
    QVERIFY(bottom(TripReportPage()) <= OneCopyHeightTwips);
    QCOMPARE(bottom(TripOneSheetPage()), CopyOffsetTwips + bottom(TripReportPage()));
}

QTEST_GUILESS_MAIN(TestTripOrders)
#include "tst_trip_orders.moc"
