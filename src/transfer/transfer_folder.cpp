#include "transfer/transfer_folder.h"

#include "store/store.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

const QString kTable = u"TransferTable"_s;
const QString kField = u"Folder"_s;

}  // namespace

QString LoadTransferFolder(Store &store)
{
    auto t = store.table(DbKind::Main, kTable);
    if (!t)
        return {};
    Statement st = t->db().prepare(u"SELECT "_s + t->selectList() + u" FROM "_s + quoted(kTable) +
                                   u" LIMIT 1"_s);
    if (!st.next())
        return {};
    return t->readRow(st).text(kField).trimmed();
}

bool SaveTransferFolder(Store &store, const QString &folder)
{
    const TableDef &def = tableDef(DbKind::Main, kTable);
    // A path cut to the field's width would name another folder.
    if (folder.size() > def.fields.first().width)
        return false;
    Record r(def);
    r.setText(kField, folder);
    auto t = store.table(def);
    return t && t->replaceWith(r);
}

QStringList RemovableFolders()
{
    QStringList out;
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes()) {
        const QString root = v.rootPath();
        if (v.isValid() && v.isReady() &&
            (root.startsWith(u"/media/"_s) || root.startsWith(u"/run/media/"_s)))
            out.append(root);
    }
    out.sort();
    return out;
}

QString FindTransferFile(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(fileName)).isFile())
        return dir.filePath(fileName);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &n : names)
        if (n.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(n);
    return {};
}

}  // namespace remitor
