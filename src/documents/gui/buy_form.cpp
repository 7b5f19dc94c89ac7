#include "documents/gui/editor_window.h"
#include "documents/gui/field_binder.h"
#include "documents/gui/kind_wiring.h"
#include "print/buy_pages.h"
#include "session/session.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

constexpr int kSideTop = 3760;  // both sides stand here, one at a time

// The names of one side's widgets: side 0 buys, side 1 sells.
struct SideNames {
    const char *panel, *valuta, *iban1, *suma, *slovom, *kurs, *rate, *vidValuta, *valuta2, *check1,
        *iban2, *check2, *mesto, *workDate, *dateButton;
};
constexpr SideNames kSides[] = {
    {"pnlSide0", "Valuta0", "IBAN10", "suma0", "slovom0", "kurs0", "lblKurs0", "vidValuta0",
     "Valuta20", "Check10", "IBAN20", "Check20", "Mesto0", "workDate0", "cmdDat0"},
    {"pnlSide1", "Valuta1", "IBAN11", "suma1", "slovom1", "kurs1", "lblKurs1", "vidValuta1",
     "Valuta21", "Check11", "IBAN21", "Check21", "Mesto1", "workDate1", "cmdDat1"},
};

// One side of the order, in the sentence the bank's form writes it in.
QList<FormItem> side(const SideNames &n)
{
    const int y = kSideTop;
    return {
        {K::Panel, n.panel, nullptr, 120, y, 10880, 4000},
        {K::Frame, nullptr, u"", 120, y, 10880, 4000},
        {K::Caption, nullptr, u"Моля, чрез задължаване на сметка в / Please debit Account in", 240,
         y + 60, 6000, 240},
        {K::Field, n.valuta, nullptr, 240, y + 300, 1200, 300},
        {K::Caption, nullptr, u"IBAN", 6600, y + 60, 1000, 240},
        {K::Field, n.iban1, nullptr, 6600, y + 300, 4200, 300},
        {K::Caption, nullptr, u"да бъде закупена сумата / for buyng folowing amount", 240, y + 680,
         5000, 240},
        {K::Field, n.suma, nullptr, 240, y + 920, 2400, 300},
        {K::Caption, n.rate, u"По курс на ", 5300, y + 680, 2800, 240},
        {K::Field, n.kurs, nullptr, 5300, y + 920, 2700, 300},
        {K::Caption, nullptr, u"вид валута / Currency", 8200, y + 680, 2600, 240},
        {K::Field, n.vidValuta, nullptr, 8200, y + 920, 2600, 300},
        {K::Caption, nullptr, u"словом / Account in words", 240, y + 1300, 6000, 240},
        {K::Field, n.slovom, nullptr, 240, y + 1540, 10560, 300},
        {K::Caption, nullptr, u"Равностойността в / The equivalent in", 240, y + 1920, 6000, 240},
        {K::Field, n.valuta2, nullptr, 240, y + 2160, 1200, 300},
        {K::Caption, nullptr, u", моля /shall be", 1560, y + 2180, 2000, 240},
        {K::Check, n.check1, u"да бъде заверена сметка / used to credit Account", 240, y + 2560,
         6000, 300, n.check1},
        {K::Caption, nullptr, u"IBAN", 6100, y + 2580, 500, 240},
        {K::Field, n.iban2, nullptr, 6600, y + 2560, 4200, 300},
        {K::Check, n.check2, u"да бъде изплатена на каса / cased", 240, y + 2940, 6000, 300,
         n.check2},
        {K::Caption, nullptr, u"Място / Place", 240, y + 3340, 3000, 240},
        {K::Field, n.mesto, nullptr, 240, y + 3580, 3600, 300},
        {K::Caption, nullptr, u"Дата /Date", 4200, y + 3340, 1500, 240},
        {K::Field, n.workDate, nullptr, 4200, y + 3580, 1500, 300},
        {K::Button, n.dateButton, u"...", 5760, y + 3580, 400, 300},
    };
}

