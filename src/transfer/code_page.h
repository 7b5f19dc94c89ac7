#pragma once

#include <QByteArray>
#include <QString>
#include <array>

namespace remitor {

// Code page 1251, the single-byte encoding of the transfer files. The
// mapping is Qt's own ("windows-1251"), read once from its decoder and
// checked against its encoder, and kept as two tables: the transfer files
// run to a hundred megabytes, which the converter call per text would take
// seconds to encode.
//
// Only characters the code page really has count: the one byte that it
// leaves undefined (Qt passes it through as a control code) is no
// character, and a character without a byte is never replaced by "?".
class CodePage1251 {
public:
    static const CodePage1251 &instance();

    bool canHold(QChar c) const { return m_bytes[c.unicode()] != 0 || c.unicode() == 0; }
    // The byte of a character, or -1 when the code page has none.
    int byteOf(QChar c) const { return canHold(c) ? m_bytes[c.unicode()] : -1; }
    // Appends the bytes of `text`, which must hold only characters of the
    // code page (see byteOf).
    void append(QStringView text, QByteArray &out) const;

    // The text of bytes into `text`, reusing its buffer; false (and `text`
    // undefined) when a byte is one the code page leaves undefined, at *undefined.
    bool decode(QByteArrayView bytes, QString &text, qsizetype *undefined) const;

    // The mapping agrees with Qt's encoder; false when Qt has no such codec.
    bool isValid() const { return m_valid; }

private:
    CodePage1251();

    std::array<uchar, 0x10000> m_bytes{};  // by character; 0 where there is none (but NUL)
    std::array<char16_t, 256> m_chars{};   // by byte
    std::array<bool, 256> m_defined{};
    bool m_valid = false;
};

}  // namespace remitor
