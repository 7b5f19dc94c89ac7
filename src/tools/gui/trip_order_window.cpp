#include "tools/gui/trip_order_window.h"

#include "base/gui/field_focus.h"
#include "base/gui/tile_icon.h"
#include "base/gui/twips.h"
#include "documents/gui/form.h"
#include "print/gui/print_preview.h"
#include "session/session.h"
#include "tools/trip_order_page.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

constexpr int kFormWidth = 10750;
constexpr int kFormHeight = 7100;  // the column of ten command buttons

// The order as its paper form reads, top to bottom.
const QList<FormItem> &tripForm()
{
    static const QList<FormItem> items = {
        {K::Caption, nullptr, u"Предприятие, организация, учреждение", 120, 150, 3900, 270},
        {K::Field, "txtFirma", nullptr, 4050, 120, 5850, 300},
        {K::Title, "lblTitle", u"ЗАПОВЕД ЗА КОМАНДИРОВКА", 120, 520, 9800, 400},

        {K::Caption, nullptr, u"Заповед №", 120, 1040, 1150, 270},
        {K::Field, "txtNo", nullptr, 1300, 1020, 1200, 300},
        {K::Caption, nullptr, u"Дата", 2800, 1040, 600, 270},
        {K::Field, "txtData", nullptr, 3400, 1020, 1500, 300},
        {K::Button, "cmdDate", u"...", 4950, 1020, 400, 300},

        {K::Caption, nullptr, u"Трите имена, длъжност", 120, 1460, 2250, 270},
        {K::Field, "txtIme", nullptr, 2400, 1440, 4400, 300},
        {K::Button, "cmdPerson", u"...", 6850, 1440, 400, 300},
        {K::Field, "txtDlj", nullptr, 7350, 1440, 2550, 300},
        {K::Caption, nullptr, u"Командирован до", 120, 1880, 2250, 270},
        {K::Field, "txtTo", nullptr, 2400, 1860, 7500, 300},
        {K::Caption, nullptr, u"Място, организация", 120, 2300, 2250, 270},
        {K::Field, "txtIn", nullptr, 2400, 2280, 7500, 300},

        {K::Caption, nullptr, u"Брой дни", 120, 2720, 1150, 270},
        {K::Field, "txtSrok", nullptr, 1300, 2700, 700, 300},
        {K::Caption, nullptr, u"от дата", 2250, 2720, 850, 270},
        {K::Field, "txtDateOt", nullptr, 3100, 2700, 1500, 300},
        {K::Button, "cmdDateOt", u"...", 4650, 2700, 400, 300},
        {K::Caption, nullptr, u"до дата", 5350, 2720, 850, 270},
        {K::Field, "txtDateDo", nullptr, 6200, 2700, 1500, 300},
        {K::Button, "cmdDateDo", u"...", 7750, 2700, 400, 300},

        {K::Caption, nullptr, u"Задача", 120, 3140, 1150, 270},
        {K::Field, "txtWork", nullptr, 1300, 3120, 8600, 300},
        {K::Caption, nullptr, u"Дневни пари", 120, 3560, 1450, 270},
        {K::Field, "txtDayMoney", nullptr, 1600, 3540, 1400, 300},
        {K::Caption, nullptr, u"Квартирни пари", 3300, 3560, 1650, 270},
        {K::Field, "txtNightMoney", nullptr, 5000, 3540, 1400, 300},
        {K::Caption, nullptr, u"Транспорт", 120, 3980, 1150, 270},
        {K::Field, "txtTransport", nullptr, 1300, 3960, 8600, 300},

        {K::Frame, "fraAuto", u"", 120, 4340, 9800, 940},
        {K::Caption, nullptr, u"МПС", 240, 4460, 550, 270},
        {K::Field, "txtAuto", nullptr, 800, 4440, 1800, 300},
        {K::Caption, nullptr, u"Марка", 2800, 4460, 700, 270},
        {K::Field, "txtMarka", nullptr, 3500, 4440, 2000, 300},
        {K::Caption, nullptr, u"Рег. №", 5700, 4460, 800, 270},
        {K::Field, "txtRegNo", nullptr, 6500, 4440, 1800, 300},
        {K::Caption, nullptr, u"Гориво", 240, 4880, 700, 270},
        {K::Field, "txtGorivo", nullptr, 950, 4860, 1650, 300},
        {K::Caption, nullptr, u"Разход на 100 км", 2800, 4880, 1650, 270},
        {K::Field, "txtRazhod", nullptr, 4500, 4860, 1000, 300},
        {K::Caption, nullptr, u"Ед.цена за 1 л.", 5700, 4880, 1550, 270},
        {K::Field, "txtCena", nullptr, 7300, 4860, 1000, 300},

        {K::Caption, nullptr, u"Доклад за извършената работа", 120, 5500, 2850, 270},
        {K::Frame, "fraDoklad", u"", 3000, 5400, 3200, 420},
        {K::Radio, "optUstno", u"Устно", 3120, 5460, 1300, 300},
        {K::Radio, "optPismeno", u"Писмено", 4600, 5460, 1450, 300},

        {K::Caption, nullptr, u"са за сметка на:", 120, 6000, 2550, 270},
        {K::Field, "txtSmetka", nullptr, 2700, 5980, 6750, 300},
        {K::Button, "cmdNotes", u"...", 9500, 5980, 400, 300},

        // For a printer that prints one side: the order and its back on one sheet.
        {K::Check, "Check1", u"Заповед и отчет на един лист", 120, 6460, 4500, 300},
    };
    return items;
}

}  // namespace

