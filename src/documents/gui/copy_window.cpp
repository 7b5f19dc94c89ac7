#include "documents/gui/copy_window.h"

#include "documents/account_replace.h"
#include "session/session.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace remitor {

CopyWindow::CopyWindow(Session &session, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session)
{
    setObjectName(u"frmCopy"_s);
    setWindowTitle(u"Заменя"_s);

    m_label1 = new QLabel(u"Заменя текст:"_s, this);
    m_label1->setObjectName(u"Label1"_s);
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(u"Text1"_s);
    m_label2 = new QLabel(u"Със следния текст:"_s, this);
    m_label2->setObjectName(u"Label2"_s);
    m_text2 = new QLineEdit(this);
    m_text2->setObjectName(u"Text2"_s);
    m_label1->setBuddy(m_text1);
    m_label2->setBuddy(m_text2);
    for (QLineEdit *e : {m_text1, m_text2}) {
        e->setMinimumWidth(320);
        e->setMaxLength(85);
    }

    // Set by the editor that opens the window; never shown.
    m_mode = new QLabel(this);
    m_mode->setObjectName(u"lblMode"_s);
    m_mode->hide();
    m_iban = new QLabel(this);
    m_iban->setObjectName(u"lblIBAN"_s);
    m_iban->hide();

    auto *ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"cmdOK"_s);
    auto *exit = new QPushButton(u"Изход"_s, this);
    exit->setObjectName(u"cmdExit"_s);
    for (QPushButton *b : {ok, exit})
        b->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CopyWindow::replace);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    // Enter in the last field used runs the replacement, as in the other dialogs.
    connect(m_text2, &QLineEdit::returnPressed, this, &CopyWindow::replace);
    connect(m_text1, &QLineEdit::returnPressed, this, [this] {
        if (m_text2->isVisible())
            m_text2->setFocus();
        else
            replace();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addWidget(m_text1);
    layout->addSpacing(4);
    layout->addWidget(m_label2);
    layout->addWidget(m_text2);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

void CopyWindow::start(int kindCode, int fieldCode, const QString &text)
{
    m_mode->setText(QString::number(kindCode));
    m_iban->setText(QString::number(fieldCode));
    const ReplaceCaptions captions = ReplaceCaptionsFor(kindCode, fieldCode);
    m_label1->setText(captions.first);
    m_label2->setText(captions.second);
    // A text written into every document needs no second field.
    m_label2->setVisible(!captions.second.isEmpty());
    m_text2->setVisible(!captions.second.isEmpty());
    m_text1->setText(text.trimmed());
    m_text2->clear();
    setWindowModality(Qt::NonModal);
    show();
    raise();
    activateWindow();
    (captions.second.isEmpty() ? m_text1 : m_text2)->setFocus(Qt::OtherFocusReason);
}

void CopyWindow::replace()
{
    const auto done =
        ReplaceInAllDocuments(m_session.store(), m_session.ui(), m_mode->text().toInt(),
                              m_iban->text().toInt(), m_text1->text(), m_text2->text());
    if (!done)
        return;  // refused or failed, and said so: the user may put it right
    if (done->account)
        Q_EMIT accountReplaced(done->field, m_text1->text().trimmed(), done->value);
    close();
}

void CopyWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace remitor
