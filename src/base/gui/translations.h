#pragma once

class QCoreApplication;

namespace remitor {

// Qt's own dialogs (files, printing, the print preview, input boxes) in
// Bulgarian, whatever the machine's language: the program's own texts are
// Bulgarian already, and a user should not meet English buttons beside them.
// False when the translation is not installed (the dialogs then stay English).
bool InstallQtTranslations(QCoreApplication &app);

}  // namespace remitor
