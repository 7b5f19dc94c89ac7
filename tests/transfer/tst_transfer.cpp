// Export and import through the files of a folder, with a scripted user.

#include "support/temp_store.h"
#include "transfer/line_format.h"
#include "transfer/transfer.h"
#include "transfer/transfer_folder.h"
#include "transfer/transfer_kinds.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

namespace {

QList<int> allKinds()
{
    QList<int> k;
    for (int i = 0; i < transferKinds().size(); ++i) k.append(i);
    return k;
}

// Row 0 holds Cyrillic texts and four-decimal amounts, row 1 is empty,
// row 2 has leading blanks, a negative number and the long date form.
Record sample(const TransferKind &kind, int row)
{
    const TableDef &def = kind.tableDef();
    Record r(def);
    for (int i = 0; i < def.fields.size(); ++i) {
        const FieldDef &f = def.fields[i];
        if (row == 1)
            continue;
        switch (f.type) {
        case FieldType::Text:
            if (f.name.compare(kind.textDate, Qt::CaseInsensitive) == 0)
                r.set(i, row == 0 ? u"05.01.2010"_s : u"31 декември 2026 г."_s);
            else
                r.set(i, row == 0 ? u"Иван Петров „Юг“ № %1 — 5€ ЁЪЯ"_s.arg(i)
                                  : u"  с водещи интервали %1"_s.arg(i));
            break;
        case FieldType::Int16:
        case FieldType::Int32: r.set(i, qint32(row == 0 ? 12 + i : -7)); break;
        case FieldType::Money: r.set(i, Money::fromRaw(row == 0 ? 12345678 + i : -12345600)); break;
        case FieldType::Double: r.set(i, row == 0 ? 2.5 : -0.125); break;
        case FieldType::Date: r.set(i, row == 0 ? QDate(2010, 1, 5) : QDate(2026, 12, 31)); break;
        case FieldType::Boolean: r.set(i, true); break;
        }
    }
    return r;
}

QList<Record> rowsOf(Store &store, const TransferKind &kind)
{
    QList<Record> out;
    auto t = store.table(kind.tableDef());
    if (t)
        t->scan(Table::Order::Key, [&](const Record &r) {
            out.append(r);
            return true;
        });
    return out;
}

void put(Store &store, const QString &table, const QList<std::pair<int, QString>> &rows)
{
    auto t = store.table(DbKind::Main, table);
    QVERIFY(t);
    for (const auto &[key, text] : rows) {
        Record r(t->def());
        r.setKey(key);
        r.set(1, text);  // the first field after the key is a text in every table used here
        QVERIFY(t->save(r));
    }
}

QByteArray cp1251(const QString &text)
{
    QStringEncoder enc("windows-1251");
    return enc.encode(text);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString shown(const Record &r, const QString &field)
{
    const int i = r.def().fieldIndex(field);
    const Record::Value &v = r.at(i);
    switch (r.def().fields[i].type) {
    case FieldType::Text: {
        QString s = std::get<QString>(v);
        while (s.endsWith(u' ')) s.chop(1);
        return s;
    }
    case FieldType::Money: return TransferAmountText(std::get<Money>(v));
    case FieldType::Date: return std::get<QDate>(v).toString(Qt::ISODate);
    case FieldType::Boolean: return std::get<bool>(v) ? u"1"_s : u"0"_s;
    default: return QString::number(std::get<qint32>(v));
    }
}

}  // namespace

class TestTransfer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTripOfEveryKind();
    void goldenFiles_data();
    void goldenFiles();
    void readingALine_data();
    void readingALine();
    void badLineWithEmptyFirst_data();
    void badLineWithEmptyFirst();
    void keepModeContinuesAfterTheHighestNumber();
    void nothingToDo_data();
    void nothingToDo();
    void unwritableTextsStopTheExport();
    void namesMatchWithoutRegardToCase();
    void folderIsRemembered();
};

