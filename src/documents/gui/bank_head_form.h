#pragma once

#include "documents/gui/form.h"

namespace remitor {

// The head of the bank forms in an editor: the bank the document is handed
// to ("До", "Клон", "Адрес") framed on the left; on the right the date of
// submission under `dateCaption` with its date button, below the town where
// the form asks for the place too. Both frames `height` twips high.
QList<FormItem> BankHeadForm(const char16_t *dateCaption, bool withTown, int height);

}  // namespace remitor
