#include "rules/bank_directory.h"

#include "base/interaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

bool isCode(const QString &s)
{
    static const QRegularExpression re(u"^[A-Z]{4}$"_s);
    return re.match(s).hasMatch();
}

// Bank, country, place, and an optional branch.
bool isBic(const QString &s)
{
    static const QRegularExpression re(u"^[A-Z]{6}[A-Z0-9]{2}([A-Z0-9]{3})?$"_s);
    return re.match(s).hasMatch();
}

// An IBAN as it is compared and shown: no blanks, capital letters.
QString compact(const QString &iban)
{
    QString s = iban.toUpper();
    s.remove(u' ');
    return s;
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder cp1251("windows-1251");
    return cp1251.isValid() ? QString(cp1251(bytes)) : text;
}

}  // namespace

BankDirectory BankDirectory::fromText(const QString &text)
{
    BankDirectory dir;
    QString all = text;
    if (all.startsWith(QChar(0xFEFF)))
        all.remove(0, 1);
    const QStringList lines = all.split(u'\n');
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'|');
        BankEntry e;
        if (fields.size() >= 3) {
            e.code = fields[0].trimmed().toUpper();
            e.bic = fields[1].trimmed().toUpper();
            e.name = fields[2].trimmed();
            // A note may hold the separator itself.
            e.note = fields.mid(3).join(u'|').trimmed();
        }
        const bool usable = isCode(e.code) && (e.bic.isEmpty() || isBic(e.bic)) &&
                            !(e.bic.isEmpty() && e.name.isEmpty() && e.note.isEmpty());
        if (!usable) {
            ++dir.m_skipped;
            continue;
        }
        dir.m_entries.insert(e.code, e);
    }
    return dir;
}

std::optional<BankDirectory> BankDirectory::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Read one byte past the limit: a device reports no size.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    BankDirectory dir = fromText(decode(bytes));
    dir.m_source = path;
    return dir;
}

BankDirectory BankDirectory::shipped()
{
    auto dir = fromFile(QString::fromUtf16(ResourcePath));
    return dir ? *dir : BankDirectory();
}

BankDirectory BankDirectory::load(const QString &folder)
{
    if (!folder.isEmpty()) {
        const QString path = QDir(folder).filePath(QString::fromUtf16(FileName));
        if (QFileInfo(path).isFile()) {
            auto dir = fromFile(path);
            if (dir && !dir->isEmpty())
                return *dir;
        }
    }
    return shipped();
}

const BankEntry *BankDirectory::find(const QString &code) const
{
    const auto it = m_entries.constFind(code.trimmed().toUpper());
    return it == m_entries.constEnd() ? nullptr : &it.value();
}

const BankEntry *BankDirectory::findByIban(const QString &iban) const
{
    const QString code = codeOfIban(iban);
    return code.isEmpty() ? nullptr : find(code);
}

QList<BankEntry> BankDirectory::entries() const
{
    QList<BankEntry> all = m_entries.values();
    std::sort(all.begin(), all.end(),
              [](const BankEntry &a, const BankEntry &b) { return a.code < b.code; });
    return all;
}

QString BankDirectory::codeOfIban(const QString &iban)
{
    static const QRegularExpression re(u"^BG[0-9]{2}([A-Z]{4})"_s);
    const auto m = re.match(compact(iban));
    return m.hasMatch() ? m.captured(1) : QString();
}

BankCheck CheckBankOfIban(const BankDirectory &dir, const QString &iban, QString &bic,
                          QString *bankName, Interaction *ui)
{
    const QString code = BankDirectory::codeOfIban(iban);
    if (code.isEmpty())
        return BankCheck::NotBulgarian;
    const BankEntry *bank = dir.find(code);
    if (!bank)
        return BankCheck::UnknownCode;
    const QString account = compact(iban);
    const QString bankOfIban = bank->name.isEmpty() ? u"банка"_s : bank->name;

    if (bank->merged()) {
        if (ui)
            ui->tell(
                u"IBAN %1 е с код %2 на %3.\n%4\nПроверете сметката при получателя: "
                u"сметките на вляната банка може вече да са с нов IBAN."_s.arg(
                    account, code, bankOfIban, bank->note),
                Interaction::Icon::Warning);
        return BankCheck::Merged;
    }

    const QString typed = bic.trimmed().toUpper();
    if (!typed.isEmpty() && typed != bank->bic && typed.left(4) != code) {
        if (ui) {
            const BankEntry *other = dir.find(typed.left(4));
            const QString bankOfBic = other && !other->name.isEmpty()
                                          ? other->name + u" (код "_s + other->code + u')'
                                          : u"друга банка"_s;
            ui->tell(
                u"BIC не отговаря на IBAN.\nIBAN %1 е в %2 (код %3),\nа BIC %4 е на %5.\n"
                u"Проверете двете полета: превод с BIC на друга банка се връща.\n"
                u"Въведеното остава непроменено."_s.arg(account, bankOfIban, code, typed,
                                                        bankOfBic),
                Interaction::Icon::Warning);
        }
        return BankCheck::Mismatch;
    }

    bool filled = false;
    if (typed.isEmpty() && !bank->bic.isEmpty()) {
        bic = bank->bic;
        filled = true;
    }
    if (bankName && bankName->trimmed().isEmpty() && !bank->name.isEmpty()) {
        *bankName = bank->name;
        filled = true;
    }
    return filled ? BankCheck::Filled : BankCheck::Matches;
}

}  // namespace remitor
