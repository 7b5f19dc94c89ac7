#pragma once

#include "reports/reports_base.h"

#include <QDate>
#include <QList>

namespace remitor {

class Session;
class Store;

// "Изтрива документ от база СПРАВКИ", the button of one kind: the copy
// picked from the kind's list is deleted after the question, and its
// contents go into the kind's editor record, marked as coming from the
// reports base (Save refuses it; the copy command stores it again). A
// question answered with Cancel changes nothing, not even the editor's
// record. True when a copy was deleted.
bool DeleteCopy(Session &session, const ReportsKind &kind);

// What a period closing did.
struct PeriodClosing {
    bool ok = false;  // the deletions were made (all of them or none)
    int deleted = 0;
    // Copies that stay because their date cannot be told, by kind.
    struct Kept {
        const ReportsKind *kind;
        QList<qint32> undated;
        QList<qint32> unreadable;
    };
    QList<Kept> kept;
};

// "Приключва  период": every copy of the kinds given, dated on or before
// `upTo`, is deleted, all in one transaction (a failure leaves every copy in
// place), and the reports base is then compacted safely. Copies whose date
// cannot be told stay and are named to the user. No date: a message and
// nothing else.
PeriodClosing ClosePeriod(Store &store, const QList<const ReportsKind *> &kinds, const QDate &upTo);

}  // namespace remitor
