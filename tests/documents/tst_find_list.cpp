#include "documents/find_list.h"
#include "rules/formatting.h"
#include "support/temp_store.h"

#include <QTest>
#include <tuple>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

// Stores one row: field name -> value; amounts are given as text, dates as
// QDate, numbers as integers.
void put(TempStore &t, DbKind db, const QString &table, qint64 key, const QVariantMap &values)
{
    const TableDef &def = tableDef(db, table);
    Record r(def);
    r.setKey(key);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const FieldDef *f = def.field(it.key());
        QVERIFY2(f, qPrintable(table + u'.' + it.key()));
        switch (f->type) {
        case FieldType::Text: r.setText(f->name, it.value().toString()); break;
        case FieldType::Money: r.setMoney(f->name, ParseAmount(it.value().toString())); break;
        case FieldType::Date: r.setDate(f->name, it.value().toDate()); break;
        default: r.setInteger(f->name, it.value().toLongLong()); break;
        }
    }
    auto tb = t.store->table(def);
    QVERIFY(tb);
    QVERIFY(tb->save(r));
}

void putPln(TempStore &t, qint64 kod, const QString &bank, const QString &payee,
            const QString &payer, const QString &reason)
{
    put(t, DbKind::Main, u"PlnTable"_s, kod,
        {{u"DoBanka"_s, bank}, {u"Poluchatel"_s, payee}, {u"Nareditel"_s, payer}, {u"Osnovanie"_s, reason}});
}

FindListView list(TempStore &t, int kind, const QString &text = {}, int field = 0, qint64 current = 0)
{
    return BuildFindList(*t.store, FindQuery{kind, text, field, current}, u"Заглавие"_s);
}

QList<qint64> numbers(const FindListView &v)
{
    QList<qint64> out;
    for (const QString &l : v.lines)
        out.append(NumberOfLine(l));
    return out;
}

// A cell of the expected line: the text blank-padded to the width.
QString w(const QString &text, int width) { return text.leftJustified(width, u' '); }
QString line(const QStringList &cells) { return cells.join(u" | "_s); }
const QString blanks20(20, u' ');

const QStringList paymentHeaders{u"До банка"_s, u"Получател"_s, u"Наредител"_s, u"Основание"_s};

}  // namespace

class TestFindList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void creditTransferLine_data();
    void creditTransferLine();
    void matching_data();
    void matching();
    void emptyLists_data();
    void emptyLists();
    void eachKindReadsItsOwnTable_data();
    void eachKindReadsItsOwnTable();
    void numbersThatDoNotFitAreNotCut();
    void oldFileWithFewerColumns();
    void numberOfLine_data();
    void numberOfLine();
};

void TestFindList::creditTransferLine_data()
{
    QTest::addColumn<qint64>("kod");
    QTest::addColumn<QStringList>("texts");  // bank, payee, payer, reason
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty columns show 20 blanks, the bank too")
        << qint64(42) << QStringList{QString(), QString(), u"Алфа"_s, u"   "_s}
        << u"   42 |                      |                      | Алфа                 |                     "_s;
    QTest::newRow("leading blanks kept, line breaks blanked")
        << qint64(3) << QStringList{u"  ДСК"_s, u"Ред1\nРед2"_s, u"Б"_s, u"О"_s}
        << u"    3 |   ДСК           | Ред1 Ред2            | Б                    | О                        "_s;
}

void TestFindList::creditTransferLine()
{
    QFETCH(qint64, kod);
    QFETCH(QStringList, texts);
    QFETCH(QString, expected);
    TempStore t;
    putPln(t, kod, texts[0], texts[1], texts[2], texts[3]);
    const FindListView v = list(t, 3);
    QCOMPARE(v.lines, QStringList{expected});
    QCOMPARE(v.headers, paymentHeaders);
    QCOMPARE(v.caption, u"Заглавие"_s);
    QCOMPARE(NumberOfLine(v.lines.first()), kod);
}

