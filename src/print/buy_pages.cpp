#include "print/buy_pages.h"

#include "print/bilingual_form.h"
#include "rules/words.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using namespace layout;
using namespace layout::bilingual;

constexpr int kHalf = 5945;
constexpr int kHeadingLeft = 7800;
constexpr int kSideHeight = 2640;

// A caption in both languages, one above the other, in the left of a row.
QList<PageElement> twoLines(const QString &bg, const QString &en, int top)
{
    return {caption(bg, kLeft + 60, top + 15, kCaption),
            caption(en, kLeft + 60, top + 125, kCaption)};
}

// One side of the order, in the sentence the bank's form writes it in:
// debit this account in this currency, for this amount at the bank's rate,
// and credit the equivalent to that account or pay it out at the desk.
QList<PageElement> side(int n, const QString &heading, int top)
{
    const QString s = QString::number(n);
    const auto at = [top](int dy) { return top + dy; };
    QList<PageElement> e;
    e << frame(kLeft, top, kWidth, kSideHeight, 15)
      << caption(heading, kLeft + 60, at(20), kCaptionBold);
    e << twoLines(u"Моля, чрез задължаване на сметка в"_s, u"Please debit Account in"_s, at(150))
      << value(u"Valuta"_s + s, kLeft + 2400, at(230), 1000, kFieldHeight, kField)
      << hline(kLeft + 2400, at(430), 1000, 8)
      << caption(u"IBAN"_s, kLeft + 3550, at(250), kCaption)
      << boxedValue(u"IBAN1"_s + s, kLeft + 4100, at(230), 22, kSpread, ValueFormat::Iban);
    e << rule(at(530))
      << twoLines(u"да бъде закупена сумата"_s, u"for buyng folowing amount"_s, at(530))
      << box(kLeft + 2400, at(580), 3200, 230, FormBoxColour)
      << value(u"suma"_s + s, kLeft + 2420, at(595), 3160, 210, kAmount).as(ValueFormat::Amount);
    e << rule(at(860)) << caption(u"словом / Account in words"_s, kLeft + 60, at(875), kCaption)
      << textArea(u"slovom"_s + s, kLeft + 90, at(990), kWidth - 150, 360, kField)
             .as(ValueFormat::Particular);
    e << rule(at(1380)) << vline(kHalf, at(1380), 300)
      << cell(u"по курс на"_s, u"kurs"_s + s, kLeft, kHalf, at(1380))
      << cell(u"вид валута / Currency"_s, u"vidValuta"_s + s, kHalf, kRight, at(1380));
    e << rule(at(1680)) << twoLines(u"Равностойността в"_s, u"The equivalent in"_s, at(1680))
      << value(u"Valuta2"_s + s, kLeft + 2400, at(1740), 2000, kFieldHeight, kField)
      << hline(kLeft + 2400, at(1940), 2000, 8)
      << caption(u", моля /shall be"_s, kLeft + 4500, at(1770), kCaption);
    e << rule(at(1980))
      << check(u"Check1"_s + s, u"да бъде заверена сметка / used to credit Account"_s, kLeft + 60,
               at(2090), 120, kCaption, u"Check1"_s + s, 1)
      << caption(u"IBAN"_s, kLeft + 3550, at(2090), kCaption)
      << boxedValue(u"IBAN2"_s + s, kLeft + 4100, at(2070), 22, kSpread, ValueFormat::Iban);
    e << rule(at(2310)) << vline(kHalf, at(2310), 330) << vline(kHalf + 2600, at(2310), 330)
      << check(u"Check2"_s + s, u"да бъде изплатена на каса / cased"_s, kLeft + 60, at(2420), 120,
               kCaption, u"Check2"_s + s, 1)
      << cell(u"Място / Place"_s, u"Mesto"_s + s, kHalf, kHalf + 2600, at(2310))
      << cell(u"Дата / Date"_s, u"workDate"_s + s, kHalf + 2600, kRight, at(2310));
    return e;
}

PageLayout build(const QString &name, const QString &heading)
{
    PageLayout p;
    p.name = name;
    QList<PageElement> &e = p.elements;
    e << bankHeader(
             {u"Банка / Bank"_s, u"Финансов зентър / Finansial Centre"_s, u"Адрес / Address"_s},
             {u"DoBanka"_s, u"Centre"_s, u"Address"_s}, 100, 6200)
      << title({u"НАРЕЖДАНЕ ЗА ПОКУПКА / ПРОДАЖБА НА ВАЛУТА"_s, u"BUY / SELL ORDER"_s}, 60)
      << box(kHeadingLeft, 560, kRight - kHeadingLeft, 320, FormBoxColour, 15)
      << captionIn(heading, kHeadingLeft, 610, kRight - kHeadingLeft, 240, kTitle, Align::Center);

    e << frame(kLeft, 960, kWidth, 600, 20)
      << cell(u"Име на титуляра / Account Holder"_s, u"Titul"_s, kLeft, kRight, 960) << rule(1260)
      << vline(kHalf, 1260, 300)
      << cell(u"ЕГН / ЛНЧ / БУЛСТАТ  Personal No / BULSTAT"_s, u"IDnomer"_s, kLeft, kHalf, 1260)
      << cell(u"Регистрационен номер / Regl No"_s, u"RegNo"_s, kHalf, kRight, 1260);

    e << side(0, u"ПОКУПКА / BUY"_s, 1680)
      << side(1, u"ПРОДАЖБА / SELL"_s, 1680 + kSideHeight + 120);

    e << caption(u"със средствата по сметката / Signatures of then persons"_s, kLeft, 7300,
                 kCaption)
      << caption(u"autorised to dispose of the funds at the account"_s, kLeft, 7410, kCaption)
      << hline(6000, 7600, kRight - 6000, 8) << hline(6000, 8000, kRight - 6000, 8);
    return p;
}

void fillWords(const Record &r, PageFill &fill)
{
    for (int n = 0; n <= 1; ++n) fill.setText(u"slovom"_s + QString::number(n), BuySellWords(r, n));
}

}  // namespace

QString BuySellWords(const Record &r, int side)
{
    const QString s = QString::number(side);
    const QString currency = r.text(u"Valuta"_s + s);
    const QString words = AmountInWordsBilingual(ShownAmount(r.money(u"suma"_s + s)), currency,
                                                 currency.trimmed().toUpper().left(3));
    const QString kept = r.text(u"slovom"_s + s).trimmed();
    return kept.isEmpty() || words.trimmed().startsWith(kept) ? words : kept;
}

const PageLayout &PrintBuyValutaLayout()
{
    static const PageLayout page = build(u"PrintBuyValuta"_s, u"ПОКУПКА / BUY"_s);
    return page;
}

const PageLayout &PrintSellValutaLayout()
{
    static const PageLayout page = build(u"PrintSellValuta"_s, u"ПРОДАЖБА / SELL"_s);
    return page;
}

const KindPrint &CurrencyBuySellPrint()
{
    static const KindPrint print{&PrintBuyValutaLayout, &PrintSellValutaLayout, &fillWords};
    return print;
}

}  // namespace remitor
