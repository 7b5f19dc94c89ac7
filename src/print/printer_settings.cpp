#include "print/printer_settings.h"

#include "store/store.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

const QString kTable = u"PrintTable"_s;

// A shift of more than an inch is no calibration but a typing error.
int clampOffset(qint32 twips) { return std::clamp(twips, -1440, 1440); }

}  // namespace

PrinterSettings LoadPrinterSettings(Store &store)
{
    PrinterSettings s;
    auto t = store.table(DbKind::Main, kTable);
    if (!t)
        return s;
    Statement st = t->db().prepare(u"SELECT "_s + t->selectList() + u" FROM "_s + quoted(kTable) +
                                   u" LIMIT 1"_s);
    if (!st.next())
        return s;
    const Record r = t->readRow(st);
    s.printerName = r.text(u"Printer"_s).trimmed();
    s.offsetXTwips = clampOffset(r.integer(u"OffsetX"_s));
    s.offsetYTwips = clampOffset(r.integer(u"OffsetY"_s));
    return s;
}

bool SavePrinterSettings(Store &store, const PrinterSettings &s)
{
    Record r(tableDef(DbKind::Main, kTable));
    r.setText(u"Printer"_s, s.printerName);
    r.setInteger(u"OffsetX"_s, clampOffset(s.offsetXTwips));
    r.setInteger(u"OffsetY"_s, clampOffset(s.offsetYTwips));
    auto t = store.table(DbKind::Main, kTable);
    return t && t->replaceWith(r);
}

}  // namespace remitor