// What a text in a search field finds among four credit transfers, and which
// line is selected for the caller's document.
void TestFindList::matching_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("field");
    QTest::addColumn<qint64>("current");
    QTest::addColumn<QList<qint64>>("found");
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("selected");
    QTest::newRow("empty text lists all, field ignored")
        << QString() << 1 << qint64(5) << QList<qint64>{1, 2, 3, 5} << u"Прочетени 4 записа."_s << 3;
    QTest::newRow("middle of a payee's name, caller filtered out")
        << u"ПЕТР"_s << 1 << qint64(2) << QList<qint64>{1, 3} << u"Прочетени 2 записа."_s << 0;
    QTest::newRow("same text not in the payers")
        << u"ПЕТР"_s << 0 << qint64(5) << QList<qint64>{} << u"Няма записи."_s << -1;
    QTest::newRow("beyond the shown 20 characters")
        << u"ВТОРИ"_s << 1 << qint64(0) << QList<qint64>{5} << u"Прочетен 1 запис."_s << 0;
    QTest::newRow("unknown field is the payer, caller among the matches")
        << u"ООД"_s << 7 << qint64(5) << QList<qint64>{1, 5} << u"Прочетени 2 записа."_s << 1;
}

void TestFindList::matching()
{
    QFETCH(QString, text);
    QFETCH(int, field);
    QFETCH(qint64, current);
    QFETCH(QList<qint64>, found);
    QFETCH(QString, count);
    QFETCH(int, selected);
    TempStore t;
    putPln(t, 3, u"ОББ"_s, u"Стефан Петров"_s, u"Бета АД"_s, u"Наем"_s);
    putPln(t, 1, u"УниКредит"_s, u"Мария Петрова"_s, u"Алфа ООД"_s, u"Наем"_s);
    putPln(t, 5, u"ОББ"_s, u"Дълго име на получател и втори ред"_s, u"Гама ООД"_s, u"Заплата"_s);
    putPln(t, 2, u"ДСК"_s, u"Иван Иванов"_s, u"Делта ЕТ"_s, u"Услуга"_s);
    const FindListView v = list(t, 3, text, field, current);
    QCOMPARE(numbers(v), found);
    QCOMPARE(v.countText, count);
    QCOMPARE(v.selected, selected);
}

void TestFindList::emptyLists_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("headers");
    QTest::newRow("empty reports base") << 22 << paymentHeaders + QStringList{u"Сума"_s};
    QTest::newRow("no such search kind") << 16 << QStringList{};
}

void TestFindList::emptyLists()
{
    QFETCH(int, kind);
    QFETCH(QStringList, headers);
    TempStore t;
    const FindListView v = list(t, kind, QString(), 0, 1);
    QVERIFY(v.lines.isEmpty());
    QCOMPARE(v.countText, u"Няма записи."_s);
    QCOMPARE(v.selected, -1);
    QCOMPARE(v.headers, headers);
    QVERIFY(t.ui.shown().isEmpty());
}

