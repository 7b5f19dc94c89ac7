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
    // The position of the first character of `text` that the code page
    // cannot hold, or -1.
    qsizetype firstUnheld(QStringView text) const;
    // Appends the bytes of `text`, which must hold only characters of the
    // code page (see firstUnheld).
    void append(QStringView text, QByteArray &out) const;

    bool defines(char byte) const { return m_defined[uchar(byte)]; }
    // The position of the first byte that the code page leaves undefined, or -1.
    qsizetype firstUndefined(QByteArrayView bytes) const;
    // The text of bytes that the code page defines.
    QString decode(QByteArrayView bytes) const;

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
