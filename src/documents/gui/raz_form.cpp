#include "base/gui/field_focus.h"
#include "base/gui/twips.h"
#include "documents/gui/counter_slip_form.h"
#include "documents/gui/editor_window.h"
#include "documents/gui/field_binder.h"
#include "print/raz_pages.h"
#include "session/session.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

using K = FormItem;

constexpr int kOwn = CounterSlipFormRows;
constexpr int kExtraRow = kOwn + 1100;  // the extra text's row

const QList<FormItem> &form()
{
    static const QList<FormItem> items = [] {
        QList<FormItem> f = CounterSlipForm({u"НАРЕЖДАНЕ - РАЗПИСКА", u"Наредител - име",
                                             "Nareditel", u"IBAN на наредителя", "IBANn",
                                             u"При банка - банка, име", "BankaN", u"Платете", 4});
        f += {
            {K::Caption, nullptr,
             u"Упълномощавам - трите имена на лицето, упълномощено да получи сумата", 240,
             kOwn + 20, 9000, 260},
            {K::Field, "Poluchatel", nullptr, 240, kOwn + 280, 9720, 300},
            {K::Caption, nullptr, u"Паспорт, серия N:", 240, kOwn + 720, 2000, 260},
            {K::Field, "pasport", nullptr, 2300, kOwn + 700, 2500, 300},
            {K::Caption, nullptr, u"ЕГН", 5200, kOwn + 720, 600, 260},
            {K::Field, "EGN", nullptr, 5800, kOwn + 700, 2500, 300},
        };
        return f;
    }();
    return items;
}

// The extra line under "Получих сумата": "cmdSuma" brings the parameter
// record's text into "txtSuma" and shows or hides it with "Check1"; the text
// left in "txtSuma" is the parameter record's at once; the ticked line is
// printed in both copies. The editor opens with it hidden and unticked.
class ExtraText : public QObject {
public:
    ExtraText(EditorWindow &editor) : QObject(&editor), m_editor(editor)
    {
        m_check = new QCheckBox(u"Печата текста"_s, &editor);
        m_check->setObjectName(u"Check1"_s);
        m_check->setFocusPolicy(Qt::NoFocus);
        m_check->setGeometry(twipsRect(1900, kExtraRow, 2000, 300));
        auto *button = new QPushButton(u"Текст..."_s, &editor);
        button->setObjectName(u"cmdSuma"_s);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        button->setGeometry(twipsRect(240, kExtraRow, 1500, 300));
        m_text = new QLineEdit(&editor);
        m_text->setObjectName(u"txtSuma"_s);
        m_text->setMaxLength(85);
        m_text->setGeometry(twipsRect(4000, kExtraRow, 5960, 300));
        m_text->hide();
        auto *focus = new FieldFocus(FocusYellow, m_text);
        focus->watch(m_text);
        focus->onLeave = [this](QWidget *) { keepText(); };
        m_text->installEventFilter(this);
        editor.installEventFilter(this);

        connect(m_check, &QCheckBox::toggled, m_text, &QWidget::setVisible);
        connect(button, &QPushButton::clicked, this, [this] {
            m_text->setText(m_editor.session().params.text(u"textraz"_s).trimmed());
            m_check->toggle();
        });
        editor.pageAdds = [this](PageFill &fill) {
            fill.setText(u"lblSuma"_s, m_check->isChecked() ? m_text->text() : QString());
        };
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_editor && event->type() == QEvent::Show && !event->spontaneous()) {
            m_check->setChecked(false);
        } else if (watched == m_text && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_editor.fields().edit(0)->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
        return false;
    }

private:
    void keepText()
    {
        Session &s = m_editor.session();
        m_text->setText(m_text->text().trimmed());
        s.params.setText(u"textraz"_s, m_text->text());
        s.saveParams();
        m_editor.showRecord();
    }

    EditorWindow &m_editor;
    QCheckBox *m_check;
    QLineEdit *m_text;
};

void extend(EditorWindow &editor)
{
    new ExtraText(editor);
}

}  // namespace

KindWiring OrderReceiptWiring()
{
    KindWiring w;
    w.kind = u"Raz"_s;
    w.form = {&form, 10800, 6700, {}, {}};
    w.print = &OrderReceiptPrint;
    w.menuItem = u"mnuRaz"_s;
    w.toolButton = u"cmdRAZ"_s;
    w.dateOffsetTwips = {5620, 1050};
    w.extend = &extend;
    return w;
}

}  // namespace remitor
