#include "lists/gui/klients_window.h"

#include "session/session.h"
#include "base/gui/field_focus.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

const QColor selectedGreen{0, 255, 0};

// The picture of a move button: one or two triangles, with a bar at the
// end for the first and the last contractor; drawn pointing left and
// mirrored for the forward moves.
QIcon moveIcon(int triangles, bool bar, bool forward)
{
    const int size = 16;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    if (forward)
        p.setTransform(QTransform(-1, 0, 0, 1, size, 0));
    const int width = 6;
    const int total = triangles * width + (bar ? 3 : 0);
    qreal x = (size - total) / 2.0;
    if (bar) {
        p.drawRect(QRectF(x, 3, 2, 10));
        x += 3;
    }
    for (int i = 0; i < triangles; ++i, x += width)
        p.drawPolygon(QPolygonF({QPointF(x, 8), QPointF(x + width, 3), QPointF(x + width, 13)}));
    return QIcon(pixmap);
}

// "Контрагент No:" and the other numbers of captions carry a leading blank.
QString numberText(qint64 n)
{
    return n >= 0 ? u" "_s + QString::number(n) : QString::number(n);
}

}  // namespace

KlientsWindow::KlientsWindow(Session &session, QWidget *parent)
    : QWidget(parent), m_session(session), m_list(session)
{
    setObjectName(u"frmKlients"_s);
    setWindowTitle(u"Контрагенти"_s);

    // The names, one field per row of the page; the 21st is never filled.
    auto *names = new QVBoxLayout;
    names->setSpacing(1);
    auto *heading = new QLabel(u"Име на контрагента"_s, this);
    heading->setObjectName(u"lblIme"_s);
    names->addWidget(heading);
    for (int i = 0; i <= ContractorList::ShownRows; ++i) {
        QLineEdit *edit = addField(u"Ime%1"_s.arg(i), 85);
        edit->setMinimumWidth(300);
        m_names.append(edit);
        if (i == ContractorList::ShownRows) {
            edit->setEnabled(false);
            edit->hide();
            continue;
        }
        names->addWidget(edit);
    }
    names->addStretch();

    // The selected contractor in full, under the frames of the form.
    m_number = new QLabel(this);
    m_number->setObjectName(u"lblNo"_s);
    QFont bold = m_number->font();
    bold.setBold(true);
    m_number->setFont(bold);

    const auto detail = [this](const QString &name) {
        QLineEdit *edit = addField(name, ContractorList::emptyRecord().def().field(name)->width);
        return edit;
    };
    auto *firm = new QGroupBox(u"Фирма"_s, this);
    firm->setObjectName(u"fraFirma"_s);
    auto *firmForm = new QFormLayout(firm);
    auto *bank = new QGroupBox(u"Банка"_s, this);
    bank->setObjectName(u"fraBanka"_s);
    auto *bankForm = new QFormLayout(bank);
    auto *comment = new QFormLayout;

    // Entry places 1..10 in order, with their frames and labels.
    const struct {
        const char *field;
        const char16_t *label;
        QFormLayout *form;
        int minWidth;
    } details[] = {
        {"Grad", u"Седалище", firmForm, 280},    {"street", u"Адрес", firmForm, 280},
        {"Bulstat", u"Булстат", firmForm, 130},  {"MOL", u"Мат. отг. лице", firmForm, 280},
        {"BankIme", u"Име", bankForm, 280},      {"bgrad", u"Селище", bankForm, 280},
        {"bstreet", u"Адрес", bankForm, 280},    {"IBAN", u"IBAN", bankForm, 200},
        {"BIC", u"SWIFT BIC", bankForm, 130},    {"Phone", u"Коментар", comment, 280},
    };
    for (const auto &d : details) {
        QLineEdit *edit = detail(QLatin1StringView(d.field));
        edit->setMinimumWidth(d.minWidth);
        m_details.append(edit);
        auto *label = new QLabel(QString::fromUtf16(d.label), this);
        label->setBuddy(edit);
        if (d.minWidth < 280) {
            // The short codes keep their own width; the row leaves the rest.
            auto *row = new QHBoxLayout;
            row->addWidget(edit);
            row->addStretch();
            d.form->addRow(label, row);
        } else {
            d.form->addRow(label, edit);
        }
    }
    for (QFormLayout *form : {firmForm, bankForm, comment}) {
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    }
    for (int i = 1; i < m_details.size(); ++i)
        setTabOrder(m_details[i - 1], m_details[i]);
    // The comment stands outside the frames, in line with their fields.
    const QMargins inner = firmForm->contentsMargins() + firm->contentsMargins();
    comment->setContentsMargins(inner.left(), 0, inner.right(), 0);

    auto *right = new QVBoxLayout;
    right->addWidget(m_number);
    right->addWidget(firm);
    right->addWidget(bank);
    right->addLayout(comment);
    right->addStretch();

    auto *navigation = new QWidget(this);
    auto *commands = new QWidget(this);
    buildButtons(navigation, commands);
    right->addWidget(commands);

    auto *countRow = new QHBoxLayout;
    m_count = new QLabel(this);
    m_count->setObjectName(u"lblCount"_s);
    m_count->setFont(bold);
    m_firms = new QLabel(u"фирми"_s, this);
    m_firms->setObjectName(u"lblFirmi"_s);
    countRow->addWidget(navigation);
    countRow->addStretch();
    countRow->addWidget(m_count);
    countRow->addSpacing(4);
    countRow->addWidget(m_firms);
    names->addLayout(countRow);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(names, 1);
    layout->addSpacing(8);
    layout->addLayout(right, 1);

    // Equal label columns in both frames and the comment.
    int labelWidth = 0;
    for (QFormLayout *form : {firmForm, bankForm, comment})
        for (int r = 0; r < form->rowCount(); ++r)
            if (auto *item = form->itemAt(r, QFormLayout::LabelRole))
                labelWidth = qMax(labelWidth, item->widget()->sizeHint().width());
    for (QFormLayout *form : {firmForm, bankForm, comment})
        for (int r = 0; r < form->rowCount(); ++r)
            if (auto *item = form->itemAt(r, QFormLayout::LabelRole))
                item->widget()->setMinimumWidth(labelWidth);
}

