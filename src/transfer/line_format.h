#pragma once

#include "store/record.h"
#include "transfer/transfer_kinds.h"

#include <QByteArray>
#include <QString>
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
    const QList<int> &fields() const { return m_fields; }

    // A text that cannot go into a line: a character that the code page
    // does not have, or a tab or line break, which would split the line.
    struct Unwritable {
        QString field;
        QChar character;
    };
    // Appends the record's line to `out`; when a text cannot be written,
    // appends nothing and tells which.
    std::optional<Unwritable> append(const Record &record, QByteArray &out) const;

    // Reads one line (without its end) into `record`, which is cleared
    // first. A missing field stays blank, zero or without a date; a text is
    // cut to its width; a text date becomes the long date. What is wrong
    // with a line that cannot be what it claims (more fields than the
    // record, a number or a flag that does not read as one) comes back as
    // a text; an empty text means the line was read.
    QString read(QStringView line, Record &record) const;

private:
    const TransferKind *m_kind;
    QList<int> m_fields;
    int m_textDate = -1;  // index into the layout
};

// Amounts as the files carry them: "1234.5", "0", "-0.0001".
QString TransferAmountText(Money amount);
// The amount of a file's field: digits with an optional sign and at most
// four decimals after a "."; nothing when it is not one.
std::optional<Money> TransferAmount(QStringView text);

}  // namespace remitor
