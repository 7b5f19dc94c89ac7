#pragma once

#include "documents/kinds.h"
#include "store/record.h"

#include <QHash>
#include <QPoint>
#include <QString>

namespace remitor {

class Session;
struct DocumentState;

// The one workflow of every document editor: showing, moving, clearing,
// saving with the choice between overwrite and a new number, reading,
// deleting, copying into the reports base, and filling payee and payer from
// the contractor list. It works on the program-wide record of its kind;
// the window only shows it and hands the typed texts back.
class DocumentWorkflow {
public:
    DocumentWorkflow(Session &session, const KindDescriptor &kind);

    const KindDescriptor &kind() const { return m_kind; }
    Session &session() { return m_session; }
    Record &record();
    DocumentState &state();

    // The editor opens: the record stays; a document not yet stored, or one
    // without a currency, takes the national currency.
    void open();
    // "<title> No: 12".
    QString caption() const;

    QString display(const FieldSpec &field) const;
    // The typed text into the record; an amount or currency that changes
    // writes its stored amount in words again, and an item of a total whose
    // amount changed makes the total the sum of its items again.
    void take(const FieldSpec &field, const QString &text);
    // "Словом / In words" of an amount in a currency; the currency becomes
    // the program-wide code of the English words, as the document on
    // screen has it.
    QString amountInWords(Money amount, const QString &currency);
    // The kind's refusal of the document, told; true when refused.
    bool refused();
    // The field the user was in was committed (left, or Enter): a period's
    // start gives its end the last day of the month.
    void committedFrom(const FieldSpec &field);

    // New: asks, then clears the record and sets the kind's defaults and the
    // national currency.
    bool newDocument();
    // "Превръща сумите в евро" (F9): a document in leva, its amounts shown
    // before and after, converted on OK. True when the record changed.
    bool convertToEuro();
    // Previous / Next; an empty record moves to the first document.
    void previous();
    void next();
    // Read: the search window, the find list, and the chosen document. True
    // when a document was read (the editor then puts the focus on the amount).
    bool read();
    // Delete: the find list of all documents, the question, the deletion;
    // the document stays in the record.
    bool remove();
    // Save: overwrite or the lowest free number.
    bool save();
    // What the last save or copy came to, for the editor's status line:
    // "Записан като No 3", or why nothing was stored; empty before any.
    const QString &status() const { return m_status; }
    // Copies the document into the reports base under its own number; the
    // record keeps its number and date.
    bool copyToReports();
    // "cmdBase": the kind's posting where it has one, else the copy into
    // the reports base.
    bool base();
    // An account was left, valid: an empty BIC and bank name beside it are
    // filled from the bank directory by the account's bank code, and a BIC of
    // another bank is told, once for each account and BIC typed.
    void accountLeft(const FieldSpec &account);
    // Payee ("cmdFindP") and payer ("cmdFindN") from the contractor list.
    bool pickPayee();
    bool pickPayer();
    // The date buttons: submission date ("cmdDat") and execution date ("cmdM").
    bool pickSubmissionDate(QPoint offsetTwips = {5250, 1050});
    bool pickExecutionDate(QPoint offsetTwips = {5180, 2850});
    // A date button beside any date field: the submission date as the kind
    // keeps it, any other date field gets the date (a period's start also
    // its month's end).
    bool pickDate(const QString &field, QPoint offsetTwips);
    // A code from the paragraph list ("Параграфи"): the code of the chosen
    // line goes into `field`.
    bool pickParagraph(const QString &field);
    // An entry of a drop-down such as "9 други": its leading number goes
    // into `field` when the entry starts with one.
    bool takeChoice(const QString &field, const QString &entry);

private:
    bool pickContractor(const QList<FieldCopy> &copies);
    void setPeriodEnd(const FieldSpec &start);
    void step(bool forward);
    void followTotal(const FieldSpec &item, Money before);
    void clearRecord();
    void writeWords(const WordsSpec &words);

    Session &m_session;
    const KindDescriptor &m_kind;
    QHash<QString, QString> m_banksChecked;
    QString m_status;  // account field -> the account and BIC last checked
};

// The values of a record in another layout of the same kind (the reports
// base's copy of a table), field by field by name.
Record ConvertRecord(const Record &from, const TableDef &to);

}  // namespace remitor