// Every search kind lists its own table of its own file: a list that reads
// another one lists nothing. The probes are the texts that the search fields
// 0, 1 and 2 find (equal where two fields look in the same column), then a
// text of the row that no field looks in.
void TestFindList::eachKindReadsItsOwnTable_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("db");
    QTest::addColumn<QString>("table");
    QTest::addColumn<qint64>("key");
    QTest::addColumn<QVariantMap>("values");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("probes");
    QTest::addColumn<QString>("detail");  // one line of what "Избор" shows; empty: no "Избор"

    const int M = int(DbKind::Main), R = int(DbKind::Reports);
    // A main-base kind and, when given, its reports-base twin, whose line
    // ends in the amount.
    auto add = [&](int kind, int reportKind, const QString &table, const QVariantMap &v,
                   const QStringList &cells, const QStringList &probes, const QString &detail = {},
                   const QString &reportDetail = {}) {
        if (kind)
            QTest::addRow("%d %s", kind, qPrintable(table))
                << kind << M << table << qint64(41) << v << line(cells) << probes << detail;
        if (reportKind)
            QTest::addRow("%d reports %s", reportKind, qPrintable(table))
                << reportKind << R << table << qint64(41) << v
                << line(cells + QStringList{u"        1250.00"_s}) << probes << reportDetail;
    };
    const QString id = u"   41"_s;
    for (const auto &[kind, reportKind, table] :
         {std::tuple{1, 20, u"PlnBTable"_s}, {2, 21, u"BPlnTable"_s}, {3, 22, u"PlnTable"_s},
          {13, 28, u"PlnB4Table"_s}, {35, 0, u"PlnMTable"_s}}) {
        const QString n = QString::number(kind);
        add(kind, reportKind, table,
            {{u"DoBanka"_s, u"Банка "_s + n}, {u"Poluchatel"_s, u"Получател "_s + n},
             {u"Nareditel"_s, u"Наредител "_s + n}, {u"Osnovanie"_s, u"Основание "_s + n}, {u"suma"_s, u"1250"_s}},
            {id, w(u"Банка "_s + n, 15), w(u"Получател "_s + n, 20), w(u"Наредител "_s + n, 20),
             w(u"Основание "_s + n, 25)},
            {u"НАРЕДИТЕЛ"_s, u"ПОЛУЧАТЕЛ"_s, u"БАНКА"_s, u"ОСНОВАНИЕ"_s});
    }
    add(0, 29, u"PlnMTable"_s,
        {{u"DoBanka"_s, u"Банка"_s}, {u"Poluchatel"_s, u"Получател"_s}, {u"Nareditel"_s, u"Наредител"_s},
         {u"Osnovanie"_s, u"Основание 29 за внос на стока"_s}, {u"suma"_s, u"1250"_s}},
        {id, w(u"Банка"_s, 15), w(u"Получател"_s, 20), w(u"Наредител"_s, 20), u"Основание 29 за внос на с"_s},
        {u"НАРЕДИТЕЛ"_s, u"ПОЛУЧАТЕЛ"_s, u"БАНКА"_s, u"ОСНОВАНИЕ"_s}, {},
        u"Основание: Основание 29 за внос на стока"_s);
    add(4, 23, u"IskTable"_s,
        {{u"DoBanka"_s, u"Инвестбанк"_s}, {u"Poluchatel"_s, u"Топлофикация"_s},
         {u"Platec"_s, u"Георги Иванов"_s}, {u"Osnovanie"_s, u"Отопление"_s}, {u"suma"_s, u"1250"_s}},
        {id, w(u"Инвестбанк"_s, 15), w(u"Топлофикация"_s, 20), w(u"Георги Иванов"_s, 20), w(u"Отопление"_s, 25)},
        {u"ГЕОРГИ"_s, u"ТОПЛО"_s, u"ИНВЕСТ"_s, u"ОТОПЛЕНИЕ"_s});
    add(5, 24, u"VnosTable"_s,
        {{u"DoBanka"_s, u"Пощенска банка"_s}, {u"Vnositel"_s, u"Петър Колев"_s},
         {u"Nareditel"_s, u"ЕТ Слънце"_s}, {u"Osnovanie"_s, u"Вноска"_s}, {u"suma"_s, u"1250"_s}},
        {id, w(u"Пощенска банка"_s, 15), w(u"Петър Колев"_s, 20), w(u"ЕТ Слънце"_s, 20), w(u"Вноска"_s, 25)},
        {u"КОЛЕВ"_s, u"СЛЪНЦЕ"_s, u"ПОЩЕНСКА"_s, u"ВНОСКА"_s});
    add(6, 25, u"RazTable"_s,
        {{u"DoBanka"_s, u"ДСК"_s}, {u"Poluchatel"_s, u"Стоян Стоев"_s}, {u"Nareditel"_s, u"Фирма Раз ООД"_s},
         {u"suma"_s, u"1250"_s}, {u"egn"_s, u"7501011234"_s}, {u"pDate"_s, QDate(2024, 5, 3)}},
        {id, w(u"ДСК"_s, 15), w(u"Стоян Стоев"_s, 20), w(u"Фирма Раз ООД"_s, 20)},
        {u"РАЗ"_s, u"СТОЯН"_s, u"ДСК"_s, u"7501011234"_s}, u"Дата: 03.05.2024"_s, u"Сума: 1250.00"_s);
    add(11, 26, u"PKOTable"_s,
        {{u"Firma"_s, u"Моята фирма"_s}, {u"Vnositel"_s, u"Касиер Пенка"_s},
         {u"Osnovanie"_s, u"Връщане аванс"_s}, {u"suma"_s, u"1250"_s}, {u"Bulstat"_s, u"831234567"_s}},
        {id, w(u"Касиер Пенка"_s, 20), w(u"Моята фирма"_s, 20), w(u"Връщане аванс"_s, 25)},
        {u"ПЕНКА"_s, u"МОЯТА"_s, u"АВАНС"_s, u"831234567"_s});
    add(12, 27, u"RKOTable"_s,
        {{u"Firma"_s, u"Моята фирма"_s}, {u"Poluchatel"_s, u"Шофьор Иван"_s},
         {u"Osnovanie"_s, u"Командировка"_s}, {u"suma"_s, u"1250"_s}, {u"Karta"_s, u"Лична карта"_s}},
        {id, w(u"Шофьор Иван"_s, 20), w(u"Моята фирма"_s, 20), w(u"Командировка"_s, 25)},
        {u"МОЯТА"_s, u"ШОФЬОР"_s, u"КОМАНДИРОВКА"_s, u"КАРТА"_s});
    add(7, 0, u"KlientTable"_s,
        {{u"KlIme"_s, u"Гама Трейд ЕООД - клон Пловдив Изток"_s}, {u"BankIme"_s, u"УниКредит Булбанк АД"_s},
         {u"IBAN"_s, u"BG80BNBG96611020345678"_s}, {u"Phone"_s, u"Доставчик на хартия"_s}},
        {id, u"Гама Трейд ЕООД - клон Пл"_s, u"УниКредит Булба"_s, u"BG80BNBG96611020345678"_s,
         w(u"Доставчик на хартия"_s, 25)},
        {u"ИЗТОК"_s, u"ИЗТОК"_s, u"ИЗТОК"_s, u"БУЛБАНК"_s});
    QTest::newRow("8 ParagrafTable, numbered by Row")
        << 8 << M << u"ParagrafTable"_s << qint64(3)
        << QVariantMap{{u"kod"_s, u"551400"_s}, {u"ime"_s, u"Вноски за ДОО"_s}} << u"    3 | 551400       | Вноски за ДОО"_s
        << QStringList{u"ДОО"_s, u"ДОО"_s, u"ДОО"_s, u"5514"_s} << u"Обяснителен текст: Вноски за ДОО"_s;
    add(9, 0, u"MassTable"_s,
        {{u"DoBanka"_s, u"ЦКБ"_s}, {u"IBANp"_s, u"BG11CECB97901012345678"_s},
         {u"Nareditel"_s, u"ОБЩИНА ЧЕПЕЛАРЕ"_s}, {u"suma"_s, u"1234,5"_s}, {u"SEBRA"_s, u"554433"_s}},
        {id, w(u"ЦКБ"_s, 15), u"BG11CECB97901012345678"_s, w(u"ОБЩИНА ЧЕПЕЛАРЕ"_s, 20), u"        1234.50"_s},
        {u"ЧЕПЕЛАРЕ"_s, u"CECB"_s, u"ЦКБ"_s, u"554433"_s}, u"Код по МФ в СЕБРА: 554433"_s);
    add(10, 0, u"SDDTable"_s,
        {{u"DoBanka"_s, u"ОББ"_s}, {u"Poluchatel"_s, u"Енерго Про"_s}, {u"Platec"_s, u"Веселин Димов"_s},
         {u"uslovia"_s, u"Ежемесечно"_s}},
        {id, w(u"ОББ"_s, 15), w(u"Енерго Про"_s, 20), w(u"Веселин Димов"_s, 20)},
        {u"ВЕСЕЛИН"_s, u"ЕНЕРГО"_s, u"ОББ"_s, u"ЕЖЕМЕСЕЧНО"_s}, u"Условия: Ежемесечно"_s);
    QTest::newRow("14 KomandTable, numbered by No")
        << 14 << M << u"KomandTable"_s << qint64(17)
        << QVariantMap{{u"Ime"_s, u"Иван Иванов"_s}, {u"Do"_s, u"Варна"_s},
                       {u"In"_s, u"Завод Девня Цимент АД, цех 2"_s}, {u"Date"_s, QDate(2024, 3, 15)},
                       {u"Work"_s, u"Монтаж"_s}}
        << line({u"   17"_s, w(u"Иван Иванов"_s, 20), w(u"Варна"_s, 20), u"Завод Девня Цимент АД, це"_s,
                 u"15.03.2024"_s})
        << QStringList{u"ИВАНОВ"_s, u"ВАРНА"_s, u"ДЕВНЯ"_s, u"МОНТАЖ"_s} << QString();
    QTest::newRow("15 NotesTable") << 15 << M << u"NotesTable"_s << qint64(4)
                                   << QVariantMap{{u"Ime"_s, u"Общината"_s}} << u"    4 | Общината            "_s
                                   << QStringList{u"ОБЩ"_s, u"ОБЩ"_s, u"ОБЩ"_s, QString()} << QString();
    add(36, 0, u"BuyTable"_s,
        {{u"DoBanka"_s, u"ПИБ"_s}, {u"Titul"_s, u"Елена Тодорова"_s}, {u"vidValuta0"_s, u"EUR"_s},
         {u"suma0"_s, u"1000"_s}, {u"suma1"_s, u"7"_s}},
        {id, w(u"ПИБ"_s, 15), w(u"Елена Тодорова"_s, 20), w(u"EUR"_s, 20), u"        1000.00"_s},
        {u"ЕЛЕНА"_s, u"ЕЛЕНА"_s, u"ПИБ"_s, u"EUR"_s});
}

