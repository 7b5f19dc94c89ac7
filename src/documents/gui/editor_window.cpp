#include "editor_window.h"

#include "base/gui/tile_icon.h"
#include "base/gui/twips.h"
#include "documents/gui/copy_window.h"
#include "documents/gui/field_binder.h"
#include "documents/gui/second_page.h"
#include "session/session.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace remitor {

EditorWindow::EditorWindow(Session &session, const KindWiring &wiring, QWidget *parent)
    : QWidget(parent), m_session(session), m_wiring(wiring), m_flow(session, kindById(wiring.kind))
{
    const KindDescriptor &kind = m_flow.kind();
    setObjectName(kind.editor);
    BuildForm(this, wiring.form.items(), wiring.form.widthTwips, wiring.form.heightTwips);
    m_fields = new FieldBinder(session, m_flow, kind.entryOrder, this);
    m_fields->bindOptions(this, wiring.form.items());
    if (wiring.secondPage)
        m_secondPage = new SecondPageWindow(session, m_flow, wiring.secondPage, this);
    m_fields->onShown = [this] {
        setWindowTitle(m_flow.caption());
        if (m_secondPage && m_secondPage->isVisible())
            m_secondPage->showRecord();
    };
    m_fields->onKey = [this](int key, int place) {
        if (key == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key == Qt::Key_F2) {
            const FieldSpec &f = m_fields->fields()[place];
            if (!f.ibanCode.isEmpty() && m_flow.kind().replaceKindCode != 0)
                replaceAccount(f, m_fields->edit(place)->text());
            return true;
        }
        return false;
    };
    addCommands();

    // The buttons beside the fields.
    const auto connectButton = [this](const char *name, const std::function<void()> &action) {
        if (auto *b = findChild<QPushButton *>(QLatin1StringView(name)))
            connect(b, &QPushButton::clicked, this, [this, action] { run(action); });
    };
    connectButton("cmdFindP", [this] { m_flow.pickPayee(); });
    connectButton("cmdFindN", [this] { m_flow.pickPayer(); });
    connectButton("cmdDat", [this] {
        if (m_flow.pickSubmissionDate())
            focusField(m_flow.kind().dateField);
    });
    connectButton("cmdM", [this] {
        if (m_flow.pickExecutionDate())
            focusField(m_flow.kind().workDateField);
    });
    if (auto *b = findChild<QPushButton *>(u"Command1"_s))
        connect(b, &QPushButton::clicked, this, [this] { showSecondPage(); });
    // The status line under the form: what the last save or copy came to.
    m_status = new QLabel(this);
    m_status->setObjectName(u"lblStatus"_s);
    setFixedHeight(height() + 22);
    m_status->setGeometry(8, height() - 21, width() - 16, 18);
    if (wiring.extend)
        wiring.extend(*this);
}

EditorWindow::~EditorWindow()
{
    m_fields->detach();
    // The second page works on this window's workflow: it goes first.
    delete m_secondPage.data();
}

QToolButton *EditorWindow::addCommand(const QString &name, const QString &tip, const QIcon &icon,
                                      const std::function<void()> &action, int row)
{
    auto *b = new QToolButton(this);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setIcon(icon);
    b->setIconSize(QSize(26, 26));
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(width() - 46, 8 + row * 40, 38, 36);
    if (action)
        connect(b, &QToolButton::clicked, this, [this, action] { run(action); });
    else
        b->setEnabled(false);  // the kind has no such command
    return b;
}

