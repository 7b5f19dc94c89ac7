#pragma once

#include <QtGlobal>
#include <cmath>
#include <compare>
#include <optional>

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

    // The nearest ten-thousandth of a double, for the few fields that the old
    // databases keep as Double (the buy/sell amounts). No value when `value` is
    // not a finite number or lies outside the range of Money.
    static std::optional<Money> fromDouble(double value)
    {
        if (!std::isfinite(value))
            return std::nullopt;
        const double scaled = std::round(value * double(Scale));
        // 2^63 is exact in a double; anything at or beyond it does not fit.
        if (scaled < -9223372036854775808.0 || scaled >= 9223372036854775808.0)
            return std::nullopt;
        return Money(qint64(scaled));
    }
    double toDouble() const { return double(m_raw) / double(Scale); }

    constexpr qint64 raw() const { return m_raw; }
    constexpr bool isZero() const { return m_raw == 0; }

    // Whole units with the fraction cut off towards zero: 12.99 gives 12, -12.99 gives -12.
    constexpr qint64 wholeUnits() const { return m_raw / Scale; }

    // The amount counted in 10^-places of the unit (places 0..4, clamped),
    // rounded half away from zero like the printed figures: 12.345 to two
    // places is 1235, that is 12.35. Never overflows.
    constexpr qint64 scaledTo(int places) const
    {
        qint64 step = 1;
        for (int i = places < 0 ? 0 : places; i < 4; ++i)
            step *= 10;
        qint64 q = m_raw / step;
        const qint64 r = m_raw % step;  // same sign as m_raw, |r| < step
        if (2 * (r < 0 ? -r : r) >= step && step > 1)
            q += m_raw < 0 ? -1 : 1;
        return q;
    }

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
