#pragma once

#include "print/page_fill.h"
#include "rules/euro.h"
#include "rules/field_rules.h"
#include "rules/formatting.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace remitor {

class Record;
class Session;
struct TableDef;

struct FieldSpec {
    QString name;        // the record field, and the window field's object name
    FieldRule rule = FieldRule::Text;
    // The field code F2 hands to the account replacement: "1" payee account,
    // "2" payer account (or the budget holder's code), "3"-"6" the texts the
    // budget payment order copies into every document. Empty: F2 does nothing.
    QString ibanCode{};
    QString widget{};      // the window field's object name where it is not `name`
    // An account's bank: the fields its BIC and the bank's name go into when
    // they are empty (filled from the bank directory by the account's code).
    QString bicField{};
    QString bankField{};
    // The field's background once left (0xRRGGBB), where the form has one
    // of its own; 0: white, or light cyan for an account.
    quint32 leftColour = 0;
    // A period's start: committed from its own field, the field named here
    // becomes the last day of its month (both empty when it is no date).
    QString monthEnd{};
    // One of the items of a total: when its amount changes, the total field
    // named here becomes the sum of all its items.
    QString total{};
    const QString &objectName() const { return widget.isEmpty() ? name : widget; }
};

// One contractor column copied into one record field.
struct FieldCopy {
    QString from;
    QString to;
    // A second column joined to the first by ", " (a town and its street);
    // empty parts are left out.
    QString also = {};
};

// An amount written out in Bulgarian and in English ("Словом / In words"),
// following the amount and its currency as they are typed. With `field`
// the words are kept in the record and written again whenever the amount
// or its currency changes (the euro conversion included); `label` names
// the window's label that shows them where no field keeps them.
struct WordsSpec {
    QString amount;
    QString currency;
    QString field;
    QString label;
};

// What makes one kind of document (or list) what it is; the workflow and
// the editor window read it and hold no per-kind code for these things.
struct KindDescriptor {
    QString id;              // "Pln"
    QString table;           // "PlnTable" in the main database
    int kindNumber = 0;      // lowest-free-number kind (4)
    int searchKind = 0;      // the find dialog's list (3)
    int reportsCode = 0;     // kind code of the reports base; 0 when it has no table there
    QString editor;          // "frmPln"
    QString title;           // "Платежно нареждане за кредитен превод"
    QString captionTitle;    // the caption before "No:" (ends in a blank where the form has one)
    QString currencyField;   // the national currency on opening and on New; empty when none
    // The currency field that the amounts of a kind without one document-wide
    // currency go with, side by side ("Valuta" gives Valuta0 for suma0).
    QString sideCurrencyField;
    QString dateField;       // submission date: free text, long date text, short date text, or a date
    // How the submission date is held: what the date button writes into it
    // (the long date, the short date, or the date) and what the copy into the
    // reports base counts as undated.
    enum class DateStyle { None, FreeText, LongText, ShortText, Date } dateStyle = DateStyle::None;
    QString workDateField;   // the execution date of the date button "cmdM"
    QString amountField;     // gets the focus after Read
    QList<FieldSpec> entryOrder;   // the places 0, 1, 2 … of the first page
    QList<FieldSpec> secondPage;   // the second page's fields, in their entry order
    QList<FieldCopy> payee;        // from the contractor list for "cmdFindP"
    QList<FieldCopy> payer;        // … for "cmdFindN"
    int replaceKindCode = 0;       // kind code of the account replacement (F2)
    QList<std::pair<QString, QString>> newDefaults;  // texts that New sets
    QList<WordsSpec> words;        // amounts in words on the bilingual forms
    // What keeps a document from being saved or printed (a currency that is
    // no code, an amount the form's boxes cannot hold): the message, or
    // empty when nothing does. Null for most kinds.
    QString (*refusal)(const Record &record) = nullptr;
    QStringList newKeeps;                            // fields that New leaves as they were
    // Option values of a record never touched, set when the editor opens on it.
    QList<std::pair<QString, qint64>> blankOptions;
    // What the message after a deletion says after the number: the slips
    // are feminine ("е изтрита", "я").
    QString deletedText =
        QStringLiteral(" е изтрито.\nДанните са на екрана.\nМожете да го запишете отново.");
    QString readTitle;  // Read's list caption, where it is not the title
    // A check of the whole document (a total against its items): the
    // message when it fails, empty when it holds. Save tells it and goes
    // on; printing tells it and prints nothing.
    QString (*check)(const Record &record) = nullptr;
    // What a kind does in place of a shared step, where it is particular
    // (the cash orders); null or empty: the shared step.
    // Opening the editor, after the national currency is set.
    void (*opening)(Session &session, Record &record) = nullptr;
    // New without the question, clearing what the kind clears.
    void (*renew)(Session &session, Record &record) = nullptr;
    // Read asks for a name in an input box ("Търси фирма по име") and lists
    // the documents whose search field `readByName` (0 payer, 1 payee) holds
    // it, instead of the search window; -1: the search window.
    int readByName = -1;
    // "cmdBase" books the document elsewhere than in the reports base (the
    // cash orders into the cash book): the button's tip and the posting,
    // which says in `status` what came of it.
    QString postTip;
    bool (*post)(Session &session, Record &record, QString &status) = nullptr;

    const TableDef &tableDef() const;
    const TableDef *reportsTableDef() const;
    QString deleteTitle;     // the name in the delete question and message, when not the title
    QString deleteName() const { return deleteTitle.isEmpty() ? title : deleteTitle; }
    // The name in the message after a deletion, when not the delete name.
    QString deletedTitle;
    int placeOf(const QString &field) const;  // -1 when not in the entry order
    // The field of either page by name, without regard to case; null when none.
    const FieldSpec *fieldSpec(const QString &field) const;
    // What printing needs to know of the kind.
    PrintSubject printSubject() const;
    // The amounts of a document of the kind, each with its currency field,
    // for the conversion from leva to euro; empty when it has none.
    QList<AmountField> amountFields() const;
};

const QList<KindDescriptor> &documentKinds();
const KindDescriptor &kindById(const QString &id);
const KindDescriptor *kindByTable(const QString &table);

}  // namespace remitor
