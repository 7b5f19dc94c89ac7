#include "cash/gui/oborot_window.h"

#include "base/gui/twips.h"
#include "cash/cash_reports.h"
#include "cash/gui/kasa_window.h"
#include "cash/period_closing.h"
#include "print/gui/print_preview.h"
#include "print/text_pages.h"
#include "rules/dates.h"
#include "session/session.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

QString captionOf(OborotWindow::Mode m)
{
    switch (m) {
    case OborotWindow::Mode::Turnover: return u"Касов оборот"_s;
    case OborotWindow::Mode::Journal: return u"Дневник на касата"_s;
    case OborotWindow::Mode::Documents: return u"Списък на касовите документи"_s;
    case OborotWindow::Mode::Closing: return u"Приключване на касовата книга"_s;
    }
    return {};
}

}  // namespace

OborotWindow::OborotWindow(Session &session, QWidget *parent) : QWidget(parent), m_session(session)
{
    setObjectName(u"frmOborot"_s);
    setWindowTitle(u"Обороти"_s);
    setFixedSize(twipsSize(12000, 8400));
    const auto label = [this](const QString &text, int x, int y) {
        auto *l = new QLabel(text, this);
        l->setGeometry(twipsRect(x, y, 1300, 300));
    };
    const auto button = [this](const char *name, const QString &text, int x, int y, int w) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1StringView(name));
        b->setGeometry(twipsRect(x, y, w, 360));
        b->setAutoDefault(false);
        return b;
    };
    label(u"От дата:"_s, 240, 260);
    m_from = new QLineEdit(this);
    m_from->setObjectName(u"otDate"_s);
    m_from->setGeometry(twipsRect(1500, 240, 1500, 330));
    QPushButton *d1 = button("cmdD1", u"..."_s, 3050, 225, 420);
    label(u"До дата:"_s, 3800, 260);
    m_to = new QLineEdit(this);
    m_to->setObjectName(u"doDate"_s);
    m_to->setGeometry(twipsRect(5000, 240, 1500, 330));
    QPushButton *d2 = button("cmdD2", u"..."_s, 6550, 225, 420);
    QPushButton *go = button("cmdStart", u"Старт"_s, 7400, 225, 1300);
    m_print = button("cmdPrint", u"Печат"_s, 8800, 225, 1300);
    QPushButton *exit = button("cmdExit", u"Изход"_s, 10400, 225, 1300);
    // Which report the window makes, above the text.
    m_title = new QLabel(this);
    m_title->setObjectName(u"lblMode"_s);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setGeometry(twipsRect(240, 700, 11000, 300));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(u"Text1"_s);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont mono(u"Courier New"_s);
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSize(9);
    m_text->setFont(mono);
    m_text->setGeometry(twipsRect(120, 1080, 11760, 7200));

    for (QLineEdit *f : {m_from, m_to})
        connect(f, &QLineEdit::editingFinished, this, [this, f] { dateOf(f, true); });
    connect(d1, &QPushButton::clicked, this, [this] { pick(m_from); });
    connect(d2, &QPushButton::clicked, this, [this] { pick(m_to); });
    connect(go, &QPushButton::clicked, this, &OborotWindow::start);
    connect(m_print, &QPushButton::clicked, this, &OborotWindow::print);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    setMode(Mode::Turnover);
}

OborotWindow *OborotWindow::open(QWidget *parent, Session &session, Mode mode,
                                 const QString &search)
{
    OborotWindow *w = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *o = qobject_cast<OborotWindow *>(top))
            w = o;
    if (!w) {
        w = new OborotWindow(session, parent);
        w->setWindowFlag(Qt::Window);
        connect(w, &OborotWindow::bookClosed, w, [] { KasaWindow::reloadOpen(); });
    }
    w->setMode(mode, search);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void OborotWindow::setMode(Mode mode, const QString &search)
{
    m_mode = mode;
    m_search = mode == Mode::Journal ? search.trimmed() : QString();
    m_title->setText(captionOf(mode));
    m_text->clear();
    m_pages.clear();
    m_print->setEnabled(mode != Mode::Closing);
    // The closing offers the year before the working date; the reports the
    // program's period.
    QDate from = m_session.periodFrom, to = m_session.periodTo;
    if (mode == Mode::Closing) {
        const int year = m_session.today.year() - 1;
        from = QDate(year, 1, 1);
        to = QDate(year, 12, 31);
    }
    m_from->setText(ShortDateText(from));
    m_to->setText(ShortDateText(to));
}

QString OborotWindow::text() const
{
    return m_text->toPlainText();
}

QDate OborotWindow::dateOf(QLineEdit *field, bool tell)
{
    const QString typed = field->text().trimmed();
    const QString normal = NormalizeDateText(typed);
    if (normal.isEmpty()) {
        if (!typed.isEmpty()) {
            field->clear();
            if (tell)
                m_session.ui().tell(u"Невалидна дата"_s, Interaction::Icon::Warning);
        }
        return {};
    }
    field->setText(normal);
    return DateFromText(normal);
}

void OborotWindow::pick(QLineEdit *field)
{
    QDate date = DateFromText(field->text());
    if (!date.isValid())
        date = m_session.lastPickedDate;
    if (m_session.ui().pickDate(date, m_session.lastPickedDate))
        field->setText(ShortDateText(date));
}

void OborotWindow::start()
{
    const QDate from = dateOf(m_from, false), to = dateOf(m_to, false);
    m_pages.clear();
    if (m_mode != Mode::Closing)
        m_text->clear();  // no report of another period stays beside these dates
    if (!from.isValid() || !to.isValid()) {
        m_session.ui().tell(u"Невалидна дата"_s, Interaction::Icon::Warning);
        return;
    }
    if (m_mode == Mode::Closing) {
        if (const auto closed = ClosePeriod(m_session.store(), from, to)) {
            m_text->setPlainText(u"Касовата книга е приключена до "_s + ShortDateText(to) +
                                 u".\nСалдо към "_s + ShortDateText(closed->date) + u": "_s +
                                 MoneyText(closed->amount) + u' ' + CurrencyUnit(closed->currency) +
                                 u'\n');
            Q_EMIT bookClosed();
        }
        return;
    }
    if (to < from) {
        m_session.ui().tell(u"Крайната дата е преди началната."_s, Interaction::Icon::Warning);
        return;
    }
    m_session.periodFrom = from;
    m_session.periodTo = to;
    Store &store = m_session.store();
    switch (m_mode) {
    case Mode::Turnover:
        m_text->setPlainText(CashTurnoverText(CashTurnover(store, from, to)));
        break;
    case Mode::Journal: m_text->setPlainText(CashJournalText(store, from, to, m_search)); break;
    case Mode::Documents: m_text->setPlainText(CashDocumentListText(store, from, to)); break;
    case Mode::Closing: break;
    }
}

void OborotWindow::print()
{
    if (m_mode == Mode::Closing)
        return;
    // Made again over the period the window now shows: the dates may have
    // changed since "Старт".
    start();
    if (text().trimmed().isEmpty())
        return;
    m_pages = TextPages(u"frmOborot"_s, text());
    const QList<PrintJob> jobs = TextPrintJobs(m_pages, captionOf(m_mode));
    if (m_present)
        m_present(jobs);
    else
        ShowPrintPreview(this, m_session.store(), jobs);
}

void OborotWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace remitor
