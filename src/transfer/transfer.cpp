#include "transfer/transfer.h"

#include "store/store.h"
#include "transfer/code_page.h"
#include "transfer/line_format.h"
#include "transfer/transfer_folder.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace remitor {

const QString Transfer::ImportTitle = u"Импорт на документи"_s;
const QString Transfer::ExportTitle = u"Експорт на документи"_s;

namespace {

// Progress is shown every so many rows: often enough to move, rarely
// enough to cost nothing.
constexpr int kProgressStep = 1000;
// The most problems one message lists.
constexpr int kListed = 15;
constexpr qint64 kBlock = 1 << 20;

QString listed(const QStringList &lines, int total)
{
    QString s = lines.mid(0, kListed).join(u'\n');
    if (total > kListed)
        s += u"\n… и още "_s + QString::number(total - kListed);
    return s;
}

QString codePoint(QChar c)
{
    return QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
}

// Without Qt's code page 1251 no file can be written or read right.
bool codePageMissing(Interaction &ui)
{
    if (CodePage1251::instance().isValid())
        return false;
    ui.tell(u"Кодова таблица 1251 (windows-1251) не е налична."_s, Interaction::Icon::Critical);
    return true;
}

void sortKinds(QList<int> &kinds)
{
    std::sort(kinds.begin(), kinds.end());
    kinds.erase(std::unique(kinds.begin(), kinds.end()), kinds.end());
    kinds.removeIf([](int k) { return k < 0 || k >= transferKinds().size(); });
}

}  // namespace

Transfer::Transfer(Store &store) : m_store(store) {}

void Transfer::report(TransferProgress p) const
{
    if (m_progress)
        m_progress(p);
}

// ---- export -----------------------------------------------------------------

TransferResult Transfer::exportTo(const QString &folder, QList<int> kinds)
{
    Interaction &ui = m_store.ui();
    TransferResult result;
    sortKinds(kinds);
    if (kinds.isEmpty()) {
        ui.tell(u"Няма посочени данни за експорт."_s);
        return result;
    }
    if (codePageMissing(ui))
        return result;
    result.kinds = kinds;
    result.counts = QList<int>(transferKinds().size(), 0);
    const auto &all = transferKinds();

    qint64 total = 0;
    for (int k : kinds)
        if (auto t = m_store.table(all[k].tableDef()))
            total += t->count();

    std::vector<std::unique_ptr<QSaveFile>> files;
    QStringList problems;
    int problemCount = 0;
    qint64 done = 0;
    for (int k : kinds) {
        const TransferKind &kind = all[k];
        auto table = m_store.table(kind.tableDef());
        if (!table)
            return result;  // the store has said why
        QString path = FindTransferFile(folder, kind.fileName);
        if (path.isEmpty())
            path = QDir(folder).filePath(kind.fileName);
        auto file = std::make_unique<QSaveFile>(path);
        // Never the real name before the file is complete.
        file->setDirectWriteFallback(false);
        if (!file->open(QIODevice::WriteOnly)) {
            ui.tell(u"Файлът %1 не може да се запише: %2"_s.arg(QDir::toNativeSeparators(path),
                                                                file->errorString()),
                    Interaction::Icon::Critical);
            return result;
        }
        const LineFormat format(kind);
        QByteArray buffer;
        buffer.reserve(kBlock + 4096);
        int &count = result.counts[k];
        Statement st = format.select(table->db());
        if (!st.isValid()) {
            m_store.report(table->db().lastError());
            return result;
        }
        const int keyColumn = st.columnCount() - 1;
        while (st.next()) {
            if (const auto bad = format.append(st, buffer)) {
                if (problems.size() < kListed) {
                    const QString what =
                        bad->character == u'\t' ? u"табулация"_s
                        : bad->character == u'\r' || bad->character == u'\n'
                            ? u"нов ред"_s
                            : u"„%1“ (U+%2)"_s.arg(bad->character, codePoint(bad->character));
                    problems.append(u"%1, № %2, поле %3: %4"_s.arg(kind.fileName)
                                        .arg(st.integer(keyColumn))
                                        .arg(bad->field, what));
                }
                ++problemCount;
            }
            // Once a text cannot be written the run only looks for more of them.
            if (problemCount == 0 && buffer.size() >= kBlock) {
                file->write(buffer);
                buffer.resize(0);
            }
            ++count;
            if (count % kProgressStep == 0)
                report({k, count, done + count, total});
        }
        if (st.error().isError())
            return result;  // shown by the database's reporter
        if (problemCount == 0)
            file->write(buffer);
        done += count;
        report({k, count, done, total});
        files.push_back(std::move(file));
    }
    if (problemCount > 0) {
        ui.tell(
            u"Тези текстове съдържат знаци, които не могат да се запишат във файл"
            " (кодова таблица 1251, без табулации и нови редове):\n"_s +
                listed(problems, problemCount) +
                u"\n\nНищо не е записано. Поправете текстовете и повторете експорта."_s,
            Interaction::Icon::Critical);
        result.counts.fill(0);
        return result;
    }
    for (auto &file : files)
        if (!file->commit()) {
            ui.tell(u"Файлът %1 не може да се запише: %2"_s.arg(
                        QDir::toNativeSeparators(file->fileName()), file->errorString()),
                    Interaction::Icon::Critical);
            return result;
        }
    result.completed = true;
    for (int k : kinds) result.written += result.counts[k];
    ui.tell(u"Записани редове: %1\nПапка: %2"_s.arg(result.written)
                .arg(QDir::toNativeSeparators(folder)),
            Interaction::Icon::Information, ExportTitle);
    return result;
}

