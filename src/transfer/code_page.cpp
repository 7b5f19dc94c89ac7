#include "transfer/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace remitor {

const CodePage1251 &CodePage1251::instance()
{
    static const CodePage1251 page;
    return page;
}

CodePage1251::CodePage1251()
{
    QStringDecoder decoder("windows-1251");
    QStringEncoder encoder("windows-1251");
    if (!decoder.isValid() || !encoder.isValid())
        return;
    m_valid = true;
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        decoder.resetState();
        const QString c = decoder.decode(QByteArrayView(&byte, 1));
        if (decoder.hasError() || c.size() != 1 || c.at(0) == QChar::ReplacementCharacter)
            continue;
        const char16_t u = c.at(0).unicode();
        // A byte above the ASCII range that comes back as a C1 control code
        // names no character of the code page (0x98).
        if (b >= 0x80 && u >= 0x80 && u <= 0x9f)
            continue;
        encoder.resetState();
        const QByteArray back = encoder.encode(c);
        if (encoder.hasError() || back.size() != 1 || back.at(0) != byte) {
            m_valid = false;
            continue;
        }
        m_defined[size_t(b)] = true;
        m_chars[size_t(b)] = u;
        m_bytes[u] = uchar(b);
    }
}

qsizetype CodePage1251::firstUnheld(QStringView text) const
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!canHold(text[i]))
            return i;
    return -1;
}

void CodePage1251::append(QStringView text, QByteArray &out) const
{
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char *p = out.data() + at;
    for (const QChar c : text) *p++ = char(m_bytes[c.unicode()]);
}

qsizetype CodePage1251::firstUndefined(QByteArrayView bytes) const
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (!m_defined[uchar(bytes[i])])
            return i;
    return -1;
}

QString CodePage1251::decode(QByteArrayView bytes) const
{
    QString s(bytes.size(), Qt::Uninitialized);
    QChar *p = s.data();
    for (const char b : bytes) *p++ = QChar(m_chars[uchar(b)]);
    return s;
}

}  // namespace remitor