// Every kind goes out and comes back into a fresh database in one run:
// the same rows, apart from new numbers, the long date and the fees.
void TestTransfer::roundTripOfEveryKind()
{
    TempStore from, to;
    QTemporaryDir folder;
    const auto &kinds = transferKinds();
    for (const TransferKind &kind : kinds) {
        auto t = from.store->table(kind.tableDef());
        QVERIFY(t);
        const int keys[] = {2, 5, 9};
        for (int row = 0; row < 3; ++row) {
            Record r = sample(kind, row);
            r.setKey(keys[row]);
            QVERIFY(t->save(r));
        }
    }
    const TransferResult out = Transfer(*from.store).exportTo(folder.path(), allKinds());
    QVERIFY(out.completed);
    QCOMPARE(out.written, 3 * kinds.size());

    to.ui.answer(true);  // "Преди запис изчиства таблиците?"
    const TransferResult in = Transfer(*to.store).importFrom(folder.path(), allKinds());
    QVERIFY(in.completed);
    QCOMPARE(to.ui.texts().last(), u"Прочетени редове: 48\nЗаписани: 48\nПрескочени: 0"_s);

    for (const TransferKind &kind : kinds) {
        const QList<Record> got = rowsOf(*to.store, kind);
        QCOMPARE(got.size(), 3);
        for (int row = 0; row < 3; ++row) {
            Record want = sample(kind, row);
            want.setKey(row + 1);
            for (const QString &f : kind.left)
                want.set(want.def().fieldIndex(f), Record(want.def()).at(want.def().fieldIndex(f)));
            if (!kind.textDate.isEmpty() && row == 0)
                want.setText(kind.textDate, u"05 януари 2010 г."_s);
            for (int i = 0; i < want.size(); ++i)
                QVERIFY2(got[row].at(i) == want.at(i),
                         qPrintable(u"%1 row %2 field %3: %4 / %5"_s.arg(
                             kind.fileName, QString::number(row), want.def().fields[i].name,
                             shown(got[row], want.def().fields[i].name),
                             shown(want, want.def().fields[i].name))));
        }
    }
}

// The files byte for byte: tabs, CR LF, code page 1251, full-width texts of
// documents, the lists' texts as stored, no fees, the key only on orders.
void TestTransfer::goldenFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("credit transfer") << u"Pln.TXT"_s;
    QTest::newRow("contractors") << u"KLIENT.TXT"_s;
    QTest::newRow("paragraphs") << u"PARAGRAF.TXT"_s;
    QTest::newRow("business trip") << u"KOM.TXT"_s;
}

void TestTransfer::goldenFiles()
{
    QFETCH(QString, file);
    TempStore t;
    QTemporaryDir folder;
    const int k = transferKindIndex(file);
    const TransferKind &kind = transferKinds()[k];
    {
        auto table = t.store->table(kind.tableDef());
        for (int row = 0; row < 2; ++row) {
            Record r = sample(kind, row);
            r.setKey(row + 1);
            QVERIFY(table->save(r));
        }
    }
    QVERIFY(Transfer(*t.store).exportTo(folder.path(), {k}).completed);
    const QByteArray got = readFile(QDir(folder.path()).filePath(file));
    const QString golden = qEnvironmentVariable("TESTDATA_DIR") + u"/transfer/golden/"_s + file;
    if (qEnvironmentVariableIsSet("REMITOR_BLESS")) {
        QVERIFY(writeFile(golden, got));
        return;
    }
    QCOMPARE(got, readFile(golden));
}

