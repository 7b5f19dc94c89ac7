#include "cash/pko_pages.h"

#include "cash/cash_orders.h"
#include "print/form_style.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using namespace layout;

constexpr int kLeft = 1000;  // the order, centred on the sheet
constexpr int kRight = 10900;
constexpr int kWidth = kRight - kLeft;
constexpr int kValueLeft = 3700;  // where the entries start after their labels
constexpr TextStyle kOrderTitle{FontFamily::Arial, 300, true};
constexpr TextStyle kLabel{FontFamily::Arial, 170};
constexpr TextStyle kLabelBold{FontFamily::Arial, 170, true};

// A label and the entry written on the line beside it.
QList<PageElement> entry(const QString &label, const QString &name, int top, int left = kValueLeft,
                         int right = kRight)
{
    return {caption(label, kLeft, top + 20, kLabel),
            value(name, left, top, right - left, kValueHeight, kValue).as(ValueFormat::Trimmed),
            hline(left, top + 240, right - left, 8)};
}

// The firm, the title with the number and the date, and the accounting
// entry that the accountant writes in by hand.
QList<PageElement> head(const QString &title, const QString &numberField)
{
    QList<PageElement> e;
    e << caption(u"организация"_s, kLeft, 420, kLabel)
      << value(u"Firma"_s, 2300, 400, 4900, kValueHeight, kValue).as(ValueFormat::Trimmed)
      << hline(2300, 640, 4900, 8) << caption(u"БУЛСТАТ"_s, 7450, 420, kLabel)
      << value(u"Bulstat"_s, 8500, 400, 2400, kValueHeight, kValue).as(ValueFormat::Trimmed)
      << hline(8500, 640, 2400, 8);
    e << captionIn(title, kLeft, 950, kWidth, 360, kOrderTitle, Align::Center);
    e << caption(u"No"_s, 4000, 1500, kLabelBold)
      << value(numberField, 4400, 1480, 1300, kValueHeight, kValue) << hline(4400, 1720, 1300, 8)
      << caption(u"Дата"_s, 6100, 1500, kLabelBold)
      << value(u"pDate"_s, 6750, 1480, 1700, kValueHeight, kValue) << hline(6750, 1720, 1700, 8);

    // Дебит | Кредит | Сума: a head row and a row to write in.
    constexpr int top = 1950, third = kWidth / 3;
    e << frame(kLeft, top, kWidth, 620, 15) << hline(kLeft, top + 260, kWidth, 10)
      << vline(kLeft + third, top, 620) << vline(kLeft + 2 * third, top, 620);
    const QString heads[] = {u"Дебит"_s, u"Кредит"_s, u"Сума"_s};
    for (int i = 0; i < 3; ++i)
        e << captionIn(heads[i], kLeft + i * third, top + 45, third, 200, kSmallBold,
                       Align::Center);
    return e;
}

// The amount in its box with its currency, and in words.
QList<PageElement> amount(int top)
{
    return {caption(u"Сумата:"_s, kLeft, top + 40, kLabelBold),
            box(kValueLeft, top, 2600, 300, FormBoxColour),
            value(u"suma"_s, kValueLeft + 60, top + 30, 2480, 240, kAmount),
            value(u"valuta"_s, kValueLeft + 2700, top + 40, 1000, kValueHeight, kValue)
                .as(ValueFormat::Particular),
            caption(u"Словом:"_s, kLeft, top + 480, kLabelBold),
            textArea(u"slovom"_s, kValueLeft, top + 460, kRight - kValueLeft, 440, kValue)
                .as(ValueFormat::Particular),
            hline(kValueLeft, top + 688, kRight - kValueLeft, 8),
            hline(kValueLeft, top + 900, kRight - kValueLeft, 8)};
}

// A long entry over two ruled lines: the wrapped text sits on them.
QList<PageElement> twoLines(const QString &label, const QString &name, int top)
{
    return {
        caption(label, kLeft, top + 20, kLabel),
        textArea(name, kValueLeft, top, kRight - kValueLeft, 440, kValue).as(ValueFormat::Trimmed),
        hline(kValueLeft, top + 228, kRight - kValueLeft, 8),
        hline(kValueLeft, top + 440, kRight - kValueLeft, 8)};
}