QLineEdit *KlientsWindow::addField(const QString &name, int width)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMaxLength(width);
    edit->installEventFilter(this);
    FieldFocus::setBackground(edit, Qt::white);
    return edit;
}

void KlientsWindow::buildButtons(QWidget *navigation, QWidget *commands)
{
    // The buttons take no focus, so that the moves keep it in the field;
    // each command takes the field being typed in itself.
    using M = ContractorList::Move;
    const struct {
        const char *name;
        QIcon icon;
        const char16_t *tip;
        M mode;
    } moves[] = {
        {"cmdFirst", moveIcon(1, true, false), u"На първи запис", M::First},
        {"cmdFPrevious", moveIcon(2, false, false), u"Страница назад", M::PageBack},
        {"cmdPrevious", moveIcon(1, false, false), u"Предходен запис", M::Back},
        {"cmdNext", moveIcon(1, false, true), u"Следващ запис", M::Forward},
        {"cmdFNext", moveIcon(2, false, true), u"Следваща страница", M::PageForward},
        {"cmdLast", moveIcon(1, true, true), u"На последен запис", M::Last},
    };
    auto *nav = new QHBoxLayout(navigation);
    nav->setContentsMargins(0, 0, 0, 0);
    nav->setSpacing(2);
    for (const auto &m : moves) {
        auto *b = new QPushButton(navigation);
        b->setObjectName(QLatin1StringView(m.name));
        b->setIcon(m.icon);
        b->setToolTip(QString::fromUtf16(m.tip));
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        b->setFixedWidth(34);
        const M mode = m.mode;
        connect(b, &QPushButton::clicked, this, [this, mode] {
            command([this, mode] { m_list.move(mode); });
        });
        nav->addWidget(b);
    }

    const struct {
        const char *name;
        const char16_t *caption;
        std::function<void()> run;
    } buttons[] = {
        {"cmdNew", u"Добавя нов",
         [this] {
             if (m_list.addNew() != 0)
                 m_fieldNumber = 0;  // the new row's name
         }},
        {"cmdCopy", u"Копира от друг запис", [this] { m_list.copyFromAnother(); }},
        {"cmdFind", u"Търси по име",
         [this] {
             if (m_list.find())
                 m_fieldNumber = 0;
         }},
        {"cmdDel", u"Изтрива запис", [this] { m_list.removeSelected(); }},
        {"cmdSort", u"Подрежда по азбучен ред", [this] { m_list.sort(); }},
        {"cmdExit", u"Изход", {}},
    };
    auto *grid = new QGridLayout(commands);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    int i = 0;
    for (const auto &c : buttons) {
        auto *b = new QPushButton(QString::fromUtf16(c.caption), commands);
        b->setObjectName(QLatin1StringView(c.name));
        b->setToolTip(QString::fromUtf16(c.caption));
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        if (c.run) {
            const auto run = c.run;
            connect(b, &QPushButton::clicked, this, [this, run] { command(run); });
        } else {
            connect(b, &QPushButton::clicked, this, &QWidget::close);
        }
        grid->addWidget(b, i / 3, i % 3);
        ++i;
    }
}

QLineEdit *KlientsWindow::field(const QString &objectName) const
{
    return findChild<QLineEdit *>(objectName);
}

QPushButton *KlientsWindow::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

