#include "tools/trip_order_page.h"

#include "print/form_style.h"
#include "rules/field_rules.h"
#include "rules/formatting.h"

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using namespace layout;

constexpr int kLeft = 1200;
constexpr int kRight = 10700;
constexpr int kWidth = kRight - kLeft;

constexpr TextStyle kOrderTitle{FontFamily::Times, 320, true};
constexpr TextStyle kOrderVerb{FontFamily::Times, 260, true};

// A value on a line, as the order's blanks are filled in by hand. Numbers,
// dates and amounts show as in the window ("40.00", nothing for none).
QList<PageElement> blank(const QString &name, int left, int top, int width,
                         ValueFormat format = ValueFormat::Trimmed)
{
    return {value(name, left, top, width, kValueHeight, kValue).as(format),
            hline(left, top + 230, width, 8)};
}

constexpr ValueFormat kShown = ValueFormat::Shown;

QList<PageElement> label(const QString &text, int left, int top)
{
    return {caption(text, left, top + 20, kHeader)};
}

QList<PageElement> note(const QString &text, int left, int top)
{
    return {caption(text, left, top + 250, kTiny)};
}

QList<PageElement> orderElements()
{
    QList<PageElement> e;

    e << label(u"Предприятие, организация, учреждение:"_s, kLeft, 120)
      << blank(u"Firma"_s, 4500, 120, kRight - 4500);

    e << captionIn(u"З А П О В Е Д"_s, kLeft, 560, kWidth, 400, kOrderTitle, Align::Center);
    e << label(u"№"_s, 4000, 1020) << blank(u"No"_s, 4300, 1020, 1100, kShown)
      << label(u"Дата:"_s, 5700, 1020) << blank(u"Date"_s, 6300, 1020, 1400, kShown);

    e << captionIn(u"На основание чл,215 във връзка с чл.121 от Кодекса на труда и Наредбата"_s,
                   kLeft, 1450, kWidth, 220, kText, Align::Center)
      << captionIn(u"за командировките в страната"_s, kLeft, 1650, kWidth, 220, kText,
                   Align::Center);
    e << captionIn(u"К О М А Н Д И Р О В А М"_s, kLeft, 1960, kWidth, 330, kOrderVerb,
                   Align::Center);

    e << blank(u"Ime"_s, kLeft, 2420, 5600) << note(u"(трите имена)"_s, kLeft, 2420)
      << blank(u"dlj"_s, 7000, 2420, kRight - 7000) << note(u"(длъжност)"_s, 7000, 2420);

    e << label(u"до"_s, kLeft, 2950) << blank(u"Do"_s, 1550, 2950, 3700)
      << note(u"(населено място)"_s, 1550, 2950) << label(u"в"_s, 5400, 2950)
      << blank(u"In"_s, 5650, 2950, kRight - 5650)
      << note(u"(предприятие, организация, учреждение)"_s, 5650, 2950);

    e << label(u"за срок от"_s, kLeft, 3480) << blank(u"srok"_s, 2350, 3480, 600, kShown)
      << label(u"дни, от"_s, 3050, 3480) << blank(u"otDate"_s, 3850, 3480, 1400, kShown)
      << label(u"до"_s, 5400, 3480) << blank(u"doDate"_s, 5750, 3480, 1400, kShown)
      << label(u"включително"_s, 7300, 3480);

    e << label(u"със задача:"_s, kLeft, 3900)
      << textArea(u"Work"_s, 2500, 3900, kRight - 2500, 480, kValue).as(ValueFormat::Trimmed)
      << hline(2500, 4130, kRight - 2500, 8) << hline(kLeft, 4380, kWidth, 8);

    e << label(u"Дневни пари:"_s, kLeft, 4580) << blank(u"dnevni"_s, 2650, 4580, 1500, kShown)
      << label(u"Квартирни пари:"_s, 4500, 4580) << blank(u"nostni"_s, 6200, 4580, 1500, kShown);
    e << label(u"Пътуването да се извърши с:"_s, kLeft, 4980)
      << blank(u"transport"_s, 4000, 4980, kRight - 4000);
    e << label(u"МПС:"_s, kLeft, 5380) << blank(u"MPS"_s, 1800, 5380, 1800)
      << label(u"марка:"_s, 3800, 5380) << blank(u"marka"_s, 4550, 5380, 2000)
      << label(u"рег. №:"_s, 6750, 5380) << blank(u"RegNo"_s, 7550, 5380, kRight - 7550);
    e << label(u"Гориво:"_s, kLeft, 5780) << blank(u"Gorivo"_s, 2050, 5780, 1550)
      << label(u"Разход на 100 км:"_s, 3800, 5780) << blank(u"Razhod"_s, 5700, 5780, 1000, kShown)
      << label(u"Ед.цена за 1 л.:"_s, 6900, 5780)
      << blank(u"Cena"_s, 8650, 5780, kRight - 8650, kShown);

    e << label(u"Разходите за командировката са за сметка на:"_s, kLeft, 6200)
      << blank(u"smetka"_s, 5600, 6200, kRight - 5600);

    // "писмено" or "устно", as the order says.
    e << value(u"dokladText"_s, kLeft, 6650, kWidth, kValueHeight, kText)
             .as(ValueFormat::Particular);

    e << caption(u"Командирован:"_s, kLeft, 7450, kHeader) << hline(2700, 7650, 2800, 8)
      << caption(u"Ръководител:"_s, 6100, 7450, kHeader) << hline(7500, 7650, kRight - 7500, 8);
    return e;
}

