#include "editor_window.h"

#include "base/gui/tile_icon.h"
#include "base/gui/twips.h"
#include "documents/gui/copy_window.h"
#include "documents/gui/field_binder.h"
#include "documents/gui/second_page.h"
#include "rules/formatting.h"
#include "print/gui/print_preview.h"
#include "session/session.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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
    if (wiring.secondPage) {
        m_secondPage = new SecondPageWindow(session, m_flow, wiring.secondPage, this);
        // What the second page changes in the first (a total) shows there at once.
        m_secondPage->fields().onShown = [this] { m_fields->showAll(); };
    }
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
            if (!f.ibanCode.isEmpty() && m_flow.kind().replaceKindCode != 0) {
                // The account as the record takes it (upper case), as stored.
                m_fields->takeAll();
                replaceAccount(f, m_flow.record().text(f.name).trimmed());
            }
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
    // The field gets the focus once it shows the date: focused before, the
    // field that lost the focus would take the old texts back.
    if (auto *b = findChild<QPushButton *>(u"cmdDat"_s))
        connect(b, &QPushButton::clicked, this, [this] {
            bool picked = false;
            run([this, &picked] { picked = m_flow.pickSubmissionDate(m_wiring.dateOffsetTwips); });
            if (picked)
                focusField(m_flow.kind().dateField);
        });
    if (auto *b = findChild<QPushButton *>(u"cmdM"_s))
        connect(b, &QPushButton::clicked, this, [this] {
            bool picked = false;
            run([this, &picked] { picked = m_flow.pickExecutionDate(); });
            if (picked)
                focusField(m_flow.kind().workDateField);
        });
    if (auto *b = findChild<QPushButton *>(u"Command1"_s))
        connect(b, &QPushButton::clicked, this, [this] { showSecondPage(); });
    connectFieldButtons();
    // Amounts in words follow the amount and its currency as they are typed.
    for (const WordsSpec &w : kind.words) {
        QLineEdit *amount = m_fields->edit(w.amount), *currency = m_fields->edit(w.currency);
        QWidget *target = findChild<QWidget *>(w.label.isEmpty() ? w.field : w.label);
        if (!amount || !currency || !target)
            qFatal("EditorWindow: no words %s", qPrintable(w.amount));
        const auto write = [this, amount, currency, target] {
            const QString words =
                m_flow.amountInWords(ParseAmount(amount->text()), currency->text());
            if (auto *label = qobject_cast<QLabel *>(target)) {
                label->setText(words);
            } else if (auto *edit = qobject_cast<QLineEdit *>(target)) {
                edit->setText(words);
                edit->setCursorPosition(0);
            }
        };
        connect(amount, &QLineEdit::textChanged, this, write);
        connect(currency, &QLineEdit::textChanged, this, write);
    }
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
    struct Command {
        QString name, tip;
        QIcon icon;
        std::function<void()> action;
        QKeySequence key;
    };
    QList<Command> commands = {
        {u"cmdNew"_s, u"Изчиства документ"_s, st->standardIcon(QStyle::SP_FileIcon),
         [this] { m_flow.newDocument(); }, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {u"cmdPrevious"_s, u"Чете предходен документ"_s, st->standardIcon(QStyle::SP_ArrowBack),
         [this] { m_flow.previous(); }, {}},
        {u"cmdNext"_s, u"Чете следващ документ"_s, st->standardIcon(QStyle::SP_ArrowForward),
         [this] { m_flow.next(); }, {}},
        {u"cmdRead"_s, u"Чете документ"_s, st->standardIcon(QStyle::SP_DialogOpenButton),
         [this] {
             if (m_flow.read()) {
                 showRecord();
                 focusField(m_flow.kind().amountField);
             }
         },
         QKeySequence(Qt::CTRL | Qt::Key_F)},
        {u"cmdSave"_s, u"Записва документ"_s, st->standardIcon(QStyle::SP_DialogSaveButton),
         [this] { m_flow.save(); }, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {u"cmdDel"_s, u"Изтрива документ"_s, st->standardIcon(QStyle::SP_TrashIcon),
         [this] { m_flow.remove(); }, {}},
        {u"cmdPrint"_s, m_wiring.printTip.isEmpty() ? u"Печата документ"_s : m_wiring.printTip,
         tileIcon(u"П"_s, blue),
         hasPrint ? std::function<void()>([this] { print(); }) : nullptr, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {u"cmdBase"_s, baseTip, tileIcon(u"С"_s, green),
         hasReports ? std::function<void()>([this] { m_flow.base(); }) : nullptr, {}},
        // Not Ctrl+E: a line edit takes it as "end of line".
        {u"cmdEuro"_s, u"Превръща сумите в евро"_s, tileIcon(u"€"_s, gold),
         hasAmounts ? std::function<void()>([this] { m_flow.convertToEuro(); }) : nullptr,
         QKeySequence(Qt::Key_F9)},
        {u"cmdExit"_s, u"Изход"_s, tileIcon(u"Х"_s, red), [this] { close(); }, {}},
    };
    if (m_wiring.secondPrint)
        commands.insert(7, {m_wiring.secondPrintButton, m_wiring.secondPrintTip, tileIcon(u"Д"_s, blue),
                            [this] { print(m_wiring.secondPrint()); }, {}});
    int row = 0;
    for (const auto &c : std::as_const(commands)) {
        QString tip = c.tip;
        if (!c.key.isEmpty())
            tip += u" ("_s + c.key.toString(QKeySequence::NativeText) + u')';
        QToolButton *b = addCommand(c.name, tip, c.icon, c.action, row++);
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
    print(m_wiring.print());
}

void EditorWindow::print(const KindPrint &print)
{
    if (m_flow.refused())
        return;
    // A check box, or a button that holds its state (the buy/sell mode).
    const auto *choice =
        m_wiring.pageChoice.isEmpty() ? nullptr : findChild<QAbstractButton *>(m_wiring.pageChoice);
    // A slip prints an empty currency as the national one, and keeps it,
    // once the user has chosen to print.
    const QString currency = m_flow.kind().currencyField;
    const bool fillCurrency = print.currencyRequired && !currency.isEmpty() &&
                              m_flow.record().text(currency).trimmed().isEmpty();
    PrintPresenter present = m_present;
    if (fillCurrency || pageAdds)
        present = [this, &print, currency, fillCurrency, inner = m_present](QWidget *parent,
                                                                            const PrintJob &job) {
            PrintJob added = job;
            if (fillCurrency) {
                m_flow.record().setText(currency, m_session.nationalCurrency);
                showRecord();
                added.fill = FillPage(*job.layout, m_flow.record(), m_flow.kind().printSubject(),
                                      m_session.colorPrinting, print.fill);
            }
            if (pageAdds)
                pageAdds(added.fill);
            inner ? inner(parent, added) : ShowPrintPreview(parent, m_session.store(), added);
        };
    PrintDocument(this, m_session, m_flow.kind().printSubject(), print, m_flow.record(),
                  choice && choice->isChecked(), present);
}

void EditorWindow::connectFieldButtons()
{
    for (const FieldButton &fb : m_wiring.fieldButtons) {
        auto *b = findChild<QPushButton *>(fb.button);
        if (!b && m_secondPage)
            b = m_secondPage->findChild<QPushButton *>(fb.button);
        if (!b)
            qFatal("EditorWindow: no button %s", qPrintable(fb.button));
        if (fb.kind == FieldButton::Choice) {
            auto *menu = new QMenu(b);
            for (const QString &entry : fb.entries)
                connect(menu->addAction(entry), &QAction::triggered, this, [this, fb, entry] {
                    run([this, fb, entry] { m_flow.takeChoice(fb.field, entry); });
                });
            b->setMenu(menu);
            continue;
        }
        connect(b, &QPushButton::clicked, this, [this, fb] {
            bool picked = false;
            run([this, fb, &picked] {
                picked = fb.kind == FieldButton::Date ? m_flow.pickDate(fb.field, fb.offsetTwips)
                                                      : m_flow.pickParagraph(fb.field);
            });
            if (picked)
                focusField(fb.field);
        });
    }
}

void EditorWindow::run(const std::function<void()> &command)
{
    // The field being typed is left first, as a click elsewhere leaves it:
    // its account is checked, its bank filled, its period completed; a
    // dialog of the command, or the document it brings, does not leave it
    // a second time.
    FieldBinder *second =
        m_secondPage && m_secondPage->isVisible() ? &m_secondPage->fields() : nullptr;
    for (FieldBinder *b : {m_fields, second})
        if (b) {
            b->commitFocused();
            b->settleFocused();
            b->takeAll();  // a button of the second page works on what is typed there too
        }
    const QString before = m_flow.status();
    if (command)
        command();
    // A save or a copy says in the window what it came to; any other
    // command leaves the line as it was.
    if (m_flow.status() != before || !m_flow.status().isEmpty())
        m_status->setText(m_flow.status());
    showRecord();
    for (FieldBinder *b : {m_fields, second})
        if (b)
            b->settleFocused();
}

void EditorWindow::focusField(const QString &name)
{
    // The field left on the way is taken into the record: every field must
    // show the record first, or a date just picked would be typed over.
    m_fields->showAll();
    if (QLineEdit *e = m_fields->edit(name))
        e->setFocus(Qt::OtherFocusReason);
    else if (QLineEdit *e2 = m_secondPage ? m_secondPage->fields().edit(name) : nullptr)
        e2->setFocus(Qt::OtherFocusReason);
}

void EditorWindow::replaceAccount(const FieldSpec &field, const QString &account)
{
    if (!m_copyWindow) {
        auto *w = new CopyWindow(m_session, this);
        connect(w, &CopyWindow::accountReplaced, this,
                [this](const QString &name, const QString &old, const QString &value) {
                    if (m_flow.record().text(name).trimmed() != old)
                        return;  // this document did not hold the account replaced
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
    Q_EMIT opening();
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
