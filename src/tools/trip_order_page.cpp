#include "tools/trip_order_page.h"

#include "print/form_style.h"

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

PageLayout build()
{
    PageLayout p;
    p.name = u"frmPrintKom"_s;
    QList<PageElement> &e = p.elements;

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
    return p;
}

void fillTrip(const Record &r, PageFill &fill)
{
    fill.setText(u"dokladText"_s, u"В тридневен срок от завръщането да се докладва "_s +
                                      (r.boolean(u"doklad"_s) ? u"писмено"_s : u"устно"_s) +
                                      u" за извършената работа."_s);
}

}  // namespace

const PageLayout &TripOrderPage()
{
    return BuiltOnce<&build>();
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

}  // namespace remitor
