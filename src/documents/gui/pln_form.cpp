#include "documents/gui/kind_wiring.h"
#include "print/pln_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

// The first page, in twips, as the bank's form lays it out: the bank at the
// top left, the date of submission at the right, the payee block, the
// amount, the reason, the payer block, and the charges at the foot.
const QList<FormItem> plnForm = {
    {K::Frame, "fraBank", u"", 120, 120, 6000, 1560},
    {K::Caption, nullptr, u"До", 240, 200, 500, 270},
    {K::Field, "DoBanka", nullptr, 840, 180, 5140, 300},
    {K::Caption, nullptr, u"Клон", 240, 560, 560, 270},
    {K::Field, "Clon", nullptr, 840, 540, 2840, 300},
    {K::Caption, nullptr, u"Град", 3780, 560, 500, 270},
    {K::Field, "Grad", nullptr, 4300, 540, 1680, 300},
    {K::Caption, nullptr, u"Адрес", 240, 920, 600, 270},
    {K::Field, "Adress", nullptr, 840, 900, 5140, 300},
    {K::Small, nullptr, u"(банка, клон, адрес)", 840, 1260, 3000, 240},

    {K::Frame, "fraDate", u"", 6300, 120, 3780, 1560},
    {K::Caption, nullptr, u"Дата на подаване", 6420, 200, 2400, 270},
    {K::Field, "pDate", nullptr, 6420, 540, 3100, 300},
    {K::Button, "cmdDat", u"...", 9570, 540, 400, 300},

    {K::Title, "lblTitle", u"ПЛАТЕЖНО НАРЕЖДАНЕ ЗА КРЕДИТЕН ПРЕВОД", 300, 1780, 9700, 400},

    {K::Frame, "fraPoluchatel", u"", 120, 2280, 9960, 1840},
    {K::Caption, nullptr, u"Платете на - име на получателя", 240, 2340, 4000, 260},
    {K::Field, "Poluchatel", nullptr, 240, 2600, 9240, 300},
    {K::Button, "cmdFindP", u"...", 9540, 2600, 420, 300},
    {K::Caption, nullptr, u"IBAN на получателя:", 240, 2960, 3000, 260},
    {K::Field, "IBANp", nullptr, 240, 3220, 4500, 300},
    {K::Caption, nullptr, u"BIC на банката на получателя", 5000, 2960, 3500, 260},
    {K::Field, "BICp", nullptr, 5000, 3220, 2100, 300},
    {K::Caption, nullptr, u"При банка - име на банката на получателя", 240, 3600, 4300, 260},
    {K::Field, "Bankap", nullptr, 4500, 3580, 5460, 300},

    {K::Frame, "fraSuma", u"", 120, 4180, 9960, 1920},
    {K::Caption, nullptr, u"Вид валута", 4300, 4240, 1200, 260},
    {K::Field, "valuta", nullptr, 4300, 4500, 1000, 300},
    {K::Caption, nullptr, u"Сума", 5600, 4240, 1200, 260},
    {K::Field, "suma", nullptr, 5600, 4500, 3000, 300},
    {K::Caption, nullptr, u"Основание за плащане - информация за получателя", 240, 4860, 6000, 260},
    {K::Field, "Osnovanie", nullptr, 240, 5120, 9720, 300},
    {K::Caption, nullptr, u"Още пояснения", 240, 5500, 1700, 260},
    {K::Field, "poiasnenia", nullptr, 1900, 5480, 8060, 300},

    {K::Frame, "fraNareditel", u"", 120, 6160, 9960, 1240},
    {K::Caption, nullptr, u"Наредител - име", 240, 6220, 3000, 260},
    {K::Field, "Nareditel", nullptr, 240, 6480, 9240, 300},
    {K::Button, "cmdFindN", u"...", 9540, 6480, 420, 300},
    {K::Caption, nullptr, u"IBAN на наредителя", 240, 6880, 1900, 260},
    {K::Field, "IBANn", nullptr, 2150, 6860, 3450, 300},
    {K::Caption, nullptr, u"BIC на банката на наредителя", 5700, 6880, 2750, 260},
    {K::Field, "BICn", nullptr, 8450, 6860, 1510, 300},

    {K::Frame, "fraSystem", u"", 120, 7460, 9960, 1500},
    {K::Caption, nullptr, u"Платежна система", 240, 7560, 1900, 260},
    {K::Field, "PaySystem", nullptr, 2100, 7540, 2200, 300},
    {K::Caption, nullptr, u"Такси*", 4500, 7560, 700, 260},
    {K::Field, "tax", nullptr, 5200, 7540, 400, 300},
    {K::Caption, nullptr, u"Дата на изпълнение", 5850, 7560, 1900, 260},
    {K::Field, "workDate", nullptr, 7700, 7540, 1500, 300},
    {K::Button, "cmdM", u"...", 9250, 7540, 400, 300},
    {K::Small, nullptr,
     u"Такса, съгласно Тарифата за лихвите, таксите и комисионните за физически / юридически лица",
     240, 7940, 5500, 460},
    {K::Caption, nullptr, u"Вид валута", 5850, 8000, 1100, 260},
    {K::Field, "TAXvaluta", nullptr, 6900, 7980, 700, 300},
    {K::Caption, nullptr, u"Сума", 7850, 8000, 600, 260},
    {K::Field, "TAXsuma", nullptr, 8400, 7980, 1560, 300},
    {K::Small, nullptr,
     u"*Такси: 1 - за сметка на наредителя; 2 - споделена(стандарт за местни преводи); 3 - за сметка на получателя",
     240, 8480, 9700, 260},

    {K::Check, "Check1", u"Печата част втора", 240, 9060, 2800, 300},
    {K::Button, "Command1", u"Част втора -->>>", 7500, 9020, 2580, 380},
};

