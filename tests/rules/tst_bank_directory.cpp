#include "rules/bank_directory.h"
#include "rules/identifiers.h"
#include "support/ibans.h"
#include "support/scripted_interaction.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace remitor;
using namespace remitor::test;

Q_DECLARE_METATYPE(BankCheck)

namespace {

enum class Place { Nothing, File };

}  // namespace

Q_DECLARE_METATYPE(Place)

class TestBankDirectory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parsing_data();
    void parsing();
    void shippedDirectory();
    void fileBesideTheDatabases_data();
    void fileBesideTheDatabases();
    void check_data();
    void check();
};

void TestBankDirectory::parsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code");   // looked up
    QTest::addColumn<QString>("entry");  // "BIC|name|note", empty when not found
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("skipped");
    QTest::newRow("comments, blank lines, CRLF")
        << u"# Код|BIC|Банка\r\n\r\n   \r\nUNCR|UNCRBGSF|УниКредит Булбанк АД\r\n"_s << u"UNCR"_s
        << u"UNCRBGSF|УниКредит Булбанк АД|"_s << 1 << 0;
    QTest::newRow("byte-order mark, blanks, case, branch BIC")
        << u"\uFEFF uncr | uncrbgsf733 | УниКредит |"_s << u"Uncr"_s << u"UNCRBGSF733|УниКредит|"_s
        << 1 << 0;
    QTest::newRow("the later line wins") << u"UNCR|UNCRBGSF|Стара|\nUNCR|UNCRBGSF|Нова|"_s
                                         << u"UNCR"_s << u"UNCRBGSF|Нова|"_s << 1 << 0;
    QTest::newRow("no BIC, a note with the separator")
        << u"PIRB||Банка Пиреос|Вляна | вижте"_s << u"PIRB"_s << u"|Банка Пиреос|Вляна | вижте"_s
        << 1 << 0;
    // Short and long codes, a Cyrillic С, BICs of the wrong shape, too few
    // fields, a line with nothing in it, control characters.
    QTest::newRow("bad lines are skipped")
        << u"UNC|UNCRBGSF|x\nUNCRB|UNCRBGSF|x\nUN\u0421R|UNCRBGSF|x\nSTSA|STSABGS|x\n"
           u"STSA|STSA BGSF|x\nSTSA|STSABGSF12|x\nFINV\nFINV|FINVBGSF\nCECB|||\n\u0001|\u00ff\n"
           u"BPBI|BPBIBGSF|Юробанк|"_s
        << u"BPBI"_s << u"BPBIBGSF|Юробанк|"_s << 1 << 10;
    QTest::newRow("unknown code") << u"UNCR|UNCRBGSF|x"_s << u"ZZZZ"_s << QString() << 1 << 0;
}

void TestBankDirectory::parsing()
{
    QFETCH(QString, text);
    QFETCH(QString, code);
    QFETCH(QString, entry);
    QFETCH(int, size);
    QFETCH(int, skipped);
    const BankDirectory dir = BankDirectory::fromText(text);
    QCOMPARE(dir.size(), size);
    QCOMPARE(dir.skippedLines(), skipped);
    const BankEntry *e = dir.find(code);
    QCOMPARE(e ? e->bic + u'|' + e->name + u'|' + e->note : QString(), entry);
}

