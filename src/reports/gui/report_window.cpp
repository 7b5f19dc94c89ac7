#include "reports/gui/report_window.h"

#include "print/gui/page_renderer.h"
#include "print/gui/print_preview.h"
#include "reports/gui/report_viewer.h"
#include "rules/dates.h"
#include "session/session.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

enum Role { AccountRole = Qt::UserRole, NameRole };

QDate dateOf(const QLineEdit *field)
{
    return DateFromText(NormalizeDateText(field->text()));
}

}  // namespace

void PartyBox::showPopup()
{
    Q_EMIT aboutToOpen();
    if (count() > 0)
        QComboBox::showPopup();
}

ReportWindow::ReportWindow(Session &session, QWidget *parent) : QWidget(parent), m_session(session)
{
    setObjectName(u"frmPDSpravki"_s);
    setWindowTitle(u"Справки"_s);

    auto *kinds = new QGroupBox(u"Справка за:"_s, this);
    auto *kindsLayout = new QVBoxLayout(kinds);
    m_kinds = new QButtonGroup(this);
    QList<const ReportsKind *> byOption;
    for (const ReportsKind &k : reportsKinds()) byOption << &k;
    std::sort(byOption.begin(), byOption.end(),
              [](const ReportsKind *a, const ReportsKind *b) { return a->option < b->option; });
    for (const ReportsKind *k : std::as_const(byOption)) {
        auto *option = new QRadioButton(k->optionCaption, kinds);
        option->setObjectName(u"Option%1"_s.arg(k->option));
        m_kinds->addButton(option, int(k - reportsKinds().constData()));
        kindsLayout->addWidget(option);
    }

    auto *period = new QGroupBox(u"Период"_s, this);
    auto *periodLayout = new QGridLayout(period);
    m_from = new QLineEdit(period);
    m_from->setObjectName(u"Date1"_s);
    m_to = new QLineEdit(period);
    m_to->setObjectName(u"Date2"_s);
    int row = 0;
    for (auto [field, label, button] : {std::tuple{m_from, u"От дата:"_s, u"cmdDat1"_s},
                                        std::tuple{m_to, u"До дата:"_s, u"cmdDat2"_s}}) {
        field->setMaxLength(10);
        auto *pick = new QToolButton(period);
        pick->setObjectName(button);
        pick->setText(u"..."_s);
        pick->setFocusPolicy(Qt::NoFocus);
        connect(pick, &QToolButton::clicked, this, [this, f = field] { pickDate(f); });
        periodLayout->addWidget(new QLabel(label, period), row, 0);
        periodLayout->addWidget(field, row, 1);
        periodLayout->addWidget(pick, row, 2);
        ++row;
    }

    auto *scope = new QGroupBox(u"Обхват"_s, this);
    auto *scopeLayout = new QVBoxLayout(scope);
    m_scopes = new QButtonGroup(this);
    const QString scopes[] = {u"Получател-Наредител"_s, u"Обща за получателя"_s,
                              u"Обща за наредителя"_s};
    for (int i = 0; i < 3; ++i) {
        auto *mode = new QRadioButton(scopes[i], scope);
        mode->setObjectName(u"mode%1"_s.arg(i + 1));
        m_scopes->addButton(mode, i);
        scopeLayout->addWidget(mode);
    }

    auto *parties = new QGridLayout;
    m_payee = new PartyBox(this);
    m_payee->setObjectName(u"Poluchatel"_s);
    m_payer = new PartyBox(this);
    m_payer->setObjectName(u"Nareditel"_s);
    m_payeeAccount = new QLabel(this);
    m_payeeAccount->setObjectName(u"IBANp"_s);
    m_payerAccount = new QLabel(this);
    m_payerAccount->setObjectName(u"IBANn"_s);
    row = 0;
    for (auto [box, account, label, payee] :
         {std::tuple{m_payee, m_payeeAccount, u"Получател"_s, true},
          std::tuple{m_payer, m_payerAccount, u"Наредител/Платец"_s, false}}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumWidth(420);
        account->setMinimumWidth(200);
        account->setTextInteractionFlags(Qt::TextSelectableByMouse);
        connect(box, &PartyBox::aboutToOpen, this,
                [this, b = box, p = payee] { fillParties(b, p); });
        // The chosen entry: its account beside the list, its name in it.
        connect(box, &QComboBox::activated, this, [b = box, a = account](int index) {
            a->setText(b->itemData(index, AccountRole).toString());
            b->setEditText(b->itemData(index, NameRole).toString());
        });
        parties->addWidget(new QLabel(label, this), row, 0);
        parties->addWidget(box, row, 1);
        parties->addWidget(account, row, 2);
        ++row;
    }

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(u"picProgress"_s);
    m_progress->setTextVisible(false);
    auto *startButton = new QPushButton(u"Старт"_s, this);
    startButton->setObjectName(u"cmdStart"_s);
    auto *exit = new QPushButton(u"Изход"_s, this);
    exit->setObjectName(u"cmdExit"_s);
    for (QPushButton *b : {startButton, exit}) b->setAutoDefault(false);
    connect(startButton, &QPushButton::clicked, this, &ReportWindow::start);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    auto *top = new QHBoxLayout;
    top->addWidget(kinds);
    auto *right = new QVBoxLayout;
    right->addWidget(period);
    right->addWidget(scope);
    right->addStretch();
    top->addLayout(right);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(startButton);
    buttons->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(parties);
    layout->addLayout(buttons);
}