void TestTransfer::readingALine_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");  // the value, or "!" and the problem

    const QString f = u"PKO.TXT"_s;
    QTest::newRow("a full line") << f << u"Фирма\t123\t7\t05.01.2010\tИван\tзаем\t12.5"_s
                                 << u"suma"_s << u"12.5"_s;
    QTest::newRow("missing fields are empty") << f << u"Фирма"_s << u"PKOno"_s << u"0"_s;
    QTest::newRow("a long text is cut")
        << f << u"%1"_s.arg(QString(40, u'Ж')) << u"Firma"_s << QString(35, u'Ж');
    QTest::newRow("a control code is a blank") << f << u"\x01текст"_s << u"Firma"_s << QString();
    QTest::newRow("blank before a number") << f << u"\t\t 12"_s << u"PKOno"_s << u"12"_s;
    QTest::newRow("date with slashes") << f << u"\t\t\t5/1/2010"_s << u"pDate"_s << u"2010-01-05"_s;
    QTest::newRow("no such date") << f << u"\t\t\t31.02.2010"_s << u"pDate"_s << QString();
    QTest::newRow("four decimals")
        << f << u"\t\t\t\t\t\t-1234.5678"_s << u"suma"_s << u"-1234.5678"_s;
    QTest::newRow("point first") << f << u"\t\t\t\t\t\t.5"_s << u"suma"_s << u"0.5"_s;
    QTest::newRow("words for an amount")
        << f << u"\t\t\t\t\t\tсто"_s << u"suma"_s << u"!полето suma не е число: „сто“"_s;
    QTest::newRow("decimal comma")
        << f << u"\t\t\t\t\t\t12,50"_s << u"suma"_s << u"!полето suma не е число: „12,50“"_s;
    QTest::newRow("five decimals")
        << f << u"\t\t\t\t\t\t1.23456"_s << u"suma"_s << u"!полето suma не е число: „1.23456“"_s;
    QTest::newRow("16-bit overflow")
        << f << u"\t\t70000"_s << u"PKOno"_s << u"!полето PKOno не е число: „70000“"_s;
    QTest::newRow("letters after digits")
        << f << u"\t\t7a"_s << u"PKOno"_s << u"!полето PKOno не е число: „7a“"_s;
    QTest::newRow("one field too many")
        << f << u"1\t2\t3\t4\t5\t6\t7\t8"_s << u"Firma"_s << u"!8 полета, а записът има 7"_s;

    const QString pln = u"Pln.TXT"_s;
    const QString dated = u"\t\t\t\t%1"_s;
    QTest::newRow("text date") << pln << dated.arg(u"05.01.2010"_s) << u"pDate"_s
                               << u"05 януари 2010 г."_s;
    QTest::newRow("long date stays")
        << pln << dated.arg(u"05 май 2010 г."_s) << u"pDate"_s << u"05 май 2010 г."_s;
    QTest::newRow("text that is no date stays")
        << pln << dated.arg(u"по договор"_s) << u"pDate"_s << u"по договор"_s;

    const QString kom = u"KOM.TXT"_s;
    const QString flag = QString(20, u'\t') + u"%1"_s;
    QTest::newRow("flag True") << kom << flag.arg(u"True"_s) << u"doklad"_s << u"1"_s;
    QTest::newRow("flag false") << kom << flag.arg(u"false"_s) << u"doklad"_s << u"0"_s;
    QTest::newRow("flag -1") << kom << flag.arg(u"-1"_s) << u"doklad"_s << u"1"_s;
    QTest::newRow("flag in words") << kom << flag.arg(u"да"_s) << u"doklad"_s
                                   << u"!полето doklad не е „True“ или „False“: „да“"_s;
}

void TestTransfer::readingALine()
{
    QFETCH(QString, file);
    QFETCH(QString, line);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    const TransferKind &kind = transferKinds()[transferKindIndex(file)];
    const LineFormat format(kind);
    Record r(kind.tableDef());
    const QString problem = format.read(cp1251(line), r);
    if (expected.startsWith(u'!'))
        QCOMPARE(problem, expected.mid(1));
    else {
        QCOMPARE(problem, QString());
        QCOMPARE(shown(r, field), expected);
    }
}

// Two kinds in one run; the contractors' file has a line that cannot be
// read in the middle. Cancelling leaves both tables as they were, emptied
// ones included; skipping writes the other lines.
void TestTransfer::badLineWithEmptyFirst_data()
{
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<QString>("problem");
    QTest::newRow("amount in words") << cp1251(u"Фирма\t1\t2\t\tИван\tзаем\tсто"_s)
                                     << u"PKO.TXT, ред 2: полето suma не е число: „сто“"_s;
    QTest::newRow("undefined byte")
        << QByteArray("Firma \x98 x")
        << u"PKO.TXT, ред 2: байтът 0x98 няма знак в кодова таблица 1251"_s;
}

