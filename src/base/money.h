#pragma once

#include <QtGlobal>
#include <compare>

namespace remitor {

// An amount of money in ten-thousandths of the unit (four decimals), as the
// bank forms and the old databases keep it. Never a double.
class Money {
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromRaw(qint64 tenThousandths) { return Money(tenThousandths); }
    // Whole units and hundredths (leva and stotinki): fromUnits(12, 50) is 12.50.
    static constexpr Money fromUnits(qint64 units, qint64 hundredths = 0)
    {
        return Money(units * Scale + hundredths * (Scale / 100));
    }

    constexpr qint64 raw() const { return m_raw; }
    constexpr bool isZero() const { return m_raw == 0; }

    constexpr Money operator+(Money o) const { return Money(m_raw + o.m_raw); }
    constexpr Money operator-(Money o) const { return Money(m_raw - o.m_raw); }
    constexpr Money operator-() const { return Money(-m_raw); }
    constexpr Money &operator+=(Money o) { m_raw += o.m_raw; return *this; }
    constexpr Money &operator-=(Money o) { m_raw -= o.m_raw; return *this; }
    constexpr auto operator<=>(const Money &) const = default;

private:
    constexpr explicit Money(qint64 raw) : m_raw(raw) {}
    qint64 m_raw = 0;
};

} // namespace remitor
