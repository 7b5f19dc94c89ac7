#pragma once

#include "store/record.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace remitor {

class Session;
class Table;

// The contractor list ("Контрагенти") as the window frmKlients works on it:
// a page of 22 contractor records read from KlientTable in number order, of
// which the first 20 are shown by name, and the selected row, whose full
// data the window shows beside the names. Every command reads and writes
// the table at once; there is no unsaved state beyond the page.
class ContractorList {
public:
    static constexpr int PageRecords = 22;  // page records 1..22 (rows 0..21)
    static constexpr int ReadLimit = 21;    // a page read stops after 21 rows
    static constexpr int ShownRows = 20;    // rows 0..19 have name fields
    static constexpr int SearchKind = 7;    // the find dialog's contractor list
    static constexpr int FieldCount = 11;   // entry places 0 (name) .. 10

    // The six moves of the window, by their mode numbers.
    enum class Move { First = 1, Back = 2, Forward = 3, Last = 4, PageBack = 5, PageForward = 6 };

    // What became of a row that the window handed back.
    enum class Commit {
        Saved,     // written to the table
        Refused,   // the BULSTAT or the IBAN failed its rule (and said so); page record unchanged
        Unnamed,   // taken into the page record, not written: the name is empty
        Failed,    // the table could not be written (the engine's error was shown)
    };

    explicit ContractorList(Session &session);

    // The record fields of the window in entry order: 0 the name (KlIme),
    // 1 Grad, 2 street, 3 Bulstat, 4 MOL, 5 BankIme, 6 bgrad, 7 bstreet,
    // 8 IBAN, 9 BIC, 10 Phone.
    static const QStringList &entryFields();
    // An empty contractor record.
    static Record emptyRecord();

    // Opening the window: the count, and the page read again from the
    // contractor at its top (from the first one when the page is empty).
    void open();

    // The number of contractors, as last read from the table.
    int count() const { return m_count; }
    // Page record `row` + 1; rows past the table's end are empty records.
    const Record &row(int row) const { return m_page[row]; }
    int selectedRow() const { return m_selected; }
    const Record &selected() const { return m_page[m_selected]; }
    void select(int row);

    // Moves the page as the buttons and Page Up/Down do; the selected row
    // keeps its place on the page. False when the table could not be read
    // (the page stays as it was).
    bool move(Move mode);
    // The arrows: the row above (below), or in the top (twentieth) row the
    // page one contractor back (forward).
    void up();
    void down();
    // Reads the page so that contractor `kod` (or the first one after it)
    // is its top row; 0 reads from the first contractor.
    bool readPageFrom(qint64 kod);

    // Takes the window's texts (by record field name; missing fields keep
    // their values) into the selected row and writes it: the BULSTAT and
    // IBAN rules first, then the texts trimmed (IBAN, BIC upper-cased); when
    // the IBAN or the BIC changed, the bank directory fills an empty BIC and
    // bank name, or warns of a BIC of another bank (CheckBankOfIban); a row
    // without a name is not written, a row without a number receives the
    // lowest free one.
    Commit commit(const QHash<QString, QString> &texts);

    // "Добавя нов": the number after the last contractor's, the page read
    // from the last contractor, an empty row with the new number selected
    // as the second row. Gives the new number, 0 when the table could not
    // be read.
    qint64 addNew();
    // "Търси по име": the contractor chosen in the find list becomes the
    // top row and is selected. False when nothing was chosen.
    bool find();
    // "Копира от друг запис": into an empty selected row only, the data of
    // a contractor chosen in the find list, then written as a commit is.
    bool copyFromAnother();
    // "Изтрива запис", after the question.
    bool removeSelected();
    // "Подрежда по азбучен ред", after the question: numbers 1..N in the
    // Bulgarian order of the names, all or nothing; the page is read from
    // the first contractor.
    bool sort();

private:
    std::optional<QString> askSearchText();
    // The number chosen in the find list under `caption`; 0 for none.
    qint64 pickContractor(const QString &caption);
    bool write(const Record &record);
    qint64 freeNumber(Table &table) const;
    void refreshCount(Table &table);
    // Reads the page from contractor `kod` or the first one after it; from
    // the first contractor for 0.
    void readFrom(Table &table, qint64 kod);

    Session &m_session;
    QVector<Record> m_page;
    int m_selected = 0;
    int m_count = 0;
};

}  // namespace remitor