// The back of the order: where the employee arrived and left, certified by
// those visited, the report of the work, and the account of the costs that
// the accountant settles after the trip. What the order already fixes (the
// days and the daily allowance) is filled in; the rest is written by hand.
QList<PageElement> reportElements()
{
    QList<PageElement> e;
    e << label(u"Към заповед №"_s, kLeft, 120) << blank(u"No"_s, 2750, 120, 900, kShown)
      << label(u"от"_s, 3800, 120) << blank(u"Date"_s, 4150, 120, 1400, kShown)
      << label(u"Командирован:"_s, 5750, 120) << blank(u"Ime"_s, 7250, 120, kRight - 7250);

    e << captionIn(u"О Т Ч Е Т"_s, kLeft, 480, kWidth, 400, kOrderTitle, Align::Center)
      << captionIn(u"за командировката"_s, kLeft, 880, kWidth, 220, kText, Align::Center);

    // The places visited, each certified with a signature and a stamp.
    constexpr int tableTop = 1250, headHeight = 300, rowHeight = 400, rows = 4;
    constexpr int arrivedAt = kLeft, arrivedOn = 5000, leftOn = 6400, signature = 7800;
    e << frame(kLeft, tableTop, kWidth, headHeight + rows * rowHeight, 10);
    const struct {
        int left, right;
        QString head;
    } columns[] = {{arrivedAt, arrivedOn, u"Пристигнал в (място, организация)"_s},
                   {arrivedOn, leftOn, u"на дата"_s},
                   {leftOn, signature, u"отпътувал на дата"_s},
                   {signature, kRight, u"подпис и печат"_s}};
    for (const auto &c : columns) {
        e << captionIn(c.head, c.left, tableTop + 50, c.right - c.left, 220, kSmall, Align::Center);
        if (c.left != kLeft)
            e << vline(c.left, tableTop, headHeight + rows * rowHeight, 10);
    }
    for (int row = 0; row < rows; ++row)
        e << hline(kLeft, tableTop + headHeight + row * rowHeight, kWidth, 10);
    // The first place is the one the order sends the employee to.
    // The destination and the place visited, on two lines when they need.
    e << textArea(u"arrivedAt"_s, arrivedAt + 80, tableTop + headHeight + 30,
                  arrivedOn - arrivedAt - 160, rowHeight - 50, kValue)
             .as(ValueFormat::Particular);

    constexpr int workTop = tableTop + headHeight + rows * rowHeight + 200;
    e << label(u"Отчет за извършената работа:"_s, kLeft, workTop);
    for (int line = 0; line < 3; ++line)
        e << hline(line == 0 ? 4200 : kLeft, workTop + 230 + line * 300,
                   line == 0 ? kRight - 4200 : kWidth, 8);

    constexpr int costsTop = workTop + 1100;
    e << caption(u"Сметка за разходите"_s, kLeft, costsTop, kSmallBold);
    constexpr int amountLeft = 8900;  // the column of the sums
    constexpr int amountWidth = kRight - amountLeft;
    int y = costsTop + 330;
    e << label(u"Дневни пари:"_s, kLeft, y) << blank(u"srok"_s, 2700, y, 600, kShown)
      << label(u"дни по"_s, 3400, y) << blank(u"dnevni"_s, 4150, y, 1300, kShown)
      << label(u"="_s, 8600, y)
      << value(u"dnevniTotal"_s, amountLeft, y, amountWidth, kValueHeight, kValue)
             .as(ValueFormat::Particular)
      << hline(amountLeft, y + 230, amountWidth, 8);
    y += 360;
    e << label(u"Квартирни пари:"_s, kLeft, y) << hline(2700, y + 230, 600, 8)
      << label(u"нощувки по"_s, 3400, y) << blank(u"nostni"_s, 4650, y, 1300, kShown)
      << label(u"="_s, 8600, y) << hline(amountLeft, y + 230, amountWidth, 8);
    y += 360;
    e << label(u"Пътни пари:"_s, kLeft, y) << label(u"="_s, 8600, y)
      << hline(amountLeft, y + 230, amountWidth, 8);
    e << label(u"с лично МПС:"_s, 2700, y) << hline(4050, y + 230, 700, 8)
      << label(u"км, разход"_s, 4800, y) << blank(u"Razhod"_s, 5950, y, 700, kShown)
      << label(u"л/100 км, по"_s, 6700, y) << blank(u"Cena"_s, 7950, y, 500, kShown);
    y += 360;
    e << label(u"Общо:"_s, kLeft, y) << label(u"="_s, 8600, y)
      << hline(amountLeft, y + 230, amountWidth, 8);
    y += 360;
    e << label(u"Получен аванс:"_s, kLeft, y) << hline(amountLeft, y + 230, amountWidth, 8);
    y += 360;
    e << label(u"За доплащане / за възстановяване:"_s, kLeft, y)
      << hline(amountLeft, y + 230, amountWidth, 8);

    y += 600;
    e << caption(u"Командирован:"_s, kLeft, y, kHeader) << hline(2700, y + 200, 2800, 8)
      << caption(u"Проверил:"_s, 6100, y, kHeader) << hline(7500, y + 200, kRight - 7500, 8);
    y += 450;
    e << caption(u"Гл. счетоводител:"_s, kLeft, y, kHeader) << hline(2700, y + 200, 2800, 8)
      << caption(u"Ръководител:"_s, 6100, y, kHeader) << hline(7500, y + 200, kRight - 7500, 8);
    return e;
}