TripOrderWindow::TripOrderWindow(Session &session, QWidget *parent)
    : QWidget(parent), m_session(session), m_flow(session)
{
    setObjectName(u"frmCommand"_s);
    BuildForm(this, tripForm(), kFormWidth, kFormHeight);
    for (const TripField &f : TripFields()) {
        auto *e = findChild<QLineEdit *>(f.widget);
        Q_ASSERT_X(e, "TripOrderWindow", qPrintable(f.widget));
        const FieldDef *def = TripOrderTable().field(f.field);
        if (def->type == FieldType::Text)
            e->setMaxLength(def->width);
        FieldFocus::setBackground(e, Qt::white);
        e->installEventFilter(this);
        m_edits.append(e);
    }
    for (int i = 0; i + 1 < m_edits.size(); ++i) QWidget::setTabOrder(m_edits[i], m_edits[i + 1]);
    m_oral = findChild<QRadioButton *>(u"optUstno"_s);
    m_written = findChild<QRadioButton *>(u"optPismeno"_s);
    m_oneSheet = findChild<QCheckBox *>(u"Check1"_s);
    connect(m_oral, &QRadioButton::clicked, this,
            [this] { run([this] { m_flow.setWrittenReport(false); }); });
    connect(m_written, &QRadioButton::clicked, this,
            [this] { run([this] { m_flow.setWrittenReport(true); }); });

    const auto connectButton = [this](const QString &name, const std::function<void()> &action) {
        connect(findChild<QPushButton *>(name), &QPushButton::clicked, this,
                [this, action] { run(action); });
    };
    // The date picker opens beside its button.
    const auto date = [this](const QString &field, QPoint at) {
        return [this, field, at] {
            if (m_flow.pickDate(field, at))
                focusField(field);
        };
    };
    connectButton(u"cmdDate"_s, date(u"Date"_s, {4950, 1320}));
    connectButton(u"cmdDateOt"_s, date(u"otDate"_s, {4650, 3000}));
    connectButton(u"cmdDateDo"_s, date(u"doDate"_s, {7750, 3000}));
    connectButton(u"cmdPerson"_s, [this] {
        if (m_flow.pickPerson())
            focusField(u"Ime"_s);
    });
    connectButton(u"cmdNotes"_s, [this] { m_flow.pickNote(); });
    addCommands();

    // Opening the window starts a new order.
    m_flow.clear();
    showRecord();
}

TripOrderWindow::~TripOrderWindow()
{
    // A focused field sends a last "left" while the window goes.
    for (QLineEdit *e : std::as_const(m_edits)) e->removeEventFilter(this);
}

