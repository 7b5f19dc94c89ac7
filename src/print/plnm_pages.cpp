#include "print/plnm_pages.h"

#include "print/bilingual_form.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using namespace layout;
using namespace layout::bilingual;

constexpr int kMiddle = 5945;  // the two parties of the statistics block
constexpr int kSplit = 7000;   // the address beside the personal number, the IBAN beside the BIC
constexpr int kDate = 7450;    // the date of execution beside the urgent mark
// A foreign account has up to 34 characters: its boxes are a size smaller.
constexpr TextStyle kForeignAccount{FontFamily::Courier, 130, true};

// The order itself: the beneficiary and his bank, the amount and its words,
// the ordering customer, the charges and the fee.
QList<PageElement> order()
{
    QList<PageElement> e;
    e << bankHeader({u"До / To"_s, u"Финансов център / Financial Centre"_s, u"Адрес / Address"_s},
                    {u"DoBanka"_s, u"Centre"_s, u"Adress"_s}, 100, 6200)
      << title({u"ПЛАТЕЖНО НАРЕЖДАНЕ / PAYMENT ORDER"_s,
                u"за кредитен превод в чуждестранна валута"_s,
                u"For Credit Transfer in Foreign Currency"_s},
               40)
      << caption(u"Дата на представяне / Date"_s, 6500, 705, kCaption)
      << value(u"pDate"_s, 8250, 660, kRight - 8250, kFieldHeight, kField)
      << hline(8250, 870, kRight - 8250, 8);

    e << frame(kLeft, 960, kWidth, 4590, 20)
      << cell(u"Платете на - име на получателя / Beneficiary"_s, u"Poluchatel"_s, kLeft, kRight,
              960)
      << rule(1260)
      << cell(u"Адрес на получателя / Beneficiary Address"_s, u"Addressp"_s, kLeft, kRight, 1260)
      << rule(1560) << vline(kSplit + 750, 1560, 360)
      << caption(u"IBAN на получателя / Beneficiary IBAN"_s, kLeft + 60, 1575, kCaption)
      << boxedValue(u"IBANp"_s, kLeft + 150, 1720, 34, kForeignAccount, ValueFormat::Iban)
      << caption(u"BIC на банката на получателя / BIC of Beneficiary Bank"_s, kSplit + 810, 1575,
                 kCaption)
      << boxedValue(u"BICp"_s, kSplit + 900, 1710, 11, kSpread, ValueFormat::Spread) << rule(1920)
      << cell(u"При банка - име на банката на получателя / Beneficiary Bank"_s, u"Bankap"_s, kLeft,
              kRight, 1920)
      << rule(2220)
      << cell(u"Адрес на банката на получателя / Beneficiary Bank Address"_s, u"BankAdr"_s, kLeft,
              kRight, 2220)
      << rule(2520)
      << cell(u"Кореспондентска банка / Correspondent Bank"_s, u"CorespBank"_s, kLeft, kRight,
              2520);

    // Currency, amount, urgency and the date of execution on one row; the
    // words under them in both languages.
    e << rule(2820) << vline(kLeft + 1300, 2820, 360) << vline(kLeft + 4300, 2820, 360)
      << vline(kDate, 2820, 360) << caption(u"Вид валута / Currency"_s, kLeft + 60, 2835, kCaption)
      << boxedValue(u"valuta"_s, kLeft + 250, 2970, 3, kSpread, ValueFormat::SpreadUpper)
      << caption(u"Сума / Amount"_s, kLeft + 1360, 2835, kCaption)
      << box(kLeft + 1400, 2935, 2800, 230, FormBoxColour)
      << value(u"suma"_s, kLeft + 1420, 2950, 2760, 210, kAmount).as(ValueFormat::Amount)
      << check(u"Express"_s, u"Експресен превод / Urgent payment"_s, kLeft + 4400, 2960, 120,
               kCaption, u"Express"_s, 1)
      << caption(u"Дата на изпълнение / Date of Execution"_s, kDate + 60, 2835, kCaption)
      << digitBoxes(u"workDate"_s, kDate + 800, 2950, 6, 230, 210, kDigit, FormBoxColour, 2, 115)
             .as(ValueFormat::DateBoxes);
    e << rule(3180) << caption(u"Словом / In words"_s, kLeft + 60, 3195, kCaption)
      << value(u"slovomBG"_s, kLeft + 90, 3290, kWidth - 150, kFieldHeight, kField)
             .as(ValueFormat::WordsBG, u"suma"_s)
      << value(u"slovomEN"_s, kLeft + 90, 3460, kWidth - 150, kFieldHeight, kField)
             .as(ValueFormat::WordsEN, u"suma"_s);
    e << rule(3660)
      << cell(u"Основание за превод - информация за получатела / Remittance Information"_s,
              u"Osnovanie"_s, kLeft, kRight, 3660);

    e << rule(3960)
      << cell(u"Наредител - име / Ordering Customer"_s, u"Nareditel"_s, kLeft, kRight, 3960)
      << rule(4260) << vline(kSplit, 4260, 660)
      << cell(u"Адрес на наредителя / Ordering Customer Address"_s, u"NarAddress"_s, kLeft, kSplit,
              4260)
      << cell(u"БУЛСТАТ / ЕГН / ЛНЧ / BULSTAT / Personal No"_s, u"Bulstat"_s, kSplit, kRight, 4260)
      << rule(4560)
      << caption(u"IBAN на наредителя / Ordering Customer IBAN"_s, kLeft + 60, 4575, kCaption)
      << boxedValue(u"IBANn"_s, kLeft + 150, 4710, 22, kSpread, ValueFormat::Iban)
      << caption(u"BIC на банката на наредителя / BIC of Ordering Customer's Bank"_s, kSplit + 60,
                 4575, kCaption)
      << boxedValue(u"BICn"_s, kSplit + 150, 4710, 8, kSpread, ValueFormat::Spread);

    // The charges, one of three, and the bank's fee.
    e << rule(4920)
      << check(u"OUR"_s, u"OUR  За сметка на наредителя / At the expense of Ordering"_s,
               kLeft + 60, 4990, 120, kCaption, u"OUR"_s, 1)
      << check(u"SHA"_s, u"SHA  Споделени / Shared"_s, kLeft + 3850, 4990, 120, kCaption, u"SHA"_s,
               1)
      << check(u"BEN"_s, u"BEN  За сметка на получателя / At the expense of Beneficiary"_s,
               kLeft + 5850, 4990, 120, kCaption, u"BEN"_s, 1);
    e << rule(5180) << vline(kLeft + 5200, 5180, 370) << vline(kLeft + 6500, 5180, 370)
      << captionIn(
             u"Такса,съгласно Тарифата за лихвите,таксите и комисионните за физически/юридически "
             u"лица"
             u" / Fee according to the Terms and conditions of the bank"_s,
             kLeft + 60, 5200, 5080, 330, kCaption, Align::Left, true)
      << caption(u"Вид валута / Currency"_s, kLeft + 5260, 5195, kCaption)
      << boxedValue(u"TAXvaluta"_s, kLeft + 5500, 5330, 3, kSpread, ValueFormat::SpreadUpper)
      << caption(u"Сума / Amount"_s, kLeft + 6560, 5195, kCaption)
      << box(kLeft + 6600, 5300, kWidth - 6700, 220, FormBoxColour)
      << value(u"TAXsuma"_s, kLeft + 6630, 5310, kWidth - 6760, 200, kField)
             .as(ValueFormat::Amount);
    return e;
}

