#include "session/national_currency.h"

#include "session/session.h"
#include "store/national_currency.h"

namespace remitor {

bool SetNationalCurrency(Session &session, const QString &code)
{
    if (!SaveNationalCurrency(session.store(), code))
        return false;
    session.nationalCurrency = code.trimmed().toUpper();
    return true;
}

}  // namespace remitor
