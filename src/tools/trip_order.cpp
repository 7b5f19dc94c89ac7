#include "tools/trip_order.h"

#include "documents/find_list.h"
#include "rules/dates.h"
#include "rules/field_rules.h"
#include "rules/formatting.h"
#include "session/session.h"

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

const QString kTitle = u"Заповед за командировка"_s;
const QString kNotSaved = u"\nЗаповедта не е записана."_s;
const QString kReversed = u"Дата2 е по-малка от Дата1."_s;
const QString kBadDays = u"Броят на дните трябва да е цяло число от 0 до %1."_s.arg(MaxTripDays);

bool isDateField(const QString &f)
{
    for (const char16_t *name : {u"Date", u"otDate", u"doDate"})
        if (f.compare(QStringView(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Digits only, with blanks around them: "3 дни" or "2.5" is no count.
std::optional<qint64> wholeNumber(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0;
    if (t.size() > 10 || !std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    return t.toLongLong();
}

// Where a trip starts and ends for the report: its dates, or the order's
// own date for an order without them.
std::pair<QDate, QDate> tripSpan(const Record &r)
{
    QDate start = r.date(u"otDate"_s), end = r.date(u"doDate"_s);
    if (!start.isValid())
        start = end.isValid() ? end : r.date(u"Date"_s);
    if (!end.isValid())
        end = start;
    return {start, end};
}

}  // namespace

const TableDef &TripOrderTable()
{
    return tableDef(DbKind::Main, u"KomandTable"_s);
}

const QList<TripField> &TripFields()
{
    static const QList<TripField> fields = {
        {u"txtFirma"_s, u"Firma"_s},
        {u"txtNo"_s, u"No"_s},
        {u"txtData"_s, u"Date"_s},
        {u"txtIme"_s, u"Ime"_s},
        {u"txtDlj"_s, u"dlj"_s},
        {u"txtTo"_s, u"Do"_s},
        {u"txtIn"_s, u"In"_s},
        {u"txtSrok"_s, u"srok"_s},
        {u"txtDateOt"_s, u"otDate"_s},
        {u"txtDateDo"_s, u"doDate"_s},
        {u"txtWork"_s, u"Work"_s},
        {u"txtDayMoney"_s, u"dnevni"_s},
        {u"txtNightMoney"_s, u"nostni"_s},
        {u"txtTransport"_s, u"transport"_s},
        {u"txtAuto"_s, u"MPS"_s},
        {u"txtMarka"_s, u"marka"_s},
        {u"txtRegNo"_s, u"RegNo"_s},
        {u"txtGorivo"_s, u"Gorivo"_s},
        {u"txtRazhod"_s, u"Razhod"_s},
        {u"txtCena"_s, u"Cena"_s},
        {u"txtSmetka"_s, u"smetka"_s},
    };
    return fields;
}

QString TripOrganisation(const Record &firma)
{
    return firma.text(u"ime"_s).trimmed() + u" - "_s + firma.text(u"Grad"_s).trimmed();
}

std::optional<int> ReadTripDays(const QString &text)
{
    const auto n = wholeNumber(text);
    if (!n || *n > MaxTripDays)
        return std::nullopt;
    return int(*n);
}

std::optional<qint32> ReadOrderNumber(const QString &text)
{
    const auto n = wholeNumber(text);
    if (!n || *n > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(*n);
}

bool CountTripDays(Record &order, bool fromLeft)
{
    const QDate from = order.date(u"otDate"_s), to = order.date(u"doDate"_s);
    if (from.isValid() && to.isValid() && from > to)
        return false;
    qint64 days = order.integer(u"srok"_s);
    if (days < 1 && from.isValid() && to.isValid()) {
        days = from.daysTo(to) + 1;
        // A count that the order cannot hold is left to the user to type.
        if (days > MaxTripDays)
            return true;
        order.setInteger(u"srok"_s, days);
    }
    if (days >= 1) {
        if (fromLeft && from.isValid())
            order.setDate(u"doDate"_s, from.addDays(days - 1));
        else if (!fromLeft && to.isValid())
            order.setDate(u"otDate"_s, to.addDays(-(days - 1)));
    }
    return true;
}

QList<Record> TripsInPeriod(Store &store, const QDate &from, const QDate &to)
{
    QList<Record> out;
    auto table = store.table(TripOrderTable());
    if (!table)
        return out;
    table->scan(Table::Order::Key, [&](const Record &r) {
        const auto [start, end] = tripSpan(r);
        if (start.isValid() && start <= to && end >= from)
            out.append(r);
        return true;
    });
    std::stable_sort(out.begin(), out.end(), [](const Record &a, const Record &b) {
        return tripSpan(a).first < tripSpan(b).first;
    });
    return out;
}

QString TripReportText(const QList<Record> &orders, const QDate &from, const QDate &to)
{
    const QString head =
        u"|  No:  | Номер |   Дата   |          Име, презиме, фамилия         |           Командирован  до:            | от  дата | до  дата |дни|"_s;
    QString rule = head;
    for (QChar &c : rule) c = c == u'|' ? u'|' : u'-';
    QStringList lines;
    lines << QString() << u"       Справка за командировки"_s
          << u"   от "_s + ShortDateText(from) + u" до "_s + ShortDateText(to) << head << rule;
    int days = 0;
    for (qsizetype i = 0; i < orders.size(); ++i) {
        const Record &r = orders[i];
        const int n = r.integer(u"srok"_s);
        days += std::max(n, 0);
        lines << u"|"_s + QString::number(i + 1).rightJustified(6) + u" |"_s +
                     QString::number(r.key()).rightJustified(6) + u" |"_s +
                     DateToText(r.date(u"Date"_s)) + u'|' +
                     fixedWidth(r.text(u"Ime"_s).trimmed(), 40) + u'|' +
                     fixedWidth(r.text(u"Do"_s).trimmed(), 40) + u'|' +
                     DateToText(r.date(u"otDate"_s)) + u'|' + DateToText(r.date(u"doDate"_s)) +
                     u'|' + (n > 0 ? QString::number(n) : QString()).rightJustified(3) + u'|';
    }
    lines << rule;
    lines << u"   Командировки: "_s + QString::number(orders.size()) + u", дни: "_s +
                 QString::number(days);
    return lines.join(u'\n');
}

TripOrderFlow::TripOrderFlow(Session &session) : m_session(session) {}

Record &TripOrderFlow::record()
{
    return m_session.document(TripOrderTable()).record;
}

const Record &TripOrderFlow::record() const
{
    return m_session.document(TripOrderTable()).record;
}

QString TripOrderFlow::caption() const
{
    return kTitle + u" No:"_s + numberText(record().key());
}

void TripOrderFlow::clear()
{
    Record &r = record();
    r.clear();
    r.setText(u"Firma"_s, TripOrganisation(m_session.firma));
    r.setDate(u"Date"_s, m_session.today);
    // Orders are numbered on from the last one; a number in between is typed.
    qint64 next = 1;
    if (auto table = m_session.store().table(TripOrderTable())) {
        if (const auto last = table->last())
            next = last->key() < std::numeric_limits<qint32>::max() ? last->key() + 1
                                                                    : table->nextFreeKey();
    }
    r.setKey(next);
    // The printed order asks for a written report unless the user says otherwise.
    r.setBoolean(u"doklad"_s, true);
    m_stored = 0;
}

bool TripOrderFlow::newOrder()
{
    if (!m_session.ui().askOkCancel(u"Изчиства текущия документ?"_s, {}, true))
        return false;
    clear();
    return true;
}

QString TripOrderFlow::display(const QString &field) const
{
    return DisplayText(record(), field, FieldRule::Text);
}

bool TripOrderFlow::take(const QString &field, const QString &text)
{
    Interaction &ui = m_session.ui();
    Record &r = record();
    if (same(field, u"No"_s)) {
        const auto n = ReadOrderNumber(text);
        if (!n) {
            ui.tell(u"Номерът на заповедта трябва да е цяло положително число."_s,
                    Interaction::Icon::Critical);
            return false;
        }
        r.setKey(*n);
        return true;
    }
    if (same(field, u"srok"_s)) {
        const auto days = ReadTripDays(text);
        if (!days) {
            ui.tell(kBadDays, Interaction::Icon::Critical);
            return false;
        }
        r.setInteger(u"srok"_s, *days);
        return true;
    }
    if (isDateField(field)) {
        const QString date = NormalizeDateText(text);
        r.setDate(field, DateFromText(date));
        if (date.isEmpty() && !text.trimmed().isEmpty()) {
            ui.tell(u"Невалидна дата"_s);
            return false;
        }
        if (!date.isEmpty())
            dateTaken(field);
        return true;
    }
    TakeText(r, field, FieldRule::Text, text);
    return true;
}

void TripOrderFlow::dateTaken(const QString &field)
{
    if (same(field, u"Date"_s))
        return;
    if (!CountTripDays(record(), same(field, u"otDate"_s)))
        m_session.ui().tell(kReversed, Interaction::Icon::Critical);
}

void TripOrderFlow::setWrittenReport(bool written)
{
    record().setBoolean(u"doklad"_s, written);
}

bool TripOrderFlow::save()
{
    Interaction &ui = m_session.ui();
    const Record &r = record();
    const qint32 number = r.key();
    if (number <= 0) {
        ui.tell(u"Не е посочен номер на заповедта."_s + kNotSaved, Interaction::Icon::Critical);
        return false;
    }
    const QDate from = r.date(u"otDate"_s), to = r.date(u"doDate"_s);
    if (from.isValid() && to.isValid() && from > to) {
        ui.tell(kReversed + kNotSaved, Interaction::Icon::Critical);
        return false;
    }
    // An order read from an imported file may hold any count.
    if (r.integer(u"srok"_s) < 0 || r.integer(u"srok"_s) > MaxTripDays) {
        ui.tell(kBadDays + kNotSaved, Interaction::Icon::Critical);
        return false;
    }
    auto table = m_session.store().table(TripOrderTable());
    if (!table)
        return false;
    // The number of another order would overwrite that order: the one shown
    // is stored over itself only.
    if (number != m_stored) {
        if (const auto other = table->find(number)) {
            ui.tell(kTitle + u" № "_s + QString::number(number) + u" вече е записана за "_s +
                        other->text(u"Ime"_s).trimmed() +
                        u".\nПосочете друг номер или прочетете заповедта, за да я промените."_s +
                        kNotSaved,
                    Interaction::Icon::Critical);
            return false;
        }
    }
    if (!table->save(r))
        return false;
    m_stored = number;
    ui.tell(kTitle + u" № "_s + QString::number(number) + u' ' + r.text(u"Ime"_s).trimmed() +
            u" е записан."_s);
    return true;
}

bool TripOrderFlow::load(qint64 number)
{
    auto table = m_session.store().table(TripOrderTable());
    const auto row = table ? table->find(number) : std::nullopt;
    if (!row)
        return false;  // gone since the list was made
    record() = *row;
    m_stored = row->key();
    return true;
}

bool TripOrderFlow::remove()
{
    Session &s = m_session;
    s.searchKind = TripSearchKind;
    s.currentSearchText.clear();
    const qint64 number = NumberOfLine(
        RunFind(s.store(), s.ui(), {TripSearchKind, QString(), 0, record().key()}, kTitle));
    // The order deleted stays on screen, to be saved again if need be; a
    // cancelled or failed deletion leaves the order typed there.
    const Record typed = record();
    const qint32 stored = m_stored;
    if (number == 0 || !load(number))
        return false;
    auto table = s.store().table(TripOrderTable());
    if (!s.ui().askOkCancel(u"Изтрива командировъчно № "_s + QString::number(number)) || !table ||
        !table->remove(number)) {
        record() = typed;
        m_stored = stored;
        return false;
    }
    s.ui().tell(u"Командировъчно № "_s + QString::number(number) +
                u" е изтрито.\nДанните са на екрана.\nМожете да го запишете отново."_s);
    return true;
}

bool TripOrderFlow::read()
{
    Session &s = m_session;
    const auto request = s.ui().askSearch(s.lastSearchText);
    if (!request)
        return false;
    if (!request->text.isEmpty())
        s.lastSearchText = request->text;
    s.currentSearchText = request->text.toUpper();
    s.searchKind = TripSearchKind;
    s.searchField = request->field;
    const QString line =
        RunFind(s.store(), s.ui(),
                {TripSearchKind, s.currentSearchText, s.searchField, record().key()}, kTitle);
    s.currentSearchText.clear();
    const qint64 number = NumberOfLine(line);
    return number != 0 && load(number);
}

void TripOrderFlow::step(bool forward)
{
    auto table = m_session.store().table(TripOrderTable());
    if (!table)
        return;
    // A new order starts at the first one; a deleted one has nothing to move from.
    const auto row = m_stored == 0 ? table->first()
                     : forward     ? table->next(m_stored)
                                   : table->previous(m_stored);
    if (row) {
        record() = *row;
        m_stored = row->key();
    }
}

void TripOrderFlow::previous()
{
    step(false);
}

void TripOrderFlow::next()
{
    step(true);
}

bool TripOrderFlow::pickPerson()
{
    Session &s = m_session;
    const auto answer =
        s.ui().inputLine(u"Посочете име за търсене."_s, u"Търси фирма по име"_s, s.lastSearchText);
    if (!answer || *answer == u"false"_s)
        return false;
    if (!answer->isEmpty())
        s.lastSearchText = *answer;
    s.currentSearchText = answer->toUpper();
    s.searchKind = 7;
    const QString line =
        RunFind(s.store(), s.ui(), {7, s.currentSearchText, 0, 0}, u"Контрагенти"_s);
    s.currentSearchText.clear();
    const qint64 number = NumberOfLine(line);
    if (number == 0)
        return false;
    auto table = s.store().table(DbKind::Main, u"KlientTable"_s);
    const auto row = table ? table->find(number) : std::nullopt;
    if (!row)
        return false;
    record().setText(u"Ime"_s, row->text(u"KlIme"_s).trimmed());
    return true;
}

bool TripOrderFlow::pickNote()
{
    Session &s = m_session;
    s.searchKind = NotesSearchKind;
    const qint64 number =
        NumberOfLine(RunFind(s.store(), s.ui(), {NotesSearchKind, QString(), 0, 0}, u"Бележки"_s));
    if (number == 0)
        return false;
    auto table = s.store().table(DbKind::Main, u"NotesTable"_s);
    const auto row = table ? table->find(number) : std::nullopt;
    if (!row)
        return false;
    record().setText(u"smetka"_s, row->text(u"Ime"_s).trimmed());
    return true;
}

bool TripOrderFlow::pickDate(const QString &field, QPoint offsetTwips)
{
    Session &s = m_session;
    QDate date = s.lastPickedDate;
    if (!s.ui().pickDate(date, s.lastPickedDate, {}, offsetTwips))
        return false;
    record().setDate(field, date);
    dateTaken(field);
    return true;
}

}  // namespace remitor