// ---- import -----------------------------------------------------------------

namespace {

// One run of the import over an open database, inside its transaction.
class ImportRun {
public:
    ImportRun(Store &store, Database &db, TransferResult &result,
              const std::function<void(const TransferProgress &)> &progress)
        : m_store(store), m_db(db), m_result(result), m_progress(progress)
    {
    }

    qint64 total = 0;
    // False when the run must end: the file could not be read, a row could
    // not be written, or the user cancelled at a line.
    bool kind(int k, const QString &path, bool empty);

private:
    bool line(QByteArrayView bytes);
    bool fail(const QString &text);

    Store &m_store;
    Database &m_db;
    TransferResult &m_result;
    const std::function<void(const TransferProgress &)> &m_progress;
    const TransferKind *m_kind = nullptr;
    int m_index = -1;
    std::unique_ptr<LineFormat> m_format;
    std::unique_ptr<RowInserter> m_inserter;
    int m_key = 0;  // the key field's index in the layout
    qint64 m_next = 1;
    int m_lineNo = 0;
    qint64 m_done = 0;
    bool m_skipAll = false;
};

bool ImportRun::fail(const QString &text)
{
    m_store.ui().tell(text + u"\nИмпортът е отменен: таблиците са както преди."_s,
                      Interaction::Icon::Critical, Transfer::ImportTitle);
    return false;
}

bool ImportRun::kind(int k, const QString &path, bool empty)
{
    m_index = k;
    m_kind = &transferKinds()[k];
    const TableDef &def = m_kind->tableDef();
    m_format = std::make_unique<LineFormat>(*m_kind);
    m_key = def.fieldIndex(def.keyField);
    const QString key = quoted(def.keyField);
    if (empty) {
        if (!m_db.exec(u"DELETE FROM "_s + quoted(def.name)))
            return fail(m_db.lastError().text());
        m_next = 1;
    } else {
        // After the highest number in use: a number below it may be free
        // in a gap, but the documents after the gap keep their order.
        Statement st = m_db.prepare(u"SELECT MAX("_s + key + u") FROM "_s + quoted(def.name));
        if (!st.next())
            return fail(m_db.lastError().text());
        m_next = std::max<qint64>(st.integer(0), 0) + 1;
    }
    m_inserter = std::make_unique<RowInserter>(m_db, def);
    if (!m_inserter->isValid())
        return fail(m_db.lastError().text());

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(u"Файлът %1 не може да се прочете: %2"_s.arg(QDir::toNativeSeparators(path),
                                                                 file.errorString()));
    m_lineNo = 0;
    QByteArray pending;
    for (;;) {
        const QByteArray block = file.read(kBlock);
        if (block.isEmpty()) {
            if (file.error() != QFileDevice::NoError)
                return fail(u"Файлът %1 не може да се прочете: %2"_s.arg(
                    QDir::toNativeSeparators(path), file.errorString()));
            break;
        }
        m_done += block.size();
        pending.append(block);
        qsizetype from = 0;
        for (qsizetype end; (end = pending.indexOf('\n', from)) >= 0; from = end + 1)
            if (!line(QByteArrayView(pending).sliced(from, end - from)))
                return false;
        pending.remove(0, from);
    }
    if (!pending.isEmpty() && !line(pending))
        return false;
    if (m_progress)
        m_progress({k, m_result.counts[k], m_done, total});
    return true;
}

bool ImportRun::line(QByteArrayView bytes)
{
    ++m_lineNo;
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    if (bytes.isEmpty())
        return true;
    ++m_result.read;
    const QString problem = m_format->read(bytes, *m_inserter);
    if (!problem.isEmpty()) {
        const QString where = u"%1, ред %2: "_s.arg(m_kind->fileName).arg(m_lineNo) + problem;
        if (!m_skipAll) {
            if (!m_store.ui().askYesNo(
                    where + u"\n\nДа – прескача този и всеки следващ ред, който не може да се"
                            " прочете.\nНе – отменя импорта; таблиците остават както бяха."_s,
                    Transfer::ImportTitle, Interaction::Icon::Warning))
                return fail(where);
            m_skipAll = true;
        }
        ++m_result.skipped;
        m_result.skippedLines.append(where);
        return true;
    }
    if (m_next > std::numeric_limits<qint32>::max())
        return fail(u"%1: няма свободни номера след %2."_s.arg(m_kind->fileName).arg(m_next - 1));
    m_inserter->set(m_key, qint32(m_next++));
    if (!m_inserter->add())
        return fail(m_db.lastError().text());
    ++m_result.written;
    const int count = ++m_result.counts[m_index];
    if (m_progress && count % kProgressStep == 0)
        m_progress({m_index, count, m_done, total});
    return true;
}

TransferResult &nothingWritten(TransferResult &r)
{
    r.written = 0;
    r.counts.fill(0);
    return r;
}

}  // namespace

