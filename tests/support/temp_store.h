#pragma once

#include "scripted_interaction.h"
#include "store/store.h"

#include <QTemporaryDir>
#include <memory>

namespace remitor::test {

// A store in a fresh folder of its own, with a scripted user.
struct TempStore {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    std::unique_ptr<Store> store;

    TempStore() : store(std::make_unique<Store>(DbPaths::inDirectory(dir.path()), ui)) {}
    QString path(const QString &name) const { return dir.filePath(name); }
};

// Runs one statement on a file directly, as another tool would.
bool execOn(const QString &path, const QString &sql);
// The first column of the first row of a query, as text.
QString queryOn(const QString &path, const QString &sql);
// Every row of a query, columns joined by "|".
QStringList rowsOn(const QString &path, const QString &sql);

// Adds `count` credit transfer orders numbered 1..count, each with the
// texts a user would type, in one transaction; false when any fails.
bool fillOrders(Store &store, int count, DbKind kind = DbKind::Main);

// A leaf page of a table's tree in the file, and the row numbers on it.
struct LeafPage {
    int page = 0;
    QList<qint64> rows;
};
// The leaf pages of a table or index tree, in key order, read from the file
// itself.
QList<LeafPage> leafPages(const QString &path, const QString &tree);
// Writes bytes of a fixed pseudo-random sequence over one whole page.
void damagePage(const QString &path, int page);

}  // namespace remitor::test
