#pragma once

#include <QString>

namespace remitor {

class Session;

// Makes `code` ("EUR" or "BGN", any letter case, blanks around it ignored)
// the national currency: stored in the main database and set in
// `session.nationalCurrency` for the rest of the run. False, and the
// setting as it was, for a code that is no choice or when it cannot be
// stored (the store has then told the user why).
bool SetNationalCurrency(Session &session, const QString &code);

}  // namespace remitor
