#pragma once

#include "store/schema.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace remitor {

// One kind of the transfer: its check box, its file and its table. The
// fields of a line are the table's own fields (store/schema.cpp) in their
// order, less those named here.
struct TransferKind {
    QString box;       // the check box: "cPln"
    QString caption;   // "Платежно нареждане за кредитен превод"
    QString fileName;  // "Pln.TXT"; matched without regard to case
    QString table;     // "PlnTable" in the main database
    // Documents write their texts at full width; the contractors, the
    // paragraphs and the direct debit consent as stored.
    bool paddedTexts = true;
    // The number is assigned anew on import and is not written, except for
    // the business-trip order, whose order number is a field of the line
    // like any other (its files have always carried it).
    bool keyInFile = false;
    // A submission date kept as text, which the import writes as the long date.
    QString textDate;
    // Fields that are not transferred (the credit transfer's fees).
    QStringList left;

    const TableDef &tableDef() const;
    // The table's fields that make a line, as indexes into its layout.
    QList<int> lineFields() const;
};

// The sixteen kinds, in the order of the window and of every run.
const QList<TransferKind> &transferKinds();
// The index of the kind with that check box, file or table name (any case); -1 when none.
int transferKindIndex(const QString &name);

}  // namespace remitor
