#include "documents/gui/editor_window.h"
#include "documents/gui/kind_wiring.h"
#include "print/plnm_pages.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

// The bilingual order as the bank's form has it: the bank and the dates at
// the top, the beneficiary with his bank and the correspondent bank, the
// amount with its words, the ordering customer, the charges and the fee.
const QList<FormItem> plnmForm = {
    {K::Frame, "fraBank", u"", 120, 120, 6400, 1280},
    {K::Caption, nullptr, u"До / To", 240, 220, 3000, 260},
    {K::Field, "DoBanka", nullptr, 3360, 200, 3040, 300},
    {K::Caption, nullptr, u"Финансов център / Financial Centre", 240, 580, 3100, 260},
    {K::Field, "Centre", nullptr, 3360, 560, 3040, 300},
    {K::Caption, nullptr, u"Адрес / Address", 240, 940, 3000, 260},
    {K::Field, "Adress", nullptr, 3360, 920, 3040, 300},

    {K::Frame, "fraDates", u"", 6640, 120, 4360, 1280},
    {K::Caption, nullptr, u"Дата на подаване / Date of submission", 6760, 180, 4000, 260},
    {K::Field, "pDate", nullptr, 6760, 440, 3700, 300},
    {K::Button, "cmdDat", u"...", 10500, 440, 400, 300},
    {K::Caption, nullptr, u"Дата на изпълнение / Date of Execution", 6760, 800, 4000, 260},
    {K::Field, "workDate", nullptr, 6760, 1040, 1500, 300},
    {K::Button, "cmdM", u"...", 8320, 1040, 400, 300},

    {K::Title, "lblTitle", u"ПЛАТЕЖНО НАРЕЖДАНЕ / PAYMENT ORDER", 300, 1480, 10600, 400},
    {K::Caption, nullptr,
     u"за кредитен превод в чуждестранна валута / For Credit Transfer in Foreign Currency", 2600,
     1900, 8000, 260},

    {K::Frame, "fraPoluchatel", u"", 120, 2160, 10880, 2980},
    {K::Caption, nullptr, u"Платете на - име на получателя / Beneficiary", 240, 2220, 6000, 240},
    {K::Field, "Poluchatel", nullptr, 240, 2460, 10160, 300},
    {K::Button, "cmdFindP", u"...", 10460, 2460, 420, 300},
    {K::Caption, nullptr, u"Адрес на получателя / Beneficiary Address", 240, 2800, 6000, 240},
    {K::Field, "Addressp", nullptr, 240, 3040, 10640, 300},
    {K::Caption, nullptr, u"IBAN на получателя / Beneficiary IBAN", 240, 3380, 6000, 240},
    {K::Field, "IBANp", nullptr, 240, 3620, 4300, 300},
    {K::Caption, nullptr, u"BIC на банката на получателя / BIC of Beneficiary Bank", 4700, 3380,
     6200, 240},
    {K::Field, "BICp", nullptr, 4700, 3620, 2400, 300},
    {K::Caption, nullptr, u"При банка - име на банката на получателя / Beneficiary Bank", 240, 3960,
     6000, 240},
    {K::Field, "Bankap", nullptr, 240, 4200, 10640, 300},
    {K::Caption, nullptr, u"Адрес на банката на получателя / Beneficiary Bank Address", 240, 4540,
     5200, 240},
    {K::Field, "BankAdr", nullptr, 240, 4780, 5200, 300},
    {K::Caption, nullptr, u"Кореспондентска банка / Correspondent Bank", 5560, 4540, 5320, 240},
    {K::Field, "CorespBank", nullptr, 5560, 4780, 5320, 300},

    {K::Frame, "fraSuma", u"", 120, 5200, 10880, 1460},
    {K::Caption, nullptr, u"Вид валута / Currency", 240, 5260, 2000, 240},
    {K::Field, "valuta", nullptr, 240, 5500, 900, 300},
    {K::Caption, nullptr, u"Сума / Amount", 2300, 5260, 1900, 240},
    {K::Field, "suma", nullptr, 2300, 5500, 1900, 300},
    {K::Caption, nullptr, u"Словом / In words", 4300, 5260, 3000, 240},
    {K::Small, "lblSlovom", u"", 4300, 5480, 6580, 480},
    {K::Caption, nullptr,
     u"Основание за превод - информация за получатела / Remittance Information", 240, 6040, 8000,
     240},
    {K::Field, "Osnovanie", nullptr, 240, 6280, 10640, 300},

    {K::Frame, "fraNareditel", u"", 120, 6720, 10880, 1840},
    {K::Caption, nullptr, u"Наредител - име / Ordering Customer", 240, 6780, 6000, 240},
    {K::Field, "Nareditel", nullptr, 240, 7020, 10160, 300},
    {K::Button, "cmdFindN", u"...", 10460, 7020, 420, 300},
    {K::Caption, nullptr, u"Адрес на наредителя / Ordering Customer Address", 240, 7360, 6000, 240},
    {K::Field, "NarAddress", nullptr, 240, 7600, 6000, 300},
    {K::Caption, nullptr, u"БУЛСТАТ / ЕГН / ЛНЧ / BULSTAT / Personal No", 6500, 7360, 4400, 240},
    {K::Field, "Bulstat", nullptr, 6500, 7600, 4380, 300},
    {K::Caption, nullptr, u"IBAN на наредителя / Ordering Customer IBAN", 240, 7940, 6000, 240},
    {K::Field, "IBANn", nullptr, 240, 8180, 3800, 300},
    {K::Caption, nullptr, u"BIC на банката на наредителя / BIC of Ordering Customer's Bank", 4300,
     7940, 6600, 240},
    {K::Field, "BICn", nullptr, 4300, 8180, 2400, 300},

    // The charges: one of three, each a flag of its own.
    {K::Frame, "fraCharges", u"", 120, 8620, 10880, 1040},
    {K::Radio, "optOUR", u"OUR - За сметка на наредителя / At the expense of Ordering", 240, 8680,
     6600, 300, "OUR"},
    {K::Radio, "optSHA", u"SHA - Споделени / Shared", 240, 8980, 6600, 300, "SHA"},
    {K::Radio, "optBEN", u"BEN - За сметка на получателя / At the expense of Beneficiary", 240,
     9280, 6600, 300, "BEN"},
    {K::Check, "chkExpress", u"Експресен превод / Urgent payment", 7000, 8680, 3900, 300,
     "Express"},

    {K::Frame, "fraTax", u"", 120, 9720, 10880, 640},
    {K::Small, nullptr,
     u"Такса,съгласно Тарифата за лихвите,таксите и комисионните за физически/юридически лица / "
     u"Fee "
     u"according to the Terms and conditions of the bank",
     240, 9780, 6000, 560},
    {K::Caption, nullptr, u"Вид валута", 6500, 9780, 1000, 240},
    {K::Field, "TAXvaluta", nullptr, 6500, 10020, 900, 300},
    {K::Caption, nullptr, u"Сума", 7600, 9780, 1000, 240},
    {K::Field, "TAXsuma", nullptr, 7600, 10020, 2000, 300},

    {K::Button, "Command1", u"Част втора -->>>", 7000, 9200, 3880, 380},
};

