#include "reports/gui/deletion_windows.h"

#include "documents/gui/editor_window.h"
#include "rules/dates.h"
#include "session/session.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

QList<const ReportsKind *> kindsBy(int ReportsKind::*place)
{
    QList<const ReportsKind *> out;
    for (const ReportsKind &k : reportsKinds())
        if (k.*place > 0)
            out << &k;
    std::sort(out.begin(), out.end(), [place](const ReportsKind *a, const ReportsKind *b) {
        return a->*place < b->*place;
    });
    return out;
}

}  // namespace

DelDocWindow::DelDocWindow(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(u"frmDelDoc"_s);
    setWindowTitle(u"Изтрива документ от база СПРАВКИ"_s);
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(u"БАЗА СПРАВКИ"_s, this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    for (const ReportsKind *k : kindsBy(&ReportsKind::buttonPlace)) {
        auto *button = new QPushButton(k->buttonCaption, this);
        button->setObjectName(u"Command%1"_s.arg(k->button));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, k] { deleteCopy(*k); });
        layout->addWidget(button);
    }
    auto *exit = new QPushButton(u"Изход"_s, this);
    exit->setObjectName(u"cmdExit"_s);
    exit->setAutoDefault(false);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(exit);
}

void DelDocWindow::deleteCopy(const ReportsKind &kind)
{
    if (!DeleteCopy(m_session, kind))
        return;
    // An open editor of the kind shows the copy now in its record.
    const QString editor = kind.descriptor().editor;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *e = qobject_cast<EditorWindow *>(w); e && e->objectName() == editor)
            e->showRecord();
}

EndPeriodWindow::EndPeriodWindow(Session &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(u"frmEndPeriod"_s);
    setWindowTitle(u"Приключва  период"_s);
    m_date = new QLineEdit(this);
    m_date->setObjectName(u"Date1"_s);
    m_date->setMaxLength(10);
    auto *pick = new QToolButton(this);
    pick->setObjectName(u"cmdDat1"_s);
    pick->setText(u"..."_s);
    pick->setFocusPolicy(Qt::NoFocus);
    connect(pick, &QToolButton::clicked, this, [this] {
        QDate date = DateFromText(NormalizeDateText(m_date->text()));
        if (!date.isValid())
            date = m_session.lastPickedDate.isValid() ? m_session.lastPickedDate : m_session.today;
        if (m_session.ui().pickDate(date, m_session.lastPickedDate))
            m_date->setText(ShortDateText(date));
    });
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(new QLabel(u"Изчиства документи до дата:"_s, this));
    dateRow->addWidget(m_date);
    dateRow->addWidget(pick);

    auto *frame = new QGroupBox(u"Изчиства документ"_s, this);
    auto *checks = new QVBoxLayout(frame);
    for (const ReportsKind *k : kindsBy(&ReportsKind::check)) {
        auto *box = new QCheckBox(k->checkCaption, frame);
        box->setObjectName(u"Check%1"_s.arg(k->check));
        checks->addWidget(box);
        m_checks.append({box, k});
    }

    const struct {
        const char *name;
        const char16_t *caption;
        const char16_t *tip;
    } buttons[] = {{"cmdTotal", u"Всички", u"Маркира всички документи"},
                   {"cmdClear", u"Отменя", u"Отменя всички маркировки"},
                   {"cmdStart", u"Старт", u""},
                   {"cmdExit", u"Изход", u""}};
    auto *row = new QHBoxLayout;
    for (const auto &b : buttons) {
        auto *button = new QPushButton(QString::fromUtf16(b.caption), this);
        button->setObjectName(QLatin1StringView(b.name));
        button->setToolTip(QString::fromUtf16(b.tip));
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    const auto tickAll = [this](bool on) {
        for (const auto &[box, kind] : std::as_const(m_checks)) box->setChecked(on);
    };
    connect(findChild<QPushButton *>(u"cmdTotal"_s), &QPushButton::clicked, this,
            [tickAll] { tickAll(true); });
    connect(findChild<QPushButton *>(u"cmdClear"_s), &QPushButton::clicked, this,
            [tickAll] { tickAll(false); });
    connect(findChild<QPushButton *>(u"cmdStart"_s), &QPushButton::clicked, this,
            &EndPeriodWindow::start);
    connect(findChild<QPushButton *>(u"cmdExit"_s), &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(dateRow);
    layout->addWidget(frame);
    layout->addLayout(row);
}

void EndPeriodWindow::start()
{
    QList<const ReportsKind *> kinds;
    for (const auto &[box, kind] : std::as_const(m_checks))
        if (box->isChecked())
            kinds << kind;
    ClosePeriod(m_session.store(), kinds, DateFromText(NormalizeDateText(m_date->text())));
}

}  // namespace remitor