void TestBankDirectory::shippedDirectory()
{
    const BankDirectory dir = BankDirectory::shipped();
    QCOMPARE(dir.source(), QString::fromUtf16(BankDirectory::ResourcePath));
    QCOMPARE(dir.skippedLines(), 0);
    // The codes in use, some with the BIC every order of theirs carries.
    for (const QString &s : {u"UNCR UNCRBGSF"_s, u"STSA STSABGSF"_s, u"BPBI BPBIBGSF"_s,
                             u"UBBS UBBSBGSF"_s, u"FINV FINVBGSF"_s, u"BNPA BNPABGSX"_s,
                             u"BNBG BNBGBGSD"_s, u"CECB"_s, u"NASB"_s, u"BUIN"_s, u"PRCB"_s,
                             u"SOMB"_s, u"IORT"_s, u"BGUS"_s, u"IABG"_s, u"CITI"_s, u"INGB"_s,
                             u"DEMI"_s, u"TBIB"_s, u"CREX"_s, u"TEXI"_s, u"TCZB"_s, u"ISBK"_s}) {
        const BankEntry *e = dir.find(s.left(4));
        QVERIFY2(e && !e->name.isEmpty() && !e->merged(), qPrintable(s));
        if (s.size() > 4)
            QCOMPARE(e->bic, s.mid(5));
    }
    // A BIC always belongs to the bank of its code: a typing error in the
    // file would fill every order with another bank's BIC.
    for (const BankEntry &e : dir.entries())
        QVERIFY2(e.bic.isEmpty() || e.bic.startsWith(e.code), qPrintable(e.code));
    QVERIFY(dir.find(u"RZBB"_s)->note.contains(u"Обединена българска банка"_s));
}

void TestBankDirectory::fileBesideTheDatabases_data()
{
    QTest::addColumn<Place>("place");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("fromUser");
    QTest::addColumn<QString>("uniCredit");  // the name found for UNCR
    const QByteArray mine = u"UNCR|UNCRBGSF|Моята УниКредит|\n"_s.toUtf8();
    QStringEncoder cp1251("windows-1251");
    QTest::newRow("the user's file replaces the shipped one")
        << Place::File << mine << true << u"Моята УниКредит"_s;
    QTest::newRow("saved in windows-1251")
        << Place::File << QByteArray(cp1251(u"UNCR|UNCRBGSF|Банка в кирилица|"_s)) << true
        << u"Банка в кирилица"_s;
    QTest::newRow("no file") << Place::Nothing << QByteArray() << false
                             << u"УниКредит Булбанк АД"_s;
    QTest::newRow("nothing but bad lines")
        << Place::File << QByteArray("not a list of banks\nUNCR\n\xff\x00\x01", 27) << false
        << u"УниКредит Булбанк АД"_s;
    QTest::newRow("too large to be the list")
        << Place::File << mine + QByteArray(BankDirectory::MaxFileBytes, '#') << false
        << u"УниКредит Булбанк АД"_s;
}

void TestBankDirectory::fileBesideTheDatabases()
{
    QFETCH(Place, place);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, fromUser);
    QFETCH(QString, uniCredit);
    QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromUtf16(BankDirectory::FileName));
    if (place == Place::File) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const BankDirectory dir = BankDirectory::load(folder.path());
    QCOMPARE(dir.source(), fromUser ? path : QString::fromUtf16(BankDirectory::ResourcePath));
    QCOMPARE(dir.find(u"UNCR"_s)->name, uniCredit);
    // The user's file replaces the list: banks it does not name are unknown.
    QCOMPARE(dir.find(u"STSA"_s) == nullptr, fromUser);
}