const QList<FormItem> pln2Form = {
    {K::Small, nullptr,
     u"Попълва се при преводи към чужбина и между местни и чуждестранни лица в страната, на стойност равна или",
     120, 120, 9600, 260},
    {K::Small, nullptr,
     u"надвишаваща сумата по чл.2, ал.1, т.1 от Наредба No: 27 на БНБ за статистиката на платежния баланс",
     120, 380, 9600, 260},
    {K::Frame, "fraNar", u"Данни за наредителя", 120, 720, 4700, 2100},
    {K::Radio, "Checkn1", u"местно лице", 300, 1060, 2000, 300, "narMode", 0},
    {K::Radio, "Checkn2", u"чуждестранно лице", 2500, 1060, 2200, 300, "narMode", 1},
    {K::Caption, nullptr, u"Държава на наредителя", 300, 1460, 3000, 260},
    {K::Field, "countryN", nullptr, 300, 1720, 4350, 300},
    {K::Caption, nullptr, u"Адрес на наредителя", 300, 2100, 3000, 260},
    {K::Field, "adressN", nullptr, 300, 2360, 4350, 300},
    {K::Frame, "fraPol", u"Данни за получателя", 5000, 720, 4720, 2100},
    {K::Radio, "Checkp1", u"местно лице", 5180, 1060, 2000, 300, "polMode", 0},
    {K::Radio, "Checkp2", u"чуждестранно лице", 7380, 1060, 2200, 300, "polMode", 1},
    {K::Caption, nullptr, u"Държава на получателя", 5180, 1460, 3000, 260},
    {K::Field, "countryP", nullptr, 5180, 1720, 4370, 300},
    {K::Caption, nullptr, u"Адрес на получателя", 5180, 2100, 3000, 260},
    {K::Field, "adressP", nullptr, 5180, 2360, 4370, 300},
    {K::Caption, nullptr, u"Описание на икономическата същност на превода", 120, 3000, 6000, 260},
    {K::Field, "Note", nullptr, 120, 3260, 9600, 300},
    {K::Small, nullptr, u"При превод на средства във връзка с вече представени от или на чуждестранно", 120,
     3700, 6500, 260},
    {K::Small, nullptr, u"лице финансов кредит", 120, 3960, 6500, 260},
    {K::Caption, nullptr, u"Номер на БНБ", 6800, 3700, 2000, 260},
    {K::Field, "BNBno", nullptr, 6800, 3960, 2920, 300},
    {K::Small, nullptr,
     u"Известно ми е, че за посочването на неверни данни нося отговорност по чл. 313 от Наказателния кодекс.",
     120, 4480, 9600, 260},
};

const QList<FormItem> &form() { return plnForm; }
const QList<FormItem> &secondForm() { return pln2Form; }

}  // namespace

KindWiring CreditTransferWiring()
{
    KindWiring w;
    w.kind = u"Pln"_s;
    w.form = {&form, 10800, 9560};
    w.secondPage = {&secondForm, 9840, 4860, u"frmPln2"_s,
                    u"Данни за преводи между местни и чуждестранни лица"_s};
    w.print = &CreditTransferPrint;
    w.pageChoice = u"Check1"_s;
    w.menuItem = u"mnuPln"_s;
    w.toolButton = u"cmdNKP"_s;
    return w;
}

}  // namespace remitor
