#include "lists/paragraphs.h"
#include "session/session.h"
#include "support/scripted_interaction.h"
#include "support/temp_store.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

Q_DECLARE_METATYPE(ParagraphList::Move)

namespace {

struct Fixture {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session session{dir.path(), ui, QDate(2010, 1, 31)};
    ParagraphList list{session};

    explicit Fixture(int entries = 0)
    {
        session.startUp();
        auto table = session.store().table(DbKind::Main, u"ParagrafTable"_s);
        Record r(table->def());
        Transaction tx(table->db());  // one write for the whole list
        for (int row = 1; row <= entries; ++row) {
            r.setKey(row);
            r.setText(u"kod"_s, u"%1"_s.arg(row * 100));
            r.setText(u"ime"_s, u"Текст %1"_s.arg(row));
            QVERIFY(table->save(r));
        }
        QVERIFY(tx.commit());
        list.open();
    }
    // The positions shown in the fifteen rows, 0 for an empty row.
    QList<qint64> shown() const
    {
        QList<qint64> rows;
        for (int i = 0; i < ParagraphList::ShownRows; ++i) rows << list.entry(i).row;
        return rows;
    }
    QStringList stored() const
    {
        return rowsOn(dir.filePath(u"Remitor.MDB"_s),
                      u"SELECT row, kod, ime FROM ParagrafTable ORDER BY row"_s);
    }
};

QList<qint64> from(qint64 first, int count)
{
    QList<qint64> rows;
    for (int i = 0; i < ParagraphList::ShownRows; ++i) rows << (i < count ? first + i : 0);
    return rows;
}

}  // namespace

class TestParagraphs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void moves_data();
    void moves();
    void newEntryGoesAfterTheLast();
    void rowsAreWrittenAsTyped();
    void deleteAsksAndKeepsThePositions();
    void searchPutsTheChosenEntryOnTop();
    void printedList();
    void headings();
};

void TestParagraphs::moves_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<QList<ParagraphList::Move>>("moves");
    QTest::addColumn<QList<qint64>>("rows");
    using M = ParagraphList::Move;
    QTest::newRow("opening") << 20 << QList<M>{} << from(1, 15);
    // A page keeps one row of the last in sight.
    QTest::newRow("page down on 20") << 20 << QList<M>{M::PageForward} << from(15, 6);
    QTest::newRow("page down past the end")
        << 20 << QList<M>{M::PageForward, M::PageForward} << from(20, 1);
    QTest::newRow("page up stops at the first")
        << 20 << QList<M>{M::Forward, M::PageBack} << from(1, 15);
    QTest::newRow("one forward, one back")
        << 20 << QList<M>{M::Forward, M::Forward, M::Back} << from(2, 15);
    QTest::newRow("last") << 40 << QList<M>{M::Last} << from(40, 1);
    QTest::newRow("empty list") << 0 << QList<M>{M::PageForward} << from(0, 0);
}

void TestParagraphs::moves()
{
    QFETCH(int, entries);
    QFETCH(QList<ParagraphList::Move>, moves);
    QFETCH(QList<qint64>, rows);
    Fixture f(entries);
    for (const ParagraphList::Move m : moves) QVERIFY(f.list.move(m));
    QCOMPARE(f.shown(), rows);
    QCOMPARE(f.list.count(), entries);
}

// With 40 entries a new one is the 41st; after a deletion in the middle the
// count plus one is taken already, and the new entry goes after the last.
void TestParagraphs::newEntryGoesAfterTheLast()
{
    Fixture f(40);
    QVERIFY(f.list.move(ParagraphList::Move::Last));
    QVERIFY(f.list.commit(1, u"5101"_s, u"Заплати"_s));
    QCOMPARE(f.list.entry(1).row, 41);
    f.ui.answer(true);
    QVERIFY(f.list.readPageFrom(10));
    QVERIFY(f.list.remove(0));
    QVERIFY(f.list.move(ParagraphList::Move::Last));
    QVERIFY(f.list.commit(1, u"5102"_s, u"Други"_s));
    QCOMPARE(f.list.entry(1).row, 42);
    QCOMPARE(f.list.count(), 41);
    QCOMPARE(f.stored().filter(u"|5101|"_s).size(), 1);
}

// The code trimmed and cut to its twelve characters, the text trimmed on
// the left; moving through an empty row writes nothing; what is written
// is there for the next run.
void TestParagraphs::rowsAreWrittenAsTyped()
{
    Fixture f;
    QVERIFY(!f.list.commit(0, u"  "_s, u"   "_s));
    QVERIFY(f.list.commit(0, u"  0000000000001234 "_s, u"  Текст с отстъп  "_s));
    QVERIFY(f.list.commit(1, u"000000"_s, u"РАЗХОДИ"_s));
    QVERIFY(f.list.commit(0, u"110000"_s, u"Данъци"_s));  // the same entry again
    QCOMPARE(f.stored(), (QStringList{u"1|110000|Данъци"_s, u"2|000000|РАЗХОДИ"_s}));
    QVERIFY(f.list.commit(2, u"0000000000001234"_s, u"  Дълъг код"_s));
    ParagraphList again(f.session);  // the window opened in the next run
    again.open();
    QCOMPARE(again.count(), 3);
    QCOMPARE(again.entry(2).code, u"000000000000"_s);
    QCOMPARE(again.entry(2).text.trimmed(), u"Дълъг код"_s);
}

void TestParagraphs::deleteAsksAndKeepsThePositions()
{
    Fixture f(3);
    f.ui.answer(false);
    QVERIFY(!f.list.remove(1));
    f.ui.answer(true);
    QVERIFY(f.list.remove(1));
    QCOMPARE(f.ui.texts(), (QStringList{u"Изтрива: 200-Текст 2"_s, u"Изтрива: 200-Текст 2"_s}));
    QCOMPARE(f.shown(), (QList<qint64>{1, 3} + from(0, 0).mid(2)));
    QVERIFY(!f.list.remove(5));  // an empty row: nothing to ask
}

void TestParagraphs::searchPutsTheChosenEntryOnTop()
{
    Fixture f(30);
    f.ui.answerInput(QString());
    QVERIFY(!f.list.search());  // an empty answer does nothing
    f.ui.answerInput(u"текст 2"_s);
    f.ui.pickNumber(21);
    QVERIFY(f.list.search());
    QCOMPARE(f.ui.shown()[1].title, u"Търси Параграф по име"_s);
    QCOMPARE(f.ui.lastList().caption, u"Параграфи"_s);
    QCOMPARE(f.ui.lastList().lines.size(), 11);  // 2, 20 … 29
    QCOMPARE(f.ui.lastList().lines.first(), u"    2 | 200          | Текст 2"_s);
    QCOMPARE(f.shown(), from(21, 10));
}

void TestParagraphs::printedList()
{
    Fixture f(2);
    QCOMPARE(f.list.printText(),
             u"        СПИСЪК параграфи\n\n"
             "          100          Текст 1\n"
             "          200          Текст 2\n"_s);
}

void TestParagraphs::headings()
{
    for (const auto &[code, heading] : {std::pair{u"000000"_s, true},
                                        {u"00 00 00"_s, true},
                                        {u"110000"_s, false},
                                        {u""_s, false},
                                        {u"0001"_s, false}})
        QVERIFY2(ParagraphList::isHeading(code) == heading, qPrintable(code));
}

QTEST_GUILESS_MAIN(TestParagraphs)
#include "tst_paragraphs.moc"