PageLayout buildOrder()
{
    return {u"frmPrintKom"_s, A4WidthTwips, orderElements()};
}

PageLayout buildReport()
{
    return {u"frmPrintKom2"_s, A4WidthTwips, reportElements()};
}

// Both sides on one sheet, for a printer that prints one side only: the
// order in the upper half, its back in the lower.
PageLayout buildOneSheet()
{
    PageLayout p{u"frmPrintCom"_s, A4WidthTwips, orderElements()};
    for (PageElement e : reportElements()) {
        e.top += CopyOffsetTwips;
        p.elements << e;
    }
    return p;
}

void fillTrip(const Record &r, PageFill &fill)
{
    fill.setText(u"dokladText"_s, u"В тридневен срок от завръщането да се докладва "_s +
                                      (r.boolean(u"doklad"_s) ? u"писмено"_s : u"устно"_s) +
                                      u" за извършената работа."_s);
}

void fillReport(const Record &r, PageFill &fill)
{
    QStringList place;
    for (const QString &field : {u"Do"_s, u"In"_s})
        if (const QString text = r.text(field).trimmed(); !text.isEmpty())
            place << text;
    fill.setText(u"arrivedAt"_s, place.join(u", "_s));
    fill.setText(u"dnevniTotal"_s, AmountDisplayText(TripDailyAllowance(r)));
}

void fillBoth(const Record &r, PageFill &fill)
{
    fillTrip(r, fill);
    fillReport(r, fill);
}

}  // namespace

Money TripDailyAllowance(const Record &order)
{
    // The rate as the back prints it beside the days, so that the line adds
    // up on paper. The days are at most 999 and the rate an amount of the
    // form: the product stays far inside the range of Money.
    const qint64 days = order.integer(u"srok"_s);
    const Money rate = ShownAmount(order.money(u"dnevni"_s));
    return days > 0 && rate > Money() ? Money::fromRaw(rate.raw() * days) : Money();
}

const PageLayout &TripOrderPage()
{
    return BuiltOnce<&buildOrder>();
}

const PageLayout &TripReportPage()
{
    return BuiltOnce<&buildReport>();
}

const PageLayout &TripOneSheetPage()
{
    return BuiltOnce<&buildOneSheet>();
}

PrintSubject TripOrderSubject()
{
    return {u"Заповед за командировка"_s, {}, {}, [](const QString &) { return FieldRule::Text; }};
}

const KindPrint &TripOrderPrint()
{
    static const KindPrint print{&TripOrderPage, nullptr, &fillTrip};
    return print;
}

const KindPrint &TripReportPrint()
{
    static const KindPrint print{&TripReportPage, nullptr, &fillReport};
    return print;
}

PrintJob TripOneSheetJob(const Record &order, bool colourPrinting)
{
    PrintJob job;
    job.layout = &TripOneSheetPage();
    job.fill = FillPage(*job.layout, order, TripOrderSubject(), colourPrinting, &fillBoth);
    job.heightTwips = PageHeightTwips(Copies::Two);
    job.wholeSheet = true;
    job.documentName = TripOrderSubject().title + u" No:"_s + numberText(order.key());
    return job;
}

}  // namespace remitor