void TestBankDirectory::check_data()
{
    QTest::addColumn<QString>("iban");
    QTest::addColumn<QString>("bic");
    QTest::addColumn<bool>("nameField");
    QTest::addColumn<QString>("name");
    QTest::addColumn<BankCheck>("result");
    QTest::addColumn<QString>("bicAfter");
    QTest::addColumn<QString>("nameAfter");
    QTest::addColumn<QStringList>("told");  // what the one message names; empty for none
    using R = BankCheck;
    const QString uncr = ValidIban(u"UNCR"_s), dsk = ValidIban(u"STSA"_s),
                  bnb = ValidIban(u"BNBG"_s);
    const QString unknown = ValidIban(u"ZZZZ"_s), rzbb = ValidIban(u"RZBB"_s);
    const QString uniCredit = u"УниКредит Булбанк АД"_s;
    QTest::newRow("UniCredit IBAN fills the BIC and the name")
        << uncr << QString() << true << QString() << R::Filled << u"UNCRBGSF"_s << uniCredit
        << QStringList();
    QTest::newRow("lower case, in groups of four")
        << u"bg%1 %2 %3"_s.arg(uncr.mid(2, 2), uncr.mid(4, 4).toLower(), uncr.mid(8)) << QString()
        << false << QString() << R::Filled << u"UNCRBGSF"_s << QString() << QStringList();
    QTest::newRow("a Cyrillic letter in the code")
        << u"BG80BNB\u041396611020345678"_s << QString() << true << QString() << R::NotBulgarian
        << QString() << QString() << QStringList();
    QTest::newRow("a typed bank name stays")
        << uncr << QString() << true << u"Клон Витоша"_s << R::Filled << u"UNCRBGSF"_s
        << u"Клон Витоша"_s << QStringList();
    QTest::newRow("a branch BIC of the bank is right")
        << uncr << u"uncrbgsf733"_s << false << QString() << R::Matches << u"uncrbgsf733"_s
        << QString() << QStringList();
    QTest::newRow("a right BIC still fills the name")
        << bnb << u"BNBGBGSF"_s << true << QString() << R::Filled << u"BNBGBGSF"_s
        << u"Българска народна банка"_s << QStringList();
    QTest::newRow("budget accounts at the central bank")
        << bnb << QString() << true << QString() << R::Filled << u"BNBGBGSD"_s
        << u"Българска народна банка"_s << QStringList();
    QTest::newRow("DSK IBAN next to a UniCredit BIC")
        << dsk << u"UNCRBGSF"_s << true << QString() << R::Mismatch << u"UNCRBGSF"_s << QString()
        << QStringList{dsk, u"Банка ДСК АД"_s, u"STSA"_s, u"UNCRBGSF"_s, uniCredit};
    QTest::newRow("a BIC of a bank the directory does not know")
        << dsk << u"abcdbgsf"_s << true << u"ДСК"_s << R::Mismatch << u"abcdbgsf"_s << u"ДСК"_s
        << QStringList{u"Банка ДСК АД"_s, u"ABCDBGSF"_s, u"друга банка"_s};
    QTest::newRow("unknown code changes nothing")
        << unknown << QString() << true << QString() << R::UnknownCode << QString() << QString()
        << QStringList();
    QTest::newRow("unknown code is not checked")
        << unknown << u"UNCRBGSF"_s << true << QString() << R::UnknownCode << u"UNCRBGSF"_s
        << QString() << QStringList();
    QTest::newRow("foreign IBAN") << u"DE89370400440532013000"_s << QString() << true << QString()
                                  << R::NotBulgarian << QString() << QString() << QStringList();
    QTest::newRow("a merged bank's code")
        << rzbb << QString() << true << QString() << R::Merged << QString() << QString()
        << QStringList{rzbb, u"RZBB"_s, u"Обединена българска банка"_s, u"Проверете сметката"_s};
}

void TestBankDirectory::check()
{
    QFETCH(QString, iban);
    QFETCH(QString, bic);
    QFETCH(bool, nameField);
    QFETCH(QString, name);
    QFETCH(BankCheck, result);
    QFETCH(QString, bicAfter);
    QFETCH(QString, nameAfter);
    QFETCH(QStringList, told);
    // The accounts are ones a payment order would accept.
    if (result != BankCheck::NotBulgarian)
        QVERIFY(CheckIBAN(QString(iban).remove(u' ').toUpper(), nullptr));
    const BankDirectory dir = BankDirectory::shipped();

    ScriptedInteraction ui;
    QString b = bic, n = name;
    QCOMPARE(CheckBankOfIban(dir, iban, b, nameField ? &n : nullptr, &ui), result);
    QCOMPARE(b, bicAfter);
    QCOMPARE(n, nameField ? nameAfter : name);
    QCOMPARE(ui.shown().size(), told.isEmpty() ? 0 : 1);
    for (const QString &part : told)
        QVERIFY2(ui.shown()[0].text.contains(part),
                 qPrintable(ui.shown()[0].text + u" / "_s + part));
    if (!told.isEmpty())
        QCOMPARE(ui.shown()[0].icon, Interaction::Icon::Warning);

    // Without a user the same is filled.
    b = bic, n = name;
    QCOMPARE(CheckBankOfIban(dir, iban, b, nameField ? &n : nullptr, nullptr), result);
    QCOMPARE(b, bicAfter);
}

QTEST_GUILESS_MAIN(TestBankDirectory)
#include "tst_bank_directory.moc"
