#include "documents/kinds.h"
#include "print/gui/page_renderer.h"
#include "print/pko_pages.h"
#include <QTest>
using namespace Qt::StringLiterals;
using namespace remitor;
class T : public QObject { Q_OBJECT private Q_SLOTS: void r() {
  for (const QString kind : {u"PKO"_s, u"RKO"_s}) {
    const bool receipt = kind == u"PKO"_s;
    Record r(kindById(kind).tableDef());
    r.setKey(3);
    r.setText(u"Firma"_s, u"Алфа Транс ООД"_s);
    r.setText(u"Bulstat"_s, u"121212125"_s);
    r.setInteger(receipt ? u"PKOno"_s : u"RKOno"_s, 12);
    r.setDate(u"pDate"_s, receipt ? QDate(2025, 12, 30) : QDate(2026, 1, 5));
    r.setText(receipt ? u"Vnositel"_s : u"Poluchatel"_s, u"Иван Петров Иванов, Габрово, ул. Брянска 12, лична карта 645123456 издадена на 12.04.2021 от МВР Габрово"_s);
    r.setText(u"Osnovanie"_s, u"Аванс за командировка до Варна, заповед 14 от 29.12.2025; остатък от предходния аванс по заповед 11 от 01.12.2025, възстановен в брой на касата"_s);
    r.setMoney(u"suma"_s, Money::fromUnits(987654321, 99));
    if (!receipt) {
        r.setText(u"Adress"_s, u"Габрово, ул. Брянска 12"_s);
        r.setText(u"Karta"_s, u"645123456 / 12.04.2021 / МВР Габрово"_s);
        r.setText(u"EGN"_s, u"750102001812"_s);
        r.setText(u"Predstavitel"_s, u"Бета ЕООД"_s);
        r.setText(u"Palnomostno"_s, u"17 / 04.01.2026"_s);
    }
    const KindPrint &p = receipt ? CashReceiptPrint() : CashDisbursementPrint();
    PrintJob job; job.layout = &p.page(); job.fill = FillPage(*job.layout, r, kindById(kind).printSubject(), true, p.fill);
    job.heightTwips = TwoCopiesHeightTwips;
    QVERIFY(SavePagePdf(job, u"/tmp/cashshots/full"_s + kind + u".pdf"_s));
  }
}};
QTEST_MAIN(T)
#include "tst_tmp_render.moc"
