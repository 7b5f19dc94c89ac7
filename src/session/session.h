#pragma once

#include "base/interaction.h"
#include "rules/bank_directory.h"
#include "store/record.h"
#include "store/store.h"

#include <QDate>
#include <map>
#include <memory>

namespace remitor {

// The document of one kind that its editor shows, kept for the whole run
// (closing the editor keeps it), and whether it came back from the reports
// base (then Save refuses until a document is read).
struct DocumentState {
    Record record;
    bool fromReports = false;
};

// What the whole run shares: the storage, the own-company and parameter
// records, the dates, the colour setting. Created once in main() and handed
// to every window by reference.
class Session {
public:
    static constexpr auto Title = u"Remitor";

    Session(const QString &programDir, Interaction &ui, const QDate &today = QDate::currentDate());

    Store &store() { return m_store; }
    Interaction &ui() { return m_ui; }
    const DbPaths &paths() const { return m_store.paths(); }

    // The start-up steps: databases made ready, records loaded, colour
    // printing computed. A failing step does not stop the next one.
    void startUp();

    Record firma;
    Record params;
    QDate today;
    QDate periodFrom;
    QDate periodTo;
    QDate lastPickedDate;  // where every date picker opens
    bool colorPrinting = true;
    bool exitWithoutAsking = false;
    QString currencyCode = QStringLiteral("BGN");
    // The banks by IBAN code, read once per run from beside the databases or
    // from the shipped copy.
    BankDirectory banks;

    // What the editors put into a new document's currency field: "EUR" or
    // "BGN", read at start-up (store/national_currency.h); changed through
    // SetNationalCurrency (session/national_currency.h).
    QString nationalCurrency = QStringLiteral("EUR");

    // The search state that every editor and list shares: the last text
    // searched for (offered again next time), the text of the search under
    // way (upper-cased; empty lists everything), which list the find dialog
    // shows and which field is searched (0 payer, 1 payee, 2 bank).
    QString lastSearchText;
    QString currentSearchText;
    int searchKind = 0;
    int searchField = 0;

    // The document record of a kind (by its table), empty at first.
    DocumentState &document(const TableDef &table);

    // The main window's caption: "<firm> - <town>" once the firm has a name.
    QString mainCaption() const;

    // Commands of the main window that need no window of their own.
    // True when the program may end.
    bool confirmExit();
    // "Печат на цветове?": Yes stores "0", No "1", saved at once. The
    // colours of this run stay as they were computed at start-up.
    void chooseColorPrinting();
    void reindex();
    void sortDocuments();
    void repairAndCompact();

    bool saveFirma();
    bool saveParams();

private:
    Interaction &m_ui;
    Store m_store;
    std::map<QString, DocumentState> m_documents;
};

}  // namespace remitor
