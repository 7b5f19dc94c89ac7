#include "small_dialogs.h"

#include "base/gui/screen_fit.h"
#include "base/gui/twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QFont listFont()
{
    QFont f(u"Courier New"_s);
    f.setStyleHint(QFont::Monospace);
    f.setPointSize(9);
    return f;
}

}  // namespace

// ---- SaveDialog -------------------------------------------------------------

SaveDialog::SaveDialog(const SaveChoice &choice, QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmSave"_s);
    setWindowTitle(choice.caption);
    auto *spr = new QLabel(u"За СПРАВКИ"_s, this);
    spr->setObjectName(u"lblSpr"_s);
    QFont f = spr->font();
    f.setBold(true);
    spr->setFont(f);
    spr->setAlignment(Qt::AlignCenter);
    spr->setVisible(choice.forReports);
    auto *save = button(this, u"Save"_s, choice.overwriteCaption);
    auto *saveAs = button(this, u"SaveAs"_s, choice.newCaption);
    auto *cancel = button(this, u"Cancel"_s, u"Отказ"_s);
    save->setVisible(choice.showOverwrite && !choice.forReports);
    cancel->setDefault(true);
    connect(save, &QPushButton::clicked, this, [this] { m_result = SaveChoice::Overwrite; accept(); });
    connect(saveAs, &QPushButton::clicked, this, [this] { m_result = SaveChoice::New; accept(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(spr);
    for (QPushButton *b : {save, saveAs, cancel}) {
        b->setMinimumHeight(30);
        layout->addWidget(b);
    }
    setFixedWidth(twips(choice.forReports ? 2600 : 2400));
    cancel->setFocus();
}

SaveChoice::Result SaveDialog::Choose(QWidget *editor, const SaveChoice &choice)
{
    SaveDialog d(choice, editor);
    d.adjustSize();
    if (editor) {
        const QRect g = editor->frameGeometry();
        FitOnScreenWhenShown(&d, QPoint(g.left() + g.width() - twips(choice.editorWidthOffsetTwips),
                                 g.top() + twips(choice.offsetTwips.y())));
    }
    d.exec();
    return d.result();
}

// ---- SearchDialog -----------------------------------------------------------

SearchDialog::SearchDialog(const QString &lastText, QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmSearch"_s);
    setWindowTitle(u"Търси документ"_s);
    m_text = new QLineEdit(lastText, this);
    m_text->setObjectName(u"Text1"_s);
    m_text->setMinimumWidth(280);
    auto *box = new QGroupBox(u"Търси документ по:"_s, this);
    auto *boxLayout = new QVBoxLayout(box);
    const char16_t *captions[] = {u"Наредител Платец", u"Получател", u"Банка"};
    for (int i = 0; i < 3; ++i) {
        m_fields[i] = new QRadioButton(QString::fromUtf16(captions[i]), box);
        m_fields[i]->setObjectName(u"Option%1"_s.arg(i + 1));
        boxLayout->addWidget(m_fields[i]);
        connect(m_fields[i], &QRadioButton::clicked, m_text, [this] { m_text->setFocus(); });
    }
    m_fields[0]->setChecked(true);
    auto *start = button(this, u"cmdStart"_s, u"Старт"_s);
    auto *exit = button(this, u"cmdExit"_s, u"Изход"_s);
    connect(start, &QPushButton::clicked, this, &SearchDialog::start);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start);
    buttons->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(u"Текст за търсене:"_s, this));
    layout->addWidget(m_text);
    layout->addWidget(box);
    layout->addLayout(buttons);
    m_text->setFocus();
    m_text->selectAll();
}

SearchRequest SearchDialog::request() const
{
    int field = 0;
    for (int i = 0; i < 3; ++i)
        if (m_fields[i]->isChecked())
            field = i;
    return {m_text->text().trimmed(), field};
}

void SearchDialog::start()
{
    m_started = true;
    accept();
}

void SearchDialog::keyPressEvent(QKeyEvent *event)
{
    // Enter anywhere in the window starts the search.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        start();
        return;
    }
    QDialog::keyPressEvent(event);
}

