#include "documents/gui/kind_wiring.h"
#include "print/mass_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

// The cover sheet of a medium of many payments: the bank and the date, what
// the bank is asked to do (one of three kinds), the client with its
// accounts, the total and the number of rows, and the medium.
const QList<FormItem> massForm = {
    {K::Frame, "fraBank", u"", 120, 120, 6000, 1560},
    {K::Caption, nullptr, u"До", 240, 200, 500, 270},
    {K::Field, "DoBanka", nullptr, 840, 180, 5140, 300},
    {K::Caption, nullptr, u"Клон", 240, 560, 560, 270},
    {K::Field, "Clon", nullptr, 840, 540, 5140, 300},
    {K::Caption, nullptr, u"Адрес", 240, 920, 600, 270},
    {K::Field, "Adress", nullptr, 840, 900, 5140, 300},
    {K::Frame, "fraDate", u"", 6300, 120, 3780, 1560},
    {K::Caption, nullptr, u"Място и дата на подаване", 6420, 200, 3000, 270},
    {K::Field, "Grad", nullptr, 6420, 540, 3540, 300},
    {K::Field, "pDate", nullptr, 6420, 900, 1600, 300},
    {K::Button, "cmdDat", u"...", 8080, 900, 400, 300},

    {K::Frame, "fraVid", u"", 120, 1760, 9960, 1100},
    {K::Radio, "vid0", u"Платете от наше име / Pay on our behalf", 240, 1840, 4300, 300, "vid", 0},
    {K::Caption, nullptr, u"НАРЕЖДАНЕ ЗА ГРУПОВО ПЛАЩАНЕ / MASS PAYMENT ORDER", 4700, 1860, 5300,
     260},
    {K::Radio, "vid1", u"Съберете в наша полза / Coleeect in our favour", 240, 2170, 4300, 300,
     "vid", 1},
    {K::Caption, nullptr, u"НАРЕЖДАНЕ ЗА ГРУПОВИ ДИРЕКТНИ ДЕБИТИ / MASS DIRECT DEBIT ORDER", 4700,
     2190, 5300, 260},
    {K::Radio, "vid2", u"Излъчете в СЕБРА от наше име", 240, 2500, 4300, 300, "vid", 2},
    {K::Caption, nullptr, u"НАРЕЖДАНЕ ЗА ГРУПОВО ПЛАЩАНЕ В СЕБРА / MASS PAYMENT ORDER VIA SEBRA",
     4700, 2520, 5300, 260},

    {K::Frame, "fraClient", u"", 120, 2960, 9960, 2060},
    {K::Caption, nullptr, u"Клиент / Customer", 240, 3020, 3000, 260},
    {K::Field, "Nareditel", nullptr, 240, 3280, 9240, 300},
    {K::Button, "cmdFindN", u"...", 9540, 3280, 420, 300},
    {K::Caption, nullptr, u"IBAN при Вас", 240, 3720, 1400, 260},
    {K::Field, "IBANn", nullptr, 1700, 3700, 3450, 300},
    {K::Caption, nullptr, u"BIC", 5400, 3720, 500, 260},
    {K::Field, "BICn", nullptr, 5900, 3700, 1500, 300},
    {K::Caption, nullptr, u"Код по МФ в СЕБРА", 240, 4140, 2000, 260},
    {K::Field, "SEBRA", nullptr, 2300, 4120, 2000, 300},
    {K::Caption, nullptr, u"IBAN", 240, 4560, 1400, 260},
    {K::Field, "IBANp", nullptr, 1700, 4540, 3450, 300},
    {K::Caption, nullptr, u"BIC", 5400, 4560, 500, 260},
    {K::Field, "BICp", nullptr, 5900, 4540, 1500, 300},

    {K::Frame, "fraSuma", u"", 120, 5080, 9960, 900},
    {K::Caption, nullptr, u"Вид валута / Currency", 240, 5140, 2600, 260},
    {K::Field, "valuta", nullptr, 240, 5400, 800, 300},
    {K::Caption, nullptr, u"Обща сума / Total Amount", 3300, 5140, 3000, 260},
    {K::Field, "suma", nullptr, 3300, 5400, 2600, 300},
    {K::Caption, nullptr, u"Брой редове / Number of rows", 6800, 5140, 3000, 260},
    {K::Field, "rows", nullptr, 6800, 5400, 1500, 300},

    {K::Frame, "fraNositel", u"", 120, 6040, 9960, 760},
    {K::Radio, "nositel0", u"Хартия", 240, 6100, 1500, 300, "nositel", 0},
    {K::Radio, "nositel1", u"Дискета", 1900, 6100, 1500, 300, "nositel", 1},
    {K::Radio, "nositel2", u"Електронен файл, подписан с цифров сертификат", 240, 6420, 5000, 300,
     "nositel", 2},
    {K::Radio, "nositel3", u"Универсален ел.подпис", 5400, 6420, 3000, 300, "nositel", 3},
};

const QList<FormItem> &form()
{
    return massForm;
}

}  // namespace

KindWiring MassPaymentWiring()
{
    KindWiring w;
    w.kind = u"Mass"_s;
    w.form = {&form, 10800, 6900, {}, {}};
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
