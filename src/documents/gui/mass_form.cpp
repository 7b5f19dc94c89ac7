#include "documents/gui/bank_head_form.h"
#include "documents/gui/kind_wiring.h"
#include "print/mass_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

// The cover sheet of a medium of many payments: the bank and the date, what
// the bank is asked to do (one of three kinds), the client with its
// accounts, the total and the number of rows, and the medium.
const QList<FormItem> &form()
{
    static const QList<FormItem> items =
        BankHeadForm(u"Място и дата на подаване", true, 1560) +
        QList<FormItem>{
            {K::Frame, "fraVid", u"", 120, 1760, 9960, 1680},
            {K::Radio, "vid0", u"Платете от наше име", 240, 1820, 3300, 280, "vid", 0},
            {K::Small, nullptr, u"Pay on our behalf", 540, 2090, 3000, 240},
            {K::Caption, nullptr, u"НАРЕЖДАНЕ ЗА ГРУПОВО ПЛАЩАНЕ", 3700, 1840, 6300, 260},
            {K::Small, nullptr, u"MASS PAYMENT ORDER", 3700, 2090, 6300, 240},
            {K::Radio, "vid1", u"Съберете в наша полза", 240, 2360, 3300, 280, "vid", 1},
            {K::Small, nullptr, u"Coleeect in our favour", 540, 2630, 3000, 240},
            {K::Caption, nullptr, u"НАРЕЖДАНЕ ЗА ГРУПОВИ ДИРЕКТНИ ДЕБИТИ", 3700, 2380, 6300, 260},
            {K::Small, nullptr, u"MASS DIRECT DEBIT ORDER", 3700, 2630, 6300, 240},
            {K::Radio, "vid2", u"Излъчете в СЕБРА от наше име", 240, 2900, 3300, 280, "vid", 2},
            {K::Caption, nullptr, u"НАРЕЖДАНЕ ЗА ГРУПОВО ПЛАЩАНЕ В СЕБРА", 3700, 2920, 6300, 260},
            {K::Small, nullptr, u"MASS PAYMENT ORDER VIA SEBRA", 3700, 3170, 6300, 240},

            {K::Frame, "fraClient", u"", 120, 3540, 9960, 2060},
            {K::Caption, nullptr, u"Клиент / Customer", 240, 3600, 3000, 260},
            {K::Field, "Nareditel", nullptr, 240, 3860, 9240, 300},
            {K::Button, "cmdFindN", u"...", 9540, 3860, 420, 300},
            {K::Caption, nullptr, u"IBAN при Вас", 240, 4300, 1400, 260},
            {K::Field, "IBANn", nullptr, 1700, 4280, 3450, 300},
            {K::Caption, nullptr, u"BIC", 5400, 4300, 500, 260},
            {K::Field, "BICn", nullptr, 5900, 4280, 1500, 300},
            {K::Caption, nullptr, u"Код по МФ в СЕБРА", 240, 4720, 2000, 260},
            {K::Field, "SEBRA", nullptr, 2300, 4700, 2000, 300},
            {K::Caption, nullptr, u"IBAN", 240, 5140, 1400, 260},
            {K::Field, "IBANp", nullptr, 1700, 5120, 3450, 300},
            {K::Caption, nullptr, u"BIC", 5400, 5140, 500, 260},
            {K::Field, "BICp", nullptr, 5900, 5120, 1500, 300},

            {K::Frame, "fraSuma", u"", 120, 5660, 9960, 900},
            {K::Caption, nullptr, u"Вид валута / Currency", 240, 5720, 2600, 260},
            {K::Field, "valuta", nullptr, 240, 5980, 800, 300},
            {K::Caption, nullptr, u"Обща сума / Total Amount", 3300, 5720, 3000, 260},
            {K::Field, "suma", nullptr, 3300, 5980, 2600, 300},
            {K::Caption, nullptr, u"Брой редове / Number of rows", 6800, 5720, 3000, 260},
            {K::Field, "rows", nullptr, 6800, 5980, 1500, 300},

            {K::Frame, "fraNositel", u"", 120, 6620, 9960, 760},
            {K::Radio, "nositel0", u"Хартия", 240, 6680, 1500, 300, "nositel", 0},
            {K::Radio, "nositel1", u"Дискета", 1900, 6680, 1500, 300, "nositel", 1},
            {K::Radio, "nositel2", u"Електронен файл, подписан с цифров сертификат", 240, 7000,
             6000, 300, "nositel", 2},
            {K::Radio, "nositel3", u"Универсален ел.подпис", 3600, 6680, 3000, 300, "nositel", 3},
        };
    return items;
}

}  // namespace

KindWiring MassPaymentWiring()
{
    KindWiring w;
    w.kind = u"Mass"_s;
    w.form = {&form, 10800, 7500, {}, {}};
    w.print = &MassPaymentPrint;
    w.printTip = u"Печата НМП"_s;
    w.secondPrintButton = u"cmdDekl"_s;
    w.secondPrintTip = u"Печата Декларация"_s;
    w.secondPrint = &MassDeclarationPrint;
    w.menuItem = u"mnuMass"_s;
    w.toolButton = u"cmdNMP"_s;
    return w;
}

}  // namespace remitor
