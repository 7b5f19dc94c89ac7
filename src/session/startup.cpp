#include "startup.h"

#include "store/maintenance.h"
#include "store/params.h"
#include "store/recovery.h"
#include "store/store.h"
#include "store/upgrade.h"

namespace remitor {

StartupState RunStartup(Store &store, const QDate &today)
{
    StartupState s;
    s.today = today;
    // A file damaged and asked about once stays quiet for the rest of the
    // start-up, whatever the answer.
    Store::StartingUp startingUp(store);
    // Missing files come back from the leftovers of a compaction before
    // anything is created empty.
    CreateMainDatabase(store);
    CreateSprBase(store);
    CheckDatabases(store);
    ReindexAll(store, false);
    UpgradeSchema(store);
    LoadFirma(store, s.firma);
    LoadParams(store, s.params);
    s.colorPrinting = ColorPrintingFrom(s.params);
    return s;
}

}  // namespace remitor