void TestTransfer::badLineWithEmptyFirst()
{
    QFETCH(QByteArray, bad);
    QFETCH(QString, problem);
    for (const bool skip : {false, true}) {
        TempStore t;
        QTemporaryDir folder;
        put(*t.store, u"KlientTable"_s, {{1, u"Стар контрагент"_s}});
        put(*t.store, u"PKOTable"_s, {{1, u"Стар ордер 1"_s}, {2, u"Стар ордер 2"_s}});
        QVERIFY(writeFile(folder.filePath(u"KLIENT.TXT"_s), cp1251(u"Нов контрагент\r\n"_s)));
        QVERIFY(writeFile(folder.filePath(u"PKO.TXT"_s), cp1251(u"Първи\t\t1\r\n"_s) + bad +
                                                             "\r\n" + cp1251(u"Трети\t\t3\r\n"_s)));
        t.ui.answer(true);  // empty the tables first
        t.ui.answer(skip);  // at the bad line
        const TransferResult r = Transfer(*t.store).importFrom(
            folder.path(), {transferKindIndex(u"cKlient"_s), transferKindIndex(u"cPKO"_s)});
        QCOMPARE(r.completed, skip);
        QVERIFY(t.ui.shown()[1].text.startsWith(problem + u"\n\n"_s));
        const QString db = t.path(u"Remitor.MDB"_s);
        if (!skip) {
            QCOMPARE(rowsOn(db, u"SELECT kod, KlIme FROM KlientTable"_s),
                     QStringList{u"1|Стар контрагент"_s});
            QCOMPARE(rowsOn(db, u"SELECT kod, Firma FROM PKOTable"_s),
                     (QStringList{u"1|Стар ордер 1"_s, u"2|Стар ордер 2"_s}));
            QCOMPARE(t.ui.texts().last(),
                     problem + u"\nИмпортът е отменен: таблиците са както преди."_s);
        } else {
            QCOMPARE(rowsOn(db, u"SELECT kod, KlIme FROM KlientTable"_s),
                     QStringList{u"1|Нов контрагент"_s});
            QCOMPARE(rowsOn(db, u"SELECT kod, Firma, PKOno FROM PKOTable"_s),
                     (QStringList{u"1|Първи|1"_s, u"2|Трети|3"_s}));
            QCOMPARE(t.ui.texts().last(),
                     u"Прочетени редове: 4\nЗаписани: 3\nПрескочени: 1\n\n"_s + problem);
        }
    }
}

// Without emptying, the numbers go on after the highest one in use, past a
// gap, and no stored document is overwritten.
void TestTransfer::keepModeContinuesAfterTheHighestNumber()
{
    TempStore t;
    QTemporaryDir folder;
    put(*t.store, u"PlnTable"_s, {{1, u"а"_s}, {2, u"б"_s}, {5, u"в"_s}});
    QVERIFY(writeFile(folder.filePath(u"Pln.TXT"_s), cp1251(u"г\r\nд"_s)));
    t.ui.answer(false);  // keep
    QVERIFY(Transfer(*t.store).importFrom(folder.path(), {transferKindIndex(u"cPln"_s)}).completed);
    QCOMPARE(rowsOn(t.path(u"Remitor.MDB"_s), u"SELECT kod, DoBanka FROM PlnTable ORDER BY kod"_s),
             (QStringList{u"1|а"_s, u"2|б"_s, u"5|в"_s, u"6|г"_s, u"7|д"_s}));
}

void TestTransfer::nothingToDo_data()
{
    QTest::addColumn<bool>("isImport");
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QString>("message");
    QTest::newRow("export, nothing ticked")
        << false << QList<int>{} << u"Няма посочени данни за експорт."_s;
    QTest::newRow("import, nothing ticked")
        << true << QList<int>{} << u"Няма посочени данни за импорт."_s;
    QTest::newRow("import, no files")
        << true << QList<int>{0, 3} << u"На устройство %1 няма данни."_s;
}

