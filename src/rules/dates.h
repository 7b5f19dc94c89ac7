#pragma once

#include <QDate>
#include <QString>

namespace remitor {

// Dates on screen, on paper and in stored texts use one fixed layout, not the
// machine's settings: "dd.mm.yyyy" with "." between day, month and year, and
// the long form "05 януари 2010 г.". The empty date is a null QDate.

// "dd.mm.yyyy", or ten blanks for the empty date (the width of the date box).
QString DateToText(const QDate &date);
// "dd.mm.yyyy", or an empty text for the empty date.
QString ShortDateText(const QDate &date);
// "dd <month> yyyy г." with the Bulgarian month name in lower case, or an
// empty text for the empty date. The two-digit day and the " г." ending are
// what MonthTextToDate reads back.
QString LongDateText(const QDate &date);

// Tidies a date as the user typed it. The text is trimmed and cut to 10
// characters, and every character that is not a digit becomes "." — both
// written back into `text`. Day, month and year are then read in that order
// ("5/1/2010" gives "05.01.2010"; a year of one or two digits means 1930 to
// 2029). The result is "dd.mm.yyyy", or an empty text when there are not
// three parts or they make no date (31.02.2010).
QString NormalizeDateText(QString &text);
QString NormalizeDateText(const QString &text);

// The date of a "dd.mm.yyyy" text (also with "/", "-" or blanks between the
// parts, as NormalizeDateText reads them); a null date when it is not one.
QDate DateFromText(const QString &text);

// Reads a document date stored as text: the long form written by
// LongDateText ("05 януари 2010 г."; characters 4 to 6 name the month) or a
// "dd.mm.yyyy" text. Anything else gives the empty date.
QDate MonthTextToDate(const QString &text);

} // namespace remitor