TransferResult Transfer::importFrom(const QString &folder, QList<int> kinds)
{
    Interaction &ui = m_store.ui();
    TransferResult result;
    sortKinds(kinds);
    if (kinds.isEmpty()) {
        ui.tell(u"Няма посочени данни за импорт."_s);
        return result;
    }
    if (codePageMissing(ui))
        return result;
    // A kind without its file is left out without a word.
    QStringList paths;
    for (int k : kinds) {
        const QString path = FindTransferFile(folder, transferKinds()[k].fileName);
        if (!path.isEmpty()) {
            result.kinds.append(k);
            paths.append(path);
        }
    }
    if (result.kinds.isEmpty()) {
        ui.tell(u"На устройство "_s + QDir::toNativeSeparators(folder) + u" няма данни."_s);
        return result;
    }
    const bool empty = ui.askOkCancel(u"Преди запис изчиства таблиците?"_s, ImportTitle);
    result.counts = QList<int>(transferKinds().size(), 0);

    auto db = m_store.open(DbKind::Main);
    if (!db)
        return result;
    for (int k : result.kinds)
        if (!db->ensureTable(transferKinds()[k].tableDef(),
                             [this](const DbError &e) { m_store.report(e); }))
            return result;
    ImportRun run(m_store, *db, result, m_progress);
    for (const QString &p : paths) run.total += QFileInfo(p).size();
    {
        Transaction tx(*db);
        if (!tx.isActive()) {
            m_store.report(db->lastError());
            return result;
        }
        for (int i = 0; i < result.kinds.size(); ++i)
            if (!run.kind(result.kinds[i], paths[i], empty))
                return nothingWritten(result);
        if (!tx.commit()) {
            m_store.report(db->lastError());
            return nothingWritten(result);
        }
    }
    result.completed = true;
    QString summary = u"Прочетени редове: %1\nЗаписани: %2\nПрескочени: %3"_s.arg(result.read)
                          .arg(result.written)
                          .arg(result.skipped);
    if (result.skipped > 0)
        summary += u"\n\n"_s + listed(result.skippedLines, result.skipped);
    ui.tell(summary, Interaction::Icon::Information, ImportTitle);
    return result;
}

}  // namespace remitor
