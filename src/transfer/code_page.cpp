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
    // The lines are split and trimmed on their bytes.
    m_valid = m_valid && m_chars[size_t('\t')] == u'\t' && m_chars[size_t(' ')] == u' ';
}

void CodePage1251::append(QStringView text, QByteArray &out) const
{
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char *p = out.data() + at;
    for (const QChar c : text) *p++ = char(m_bytes[c.unicode()]);
}

}  // namespace remitor

namespace remitor {

bool CodePage1251::decode(QByteArrayView bytes, QString &text, qsizetype *undefined) const
{
    text.resize(bytes.size());
    QChar *p = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        if (!m_defined[b]) {
            *undefined = i;
            return false;
        }
        *p++ = QChar(m_chars[b]);
    }
    return true;
}

}  // namespace remitor
