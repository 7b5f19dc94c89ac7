#pragma once

#include "base/money.h"
#include "store/schema.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <variant>

namespace remitor {

// The values of one row of one table, typed by the table's layout. Texts
// are fixed-width: cut to their width and padded with blanks on assignment.
// The empty date is a null QDate.
class Record {
public:
    using Value = std::variant<QString, qint32, Money, double, QDate, bool>;

    Record() = default;
    explicit Record(const TableDef &def);

    const TableDef &def() const { return *m_def; }
    bool isValid() const { return m_def != nullptr; }
    int size() const { return int(m_values.size()); }

    // Every field empty: blanks, zero, the empty date, false.
    void clear();

    // Access by field name, without regard to case. A name the layout does
    // not have is a programming error.
    QString text(const QString &field) const;
    void setText(const QString &field, const QString &value);
    qint32 integer(const QString &field) const;
    void setInteger(const QString &field, qint64 value);
    Money money(const QString &field) const;
    void setMoney(const QString &field, Money value);
    double real(const QString &field) const;
    void setReal(const QString &field, double value);
    QDate date(const QString &field) const;
    void setDate(const QString &field, const QDate &value);
    bool boolean(const QString &field) const;
    void setBoolean(const QString &field, bool value);

    // The key (Kod, No or Row), 0 for tables without one.
    qint32 key() const;
    void setKey(qint64 value);

    const Value &at(int i) const { return m_values[i]; }
    // Stores a value of the field's own type, cutting and padding texts.
    void set(int i, const Value &value);
    // The same for a text field, from a part of a longer text.
    void setTextAt(int i, QStringView text);

    bool operator==(const Record &o) const { return m_def == o.m_def && m_values == o.m_values; }

private:
    int indexOf(const QString &field, FieldType type) const;
    const TableDef *m_def = nullptr;
    QVector<Value> m_values;
};

// A text cut to `width` characters and padded with blanks to it.
QString fixedWidth(const QString &text, int width);

}  // namespace remitor
