#pragma once

#include <QString>
#include <functional>

namespace remitor {

// How the program was started, as far as the folder of its databases goes.
struct LaunchPlace {
    QString workingDir;
    QString explicitDir;       // --data DIR; empty when not given
    bool fromDesktop = false;  // the desktop entry starts the program with --desktop
    QString userDataDir;       // the user's own data folder, see UserDataFolder()
};

struct DataFolder {
    enum class Reason {
        Explicit,          // --data
        HoldsDatabase,     // the working directory already holds Remitor.MDB
        UserData,          // started from the desktop entry
        WorkingDirectory,  // started from a terminal, as the program always did
    };
    QString path;  // absolute
    Reason reason = Reason::WorkingDirectory;
};

// Where the databases live. An explicit folder wins; a working directory
// with Remitor.MDB in it keeps its data wherever the program is started
// from; the desktop entry, whose working directory means nothing to the
// user, works in the user's data folder; a terminal in its working
// directory.
DataFolder ChooseDataFolder(const LaunchPlace &place);

// ~/.local/share/Remitor (or under $XDG_DATA_HOME): Qt's application data
// location for the application name "Remitor".
QString UserDataFolder();

// True when a file can be created in `dir` and the databases already in it
// can be written: tries it with a probe file that it removes again.
bool CanWriteIn(const QString &dir);

// The program's own folders and the system's (/usr, /etc, /proc, the
// root folder ...), where the data never go even when root could write.
bool IsSystemFolder(const QString &path);

// Makes the folder ready for the databases: refuses system folders, creates
// the folder when missing and asks `canWrite` whether writing works there.
// Empty when the folder can be used, otherwise the message for the user.
QString PrepareDataFolder(const QString &path,
                          const std::function<bool(const QString &)> &canWrite = CanWriteIn);

// The message for a folder the program cannot keep its data in: it names
// the folder and the --data option.
QString NotWritableMessage(const QString &path);

}  // namespace remitor
