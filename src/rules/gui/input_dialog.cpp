#include "rules/gui/input_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace remitor {

InputDialog::InputDialog(const QString &text, QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmInput"_s);
    setWindowTitle(u"Въвеждане"_s);
    setModal(true);

    m_field = new QLineEdit(text, this);
    m_field->setObjectName(u"txtInput"_s);
    // Wide enough for a contractor's name without scrolling.
    m_field->setMinimumWidth(m_field->fontMetrics().averageCharWidth() * 45);
    // Typing replaces the offered text; an arrow key keeps it.
    m_field->selectAll();

    auto *choose = new QPushButton(u"Избор"_s, this);
    choose->setObjectName(u"cmdOK"_s);
    choose->setDefault(true);
    auto *cancel = new QPushButton(u"Отказ"_s, this);
    cancel->setObjectName(u"cmdCancel"_s);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(choose);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(10);
    layout->addWidget(m_field);
    layout->addLayout(buttons);

    connect(choose, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_field->setFocus();
}

QString InputDialog::text() const { return m_field->text(); }

bool InputDialog::GetText(QWidget *parent, QString &userText, const QString &title)
{
    InputDialog dialog(userText, parent);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    userText = dialog.text();
    return true;
}

} // namespace remitor