void EditorWindow::addCommands()
{
    const QColor blue(0, 102, 170), green(0, 128, 64), red(170, 30, 30), gold(150, 110, 0);
    QStyle *st = style();
    const bool hasPrint = m_wiring.print != nullptr;
    const bool hasReports = m_flow.kind().reportsCode != 0 || m_flow.kind().post;
    const QString baseTip =
        m_flow.kind().postTip.isEmpty() ? u"Запис в базата за справки"_s : m_flow.kind().postTip;
    const bool hasAmounts = !m_flow.kind().amountFields().isEmpty();
    // The keys every desktop program has, beside the form's own buttons;
    // each runs its button, so the field being typed is taken first.
    const struct {
        const char16_t *name, *tip;
        QIcon icon;
        std::function<void()> action;
        QKeySequence key;
    } commands[] = {
        {u"cmdNew", u"Изчиства документ", st->standardIcon(QStyle::SP_FileIcon),
         [this] { m_flow.newDocument(); }, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {u"cmdPrevious", u"Чете предходен документ", st->standardIcon(QStyle::SP_ArrowBack),
         [this] { m_flow.previous(); }, {}},
        {u"cmdNext", u"Чете следващ документ", st->standardIcon(QStyle::SP_ArrowForward),
         [this] { m_flow.next(); }, {}},
        {u"cmdRead", u"Чете документ", st->standardIcon(QStyle::SP_DialogOpenButton),
         [this] {
             if (m_flow.read()) {
                 showRecord();
                 focusField(m_flow.kind().amountField);
             }
         },
         QKeySequence(Qt::CTRL | Qt::Key_F)},
        {u"cmdSave", u"Записва документ", st->standardIcon(QStyle::SP_DialogSaveButton),
         [this] { m_flow.save(); }, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {u"cmdDel", u"Изтрива документ", st->standardIcon(QStyle::SP_TrashIcon),
         [this] { m_flow.remove(); }, {}},
        {u"cmdPrint", u"Печата документ", tileIcon(u"П"_s, blue),
         hasPrint ? std::function<void()>([this] { print(); }) : nullptr, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {u"cmdBase", reinterpret_cast<const char16_t *>(baseTip.constData()), tileIcon(u"С"_s, green),
         hasReports ? std::function<void()>([this] { m_flow.base(); }) : nullptr, {}},
        // Not Ctrl+E: a line edit takes it as "end of line".
        {u"cmdEuro", u"Превръща сумите в евро", tileIcon(u"€"_s, gold),
         hasAmounts ? std::function<void()>([this] { m_flow.convertToEuro(); }) : nullptr,
         QKeySequence(Qt::Key_F9)},
        {u"cmdExit", u"Изход", tileIcon(u"Х"_s, red), [this] { close(); }, {}},
    };
    int row = 0;
    for (const auto &c : commands) {
        QString tip = QString::fromUtf16(c.tip);
        if (!c.key.isEmpty())
            tip += u" ("_s + c.key.toString(QKeySequence::NativeText) + u')';
        QToolButton *b = addCommand(QString::fromUtf16(c.name), tip, c.icon, c.action, row++);
        if (!c.key.isEmpty() && c.action) {
            auto *key = new QShortcut(c.key, this);
            connect(key, &QShortcut::activated, b, &QToolButton::click);
        }
    }
}

QToolButton *EditorWindow::command(const QString &name) const
{
    return findChild<QToolButton *>(name);
}

void EditorWindow::showRecord()
{
    m_fields->showAll();
    setWindowTitle(m_flow.caption());
    if (m_secondPage && m_secondPage->isVisible())
        m_secondPage->showRecord();
}

void EditorWindow::showSecondPage()
{
    run({});
    if (!m_secondPage)
        return;
    m_secondPage->showRecord();
    m_secondPage->show();
    m_secondPage->raise();
    m_secondPage->activateWindow();
}

void EditorWindow::print()
{
    const auto *choice =
        m_wiring.pageChoice.isEmpty() ? nullptr : findChild<QCheckBox *>(m_wiring.pageChoice);
    PrintDocument(this, m_session, m_flow.kind().printSubject(), m_wiring.print(), m_flow.record(),
                  choice && choice->isChecked(), m_present);
}

void EditorWindow::run(const std::function<void()> &command)
{
    m_fields->takeAll();
    const QString before = m_flow.status();
    if (command)
        command();
    // A save or a copy says in the window what it came to; any other
    // command leaves the line as it was.
    if (m_flow.status() != before || !m_flow.status().isEmpty())
        m_status->setText(m_flow.status());
    showRecord();
}

void EditorWindow::focusField(const QString &name)
{
    if (QLineEdit *e = m_fields->edit(name))
        e->setFocus(Qt::OtherFocusReason);
}

void EditorWindow::replaceAccount(const FieldSpec &field, const QString &account)
{
    if (!m_copyWindow) {
        auto *w = new CopyWindow(m_session, this);
        connect(w, &CopyWindow::accountReplaced, this,
                [this](const QString &name, const QString &value) {
                    m_flow.record().setText(name, value);
                    showRecord();
                });
        m_copyWindow = w;
    }
    static_cast<CopyWindow *>(m_copyWindow.data())
        ->start(m_flow.kind().replaceKindCode, field.ibanCode.toInt(), account);
}

void EditorWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // Opening: the record is not cleared; the currency starts as BGN.
    m_flow.open();
    if (!m_wiring.pageChoice.isEmpty())
        if (auto *c = findChild<QCheckBox *>(m_wiring.pageChoice))
            c->setChecked(false);
    showRecord();
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    // The field being typed is kept: the record outlives the window.
    m_fields->takeAll();
    if (m_secondPage)
        m_secondPage->close();
    if (m_copyWindow)
        m_copyWindow->close();
    QWidget::closeEvent(event);
}

void EditorWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace remitor
