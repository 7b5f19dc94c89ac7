#include "workflow.h"

#include "session/session.h"
#include "documents/find_list.h"
#include "rules/bank_directory.h"
#include "rules/dates.h"
#include "rules/formatting.h"
#include "rules/identifiers.h"
#include "rules/field_rules.h"
#include "store/params.h"
#include "rules/words.h"
#include "store/store.h"

using namespace Qt::StringLiterals;

namespace remitor {

Record ConvertRecord(const Record &from, const TableDef &to)
{
    Record out(to);
    const TableDef &src = from.def();
    for (int i = 0; i < to.fields.size(); ++i) {
        const int j = src.fieldIndex(to.fields[i].name);
        if (j < 0)
            continue;
        const FieldType a = src.fields[j].type, b = to.fields[i].type;
        const Record::Value &v = from.at(j);
        const bool integral = [](FieldType t) { return t == FieldType::Int16 || t == FieldType::Int32; }(a);
        if (a == b || (integral && (b == FieldType::Int16 || b == FieldType::Int32)))
            out.set(i, v);
        else if (integral && b == FieldType::Text)
            out.set(i, QString::number(std::get<qint32>(v)));
        else if (a == FieldType::Text && (b == FieldType::Int16 || b == FieldType::Int32))
            out.set(i, qint32(LeadingWholeNumber(std::get<QString>(v))));
    }
    return out;
}

// ---- the workflow -------------------------------------------------------------

DocumentWorkflow::DocumentWorkflow(Session &session, const KindDescriptor &kind)
    : m_session(session), m_kind(kind)
{
}

DocumentState &DocumentWorkflow::state()
{
    return m_session.document(m_kind.tableDef());
}

Record &DocumentWorkflow::record()
{
    return state().record;
}

void DocumentWorkflow::open()
{
    // A record never touched starts with the options its form starts with.
    if (record() == Record(m_kind.tableDef()))
        for (const auto &[field, value] : m_kind.blankOptions)
            SetOptionValue(record(), field, value);
    // A stored document keeps its currency: an order of 2025 in leva must
    // not turn into euro by being looked at.
    const QString &field = m_kind.currencyField;
    if (!field.isEmpty() && (record().key() == 0 || record().text(field).trimmed().isEmpty()))
        record().setText(field, m_session.nationalCurrency);
    if (m_kind.opening)
        m_kind.opening(m_session, record());
}

QString DocumentWorkflow::caption() const
{
    return m_kind.captionTitle + u"No:"_s +
           numberText(m_session.document(m_kind.tableDef()).record.key());
}

QString DocumentWorkflow::display(const FieldSpec &field) const
{
    return DisplayText(m_session.document(m_kind.tableDef()).record, field.name, field.rule);
}

void DocumentWorkflow::take(const FieldSpec &field, const QString &text)
{
    Record &r = record();
    const Record before = m_kind.words.isEmpty() && field.total.isEmpty() ? Record() : r;
    TakeText(r, field.name, field.rule, text);
    if (!field.total.isEmpty())
        followTotal(field, before.isValid() ? before.money(field.name) : Money());
    for (const WordsSpec &w : m_kind.words) {
        const bool amount = field.name.compare(w.amount, Qt::CaseInsensitive) == 0;
        const bool currency = field.name.compare(w.currency, Qt::CaseInsensitive) == 0;
        if (!w.field.isEmpty() && ((amount && r.money(w.amount) != before.money(w.amount)) ||
                                   (currency && r.text(w.currency) != before.text(w.currency))))
            writeWords(w);
    }
}

QString DocumentWorkflow::amountInWords(Money amount, const QString &currency)
{
    // As the field takes it: a code typed in lower case is still the code.
    const QString code = currency.trimmed().toUpper();
    m_session.currencyCode = code.left(3);
    return AmountInWordsBilingual(amount, code, m_session.currencyCode);
}

void DocumentWorkflow::writeWords(const WordsSpec &w)
{
    record().setText(w.field, amountInWords(record().money(w.amount), record().text(w.currency)));
}

bool DocumentWorkflow::refused()
{
    const QString why = m_kind.refusal ? m_kind.refusal(record()) : QString();
    if (!why.isEmpty())
        m_session.ui().tell(why);
    return !why.isEmpty();
}

// The total follows its items; typed over, it stays until an item changes.
void DocumentWorkflow::followTotal(const FieldSpec &field, Money before)
{
    if (record().money(field.name) == before)
        return;
    Money sum;
    for (const QList<FieldSpec> *page : {&m_kind.entryOrder, &m_kind.secondPage})
        for (const FieldSpec &item : *page)
            if (item.total == field.total)
                sum += record().money(item.name);
    record().setMoney(field.total, sum);
}

void DocumentWorkflow::committedFrom(const FieldSpec &field)
{
    if (!field.monthEnd.isEmpty())
        setPeriodEnd(field);
}

void DocumentWorkflow::setPeriodEnd(const FieldSpec &start)
{
    const QDate from = record().date(start.name);
    if (!from.isValid()) {
        record().setDate(start.monthEnd, QDate());
        return;
    }
    record().setDate(start.monthEnd, QDate(from.year(), from.month(), from.daysInMonth()));
}

void DocumentWorkflow::clearRecord()
{
    const Record before = record();
    record().clear();
    for (const QString &field : m_kind.newKeeps) {
        const int i = before.def().fieldIndex(field);
        record().set(i, before.at(i));
    }
    // As typed: a flag or a number may have a default too.
    for (const auto &[field, value] : m_kind.newDefaults)
        TakeText(record(), field, FieldRule::Text, value);
    // A new document is paid in the national currency, as the opening gives it.
    if (!m_kind.currencyField.isEmpty())
        record().setText(m_kind.currencyField, m_session.nationalCurrency);
}

bool DocumentWorkflow::convertToEuro()
{
    if (!ConvertToEuro(record(), m_kind.amountFields(), m_session.ui()))
        return false;
    for (const WordsSpec &w : m_kind.words)
        if (!w.field.isEmpty())
            writeWords(w);
    return true;
}

bool DocumentWorkflow::newDocument()
{
    if (m_kind.renew) {
        m_kind.renew(m_session, record());
        return true;
    }
    if (!m_session.ui().askOkCancel(u"Изчиства текущия документ?"_s, {}, true))
        return false;
    clearRecord();
    return true;
}

void DocumentWorkflow::previous()
{
    step(false);
}

void DocumentWorkflow::next()
{
    step(true);
}

void DocumentWorkflow::step(bool forward)
{
    auto table = m_session.store().table(m_kind.tableDef());
    if (!table)
        return;
    // An empty record starts at the first document; past either end the
    // same document shows again; a deleted one has nothing to move from.
    const qint32 key = record().key();
    const auto row = key == 0 ? table->first() : forward ? table->next(key) : table->previous(key);
    if (row)
        record() = *row;
}

bool DocumentWorkflow::read()
{
    Session &s = m_session;
    std::optional<SearchRequest> request;
    if (m_kind.readByName >= 0) {
        const auto name = s.ui().inputLine(u"Посочете име за търсене.\n\n"_s,
                                           u"Търси фирма по име"_s, s.lastSearchText);
        if (!name || name->isEmpty() || *name == u"false"_s)
            return false;
        request = SearchRequest{*name, m_kind.readByName};
    } else {
        request = s.ui().askSearch(s.lastSearchText);
    }
    if (!request)
        return false;
    if (!request->text.isEmpty())
        s.lastSearchText = request->text;
    s.currentSearchText = request->text.toUpper();
    s.searchKind = m_kind.searchKind;
    s.searchField = request->field;
    const QString line = RunFind(s.store(), s.ui(),
                                 {s.searchKind, s.currentSearchText, s.searchField, record().key()},
                                 m_kind.readTitle.isEmpty() ? m_kind.title : m_kind.readTitle);
    s.currentSearchText.clear();
    const qint64 number = NumberOfLine(line);
    if (number == 0)
        return false;
    auto table = s.store().table(m_kind.tableDef());
    const auto row = table ? table->find(number) : std::nullopt;
    if (!row)
        return false;  // gone since the list was made
    state().fromReports = false;
    record() = *row;
    return true;
}

bool DocumentWorkflow::remove()
{
    Session &s = m_session;
    s.searchKind = m_kind.searchKind;
    s.currentSearchText.clear();
    const QString line =
        RunFind(s.store(), s.ui(), {s.searchKind, QString(), s.searchField, record().key()}, m_kind.title);
    const qint64 number = NumberOfLine(line);
    if (number == 0)
        return false;
    auto table = s.store().table(m_kind.tableDef());
    const auto row = table ? table->find(number) : std::nullopt;
    if (!row)
        return false;
    // The document deleted stays on screen, to be saved again if need be;
    // a cancelled or failed deletion leaves the one typed there.
    const QString name = m_kind.deleteName() + u" No:"_s + numberText(number);
    if (!s.ui().askOkCancel(u"Изтрива: "_s + name))
        return false;
    if (!table->remove(number))
        return false;
    record() = *row;
    const QString deleted =
        m_kind.deletedTitle.isEmpty() ? name : m_kind.deletedTitle + u" No:"_s + numberText(number);
    s.ui().tell(deleted + m_kind.deletedText);
    return true;
}

bool DocumentWorkflow::save()
{
    Session &s = m_session;
    m_status.clear();
    if (state().fromReports) {
        s.ui().tell(u"Този документ е от база справки."_s);
        m_status = u"Не е записан: документът е от базата за справки."_s;
        return false;
    }
    if (refused())
        return false;
    // Told, but the user may keep a document that does not add up yet.
    if (m_kind.check)
        if (const QString failed = m_kind.check(record()); !failed.isEmpty())
            s.ui().tell(failed);
    const qint64 free = NextFreeKod(s.store(), m_kind.kindNumber);
    if (free == 0) {
        m_status = u"Не е записан: базата не може да се отвори."_s;
        return false;  // the user has been told why
    }
    Record &r = record();
    const qint32 before = r.key();
    if (r.key() == 0 && free == 1) {
        r.setKey(1);
    } else {
        SaveChoice choice;
        choice.showOverwrite = r.key() != 0 && r.key() != free;
        choice.overwriteCaption = u"Презапис"_s + numberText(r.key());
        choice.newCaption = u"Нов запис"_s + numberText(free);
        choice.offsetTwips = QPoint(0, 1650);
        choice.editorWidthOffsetTwips = 3550;
        switch (s.ui().chooseSave(choice)) {
        case SaveChoice::Cancel: m_status = u"Не е записан."_s; return false;
        case SaveChoice::New: r.setKey(free); break;
        case SaveChoice::Overwrite: break;
        }
    }
    auto table = s.store().table(m_kind.tableDef());
    if (!table || !table->save(r)) {
        r.setKey(before);  // nothing was stored under the new number
        m_status = u"Не е записан: грешка при записа."_s;
        return false;
    }
    m_status = u"Записан като No "_s + QString::number(r.key());
    return true;
}

bool DocumentWorkflow::copyToReports()
{
    Session &s = m_session;
    m_status.clear();
    const TableDef *reports = m_kind.reportsTableDef();
    if (!reports)
        return false;
    const qint64 free = NextFreeKodReports(s.store(), m_kind.reportsCode);
    if (free == 0) {
        m_status = u"Не е записан в базата за справки: тя не може да се отвори."_s;
        return false;
    }
    SaveChoice choice;
    choice.showOverwrite = false;
    choice.forReports = true;
    choice.newCaption = u"Нов запис"_s + QString::number(free);  // no blank here
    choice.offsetTwips = QPoint(0, 1400);
    choice.editorWidthOffsetTwips = 3750;
    if (s.ui().chooseSave(choice) != SaveChoice::New) {
        m_status = u"Не е записан в базата за справки."_s;
        return false;
    }

    // The copy gets its own number and, when the document has no date, the
    // working date; the editor goes on showing the document unchanged.
    Record copy = ConvertRecord(record(), *reports);
    copy.setKey(free);
    const QString dateField = m_kind.dateField;
    using Style = KindDescriptor::DateStyle;
    switch (m_kind.dateStyle) {
    case Style::FreeText:
    case Style::ShortText:
        if (ParseAmount(copy.text(dateField)).isZero())
            copy.setText(dateField, ShortDateText(s.today));
        break;
    case Style::LongText:
        if (copy.text(dateField).trimmed().isEmpty())
            copy.setText(dateField, LongDateText(s.today));
        break;
    case Style::Date:
        if (!copy.date(dateField).isValid())
            copy.setDate(dateField, s.today);
        break;
    case Style::None: break;
    }
    auto table = s.store().table(*reports);
    if (!table || !table->save(copy)) {
        m_status = u"Не е записан в базата за справки: грешка при записа."_s;
        return false;
    }
    m_status = u"Записан в базата за справки като No "_s + QString::number(free);
    return true;
}

bool DocumentWorkflow::base()
{
    if (!m_kind.post)
        return copyToReports();
    m_status.clear();
    return m_kind.post(m_session, record(), m_status);
}

void DocumentWorkflow::accountLeft(const FieldSpec &account)
{
    Record &r = record();
    const QString iban = r.text(account.name).trimmed();
    QString bic = account.bicField.isEmpty() ? QString() : r.text(account.bicField).trimmed();
    const QString checked = iban + u'|' + bic;
    if (m_banksChecked.value(account.name) == checked)
        return;  // told already, or nothing to tell
    m_banksChecked.insert(account.name, checked);
    QString bank = account.bankField.isEmpty() ? QString() : r.text(account.bankField).trimmed();
    QString bicBefore = bic, bankBefore = bank;
    CheckBankOfIban(m_session.banks, iban, bic, account.bankField.isEmpty() ? nullptr : &bank, &m_session.ui());
    if (!account.bicField.isEmpty() && bic != bicBefore)
        r.setText(account.bicField, bic);
    if (!account.bankField.isEmpty() && bank != bankBefore)
        r.setText(account.bankField, bank);
    m_banksChecked.insert(account.name, iban + u'|' + bic);
}

namespace {

// A contractor's or the firm's text as the document's field takes it: a BIC
// in the form that fits the field.
QString copiedText(const Record &document, const QString &field, const QString &text)
{
    if (!field.startsWith(u"BIC"_s, Qt::CaseInsensitive))
        return text;
    // The forms' boxes hold eight: a head office's BIC goes in as its eight.
    const FieldDef *f = document.def().field(field);
    return BicForWidth(text, f ? std::min(f->width, 8) : 8);
}

}  // namespace

bool DocumentWorkflow::pickContractor(const QList<FieldCopy> &copies)
{
    Session &s = m_session;
    const auto answer = s.ui().inputLine(u"Посочете име за търсене.\n\n"_s, u"Търси фирма по име"_s,
                                         s.lastSearchText);
    if (!answer)
        return false;  // the user cancelled the question
    QString text = *answer == u"false"_s ? QString() : *answer;
    if (!text.isEmpty())
        s.lastSearchText = text;
    s.currentSearchText = text.toUpper();
    s.searchKind = 7;
    const QString line = RunFind(s.store(), s.ui(), {7, s.currentSearchText, 0, 0}, u"Контрагенти"_s);
    s.currentSearchText.clear();
    const qint64 number = NumberOfLine(line);
    if (number == 0)
        return false;
    auto table = s.store().table(DbKind::Main, u"KlientTable"_s);
    const auto row = table ? table->find(number) : std::nullopt;
    if (!row)
        return false;
    for (const FieldCopy &c : copies) {
        QStringList parts{row->text(c.from).trimmed()};
        if (!c.also.isEmpty())
            parts << row->text(c.also).trimmed();
        parts.removeAll(QString());
        record().setText(c.to, c.also.isEmpty() ? copiedText(record(), c.to, row->text(c.from))
                                                : parts.join(u", "_s));
    }
    return true;
}

bool DocumentWorkflow::pickPayee()
{
    return pickContractor(m_kind.payee);
}

bool DocumentWorkflow::pickPayer()
{
    // The firm pays from its own accounts most of the time: they come
    // first, and one pick fills the payer's name, account, BIC and bank.
    const QList<Record> own = LoadOwnAccounts(m_session.store());
    if (own.isEmpty())
        return pickContractor(m_kind.payer);
    FindListView view;
    view.caption = u"Сметки на фирмата"_s;
    view.headers = {u"Банка"_s, u"IBAN"_s, u"BIC"_s};
    for (const Record &a : own)
        view.lines << u"%1 | %2 | %3 | %4"_s.arg(a.key(), 5)
                          .arg(a.text(u"BankIme"_s).trimmed().left(30), a.text(u"IBAN"_s).trimmed(),
                               a.text(u"BIC"_s).trimmed());
    view.lines << u"%1 | Друг наредител от списъка с контрагенти"_s.arg(own.size() + 1, 5);
    view.selected = 0;
    view.countText = own.size() == 1 ? u"Една сметка."_s : u"Сметки: "_s + QString::number(own.size());
    const int chosen = m_session.ui().pickFromList(view);
    if (chosen < 0)
        return false;
    if (chosen >= own.size())
        return pickContractor(m_kind.payer);
    // The account as the contractor list would give it: the firm's name,
    // BULSTAT and town with the bank of the account. What the firm's
    // record does not know (the bank's branch and street) stays as typed.
    const Record &account = own[chosen];
    const QHash<QString, QString> known = {
        {u"klime"_s, m_session.firma.text(u"ime"_s).trimmed()},
        {u"bulstat"_s, m_session.firma.text(u"Bulstat"_s).trimmed()},
        {u"grad"_s, m_session.firma.text(u"Grad"_s).trimmed()},
        {u"iban"_s, account.text(u"IBAN"_s).trimmed()},
        {u"bic"_s, account.text(u"BIC"_s).trimmed()},
        {u"bankime"_s, account.text(u"BankIme"_s).trimmed()}};
    for (const FieldCopy &c : m_kind.payer)
        if (known.contains(c.from.toLower()))
            record().setText(c.to, copiedText(record(), c.to, known.value(c.from.toLower())));
    return true;
}

bool DocumentWorkflow::pickSubmissionDate(QPoint offsetTwips)
{
    Session &s = m_session;
    QDate date = s.lastPickedDate;
    if (!s.ui().pickDate(date, s.lastPickedDate, {}, offsetTwips))
        return false;
    using Style = KindDescriptor::DateStyle;
    if (m_kind.dateStyle == Style::Date)
        record().setDate(m_kind.dateField, date);
    else if (m_kind.dateStyle == Style::ShortText)
        record().setText(m_kind.dateField, ShortDateText(date));
    else
        record().setText(m_kind.dateField, LongDateText(date));
    return true;
}

bool DocumentWorkflow::pickExecutionDate(QPoint offsetTwips)
{
    return !m_kind.workDateField.isEmpty() && pickDate(m_kind.workDateField, offsetTwips);
}

bool DocumentWorkflow::pickDate(const QString &field, QPoint offsetTwips)
{
    if (field.compare(m_kind.dateField, Qt::CaseInsensitive) == 0)
        return pickSubmissionDate(offsetTwips);
    Session &s = m_session;
    QDate date = s.lastPickedDate;
    if (!s.ui().pickDate(date, s.lastPickedDate, {}, offsetTwips))
        return false;
    record().setDate(field, date);
    if (const FieldSpec *entry = m_kind.fieldSpec(field); entry && !entry->monthEnd.isEmpty())
        setPeriodEnd(*entry);
    return true;
}

bool DocumentWorkflow::pickParagraph(const QString &field)
{
    Session &s = m_session;
    s.searchKind = 8;
    const QString line = RunFind(s.store(), s.ui(), {8, s.currentSearchText, 0, 0}, u"Параграфи"_s);
    // The code is the twelve characters after the position and " | "; a
    // field narrower than the code keeps what fits.
    const qsizetype bar = line.indexOf(u" | "_s);
    const QString code = bar < 0 ? QString() : line.mid(bar + 3, 12).trimmed();
    if (code.isEmpty())
        return false;
    record().setText(field, code);
    return true;
}

bool DocumentWorkflow::takeChoice(const QString &field, const QString &entry)
{
    const QString head = entry.left(5).trimmed();
    if (head.isEmpty())
        return false;
    SetOptionValue(record(), field, LeadingWholeNumber(head));
    return true;
}

}  // namespace remitor