ReportWindow::~ReportWindow()
{
    if (m_viewer && !m_viewer->parent())
        delete m_viewer;
}

void ReportWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Restored from the task bar, the window keeps what the user chose.
    if (event->spontaneous())
        return;
    // A window without a From date starts on today's.
    if (!dateOf(m_from).isValid()) {
        m_from->setText(ShortDateText(m_session.today));
        m_to->setText(ShortDateText(m_session.today));
    }
    m_scopes->button(0)->setChecked(true);
}

void ReportWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

const ReportsKind *ReportWindow::chosenKind() const
{
    const int id = m_kinds->checkedId();
    return id < 0 ? nullptr : &reportsKinds()[id];
}

void ReportWindow::fillParties(PartyBox *box, bool payee)
{
    const QString typed = box->currentText();
    box->clear();
    const ReportsKind *kind = chosenKind();
    const auto list =
        PartyList(m_session.store(), m_session.ui(), kind ? kind->kind : QString(), payee);
    if (list) {
        for (const ReportParty &p : *list) {
            box->addItem(p.account + u'\t' + p.name);
            box->setItemData(box->count() - 1, p.account, AccountRole);
            box->setItemData(box->count() - 1, p.name, NameRole);
        }
    }
    box->setEditText(typed);
}

void ReportWindow::pickDate(QLineEdit *field)
{
    QDate date = dateOf(field);
    if (!date.isValid())
        date = m_session.lastPickedDate.isValid() ? m_session.lastPickedDate : m_session.today;
    if (m_session.ui().pickDate(date, m_session.lastPickedDate))
        field->setText(ShortDateText(date));
}

ReportRequest ReportWindow::request() const
{
    ReportRequest r;
    const ReportsKind *kind = chosenKind();
    r.kind = kind ? kind->kind : QString();
    r.from = dateOf(m_from);
    r.to = dateOf(m_to);
    r.fromText = m_from->text();
    r.toText = m_to->text();
    r.scope = ReportScope(std::max(0, m_scopes->checkedId()));
    r.payee = {m_payeeAccount->text(), m_payee->currentText()};
    r.payer = {m_payerAccount->text(), m_payer->currentText()};
    if (kind)
        r.signature = m_session.params.text(kind->signature);
    return r;
}

void ReportWindow::start()
{
    ReportRequest r = request();
    // The page holds what the printer's page holds in the viewer's font.
    QPrinter printer(QPrinter::HighResolution);
    UseProgramPrinter(printer, m_session.store());
    PreparePrinter(printer, windowTitle());
    r.linesPerPage = ReportLinesPerPage(printer, QFont(u"Courier New"_s, 10));
    m_progress->setValue(0);
    const auto report =
        RunReport(m_session.store(), m_session.ui(), r, [this](qint64 done, qint64 all) {
            m_progress->setMaximum(int(std::max<qint64>(all, 1)));
            m_progress->setValue(int(done));
            m_progress->repaint();
        });
    if (!report)
        return;
    close();
    if (!m_viewer) {
        m_viewer = new ReportViewer(m_session, parentWidget());
        m_viewer->setWindowFlag(Qt::Window);
    }
    m_viewer->setReport(report->pages);
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
}

}  // namespace remitor
