#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace remitor {

struct TableDef;

// How a field's text goes into the record when the field is left.
enum class FieldRule {
    Text,           // as typed, cut to the width
    Upper,          // upper-cased
    Iban,           // upper-cased in the field too, and checked when left
    Amount,         // the amount rule: decimal comma accepted
    LeadingNumber,  // an amount from the leading number, decimal point only
    WholeNumber,    // the leading whole number ("2 и думи" gives 2)
    Date,           // normalised; a text that is no date gives the empty date
    Trimmed,        // trimmed on both sides (second pages)
    RightTrimmed,   // trimmed on the right, line breaks made blanks
};

struct FieldSpec {
    QString name;        // the window field's object name and the record field
    FieldRule rule = FieldRule::Text;
    QString ibanCode;    // "1" payee, "2" payer: the field code of the account replacement
};

// One contractor column copied into one record field.
struct FieldCopy {
    QString from;
    QString to;
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
    QString currencyField;   // set to "BGN" when the editor opens; empty when none
    QString dateField;       // submission date: free text, long date text, or a date
    enum class DateStyle { None, FreeText, LongText, Date } dateStyle = DateStyle::None;
    QString workDateField;   // the execution date of the date button "cmdM"
    QString amountField;     // gets the focus after Read
    QList<FieldSpec> entryOrder;   // the places 0, 1, 2 … of the first page
    QList<FieldSpec> secondPage;   // the second page's fields, in their entry order
    QList<FieldCopy> payee;        // from the contractor list for "cmdFindP"
    QList<FieldCopy> payer;        // … for "cmdFindN"
    int replaceKindCode = 0;       // kind code of the account replacement (F2)
    QList<std::pair<QString, QString>> newDefaults;  // texts that New sets

    const TableDef &tableDef() const;
    const TableDef *reportsTableDef() const;
    QString deleteTitle;     // the name in the delete question and message, when not the title
    QString deleteName() const { return deleteTitle.isEmpty() ? title : deleteTitle; }
    int placeOf(const QString &field) const;  // -1 when not in the entry order
};

const QList<KindDescriptor> &documentKinds();
const KindDescriptor &kindById(const QString &id);
const KindDescriptor *kindByTable(const QString &table);

// A number as the program puts it into captions and messages: positive
// values with a leading blank (" 12"), others as they are.
QString numberText(qint64 n);

}  // namespace remitor