std::optional<SearchRequest> SearchDialog::Ask(QWidget *parent, const QString &lastText)
{
    SearchDialog d(lastText, parent);
    d.exec();
    if (!d.started())
        return std::nullopt;
    return d.request();
}

// ---- FindDialog -------------------------------------------------------------

FindDialog::FindDialog(const FindListView &view, QWidget *parent) : QDialog(parent), m_view(view)
{
    setObjectName(u"frmFind"_s);
    setWindowTitle(view.caption);
    // The headers stand over the columns: the list is in a fixed-pitch font,
    // so each header goes where its column's separator puts it.
    QString header = QString(5, u' ');
    const QString first = view.lines.value(0);
    qsizetype at = first.indexOf(u" | "_s);
    for (const QString &h : view.headers) {
        if (at >= 0) {
            header = header.leftJustified(at + 3, u' ');
            at = first.indexOf(u" | "_s, at + 3);
        } else {
            header += u" | "_s;
        }
        header += h;
    }
    auto *headers = new QLabel(header, this);
    headers->setObjectName(u"lblHeaders"_s);
    headers->setFont(listFont());
    m_list = new QListWidget(this);
    m_list->setObjectName(u"Spisak"_s);
    m_list->setFont(listFont());
    m_list->addItems(view.lines);
    m_list->setMinimumSize(760, 380);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (view.selected >= 0 && view.selected < view.lines.size())
        m_list->setCurrentRow(view.selected);
    else if (!view.lines.isEmpty())
        m_list->setCurrentRow(0);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &FindDialog::choose);
    auto *count = new QLabel(view.countText, this);
    count->setObjectName(u"lblCount"_s);

    auto *ok = button(this, u"cmdOK"_s, u"Избор"_s);
    auto *exit = button(this, u"cmdExit"_s, u"Изход"_s);
    auto *firstB = button(this, u"cmdFirst"_s, u"На първи запис"_s);
    auto *prev = button(this, u"cmdPrevious"_s, u"Страница назад"_s);
    auto *next = button(this, u"cmdNext"_s, u"Следваща страница"_s);
    auto *last = button(this, u"cmdLast"_s, u"На последен запис"_s);
    auto *expand = button(this, u"cmdExpand"_s, u"Избор"_s);
    expand->setToolTip(u"Подробно"_s);
    expand->setVisible(view.expandable);
    connect(ok, &QPushButton::clicked, this, &FindDialog::choose);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(firstB, &QPushButton::clicked, this, [this] { moveTo(0); });
    connect(last, &QPushButton::clicked, this, [this] { moveTo(m_list->count() - 1); });
    connect(prev, &QPushButton::clicked, this, [this] { moveTo(m_list->currentRow() - PageLines); });
    connect(next, &QPushButton::clicked, this, [this] { moveTo(m_list->currentRow() + PageLines); });
    connect(expand, &QPushButton::clicked, this, [this] {
        const int row = m_list->currentRow();
        if (row >= 0 && row < m_view.details.size())
            QMessageBox::information(this, windowTitle(), m_view.details[row]);
    });

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {firstB, prev, next, last})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(count);
    buttons->addStretch();
    for (QPushButton *b : {expand, ok, exit})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(headers);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    // The header text starts where the list's text does.
    headers->setContentsMargins(m_list->frameWidth() + 3, 0, 0, 0);
    m_list->setFocus();
}

void FindDialog::moveTo(int row)
{
    if (m_list->count() == 0)
        return;
    m_list->setCurrentRow(std::clamp(row, 0, m_list->count() - 1));
    m_list->scrollToItem(m_list->currentItem());
}

void FindDialog::choose()
{
    m_chosen = m_list->currentRow();
    if (m_chosen >= 0)
        accept();
}

void FindDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        choose();
        return;
    }
    QDialog::keyPressEvent(event);  // Escape rejects
}

int FindDialog::Pick(QWidget *parent, const FindListView &list)
{
    FindDialog d(list, parent);
    return d.exec() == QDialog::Accepted ? d.chosen() : -1;
}

}  // namespace remitor