// One party of the statistics block: resident or not, the country code in
// three boxes, the address.
QList<PageElement> party(const QString &title, const QString &side, const QString &flag,
                         const QString &address, int left, int right)
{
    return {caption(title, left + 60, 5850, kCaptionBold),
            check(u"Check"_s + side + u'1', u"Местно лице / Resident"_s, left + 60, 6020, 110,
                  kCaption, flag, 0),
            check(u"Check"_s + side + u'2', u"Чуждестранно лице / Non-Resident"_s, left + 2000,
                  6020, 110, kCaption, flag, 1),
            caption(u"Код на държавата*"_s, left + 60, 6215, kCaption),
            digitBoxes(u"country"_s + side.toUpper(), left + 120, 6340, 3, 180, 180, kSpread,
                       FormBoxColour)
                .as(ValueFormat::Trimmed),
            caption(address, left + 1300, 6215, kCaption),
            value(u"adress"_s + side.toUpper(), left + 1330, 6330, right - left - 1400,
                  kFieldHeight, kField)
                .as(ValueFormat::Trimmed)};
}

// The data for the statistics of the balance of payments, from the second
// window, and the declarations with the signatures.
QList<PageElement> statistics()
{
    QList<PageElement> e;
    e << caption(u"Попълва се при преводи между местни и чуждестранни лица на стойност равна или"_s,
                 kLeft, 5590, kCaption)
      << caption(
             u"надвишаваща сумата по чл.2, ал.1, т.1 от Наредба No:27 на БНБ за статистиката на платежния баланс"_s,
             kLeft, 5700, kCaption);
    e << frame(kLeft, 5830, kWidth, 1500, 15) << vline(kMiddle, 5830, 730)
      << party(u"Наредител / Ordering Customer"_s, u"n"_s, u"narMode"_s, u"Адрес на наредителя"_s,
               kLeft, kMiddle)
      << party(u"Получател / Beneficiary"_s, u"p"_s, u"polMode"_s, u"Адрес на получателя"_s,
               kMiddle, kRight);
    e << rule(6560)
      << caption(
             u"Описание на икономическата същност на превода / Description of the real bisiness transaction"_s,
             kLeft + 60, 6575, kCaption)
      << textArea(u"Note"_s, kLeft + 90, 6690, kWidth - 150, 350, kField).as(ValueFormat::Trimmed);
    e << rule(7050)
      << caption(u"При превод на средства във връзка с вече представени от или на чуждестранно"_s,
                 kLeft + 60, 7065, kCaption)
      << caption(u"лице финансови кредити / Registration No of the Finansial Loans"_s, kLeft + 60,
                 7180, kCaption)
      << boxedValue(u"BNBno"_s, kLeft + 4700, 7150, 15, kSpreadSmall, ValueFormat::Spread)
      << caption(u"Код на операцията*"_s, kSplit + 750, 7065, kCaption)
      << digitBoxes({}, kSplit + 900, 7150, 3, 180, 150, kSpread, FormBoxColour);

    e << caption(u"The fields marked with (*) have ro be completed by the Bank Officer."_s, kLeft,
                 7350, kCaption)
      << caption(
             u"I am aware of the liability under Art.313 of the Penal Code for disclosure of misleading data and facts."_s,
             kLeft, 7460, kCaption);
    const int declaration = 7900 - kLeft - 100;
    const QString lines[] = {
        u"Декларирам, че съм получил информацията, свързана с изпълнение на платежната операция, съгласно изискванията на"_s,
        u"Закона за платежните услуги и платежните системи."_s,
        u"I declare I have received the information related with the execution of the transaction, as per the recuirements of the Law on Payment"_s,
        u"Services and Payment Systems."_s};
    for (int i = 0; i < 4; ++i)
        e << captionIn(lines[i], kLeft, 7600 + i * 115, declaration, 115, kCaption);
    e << caption(u"Наредител (Декларатор)"_s, 8000, 7600, kCaption)
      << hline(8000, 7850, kRight - 8000, 8)
      << caption(u"Служител на банката"_s, 8000, 7900, kCaption)
      << hline(8000, 8150, kRight - 8000, 8);
    return e;
}

PageLayout build()
{
    PageLayout p;
    p.name = u"PrintPlnM"_s;
    p.elements = order() + statistics();
    return p;
}

}  // namespace

const PageLayout &PrintPlnMLayout()
{
    return BuiltOnce<&build>();
}

const KindPrint &ForeignTransferPrint()
{
    static const KindPrint print{&PrintPlnMLayout};
    return print;
}

}  // namespace remitor
