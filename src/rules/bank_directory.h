#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace remitor {

class Interaction;

// One bank of the directory, by the code that its IBANs carry in places 5-8.
struct BankEntry {
    QString code;  // four capital Latin letters
    QString bic;   // 8 or 11 characters; empty when not known
    QString name;  // in Bulgarian, as it goes into a document
    QString note;  // set only for the code of a bank merged into another

    bool merged() const { return !note.isEmpty(); }
};

// The banks of Bulgaria by their IBAN code: a plain UTF-8 text file, one bank
// a line, "Код|BIC|Банка|Бележка". Blank lines and lines starting with '#'
// are skipped, and so is a line whose code or BIC is malformed; of two lines
// with one code the later wins. The file ships inside the program and a file
// of the same name beside the databases replaces it, so that users can bring
// it up to date without a new version.
class BankDirectory
{
public:
    // The name of the file, shipped and beside the databases.
    static constexpr auto FileName = u"Banki.txt";
    // Where the shipped copy lives among the program's resources.
    static constexpr auto ResourcePath = u":/remitor/Banki.txt";
    // A larger file is not a bank directory (a wrong file put in its place).
    static constexpr qint64 MaxFileBytes = 1024 * 1024;

    // An empty directory: every code is unknown.
    BankDirectory() = default;

    // The directory for a run: the file FileName in `folder` (the folder of
    // the databases) when it is there, readable and has at least one bank,
    // otherwise the shipped one. Never fails; a broken user file is passed
    // over rather than leaving the program without banks.
    static BankDirectory load(const QString &folder);
    // The shipped directory alone.
    static BankDirectory shipped();
    // A file of the directory's format; nothing when it cannot be read or is
    // larger than MaxFileBytes. Text that is not valid UTF-8 is read as
    // windows-1251, the encoding Bulgarian Windows editors save in.
    static std::optional<BankDirectory> fromFile(const QString &path);
    // Parses the text of a directory file.
    static BankDirectory fromText(const QString &text);

    // The bank of a code (any case), or null when the code is unknown.
    const BankEntry *find(const QString &code) const;
    // The bank of a Bulgarian IBAN, or null (unknown code, not Bulgarian).
    const BankEntry *findByIban(const QString &iban) const;

    // The bank code of a Bulgarian IBAN: "BG", two digits, four Latin
    // letters; blanks anywhere and the letters' case do not matter. Empty for
    // anything else (a foreign IBAN, a number too short, a typing error).
    static QString codeOfIban(const QString &iban);

    // Every bank, in the order of the codes.
    QList<BankEntry> entries() const;
    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    // Lines that were neither banks, comments nor blank.
    int skippedLines() const { return m_skipped; }
    // Where the directory was read from: a file path or ResourcePath.
    const QString &source() const { return m_source; }

private:
    QHash<QString, BankEntry> m_entries;
    int m_skipped = 0;
    QString m_source;
};

// What CheckBankOfIban found and did.
enum class BankCheck {
    NotBulgarian,  // empty, foreign or malformed IBAN: nothing done
    UnknownCode,   // a code the directory does not know: nothing done, nothing said
    Matches,       // the BIC belongs to the IBAN's bank; nothing to fill
    Filled,        // the empty BIC and/or the empty bank name were filled
    Mismatch,      // the BIC is another bank's: the user was told, the BIC kept
    Merged,        // the code of a merged bank: the user was told to check the account
};

// The check that runs when an IBAN field (or the BIC next to it) is
// committed, after the IBAN passed CheckIBAN:
// - a known code and an empty `bic`: the BIC is filled from the directory,
//   and so is an empty `*bankName` when the form has a bank-name field
//   (`bankName` non-null); a BIC of the IBAN's bank fills an empty name too;
// - a BIC whose first four letters are not the IBAN's code (and is not the
//   directory's BIC for it): one warning naming both banks; what the user
//   typed stays;
// - the code of a merged bank: one warning with the directory's note asking
//   to check the account; nothing is filled, since such accounts are likely
//   to have moved to a new IBAN;
// - an unknown code or a non-Bulgarian IBAN: nothing, silently.
// `ui` may be null for a silent check. Callers should run it when the IBAN or
// the BIC changed, so that an unchanged pair is not warned about again.
BankCheck CheckBankOfIban(const BankDirectory &dir, const QString &iban, QString &bic,
                          QString *bankName, Interaction *ui);

}  // namespace remitor