void TestFindList::eachKindReadsItsOwnTable()
{
    QFETCH(int, kind);
    QFETCH(int, db);
    QFETCH(QString, table);
    QFETCH(qint64, key);
    QFETCH(QVariantMap, values);
    QFETCH(QString, expected);
    QFETCH(QStringList, probes);
    QFETCH(QString, detail);
    TempStore t;
    put(t, DbKind(db), table, key, values);
    const FindListView v = list(t, kind, QString(), 0, key);
    QCOMPARE(v.lines, QStringList{expected});
    QCOMPARE(v.selected, 0);
    QCOMPARE(NumberOfLine(v.lines.first()), key);
    QCOMPARE(v.expandable, !detail.isEmpty());
    QCOMPARE(v.details.size(), detail.isEmpty() ? 0 : 1);
    if (!detail.isEmpty())
        QVERIFY2(v.details.first().split(u'\n').contains(detail), qPrintable(v.details.first()));

    // Each search field looks in its own column, and no field in the last probe's.
    for (int field = 0; field < 3; ++field)
        for (const QString &probe : probes)
            if (!probe.isEmpty())
                QVERIFY2(list(t, kind, probe, field).lines.size() == (probe == probes[field] ? 1 : 0),
                         qPrintable(u"field %1, text %2"_s.arg(field).arg(probe)));
    QVERIFY2(t.ui.shown().isEmpty(), qPrintable(t.ui.texts().join(u'\n')));
}

