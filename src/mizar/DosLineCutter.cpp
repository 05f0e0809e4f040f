#include "DosLineCutter.h"

#include <QStringDecoder>

QString TDosLineCutter::Decode(const QByteArray &bytes, bool partial)
{
    QByteArrayView view(bytes);
    if (partial) {
        // Drop an unfinished multi-byte sequence at the end.
        qsizetype start = view.size();
        int continuation = 0;
        while (start > 0 && continuation < 4 && (uchar(view.at(start - 1)) & 0xC0) == 0x80) {
            --start;
            ++continuation;
        }
        if (start > 0) {
            const uchar lead = uchar(view.at(start - 1));
            const int needed = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
            if (needed > continuation)
                view = view.first(start - 1);
        }
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(view);
    if (!decoder.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

bool TDosLineCutter::Cut(const QByteArray &chunk, const Deliver &deliver)
{
    const char *data = chunk.constData();
    const qsizetype size = chunk.size();
    bool lastWasCR = false;
    bool stopped = false;
    qsizetype i = 0;
    if (size > 0 && m_previousEndedWithCR && data[0] == '\n')
        i = 1; // completes the CR LF whose CR ended the previous chunk
    qsizetype runStart = i;
    for (; i < size; ++i) {
        const char c = data[i];
        lastWasCR = c == '\r';
        if (c != '\0' && c != '\r' && c != '\n')
            continue;
        m_pending.append(data + runStart, i - runStart);
        runStart = i + 1;
        if (c == '\0')
            continue;
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n') {
            m_returnCode = TReturnCode::rcCRLF;
            ++i;
            runStart = i + 1;
            lastWasCR = false;
        } else {
            m_returnCode = TReturnCode::rcLF;
        }
        const QString line = Decode(m_pending, false);
        m_pending.clear();
        if (!deliver(line, TOutputType::otEntireLine)) {
            stopped = true;
            break;
        }
    }
    if (!stopped)
        m_pending.append(data + runStart, size - runStart);
    m_previousEndedWithCR = lastWasCR;
    if (stopped)
        return false;
    if (!m_pending.isEmpty())
        return deliver(Decode(m_pending, true), TOutputType::otBeginningOfLine);
    return true;
}

void TDosLineCutter::Finish(const Deliver &deliver)
{
    if (!m_pending.isEmpty())
        deliver(Decode(m_pending, true), TOutputType::otBeginningOfLine);
}
