#include "tools/gui/trip_report_window.h"

#include "print/gui/print_preview.h"
#include "print/text_pages.h"
#include "rules/dates.h"
#include "session/session.h"
#include "tools/trip_order.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace remitor {

TripReportWindow::TripReportWindow(Session &session, QWidget *parent)
    : QWidget(parent), m_session(session)
{
    setObjectName(u"frmKomReport"_s);
    setWindowTitle(u"Справка за командировки"_s);
    m_from = new QLineEdit(this);
    m_from->setObjectName(u"otDate"_s);
    m_to = new QLineEdit(this);
    m_to->setObjectName(u"doDate"_s);
    const auto button = [this](const QString &name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton *d1 = button(u"cmdD1"_s, u"..."_s);
    QPushButton *d2 = button(u"cmdD2"_s, u"..."_s);
    QPushButton *go = button(u"cmdStart"_s, u"Старт"_s);
    QPushButton *printButton = button(u"cmdPrint"_s, u"Печат"_s);
    QPushButton *exit = button(u"cmdExit"_s, u"Изход"_s);
    for (QPushButton *b : {d1, d2}) b->setFixedWidth(30);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(u"Text1"_s);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont courier(u"Courier New"_s);
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPixelSize(12);
    m_text->setFont(courier);

    auto *period = new QGridLayout;
    period->addWidget(new QLabel(u"От дата:"_s, this), 0, 0);
    period->addWidget(m_from, 0, 1);
    period->addWidget(d1, 0, 2);
    period->addWidget(new QLabel(u"До дата:"_s, this), 0, 3);
    period->addWidget(m_to, 0, 4);
    period->addWidget(d2, 0, 5);
    period->addWidget(go, 0, 6);
    period->addWidget(printButton, 0, 7);
    period->addWidget(exit, 0, 8);
    period->setColumnStretch(9, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(period);
    layout->addWidget(m_text, 1);
    resize(1120, 480);

    connect(d1, &QPushButton::clicked, this, [this] { pick(m_from); });
    connect(d2, &QPushButton::clicked, this, [this] { pick(m_to); });
    connect(go, &QPushButton::clicked, this, &TripReportWindow::start);
    connect(printButton, &QPushButton::clicked, this, &TripReportWindow::print);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
}

void TripReportWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_from->setText(ShortDateText(m_session.periodFrom));
    m_to->setText(ShortDateText(m_session.periodTo));
}

void TripReportWindow::pick(QLineEdit *field)
{
    QDate date = m_session.lastPickedDate;
    if (m_session.ui().pickDate(date, m_session.lastPickedDate))
        field->setText(ShortDateText(date));
}

bool TripReportWindow::start()
{
    const QDate from = DateFromText(NormalizeDateText(m_from->text()));
    const QDate to = DateFromText(NormalizeDateText(m_to->text()));
    if (!from.isValid() || !to.isValid()) {
        m_session.ui().tell(u"Невалидна дата"_s);
        return false;
    }
    if (from > to) {
        m_session.ui().tell(u"Дата2 е по-малка от Дата1."_s, Interaction::Icon::Critical);
        return false;
    }
    m_from->setText(ShortDateText(from));
    m_to->setText(ShortDateText(to));
    m_session.periodFrom = from;
    m_session.periodTo = to;
    m_text->setPlainText(TripReportText(TripsInPeriod(m_session.store(), from, to), from, to));
    return true;
}

void TripReportWindow::print()
{
    if (m_text->toPlainText().trimmed().isEmpty() && !start())
        return;
    m_pages = TextPages(u"frmKomReport"_s, m_text->toPlainText());
    const QList<PrintJob> jobs = TextPrintJobs(m_pages, windowTitle());
    if (m_present)
        m_present(jobs);
    else
        ShowPrintPreview(this, m_session.store(), jobs);
}

void TripReportWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace remitor
