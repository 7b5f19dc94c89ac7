#include "session.h"

#include "session/startup.h"
#include "store/maintenance.h"
#include "store/national_currency.h"
#include "store/params.h"

using namespace Qt::StringLiterals;

namespace remitor {

Session::Session(const QString &programDir, Interaction &ui, const QDate &date)
    : firma(NewFirmaRecord()),
      params(NewParamRecord()),
      today(date),
      periodFrom(date),
      periodTo(date),
      lastPickedDate(date),
      m_ui(ui),
      m_store(DbPaths::inDirectory(programDir), ui)
{
    banks = BankDirectory::load(m_store.paths().programDir);
}

void Session::startUp()
{
    StartupState s = RunStartup(m_store, today);
    firma = std::move(s.firma);
    params = std::move(s.params);
    colorPrinting = s.colorPrinting;
    nationalCurrency = LoadNationalCurrency(m_store);
}

DocumentState &Session::document(const TableDef &table)
{
    auto it = m_documents.find(table.name);
    if (it == m_documents.end())
        it = m_documents.emplace(table.name, DocumentState{Record(table), false}).first;
    return it->second;
}

QString Session::mainCaption() const
{
    const QString name = firma.text(u"ime"_s);
    if (name.isEmpty() || name.at(0) <= u' ')
        return QString::fromUtf16(Title);
    return name.trimmed() + u" - "_s + firma.text(u"Grad"_s).trimmed();
}

bool Session::confirmExit()
{
    if (exitWithoutAsking)
        return true;
    return m_ui.askOkCancel(u"              Изход ?"_s, QString::fromUtf16(Title));
}

void Session::chooseColorPrinting()
{
    const bool yes = m_ui.askYesNo(u"Печат на цветове?"_s);
    params.setText(u"DanNomer"_s, yes ? u"0"_s : u"1"_s);
    saveParams();
}

void Session::reindex()
{
    ReindexAll(m_store, true);
}

void Session::sortDocuments()
{
    if (!m_ui.askOkCancel(u"Подрежда таблиците по Наредител?"_s, u"Сортиране"_s))
        return;
    // The documents the editors hold follow their new numbers: saved over
    // its old number, one would replace another document.
    Renumbering moved;
    if (!SortDocuments(m_store, &moved))
        return;
    for (auto &[table, state] : m_documents) {
        const QHash<qint64, qint64> numbers = moved.value(table);
        if (!state.fromReports && numbers.contains(state.record.key()))
            state.record.setKey(numbers.value(state.record.key()));
    }
}

void Session::repairAndCompact()
{
    RepairAndCompact(m_store, 1);
}

bool Session::saveFirma()
{
    return SaveFirma(m_store, firma);
}

bool Session::saveParams()
{
    return SaveParams(m_store, params);
}

}  // namespace remitor
