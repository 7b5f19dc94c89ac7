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

}  // namespace remitor::test
