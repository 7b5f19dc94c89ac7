#include "print/isk_pages.h"

#include "print/pln_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

// The bank's form of the direct debit is the credit transfer's with the
// payer above and the payee, who hands it in and signs it, below; it has no
// row for the bank's fee.
TransferOrderText directDebitText()
{
    return {.subtitle = u"за директен дебит"_s,
            .upperName = u"Platec"_s,
            .upperNameCaption = u"Платец - име на платеца"_s,
            .upperIbanCaption = u"IBAN на платеца"_s,
            .upperBicCaption = u"BIC на банката на платеца"_s,
            .upperBankCaption = u"При банка - име на банката на платеца"_s,
            .reasonCaption = u"Основание за превод - информация за платеца"_s,
            .lowerName = u"Poluchatel"_s,
            .lowerNameCaption = u"Получател - име"_s,
            .lowerIbanCaption = u"IBAN на получателя"_s,
            .lowerBicCaption = u"BIC на банката на получателя"_s,
            .bankFee = false};
}

const QString kSigner = u"подпис на получателя"_s;

PageLayout build(bool secondPage)
{
    PageLayout p;
    p.name = secondPage ? u"PrintIsk"_s : u"PrintIsk2"_s;
    p.elements = TransferOrderBlock(directDebitText());
    const int below = TransferOrderBottom(false);
    if (secondPage)
        p.elements << ForeignPersonsBlock(below) << SignatureRow(below + 2870, kSigner);
    else
        p.elements << SignatureRow(below + 250, kSigner);
    return p;
}

}  // namespace

const PageLayout &PrintIskLayout()
{
    static const PageLayout page = build(true);
    return page;
}

const PageLayout &PrintIsk2Layout()
{
    static const PageLayout page = build(false);
    return page;
}

const KindPrint &DirectDebitPrint()
{
    static const KindPrint print{&PrintIsk2Layout, &PrintIskLayout};
    return print;
}

}  // namespace remitor
