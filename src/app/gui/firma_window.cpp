#include "firma_window.h"

#include "base/gui/field_focus.h"
#include "rules/bank_directory.h"
#include "rules/formatting.h"
#include "rules/identifiers.h"
#include "session/session.h"
#include "store/params.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShowEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace remitor {

FirmaWindow::FirmaWindow(Session &session, QWidget *parent)
    : QWidget(parent), m_session(session), m_focus(new FieldFocus(FocusLightYellow, this))
{
    setObjectName(u"frmFirma"_s);
    setWindowTitle(u"Данни за фирмата"_s);

    // Window field, record field, label, in the order on the screen.
    const struct {
        const char *name;
        const char *field;
        const char16_t *label;
    } rows[] = {
        {"ime", "ime", u"Титуляр"},
        {"Grad", "Grad", u"Селище"},
        {"street", "street", u"Улица"},
        {"Oblast", "Oblast", u"Област"},
        {"Obstina", "Obstina", u"Община"},
        {"Bulstat", "Bulstat", u"Булстат"},
        {"Phone", "Phone", u"Телефон "},
        {"email", "email", u"e-mail"},
        {"DanSub", "Dzveno", u"Дан.подраздел."},
        {"DanDir", "TRD", u"Дан. дирекция"},
        {"Upravitel", "Upravitel", u"Управител"},
        {"Schetovod", "Schetovod", u"Счетоводител"},
        {"Kasier", "Kasier", u"Касиер"},
    };
    auto *grid = new QGridLayout;
    int row = 0;
    for (const auto &r : rows) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1StringView(r.name));
        const QString field = QLatin1StringView(r.field);
        edit->setMaxLength(session.firma.def().field(field)->width);
        edit->setText(RightTrimmed(session.firma.text(field)));
        edit->setMinimumWidth(280);
        m_fieldOf.insert(edit, field);
        m_committed.insert(edit, edit->text());
        m_focus->watch(edit);
        auto *label = new QLabel(QString::fromUtf16(r.label), this);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
        connect(edit, &QLineEdit::returnPressed, this, [this, edit] {
            commit(edit);
            const int i = int(m_cycle.indexOf(edit));
            m_cycle[(i + 1) % m_cycle.size()]->setFocus(Qt::TabFocusReason);
        });
    }
    for (const char *n : {"ime", "Grad", "Obstina", "Oblast", "street", "Bulstat", "DanSub",
                          "DanDir", "email", "Phone", "Upravitel", "Schetovod", "Kasier"})
        m_cycle.append(field(QLatin1StringView(n)));
    for (int i = 0; i < m_cycle.size(); ++i)
        setTabOrder(m_cycle[i], m_cycle[(i + 1) % m_cycle.size()]);
    m_focus->onLeave = [this](QWidget *w) { commit(static_cast<QLineEdit *>(w)); };

    // The firm's own bank accounts, which the payer of every document is
    // picked from: the bank's name, the IBAN (checked) and the BIC.
    auto *accounts = new QGroupBox(u"Банкови сметки на фирмата"_s, this);
    auto *agrid = new QGridLayout(accounts);
    agrid->addWidget(new QLabel(u"Банка"_s, accounts), 0, 0);
    agrid->addWidget(new QLabel(u"IBAN"_s, accounts), 0, 1);
    agrid->addWidget(new QLabel(u"BIC"_s, accounts), 0, 2);
    const QList<Record> stored = LoadOwnAccounts(session.store());
    for (int i = 0; i < OwnAccountRows; ++i) {
        const Record *r = i < stored.size() ? &stored[i] : nullptr;
        int column = 0;
        for (const auto &[name, width] : {std::pair{u"Banka"_s, 85}, {u"IBAN"_s, 22}, {u"BIC"_s, 15}}) {
            auto *edit = new QLineEdit(accounts);
            edit->setObjectName(name + QString::number(i + 1));
            edit->setMaxLength(width);
            if (r)
                edit->setText(r->text(name == u"Banka"_s ? u"BankIme"_s : name).trimmed());
            m_focus->watch(edit);
            agrid->addWidget(edit, i + 1, column++);
            m_accounts.append(edit);
        }
    }
    agrid->setColumnStretch(0, 3);
    agrid->setColumnStretch(1, 2);

    auto *exit = new QPushButton(u"Изход"_s, this);
    exit->setObjectName(u"cmdExit"_s);
    exit->setAutoDefault(false);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(accounts);
    layout->addLayout(buttons);
}

FirmaWindow::~FirmaWindow()
{
    // Deleting the focused field sends a last "left" event; the record
    // must not be taken from a window half gone.
    m_focus->onLeave = nullptr;
}

