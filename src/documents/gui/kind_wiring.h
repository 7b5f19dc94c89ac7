#pragma once

#include "documents/gui/form.h"
#include "print/page_fill.h"

#include <QPoint>
#include <QString>
#include <QStringList>

namespace remitor {

// A window's form: its layout table and size in twips; a second page also
// names its window and caption.
struct FormSpec {
    const QList<FormItem> &(*items)() = nullptr;
    int widthTwips = 0;
    int heightTwips = 0;
    QString name{};  // "frmPln2"
    QString title{};  // "Данни за преводи между местни и чуждестранни лица"
    explicit operator bool() const { return items != nullptr; }
};

// A button beside a field that fills the field: a date picker placed at
// `offsetTwips` from the window's corner, a code from the paragraph list,
// or a drop-down of `entries` whose leading number goes into the field.
// The button stands on either page.
struct FieldButton {
    enum Kind { Date, Paragraph, Choice };
    QString button;  // "cmdDocDate"
    QString field;   // "DocDate"
    Kind kind = Date;
    QPoint offsetTwips;
    QStringList entries;

    static FieldButton date(const QString &button, const QString &field, QPoint offsetTwips)
    {
        return {button, field, Date, offsetTwips, {}};
    }
    static FieldButton paragraph(const QString &button, const QString &field)
    {
        return {button, field, Paragraph, {}, {}};
    }
    static FieldButton choice(const QString &button, const QString &field,
                              const QStringList &entries)
    {
        return {button, field, Choice, {}, entries};
    }
};

// How one document kind is wired from the main window to the printer: its
// editor's form, the second page, the print pages and what the kind adds to
// their filling, the check box that chooses the page with the second
// page's block, and the menu item and picture button that open the editor.
// The main window, the editor and the print command read this table; a kind
// costs its descriptor, its forms and its pages.
class EditorWindow;

struct KindWiring {
    QString kind;  // the descriptor's id, "Pln"
    FormSpec form;
    FormSpec secondPage;
    const KindPrint &(*print)() = nullptr;
    QString pageChoice;  // "Check1": a check box, or a button that holds its state
    QString menuItem;    // "mnuPln"
    QString toolButton;  // "cmdNKP"
    QList<FieldButton> fieldButtons;
    // What is really particular to the kind's editor (a button of its own, a
    // check that the shared workflow has no place for), added once the
    // editor is built; null for most kinds.
    void (*extend)(EditorWindow &editor) = nullptr;
    // Where the date picker of "cmdDat" opens, from the editor's corner.
    QPoint dateOffsetTwips{5250, 1050};
    QString printTip;  // the print button's tip, where it is not "Печата документ"
    // A second print command below "cmdPrint", with a page of its own (the
    // mass payment order's declaration): its button, tip and page.
    QString secondPrintButton;
    QString secondPrintTip;
    const KindPrint &(*secondPrint)() = nullptr;
};

const QList<KindWiring> &kindWirings();
// Null for a kind that has no editor yet.
const KindWiring *wiringOf(const QString &kind);

// Each kind's wiring, beside its forms in a file of its own.
KindWiring CreditTransferWiring();
KindWiring ForeignTransferWiring();
KindWiring CurrencyBuySellWiring();
KindWiring DirectDebitWiring();
KindWiring DirectDebitConsentWiring();
KindWiring DepositSlipWiring();
KindWiring OrderReceiptWiring();
KindWiring MassPaymentWiring();
KindWiring BudgetOrderWiring();
KindWiring FourItemBudgetOrderWiring();
KindWiring BudgetOrganisationWiring();
KindWiring CashReceiptWiring();
KindWiring CashDisbursementWiring();

}  // namespace remitor