void TestFindList::numbersThatDoNotFitAreNotCut()
{
    TempStore t;
    putPln(t, 23456, u"Б"_s, u"П"_s, u"Н"_s, u"О"_s);
    putPln(t, 123456, u"Б"_s, u"П"_s, u"Н"_s, u"О"_s);
    const FindListView v = list(t, 3, QString(), 0, 123456);
    QCOMPARE(v.lines.size(), 2);
    QVERIFY2(v.lines[1].startsWith(u"123456 | Б "_s), qPrintable(v.lines[1]));
    QCOMPARE(numbers(v), (QList<qint64>{23456, 123456}));
    QCOMPARE(v.selected, 1);
}

void TestFindList::oldFileWithFewerColumns()
{
    TempStore t;
    // Written by another tool: no payer or reason column, the amount a real number.
    QVERIFY(execOn(t.path(u"SprDocs.MDB"_s),
                   u"CREATE TABLE PlnTable (Kod INTEGER, DoBanka TEXT(35), Poluchatel TEXT(85), "
                   "pDate TEXT(35), suma MONEY); "
                   "INSERT INTO PlnTable VALUES (8, 'ОББ', 'Иван', '01.02.2024', 12.5)"_s));
    const FindListView v = list(t, 22, u"ИВ"_s, 1);
    QCOMPARE(v.lines, QStringList{line({u"    8"_s, w(u"ОББ"_s, 15), w(u"Иван"_s, 20), blanks20, blanks20,
                                        u"          12.50"_s})});
    QVERIFY2(t.ui.shown().isEmpty(), qPrintable(t.ui.texts().join(u'\n')));
}

void TestFindList::numberOfLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("number");
    QTest::newRow("negative") << u"   -3 | x"_s << qint64(-3);
    QTest::newRow("digits then letters") << u"  12ab"_s << qint64(12);
    QTest::newRow("empty") << QString() << qint64(0);
    QTest::newRow("no number") << u"abc 5"_s << qint64(0);
    QTest::newRow("sign alone") << u"   - | 5"_s << qint64(0);
    QTest::newRow("too large") << u"99999999999999999999"_s << qint64(0);
}

void TestFindList::numberOfLine()
{
    QFETCH(QString, text);
    QFETCH(qint64, number);
    QCOMPARE(NumberOfLine(text), number);
}

QTEST_GUILESS_MAIN(TestFindList)
#include "tst_find_list.moc"
