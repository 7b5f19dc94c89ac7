#include "documents/gui/cash_order_editor.h"

#include "cash/cash_orders.h"
#include "cash/gui/kasa_window.h"
#include "cash/pko_pages.h"
#include "documents/gui/editor_window.h"
#include "documents/gui/field_binder.h"
#include "session/session.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace remitor {

QList<FormItem> CashOrderHead(const char *firmaField, const char16_t *title,
                              const char *numberField)
{
    using K = FormItem;
    return {
        {K::Frame, "fraFirma", u"", 120, 120, 9960, 560},
        {K::Caption, nullptr, u"организация", 240, 260, 1300, 270},
        {K::Field, firmaField, nullptr, 1560, 240, 4900, 300},
        {K::Caption, nullptr, u"БУЛСТАТ", 6640, 260, 1000, 270},
        {K::Field, "Bulstat", nullptr, 7680, 240, 2280, 300},
        {K::Title, "lblTitle", title, 300, 820, 9600, 420},
        {K::Caption, nullptr, u"No", 2400, 1460, 400, 270},
        {K::Field, numberField, nullptr, 2820, 1440, 1200, 300},
        {K::Button, "cmdNo", u"No:", 4080, 1440, 600, 300},
        {K::Caption, nullptr, u"Дата", 5300, 1460, 600, 270},
        {K::Field, "pDate", nullptr, 5940, 1440, 1600, 300},
        {K::Button, "cmdDat", u"Дата", 7600, 1440, 800, 300},
    };
}

QList<FormItem> CashOrderAmount(int top)
{
    using K = FormItem;
    return {
        {K::Caption, nullptr, u"Сумата:", 240, top + 20, 2300, 270},
        {K::Field, "suma", nullptr, 2560, top, 2600, 300},
        {K::Caption, nullptr, u"Словом:", 240, top + 500, 2300, 270},
        {K::Caption, "slovom", u"", 2560, top + 500, 7400, 600},
    };
}

KindWiring CashOrderWiring(const QString &kind, const FormSpec &form, const KindPrint &(*print)())
{
    KindWiring w;
    w.kind = kind;
    w.form = form;
    w.print = print;
    w.menuItem = u"mnu"_s + kind;
    w.toolButton = u"cmd"_s + kind;
    w.extend = &ExtendCashOrderEditor;
    return w;
}

void ExtendCashOrderEditor(EditorWindow &editor)
{
    DocumentWorkflow &flow = editor.workflow();
    Session &session = editor.session();
    const QString numberField = CashOrderNumberField(flow.record());
    if (auto *no = editor.findChild<QPushButton *>(u"cmdNo"_s)) {
        no->setToolTip(u"Следващ номер от касовата книга"_s);
        QObject::connect(no, &QPushButton::clicked, &editor,
                         [&editor, &flow, &session, numberField] {
                             editor.run([&] { ProposeCashOrderNumber(session, flow.record()); });
                             if (QLineEdit *e = editor.fields().edit(numberField))
                                 e->setFocus(Qt::OtherFocusReason);
                         });
    }
    // The words follow the amount and the date as they are typed.
    auto *words = editor.findChild<QLabel *>(u"slovom"_s);
    QLineEdit *amount = editor.fields().edit(u"suma"_s);
    QLineEdit *date = editor.fields().edit(u"pDate"_s);
    if (words && amount && date) {
        words->setWordWrap(true);
        words->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const auto write = [words, amount, date, &flow, &session] {
            Record typed = flow.record();
            for (const auto &[field, edit] : {std::pair{u"suma"_s, amount}, {u"pDate"_s, date}})
                if (const FieldSpec *f = flow.kind().fieldSpec(field))
                    TakeText(typed, f->name, f->rule, edit->text());
            words->setText(CashOrderWords(typed, session.today));
        };
        QObject::connect(amount, &QLineEdit::textChanged, words, write);
        QObject::connect(date, &QLineEdit::textChanged, words, write);
    }
    // The names of the firm's officers under their signature lines.
    editor.pageAdds = [&session](PageFill &fill) {
        for (const CashOrderSigner &s : CashOrderSigners())
            fill.setText(s.firmaField, session.firma.text(s.firmaField).trimmed());
    };
    // Connected after the editor's own handler: the posting has run.
    if (QToolButton *base = editor.command(u"cmdBase"_s))
        QObject::connect(base, &QToolButton::clicked, &editor, [] { KasaWindow::reloadOpen(); });
}

}  // namespace remitor