QList<FormItem> buildForm()
{
    QList<FormItem> items = {
        {K::Frame, "fraBank", u"", 120, 120, 6400, 1280},
        {K::Caption, nullptr, u"Банка / Bank", 240, 220, 3000, 260},
        {K::Field, "DoBanka", nullptr, 3300, 200, 3100, 300},
        {K::Caption, nullptr, u"Финансов зентър / Finansial Centre", 240, 580, 3000, 260},
        {K::Field, "Centre", nullptr, 3300, 560, 3100, 300},
        {K::Caption, nullptr, u"Адрес / Address", 240, 940, 3000, 260},
        {K::Field, "Address", nullptr, 3300, 920, 3100, 300},
        // The heading of the side shown and the button that turns the window over.
        {K::Caption, "lblMode", u"ПОКУПКА / BUY", 6640, 300, 2700, 480},
        {K::Button, "cmdMode", u"Продажба", 9500, 300, 1500, 480},

        {K::Title, "lblTitle", u"НАРЕЖДАНЕ ЗА ПОКУПКА / ПРОДАЖБА НА ВАЛУТА", 300, 1480, 10600, 380},
        {K::Caption, nullptr, u"BUY / SELL ORDER", 4900, 1880, 3000, 260},

        {K::Frame, "fraTitul", u"", 120, 2200, 10880, 1480},
        {K::Caption, nullptr, u"Име на титуляра / Account Holder", 240, 2260, 6000, 240},
        {K::Field, "Titul", nullptr, 240, 2500, 10640, 300},
        {K::Caption, nullptr, u"ЕГН / ЛНЧ / БУЛСТАТ  Personal No / BULSTAT", 240, 2880, 5000, 240},
        {K::Field, "IDnomer", nullptr, 240, 3120, 5000, 300},
        {K::Caption, nullptr, u"Регистрационен номер / Regl No", 5600, 2880, 5000, 240},
        {K::Field, "RegNo", nullptr, 5600, 3120, 5280, 300},
    };
    for (const SideNames &n : kSides) items << side(n);
    return items;
}

const QList<FormItem> &form()
{
    static const QList<FormItem> items = buildForm();
    return items;
}

// The window shows the buy side or the sell side; the button turns it over
// and keeps its state for the run (the editor lives as long as the program).
void showMode(EditorWindow &editor, bool sell)
{
    editor.fields().takeAll();
    editor.findChild<QPushButton *>(u"cmdMode"_s)->setText(sell ? u"Покупка"_s : u"Продажба"_s);
    auto *heading = editor.findChild<QLabel *>(u"lblMode"_s);
    heading->setText(sell ? u"ПРОДАЖБА / SELL"_s : u"ПОКУПКА / BUY"_s);
    QPalette p = heading->palette();
    p.setColor(QPalette::Window, sell ? QColor(255, 204, 204) : QColor(204, 238, 204));
    heading->setPalette(p);
    for (const SideNames &n : kSides)
        editor.findChild<QWidget *>(QLatin1StringView(n.panel))
            ->setVisible((&n == &kSides[1]) == sell);
}

void extendBuySell(EditorWindow &editor)
{
    auto *mode = editor.findChild<QPushButton *>(u"cmdMode"_s);
    mode->setCheckable(true);
    auto *heading = editor.findChild<QLabel *>(u"lblMode"_s);
    heading->setAutoFillBackground(true);
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPixelSize(15);
    heading->setFont(bold);
    QObject::connect(mode, &QPushButton::toggled, &editor,
                     [&editor](bool sell) { showMode(editor, sell); });
    showMode(editor, false);

    // "По курс на" and the bank, as the bank's name is typed.
    QLineEdit *bank = editor.fields().edit(u"DoBanka"_s);
    QObject::connect(bank, &QLineEdit::textChanged, &editor, [&editor](const QString &name) {
        for (const SideNames &n : kSides)
            editor.findChild<QLabel *>(QLatin1StringView(n.rate))
                ->setText(u"По курс на "_s + name.trimmed());
    });

    for (const SideNames &n : kSides) {
        const QString date = QLatin1StringView(n.workDate);
        auto *button = editor.findChild<QPushButton *>(QLatin1StringView(n.dateButton));
        QObject::connect(button, &QPushButton::clicked, &editor, [&editor, date] {
            editor.run([&editor, date] {
                if (editor.workflow().pickDate(date, {1400, 4550})) {
                    editor.fields().showAll();  // before the field being left is taken
                    editor.fields().edit(date)->setFocus();
                }
            });
        });
    }

    // Opening: a side without a date, or any side of an order not yet
    // stored, is dated today.
    QObject::connect(&editor, &EditorWindow::opening, &editor, [&editor] {
        Record &r = editor.workflow().record();
        for (const SideNames &n : kSides) {
            const QString date = QLatin1StringView(n.workDate);
            if (r.key() == 0 || !r.date(date).isValid())
                r.setDate(date, editor.workflow().session().today);
        }
    });
}

}  // namespace

KindWiring CurrencyBuySellWiring()
{
    KindWiring w;
    w.kind = u"Buy"_s;
    w.form = {&form, 11720, 7880};
    w.print = &CurrencyBuySellPrint;
    // The mode chooses the page: its heading says which side is ordered.
    w.pageChoice = u"cmdMode"_s;
    w.menuItem = u"mnuBuy"_s;
    w.extend = &extendBuySell;
    return w;
}

}  // namespace remitor