QLineEdit *FirmaWindow::field(const QString &objectName) const
{
    return findChild<QLineEdit *>(objectName);
}

void FirmaWindow::commitAccount(QLineEdit *edit)
{
    const int row = int(m_accounts.indexOf(edit)) / 3;
    QLineEdit *bank = m_accounts[row * 3], *iban = m_accounts[row * 3 + 1], *bic = m_accounts[row * 3 + 2];
    iban->setText(iban->text().trimmed().toUpper());
    bic->setText(bic->text().trimmed().toUpper());
    if (edit == iban && !iban->text().isEmpty() && CheckIBAN(iban->text(), &m_session.ui())) {
        QString code = bic->text(), name = bank->text().trimmed();
        CheckBankOfIban(m_session.banks, iban->text(), code, &name, &m_session.ui());
        bic->setText(code);
        bank->setText(name);
    }
    // Every row with a valid account is stored, in the order on the screen;
    // a wrong account stays in its field for the user to put right.
    QList<Record> accounts;
    for (int i = 0; i < OwnAccountRows; ++i) {
        const QString account = m_accounts[i * 3 + 1]->text();
        if (account.isEmpty() || !CheckIBAN(account, nullptr))
            continue;
        Record r(tableDef(DbKind::Main, u"FirmaBankTable"_s));
        r.setText(u"BankIme"_s, m_accounts[i * 3]->text().trimmed());
        r.setText(u"IBAN"_s, account);
        r.setText(u"BIC"_s, m_accounts[i * 3 + 2]->text());
        accounts.append(r);
    }
    SaveOwnAccounts(m_session.store(), accounts);
}

void FirmaWindow::commit(QLineEdit *edit)
{
    if (m_accounts.contains(edit)) {
        commitAccount(edit);
        return;
    }
    // Enter commits and then moves on; the leaving that follows has
    // nothing new to take.
    if (m_committed.value(edit) == edit->text())
        return;
    m_committed.insert(edit, edit->text());
    const QString field = m_fieldOf.value(edit);
    Record &firma = m_session.firma;
    if (field == u"Bulstat"_s) {
        // Only a valid number is kept; the record is saved all the same.
        if (CheckBulstat(edit->text(), 1, &m_session.ui()))
            firma.setText(field, edit->text());
    } else {
        firma.setText(field, edit->text());
    }
    m_session.saveFirma();
    if (field == u"ime"_s || field == u"Grad"_s)
        Q_EMIT captionChanged();
}

void FirmaWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

SignaturesWindow::SignaturesWindow(Session &session, QWidget *parent)
    : QWidget(parent), m_session(session)
{
    setObjectName(u"frmPodpisi"_s);
    setWindowTitle(u"Подписи в края на справките"_s);
    const char16_t *labels[] = {u"Преводно Нареждане от/към Бюджета",
                                u"Бюджетно Платежно Нареждане",
                                u"Преводно Нареждане за Кредитен Превод",
                                u"Преводно Нареждане за Директен Дебит",
                                u"Вносна Бележка",
                                u"Нареждане-Разписка",
                                u"Приходен Касов Ордер",
                                u"Разходен Касов Ордер",
                                u"Преводно Нареждане от/към Бюджета - 4"};
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < 9; ++i) {
        auto *label = new QLabel(QString::fromUtf16(labels[i]), this);
        auto *edit = new QLineEdit(this);
        edit->setObjectName(u"Text%1"_s.arg(i + 1));
        edit->setMaxLength(85);
        edit->setMinimumWidth(560);
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit);
        m_lines.append(edit);
    }
    auto *save = new QPushButton(u"Запис"_s, this);
    save->setObjectName(u"cmdSave"_s);
    auto *exit = new QPushButton(u"Изход"_s, this);
    exit->setObjectName(u"cmdExit"_s);
    for (QPushButton *b : {save, exit}) b->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &SignaturesWindow::save);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(exit);
    layout->addLayout(buttons);
}

void SignaturesWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Each opening shows what is stored: lines changed and left without
    // "Запис" were not saved, and must not look as if they were.
    if (event->spontaneous())
        return;
    for (int i = 0; i < m_lines.size(); ++i)
        m_lines[i]->setText(RightTrimmed(m_session.params.text(u"podpis%1"_s.arg(i + 1))));
}

void SignaturesWindow::save()
{
    for (int i = 0; i < m_lines.size(); ++i)
        m_session.params.setText(u"podpis%1"_s.arg(i + 1), m_lines[i]->text());
    if (m_session.saveParams())
        m_session.ui().tell(u"Параметрите са записани."_s);
}

void SignaturesWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace remitor