// Signature lines, two to a row. Under the lines of the firm's own
// officers their names from the firm's data, as the editor gives them.
QList<PageElement> signatures(int top, const QStringList &who)
{
    QList<PageElement> e;
    for (int i = 0; i < who.size(); ++i) {
        const int left = i % 2 == 0 ? kLeft : 6100;
        const int y = top + (i / 2) * 520;
        e << caption(who[i], left, y, kLabel) << hline(left + 2000, y + 200, 2600, 8);
        for (const CashOrderSigner &s : CashOrderSigners())
            if (s.caption == who[i]) {
                PageElement name = value(s.firmaField, left + 2000, y + 220, 2600, 200, kSmall);
                name.align = Align::Center;
                e << name.as(ValueFormat::Window);
            }
    }
    return e;
}

// An order: the head, its own entries, the amount at `amountTop`, and the
// signatures below it.
PageLayout order(const QString &name, const QString &title, const QString &numberField,
                 const QList<PageElement> &entries, int amountTop, const QStringList &who)
{
    PageLayout p;
    p.name = name;
    p.elements =
        head(title, numberField) + entries + amount(amountTop) + signatures(amountTop + 1450, who);
    return p;
}

PageLayout buildPko()
{
    return order(u"PrintPKO"_s, u"ПРИХОДЕН КАСОВ ОРДЕР"_s, u"PKOno"_s,
                 twoLines(u"Да се приеме от:"_s, u"Vnositel"_s, 2850) +
                     twoLines(u"За/срещу:"_s, u"Osnovanie"_s, 3450),
                 4150,
                 {u"Ръководител:"_s, u"Гл. счетоводител:"_s, u"Внесъл сумата:"_s, u"Касиер:"_s});
}

PageLayout buildRko()
{
    QList<PageElement> e;
    e << entry(u"Да се брои на:"_s, u"Poluchatel"_s, 2800) << entry(u"Адрес:"_s, u"Adress"_s, 3180)
      << entry(u"Лична карта/издадена на:/ от:"_s, u"Karta"_s, 3560)
      << entry(u"ЕГН"_s, u"EGN"_s, 3940, kValueLeft, 6000)
      << entry(u"Представител на:"_s, u"Predstavitel"_s, 4320)
      << entry(u"Пълномощно N:/дата"_s, u"Palnomostno"_s, 4700)
      << entry(u"За/срещу:"_s, u"Osnovanie"_s, 5080);
    return order(u"PrintRKO"_s, u"РАЗХОДЕН КАСОВ ОРДЕР"_s, u"RKOno"_s, e, 5500,
                 {u"Ръководител:"_s, u"Гл. счетоводител:"_s, u"Касиер:"_s, u"Получил сумата:"_s});
}

// The currency after the amount and the words in it, from the order's
// date; an order printed before it has a date is in today's currency.
void fillCashOrder(const Record &order, PageFill &fill)
{
    const QDate today = QDate::currentDate();
    if (ShownAmount(order.money(u"suma"_s)) > Money())
        fill.setText(u"valuta"_s, CurrencyUnit(CashOrderCurrency(order, today)));
    fill.setText(u"slovom"_s, CashOrderWords(order, today));
}

}  // namespace

const QList<CashOrderSigner> &CashOrderSigners()
{
    static const QList<CashOrderSigner> signers = {{u"Ръководител:"_s, u"Upravitel"_s},
                                                   {u"Гл. счетоводител:"_s, u"Schetovod"_s},
                                                   {u"Касиер:"_s, u"Kasier"_s}};
    return signers;
}

const PageLayout &PrintPKOLayout()
{
    return BuiltOnce<&buildPko>();
}

const PageLayout &PrintRKOLayout()
{
    return BuiltOnce<&buildRko>();
}

const KindPrint &CashReceiptPrint()
{
    static const KindPrint print{&PrintPKOLayout, nullptr, &fillCashOrder};
    return print;
}

const KindPrint &CashDisbursementPrint()
{
    static const KindPrint print{&PrintRKOLayout, nullptr, &fillCashOrder};
    return print;
}

}  // namespace remitor
