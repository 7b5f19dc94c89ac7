#include "reports/deletion.h"

#include "documents/find_list.h"
#include "documents/workflow.h"
#include "session/session.h"
#include "store/maintenance.h"
#include "store/store.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace remitor {

bool DeleteCopy(Session &session, const ReportsKind &kind)
{
    Store &store = session.store();
    Interaction &ui = session.ui();
    if (!CreateSprBase(store))
        return false;
    session.searchKind = kind.searchKind;
    session.currentSearchText.clear();
    const qint64 number = NumberOfLine(RunFind(
        store, ui, {kind.searchKind, QString(), session.searchField, 0}, kind.buttonCaption));
    if (number == 0)
        return false;
    auto table = OpenSprTable(store, kind);
    const auto row = table ? table->find(number) : std::nullopt;
    if (!row)
        return false;
    // The editor's record changes only once the copy is gone: after a Cancel
    // it would hold a copy under a number of the reports base, and its Save
    // would overwrite the main database's document of that number.
    if (!ui.askOkCancel(kind.confirm + QString::number(number)))
        return false;
    if (!table->contains(number) || !table->remove(number))
        return false;
    table.reset();
    DocumentState &doc = session.document(kind.descriptor().tableDef());
    doc.record = ConvertRecord(*row, kind.descriptor().tableDef());
    doc.fromReports = true;
    ui.tell(kind.done + QString::number(number) + kind.ending +
            u"\nДанните са запомнени.\nМожете да го запишете отново."_s);
    return true;
}

namespace {

QString numbersText(const QList<qint32> &numbers)
{
    QStringList out;
    for (qsizetype i = 0; i < numbers.size() && i < 20; ++i) out << QString::number(numbers[i]);
    if (numbers.size() > 20)
        out << u"…"_s;
    return out.join(u", "_s);
}

// Deletes the copies of one kind dated up to the day; the caller's
// transaction keeps it all or nothing.
bool deleteKind(Store &store, Database &db, const ReportsKind &kind, const QDate &upTo,
                PeriodClosing &result)
{
    const TableDef &def = kind.table();
    if (!db.ensureTable(def, [&store](const DbError &e) { store.report(e); }))
        return false;
    PeriodClosing::Kept kept{&kind, {}, {}};
    QList<qint64> rows;
    CopyReader reader(db, def, {});
    while (reader.next()) {
        const StoredDate &date = reader.date();
        if (date.status == StoredDate::Status::Empty)
            kept.undated << reader.number();
        else if (date.status == StoredDate::Status::Unreadable)
            kept.unreadable << reader.number();
        else if (date.date <= upTo)
            rows << reader.rowId();
    }
    if (reader.failed())
        return false;
    Statement remove = db.prepare(u"DELETE FROM "_s + quoted(def.name) + u" WHERE rowid = ?1"_s);
    for (qint64 row : std::as_const(rows)) {
        remove.bind(1, row);
        if (!remove.run()) {
            store.report(remove.error());
            return false;
        }
        remove.reset();
    }
    result.deleted += int(rows.size());
    std::sort(kept.undated.begin(), kept.undated.end());
    std::sort(kept.unreadable.begin(), kept.unreadable.end());
    if (!kept.undated.isEmpty() || !kept.unreadable.isEmpty())
        result.kept << kept;
    return true;
}

}  // namespace

PeriodClosing ClosePeriod(Store &store, const QList<const ReportsKind *> &kinds, const QDate &upTo)
{
    PeriodClosing result;
    Interaction &ui = store.ui();
    if (!upTo.isValid()) {
        ui.tell(u"Не е посочена дата."_s, Interaction::Icon::Warning);
        return result;
    }
    if (!CreateSprBase(store))
        return result;
    {
        auto db = store.open(DbKind::Reports);
        if (!db)
            return result;
        Transaction tx(*db);
        bool ok = tx.isActive();
        for (const ReportsKind *kind : kinds)
            ok = ok && deleteKind(store, *db, *kind, upTo, result);
        if (ok && !tx.commit()) {
            store.report(db->lastError());
            ok = false;
        }
        if (!ok) {
            ui.tell(u"Нито един документ не е изтрит."_s, Interaction::Icon::Critical);
            return PeriodClosing{};
        }
    }
    result.ok = true;

    QString text = u"Изтрити документи: "_s + QString::number(result.deleted) + u'.';
    for (const PeriodClosing::Kept &k : std::as_const(result.kept)) {
        text += u"\nОстават от „"_s + k.kind->checkCaption + u"“:"_s;
        if (!k.undated.isEmpty())
            text += u"\n  без дата – No: "_s + numbersText(k.undated);
        if (!k.unreadable.isEmpty())
            text += u"\n  с дата, която не може да се прочете – No: "_s + numbersText(k.unreadable);
    }
    ui.tell(text,
            result.kept.isEmpty() ? Interaction::Icon::Information : Interaction::Icon::Warning);
    // The file is shrunk as the menu's compaction does it: the original
    // stays whole until its compacted copy has taken its place.
    CompactDatabaseFile(store, DbKind::Reports);
    return result;
}

}  // namespace remitor
