#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

enum class TOutputType { otEntireLine, otBeginningOfLine };
enum class TReturnCode { rcCRLF, rcLF };

// Cuts the chunks a console program writes into lines. A CR LF pair, a lone
// CR or a lone LF ends a line (a CR LF split between two chunks ends one);
// NUL bytes are dropped; after each chunk the start of an unfinished line is
// delivered as otBeginningOfLine.
class TDosLineCutter
{
public:
    // Gets each line; returns false to drop the rest of the chunk.
    using Deliver = std::function<bool(const QString &line, TOutputType type)>;

    // Returns false when a delivery asked to stop.
    bool Cut(const QByteArray &chunk, const Deliver &deliver);
    // Delivers the unfinished line once more, if there is one.
    void Finish(const Deliver &deliver);

    TReturnCode OutputReturnCode() const { return m_returnCode; }
    QByteArray Pending() const { return m_pending; }

    // Output bytes as text: UTF-8 when valid, else Latin-1; a partial line
    // drops a UTF-8 sequence that its next chunk will complete.
    static QString Decode(const QByteArray &bytes, bool partial);

private:
    QByteArray m_pending;
    bool m_previousEndedWithCR = false;
    TReturnCode m_returnCode = TReturnCode::rcCRLF;
};
