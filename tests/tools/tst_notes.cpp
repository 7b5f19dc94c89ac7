#include "support/temp_store.h"
#include "tools/notes.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

QStringList rows(const TempStore &t)
{
    return rowsOn(t.path(u"Remitor.MDB"_s), u"SELECT Kod, Ime FROM NotesTable ORDER BY Kod"_s);
}

QStringList page(const NotesList &list)
{
    QStringList out;
    for (int i = 0; i < NotesList::Rows; ++i)
        if (list.row(i).kod != 0)
            out << u"%1|%2"_s.arg(list.row(i).kod).arg(list.row(i).text);
    return out;
}

}  // namespace

class TestNotes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seededOnceAndKeptOverARestart();
    void enterStoresOnlyANumberedText_data();
    void enterStoresOnlyANumberedText();
    void deleteAsksAndRefusesAnEmptyRow();
    void pageScrollsToAFreeRow();
};

void TestNotes::seededOnceAndKeptOverARestart()
{
    TempStore t;
    NotesList list(*t.store, t.ui);
    list.open();
    const QStringList seeds{u"1|Фирмата"_s,  u"2|Предприятието"_s, u"3|Учреждението"_s,
                            u"4|Общината"_s, u"5|Кметството"_s,    u"6|Читалището"_s};
    QCOMPARE(page(list), seeds);
    list.setCursor(6);
    QVERIFY(list.store(u"7"_s, u"Сдружението"_s));
    list.setCursor(0);
    QVERIFY(list.store(u"1"_s, u"Дружеството"_s));
    list.open();  // the window opened again
    // A new run on the same file: the user's entries, no second seeding.
    Store again(DbPaths::inDirectory(t.dir.path()), t.ui);
    NotesList later(again, t.ui);
    later.open();
    QStringList want = seeds;
    want[0] = u"1|Дружеството"_s;
    want << u"7|Сдружението"_s;
    QCOMPARE(page(later), want);
    QCOMPARE(rows(t), want);
    QVERIFY(t.ui.shown().isEmpty());
}

void TestNotes::enterStoresOnlyANumberedText_data()
{
    QTest::addColumn<QString>("kod");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("stored");  // row 8, empty when none
    QTest::addColumn<int>("cursor");      // from row 7
    QTest::newRow("number and text")
        << u" 8 "_s << u"Кооперацията"_s << QString() << u"8|Кооперацията"_s << 8;
    QTest::newRow("cut to twenty")
        << u"8"_s << u"Народното читалище Искра"_s << QString() << u"8|Народното читалище И"_s << 8;
    QTest::newRow("text without a number")
        << u""_s << u"Кооперацията"_s << u"Не е посочен код."_s << QString() << 7;
    QTest::newRow("a number that is no number")
        << u"осем"_s << u"Кооперацията"_s << u"Не е посочен код."_s << QString() << 7;
    QTest::newRow("beyond the field")
        << u"40000"_s << u"Кооперацията"_s << u"Кодът трябва да е число от 1 до 32767."_s
        << QString() << 7;
    QTest::newRow("an empty row moves on") << u""_s << u"  "_s << QString() << QString() << 8;
}

void TestNotes::enterStoresOnlyANumberedText()
{
    QFETCH(QString, kod);
    QFETCH(QString, text);
    QFETCH(QString, told);
    QFETCH(QString, stored);
    QFETCH(int, cursor);
    TempStore t;
    NotesList list(*t.store, t.ui);
    list.open();
    list.setCursor(7);
    list.store(kod, text);
    QCOMPARE(t.ui.texts(), told.isEmpty() ? QStringList() : QStringList{told});
    QCOMPARE(rows(t).mid(6), stored.isEmpty() ? QStringList() : QStringList{stored});
    QCOMPARE(list.cursor(), cursor);
}

void TestNotes::deleteAsksAndRefusesAnEmptyRow()
{
    TempStore t;
    NotesList list(*t.store, t.ui);
    list.open();
    list.setCursor(10);
    QVERIFY(!list.removeCursorRow());
    list.setCursor(2);
    t.ui.answer(false);
    QVERIFY(!list.removeCursorRow());
    t.ui.answer(true);
    QVERIFY(list.removeCursorRow());
    QCOMPARE(t.ui.texts(),
             (QStringList{u"На този ред няма нищо за изтриване."_s, u"Изтрива маркирания ред."_s,
                          u"Изтрива маркирания ред."_s}));
    QCOMPARE(rows(t).size(), 5);
    QVERIFY(!rows(t).contains(u"3|Учреждението"_s));
}

void TestNotes::pageScrollsToAFreeRow()
{
    TempStore t;
    NotesList list(*t.store, t.ui);
    list.open();
    for (int k = 7; k <= 20; ++k) {
        list.setCursor(k - 1 < NotesList::Rows ? k - 1 : NotesList::Rows - 1);
        QVERIFY(list.store(QString::number(k), u"Бележка %1"_s.arg(k)));
    }
    QCOMPARE(list.count(), 20);
    // Down from the last row scrolls by one until the last entry stands on
    // the next-to-last row: the last row stays free for a new entry.
    list.last();
    QCOMPARE(list.row(NotesList::Rows - 2).kod, 20);
    QCOMPARE(list.row(NotesList::Rows - 1).kod, 0);
    list.setCursor(NotesList::Rows - 1);
    list.down();
    QCOMPARE(list.row(0).kod, 7);
    list.pageUp();
    QCOMPARE(list.row(0).kod, 1);
    list.up();
    QCOMPARE(list.row(0).kod, 1);
    list.setCursor(NotesList::Rows - 1);
    list.down();
    QCOMPARE(list.row(0).kod, 2);
    list.pageDown();
    QCOMPARE(list.row(0).kod, 7);
}

QTEST_GUILESS_MAIN(TestNotes)
#include "tst_notes.moc"
