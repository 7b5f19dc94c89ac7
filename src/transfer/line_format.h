#pragma once

#include "store/database.h"
#include "store/record.h"
#include "store/store.h"
#include "transfer/transfer_kinds.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <optional>

namespace remitor {

// The line of one record in a transfer file: its fields in the order of
// TransferKind::lineFields, one tab between two fields, CR LF at the end,
// in code page 1251. Texts at full width for documents (as stored for the
// lists), integers as decimal text, amounts with "." and no grouping,
// dates "dd.mm.yyyy" (nothing for no date), flags "True" or "False".
class LineFormat {
public:
    explicit LineFormat(const TransferKind &kind);

    const TransferKind &kind() const { return *m_kind; }

    // The rows of the kind's table in key order, each with the columns of a
    // line (NULL for a field that an older file lacks) and the key last.
    Statement select(Database &db) const;

    // A text that cannot go into a line: a character that the code page
    // does not have, or a tab or line break, which would split the line.
    struct Unwritable {
        QString field;
        QChar character;
    };
    // Appends the line of the row that `st` (from select) stands on, with
    // the values a record of the row would hold; when a text cannot be
    // written, appends nothing and tells which. The line goes from the
    // columns to the bytes without a record in between: a hundred thousand
    // orders would otherwise spend their time padding texts to their width
    // and taking the padding off again.
    std::optional<Unwritable> append(const Statement &st, QByteArray &out) const;

    // Reads one line of the file (without its end) into `record`, which is
    // cleared first. A missing field stays blank, zero or without a date; a
    // text is cut to its width; a text date becomes the long date. What is
    // wrong with a line that cannot be what it claims (more fields than the
    // record, a number or a flag that does not read as one, a byte that the
    // code page leaves undefined) comes back as a text; an empty text means
    // the line was read.
    QString read(QByteArrayView line, Record &record) const;
    // The same straight into the row of an insert, without a record.
    QString read(QByteArrayView line, RowInserter &row) const;

private:
    template <typename Row>
    QString readInto(QByteArrayView line, Row &row) const;

    const TransferKind *m_kind;
    const TableDef *m_def;
    QList<int> m_fields;
    int m_textDate = -1;      // index into the layout
    mutable QString m_chars;  // a text column, decoded
    mutable QString m_field;  // a field of a line, decoded
    mutable QStringDecoder m_utf8{QStringDecoder::Utf8, QStringConverter::Flag::Stateless};
};

// Amounts as the files carry them: "1234.5", "0", "-0.0001".
QString TransferAmountText(Money amount);
// The amount of a file's field: digits with an optional sign and at most
// four decimals after a "."; nothing when it is not one.
std::optional<Money> TransferAmount(QStringView text);

}  // namespace remitor
