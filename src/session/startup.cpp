#include "startup.h"

#include "store/maintenance.h"
#include "store/params.h"
#include "store/store.h"
#include "store/upgrade.h"

namespace remitor {

StartupState RunStartup(Store &store, const QDate &today)
{
    StartupState s;
    s.today = today;
    CreateMainDatabase(store);
    ReindexAll(store, false);
    UpgradeSchema(store);
    LoadFirma(store, s.firma);
    LoadParams(store, s.params);
    s.colorPrinting = ColorPrintingFrom(s.params);
    return s;
}

}  // namespace remitor
