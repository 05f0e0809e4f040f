// The keyword-file lookup of the syntax help over any file contents.
#include "FuzzInput.h"
#include "VMIZChildEdit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray xml = FuzzBytes(data, size);
    for (const QString &word : {QStringLiteral("begin"), QStringLiteral("ampersand"), QString()}) {
        const TVMIZKeywordTopics found = ReadKeywordTopics(xml, word);
        for (const QStringList &topics : found.entries)
            (void)topics.size();
    }
    return 0;
}
