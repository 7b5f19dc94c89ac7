#pragma once

#include <QString>
#include <QStringList>

namespace remitor {

class Store;

// The transfer's "drive" is a folder: a mounted removable disk or any
// folder the user picks. The last one used is kept in TransferTable of the
// main database, so that the parameter record keeps its old layout.
QString LoadTransferFolder(Store &store);
// False when it could not be stored (or is too long to be kept whole).
bool SaveTransferFolder(Store &store, const QString &folder);

// The mounted removable media: what is mounted under /media or /run/media.
QStringList RemovableFolders();

// The file of that name in the folder, whatever the case of its letters
// (PLNB.TXT and PlnB.TXT are one file); the exact spelling first. Empty
// when there is none.
QString FindTransferFile(const QString &folder, const QString &fileName);

}  // namespace remitor