// "Данни за международен превод": the data on transfers between residents
// and non-residents that the balance-of-payments statistics ask for.
const QList<FormItem> plnm2Form = {
    {K::Small, nullptr,
     u"Попълва се при преводи между местни и чуждестранни лица на стойност равна или", 120, 120,
     9600, 260},
    {K::Small, nullptr,
     u"надвишаваща сумата по чл.2, ал.1, т.1 от Наредба No:27 на БНБ за статистиката на платежния "
     u"баланс",
     120, 380, 9600, 260},
    {K::Frame, "fraNar", u"Наредител / Ordering Customer", 120, 720, 4700, 2300},
    {K::Radio, "Checkn1", u"местно лице / Resident", 240, 1000, 4400, 280, "narMode", 0},
    {K::Radio, "Checkn2", u"чуждестранно лице  Non-Resident", 240, 1280, 4400, 280, "narMode", 1},
    {K::Caption, nullptr, u"Код на държавата*", 300, 1640, 3000, 260},
    {K::Field, "countryN", nullptr, 300, 1900, 4350, 300},
    {K::Caption, nullptr, u"Адрес на наредителя", 300, 2280, 3000, 260},
    {K::Field, "adressN", nullptr, 300, 2540, 4350, 300},
    {K::Frame, "fraPol", u"Получател / Beneficiary", 5000, 720, 4720, 2300},
    {K::Radio, "Checkp1", u"местно лице / Resident", 5120, 1000, 4400, 280, "polMode", 0},
    {K::Radio, "Checkp2", u"чуждестранно лице  Non-Resident", 5120, 1280, 4400, 280, "polMode", 1},
    {K::Caption, nullptr, u"Код на държавата*", 5180, 1640, 3000, 260},
    {K::Field, "countryP", nullptr, 5180, 1900, 4370, 300},
    {K::Caption, nullptr, u"Адрес на получателя", 5180, 2280, 3000, 260},
    {K::Field, "adressP", nullptr, 5180, 2540, 4370, 300},
    {K::Caption, nullptr,
     u"Описание на икономическата същност на превода / Description of the real bisiness "
     u"transaction",
     120, 3200, 9600, 260},
    {K::Field, "Note", nullptr, 120, 3460, 9600, 300},
    {K::Small, nullptr,
     u"При превод на средства във връзка с вече представени от или на чуждестранно", 120, 3900,
     6500, 260},
    {K::Small, nullptr, u"лице финансови кредити / Registration No of the Finansial Loans", 120,
     4160, 6500, 260},
    {K::Caption, nullptr, u"Номер на регистрация в БНБ", 6800, 3900, 2900, 260},
    {K::Field, "BNBno", nullptr, 6800, 4160, 2920, 300},
    {K::Small, nullptr,
     u"I am aware of the liability under Art.313 of the Penal Code for disclosure of misleading "
     u"data "
     u"and facts.",
     120, 4680, 9600, 260},
};

const QList<FormItem> &form()
{
    return plnmForm;
}
const QList<FormItem> &secondForm()
{
    return plnm2Form;
}

// Opening: an order that has none of the charges on pays them itself, as a
// new order does.
void extendForeignTransfer(EditorWindow &editor)
{
    QObject::connect(&editor, &EditorWindow::opening, &editor, [&editor] {
        Record &r = editor.workflow().record();
        if (!r.integer(u"OUR"_s) && !r.integer(u"SHA"_s) && !r.integer(u"BEN"_s))
            r.setInteger(u"OUR"_s, 1);
    });
}

}  // namespace

KindWiring ForeignTransferWiring()
{
    KindWiring w;
    w.kind = u"PlnM"_s;
    w.form = {&form, 11720, 10460};
    w.secondPage = {&secondForm, 9840, 5060, u"frmPLNm2"_s, u"Данни за международен превод"_s};
    w.print = &ForeignTransferPrint;
    w.menuItem = u"mnuPlnM"_s;
    w.extend = &extendForeignTransfer;
    return w;
}

}  // namespace remitor