void TripOrderWindow::addCommands()
{
    const QColor blue(0, 102, 170), red(170, 30, 30), grey(90, 90, 90);
    QStyle *st = style();
    const struct {
        const char16_t *name, *tip;
        QIcon icon;
        std::function<void()> action;
        QKeySequence key;
    } commands[] = {
        {u"cmdNew", u"Изчиства документ", st->standardIcon(QStyle::SP_FileIcon),
         [this] { m_flow.newOrder(); }, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {u"cmdPrevious",
         u"Чете предходен документ",
         st->standardIcon(QStyle::SP_ArrowBack),
         [this] { m_flow.previous(); },
         {}},
        {u"cmdNext",
         u"Чете следващ документ",
         st->standardIcon(QStyle::SP_ArrowForward),
         [this] { m_flow.next(); },
         {}},
        {u"cmdRead", u"Чете документ", st->standardIcon(QStyle::SP_DialogOpenButton),
         [this] { m_flow.read(); }, QKeySequence(Qt::CTRL | Qt::Key_F)},
        {u"cmdSave", u"Записва документ", st->standardIcon(QStyle::SP_DialogSaveButton),
         [this] { m_flow.save(); }, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {u"cmdDel",
         u"Изтрива документ",
         st->standardIcon(QStyle::SP_TrashIcon),
         [this] { m_flow.remove(); },
         {}},
        {u"cmdPrint", u"Печата документ", tileIcon(u"П"_s, blue), [this] { print(false); },
         QKeySequence(Qt::CTRL | Qt::Key_P)},
        {u"cmdPrint2",
         u"Печата гърба: отчета за командировката",
         tileIcon(u"О"_s, blue),
         [this] { print(true); },
         {}},
        {u"cmdHelp",
         u"Помощ",
         tileIcon(u"?"_s, grey),
         [this] {
             m_session.ui().tell(
                 u"     Служителите, които често пътуват, въведете в списъка на контрагентите: "
                 "бутонът до името ги предлага за избор.\n     Бутонът до „са за сметка на:“ "
                 "предлага текстовете от „Бележки“."_s,
                 Interaction::Icon::Information, u"Помощ"_s);
         },
         {}},
        {u"cmdExit", u"Изход", tileIcon(u"Х"_s, red), [this] { close(); }, {}},
    };
    int row = 0;
    for (const auto &c : commands) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromUtf16(c.name));
        QString tip = QString::fromUtf16(c.tip);
        if (!c.key.isEmpty())
            tip += u" ("_s + c.key.toString(QKeySequence::NativeText) + u')';
        b->setToolTip(tip);
        b->setIcon(c.icon);
        b->setIconSize(QSize(26, 26));
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(width() - 46, 8 + row++ * 46, 38, 40);
        const auto action = c.action;
        connect(b, &QToolButton::clicked, this, [this, action] { run(action); });
        if (!c.key.isEmpty()) {
            auto *key = new QShortcut(c.key, this);
            connect(key, &QShortcut::activated, b, &QToolButton::click);
        }
    }
}

void TripOrderWindow::print(bool back)
{
    if (m_oneSheet->isChecked()) {
        // Both sides at once: there is one sheet, so no copies to choose.
        const PrintJob job = TripOneSheetJob(m_flow.record(), m_session.colorPrinting);
        if (m_present)
            m_present(this, job);
        else
            ShowPrintPreview(this, m_session.store(), job);
        return;
    }
    PrintDocument(this, m_session, TripOrderSubject(), back ? TripReportPrint() : TripOrderPrint(),
                  m_flow.record(), false, m_present);
}

QLineEdit *TripOrderWindow::field(const QString &widget) const
{
    return findChild<QLineEdit *>(widget);
}

QToolButton *TripOrderWindow::command(const QString &name) const
{
    return findChild<QToolButton *>(name);
}

void TripOrderWindow::showRecord()
{
    for (int i = 0; i < m_edits.size(); ++i) {
        const QString text = m_flow.display(TripFields()[i].field);
        if (m_edits[i]->text() != text) {
            m_edits[i]->setText(text);
            m_edits[i]->setCursorPosition(0);
        }
        m_shown.insert(m_edits[i], text);
    }
    const bool written = m_flow.record().boolean(u"doklad"_s);
    m_written->setChecked(written);
    m_oral->setChecked(!written);
    setWindowTitle(m_flow.caption());
}

bool TripOrderWindow::leave(int place)
{
    QLineEdit *e = m_edits[place];
    if (m_busy || e->text() == m_shown.value(e))
        return true;
    // A message shown while taking the field takes the focus too: once only.
    m_busy = true;
    const bool ok = m_flow.take(TripFields()[place].field, e->text());
    m_busy = false;
    showRecord();
    return ok;
}

bool TripOrderWindow::takeFocused()
{
    const int place = int(m_edits.indexOf(qobject_cast<QLineEdit *>(focusWidget())));
    return place < 0 || leave(place);
}

void TripOrderWindow::run(const std::function<void()> &command)
{
    // The buttons take no focus: the field being typed is taken first, and a
    // text it refuses stops the command (a save would store the old value).
    if (!takeFocused())
        return;
    if (command)
        command();
    showRecord();
}

void TripOrderWindow::focusField(const QString &recordField)
{
    for (int i = 0; i < m_edits.size(); ++i)
        if (TripFields()[i].field.compare(recordField, Qt::CaseInsensitive) == 0)
            m_edits[i]->setFocus(Qt::OtherFocusReason);
}

bool TripOrderWindow::eventFilter(QObject *watched, QEvent *event)
{
    const int place = int(m_edits.indexOf(qobject_cast<QLineEdit *>(watched)));
    if (place < 0)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn: FieldFocus::setBackground(m_edits[place], FocusYellow); break;
    case QEvent::FocusOut:
        FieldFocus::setBackground(m_edits[place], Qt::white);
        leave(place);
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter moves on only from a field that was taken.
            if (leave(place))
                m_edits[(place + 1) % m_edits.size()]->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (key == Qt::Key_Escape) {
            close();
            return true;
        }
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void TripOrderWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TripOrderWindow::closeEvent(QCloseEvent *event)
{
    // The field being typed is kept: the order outlives the window.
    takeFocused();
    QWidget::closeEvent(event);
}

}  // namespace remitor