void TestTransfer::nothingToDo()
{
    QFETCH(bool, isImport);
    QFETCH(QList<int>, kinds);
    QFETCH(QString, message);
    TempStore t;
    QTemporaryDir folder;
    Transfer transfer(*t.store);
    const TransferResult r = isImport ? transfer.importFrom(folder.path(), kinds)
                                      : transfer.exportTo(folder.path(), kinds);
    QVERIFY(!r.completed);
    QCOMPARE(t.ui.texts(),
             QStringList{message.replace(u"%1"_s, QDir::toNativeSeparators(folder.path()))});
    QVERIFY(QDir(folder.path()).isEmpty());
}

// A character that code page 1251 does not have, and a tab, are named before
// anything is written: the old file stays, and nothing is left beside it.
void TestTransfer::unwritableTextsStopTheExport()
{
    TempStore t;
    QTemporaryDir folder;
    put(*t.store, u"KlientTable"_s, {{1, u"Őz Kft."_s}, {2, u"Наред"_s}});
    put(*t.store, u"PlnTable"_s, {{3, u"банка\tклон"_s}});
    const QByteArray old = "old file\r\n";
    QVERIFY(writeFile(folder.filePath(u"KLIENT.TXT"_s), old));
    const TransferResult r = Transfer(*t.store).exportTo(
        folder.path(), {transferKindIndex(u"cKlient"_s), transferKindIndex(u"cPln"_s)});
    QVERIFY(!r.completed);
    const QString text = t.ui.texts().join(u'\n');
    QVERIFY2(text.contains(u"Pln.TXT, № 3, поле DoBanka: табулация"_s), qPrintable(text));
    QVERIFY2(text.contains(u"KLIENT.TXT, № 1, поле KlIme: „Ő“ (U+0150)"_s), qPrintable(text));
    QVERIFY(!text.contains(u"№ 2"_s));
    QCOMPARE(readFile(folder.filePath(u"KLIENT.TXT"_s)), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"KLIENT.TXT"_s});
}

// A file of another installation spelt in other letters is the same file:
// the export writes over it rather than beside it, and the import finds it.
void TestTransfer::namesMatchWithoutRegardToCase()
{
    TempStore t;
    QTemporaryDir folder;
    QVERIFY(writeFile(folder.filePath(u"plnb.txt"_s), "old\r\n"));
    put(*t.store, u"PlnBTable"_s, {{1, u"Банка"_s}});
    const int k = transferKindIndex(u"cPlnB"_s);
    QVERIFY(Transfer(*t.store).exportTo(folder.path(), {k}).completed);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{u"plnb.txt"_s});
    t.ui.answer(true);
    QVERIFY(Transfer(*t.store).importFrom(folder.path(), {k}).completed);
    QCOMPARE(rowsOn(t.path(u"Remitor.MDB"_s), u"SELECT kod, DoBanka FROM PlnBTable"_s),
             QStringList{u"1|Банка"_s});
}

void TestTransfer::folderIsRemembered()
{
    TempStore t;
    QCOMPARE(LoadTransferFolder(*t.store), QString());
    QVERIFY(SaveTransferFolder(*t.store, u"/media/флашка"_s));
    QVERIFY(SaveTransferFolder(*t.store, u"/media/usb"_s));
    // A path longer than the field would be kept cut, as another folder.
    QVERIFY(!SaveTransferFolder(*t.store, u"/"_s + QString(300, u'x')));
    QCOMPARE(LoadTransferFolder(*t.store), u"/media/usb"_s);
    QCOMPARE(rowsOn(t.path(u"Remitor.MDB"_s), u"SELECT COUNT(*) FROM TransferTable"_s),
             QStringList{u"1"_s});
}

QTEST_GUILESS_MAIN(TestTransfer)
#include "tst_transfer.moc"