QLineEdit *KlientsWindow::fieldAt(int number) const
{
    if (number <= 0 || number >= ContractorList::FieldCount)
        return m_names[m_list.selectedRow()];
    return m_details[number - 1];
}

int KlientsWindow::placeOf(QWidget *w) const
{
    const int detail = int(m_details.indexOf(static_cast<QLineEdit *>(w)));
    if (detail >= 0)
        return detail + 1;
    return m_names.contains(static_cast<QLineEdit *>(w)) ? 0 : -1;
}

void KlientsWindow::focusPlace(int number)
{
    m_fieldNumber = qBound(0, number, ContractorList::FieldCount - 1);
    fieldAt(m_fieldNumber)->setFocus(Qt::OtherFocusReason);
    // A focus that did not move (the field had it already) still shows it.
    colourNames();
}

QHash<QString, QString> KlientsWindow::shownTexts() const
{
    const QStringList &fields = ContractorList::entryFields();
    QHash<QString, QString> texts;
    texts.insert(fields[0], m_names[m_list.selectedRow()]->text());
    for (int i = 1; i < fields.size(); ++i)
        texts.insert(fields[i], m_details[i - 1]->text());
    return texts;
}

void KlientsWindow::commitRow()
{
    if (m_showing)
        return;
    const QHash<QString, QString> texts = shownTexts();
    if (texts == m_taken)
        return;  // nothing typed since: no second write, no second message
    m_taken = texts;
    const ContractorList::Commit result = m_list.commit(texts);
    // A refused row keeps what the user typed, to be put right.
    if (result != ContractorList::Commit::Refused)
        showPage();
}

void KlientsWindow::showPage()
{
    m_showing = true;
    for (int i = 0; i < ContractorList::ShownRows; ++i)
        m_names[i]->setText(m_list.row(i).text(u"KlIme"_s).trimmed());
    const Record &r = m_list.selected();
    const QStringList &fields = ContractorList::entryFields();
    for (int i = 1; i < fields.size(); ++i)
        m_details[i - 1]->setText(r.text(fields[i]).trimmed());
    m_number->setText(u"Контрагент No:"_s + numberText(r.key()));
    m_count->setText(QString::number(m_list.count()));
    m_firms->setText(m_list.count() == 1 ? u"фирма"_s : u"фирми"_s);
    colourNames();
    m_taken = shownTexts();
    m_showing = false;
}

void KlientsWindow::colourNames()
{
    const QWidget *focused = QApplication::focusWidget();
    for (int i = 0; i < ContractorList::ShownRows; ++i) {
        QLineEdit *edit = m_names[i];
        if (edit == focused)
            FieldFocus::setBackground(edit, FocusYellow);
        else
            FieldFocus::setBackground(edit, i == m_list.selectedRow() ? selectedGreen : Qt::white);
    }
}

void KlientsWindow::command(const std::function<void()> &run)
{
    // Clicked buttons take no focus: the field being typed in is taken here.
    commitRow();
    run();
    showPage();
    focusPlace(m_fieldNumber);
}

bool KlientsWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (!edit)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn: {
        FieldFocus::setBackground(edit, FocusYellow);
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // The window coming back from a message or a dialog moves nothing.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const int place = placeOf(edit);
        m_fieldNumber = place;
        const int row = int(m_names.indexOf(edit));
        if (place == 0 && row != m_list.selectedRow()) {
            m_list.select(row);
            showPage();
        }
        break;
    }
    case QEvent::FocusOut: {
        const int row = int(m_names.indexOf(edit));
        FieldFocus::setBackground(edit, row >= 0 && row == m_list.selectedRow() ? selectedGreen
                                                                                : Qt::white);
        commitRow();
        break;
    }
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            break;
        const int place = m_fieldNumber < 0 ? placeOf(edit) : m_fieldNumber;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter writes the row and goes on to the next place, after
            // the comment back to the name.
            commitRow();
            focusPlace((place + 1) % ContractorList::FieldCount);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            commitRow();
            key->key() == Qt::Key_Up ? m_list.up() : m_list.down();
            showPage();
            focusPlace(place);
            return true;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            const auto mode = key->key() == Qt::Key_PageUp ? ContractorList::Move::PageBack
                                                           : ContractorList::Move::PageForward;
            command([this, mode] { m_list.move(mode); });
            return true;
        }
        case Qt::Key_Escape:
            close();
            return true;
        default: break;
        }
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void KlientsWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void KlientsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // Opening: the count, and the page read again from its top contractor.
    m_list.open();
    showPage();
    focusPlace(m_fieldNumber < 0 ? 0 : m_fieldNumber);
}

void KlientsWindow::reload()
{
    m_list.open();
    showPage();
}

void KlientsWindow::closeEvent(QCloseEvent *event)
{
    commitRow();
    QWidget::closeEvent(event);
}

}  // namespace remitor
