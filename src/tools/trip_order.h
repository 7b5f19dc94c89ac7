#pragma once

#include "store/record.h"

#include <QDate>
#include <QList>
#include <QPoint>
#include <QString>
#include <optional>

namespace remitor {

class Session;
class Store;

// Business-trip orders ("Заповед за командировка"), kept in KomandTable
// under their order number No, which the user types: the table has no Kod.
const TableDef &TripOrderTable();

inline constexpr int TripSearchKind = 14;   // the find dialog's list of orders
inline constexpr int NotesSearchKind = 15;  // … and of the notes
// The days column of the report has three places; no trip lasts longer.
inline constexpr int MaxTripDays = 999;

// A field of the window and the record field it holds, in entry order.
struct TripField {
    QString widget;  // "txtIme"
    QString field;   // "Ime"
};
const QList<TripField> &TripFields();

// "Фирма - Град" of the own company, each trimmed: the organisation of a new order.
QString TripOrganisation(const Record &firma);

// A typed number of days: a whole number from 0 to MaxTripDays, an empty
// field being 0. Nothing for any other text.
std::optional<int> ReadTripDays(const QString &text);
// A typed order number: a whole number above 0; an empty field is 0.
std::optional<qint32> ReadOrderNumber(const QString &text);

// What a valid from date (`fromLeft`) or to date just taken does: with both
// dates set and the from date after the to date nothing changes and false
// comes back (the caller warns); without days the days are counted, both
// days included; with days the other date follows from them.
bool CountTripDays(Record &order, bool fromLeft);

// The orders whose trip falls into the period, wholly or in part, by the
// trip's dates (an order without them by its own date), in the order of
// their start and number.
QList<Record> TripsInPeriod(Store &store, const QDate &from, const QDate &to);
// The report of those orders, one line each under the column head, with
// the number of trips and of days at the end.
QString TripReportText(const QList<Record> &orders, const QDate &from, const QDate &to);

// What the window frmCommand does with the order it shows: the program's
// record of the kind, the number it was read or saved under (0 for an order
// not yet stored), and every command of the window. Messages and questions
// go through the session's interaction.
class TripOrderFlow {
public:
    explicit TripOrderFlow(Session &session);

    Record &record();
    const Record &record() const;
    // The number the shown order is stored under; 0 for a new one.
    qint32 storedNumber() const { return m_stored; }
    // "Заповед за командировка No: 5".
    QString caption() const;

    // The window opens, and New after its question: the organisation of the
    // own company, today's date, the next free number, everything else empty.
    void clear();
    bool newOrder();

    // A field as the window shows it, and its text taken back when the field
    // is left. False when the text was refused (the user is told): the
    // record then keeps its value, except a date that is no date, which
    // becomes empty as the old forms did.
    QString display(const QString &field) const;
    bool take(const QString &field, const QString &text);
    // "Устно" / "Писмено".
    void setWrittenReport(bool written);

    // Stores the order under its number; refuses a missing number, a trip
    // that ends before it starts, and a number that another order holds.
    bool save();
    // The order chosen in the list of orders is shown, asked about and
    // deleted; it stays shown, so that Save can store it again.
    bool remove();
    // The search, the list, the chosen order.
    bool read();
    void previous();
    void next();
    // "cmdPerson": a contractor's name becomes the employee's name.
    bool pickPerson();
    // A note's text becomes who bears the costs.
    bool pickNote();
    // The date buttons: "Date", "otDate" or "doDate" from the date picker.
    bool pickDate(const QString &field, QPoint offsetTwips);

private:
    void dateTaken(const QString &field);
    bool load(qint64 number);
    void step(bool forward);

    Session &m_session;
    qint32 m_stored = 0;
};

}  // namespace remitor
