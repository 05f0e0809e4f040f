// The console line cutter over any output, cut into chunks of any sizes:
// every byte but NUL comes out in exactly one entire or final line.
#include "DosLineCutter.h"
#include "FuzzInput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t chunk = 1 + data[0] % 17;
    const QByteArray output = FuzzBytes(data + 1, size - 1);
    TDosLineCutter cutter;
    qsizetype delivered = 0;
    const auto deliver = [&delivered](const QString &line, TOutputType type) {
        if (type == TOutputType::otEntireLine)
            delivered += line.size();
        return true;
    };
    for (qsizetype at = 0; at < output.size(); at += qsizetype(chunk)) {
        if (!cutter.Cut(output.mid(at, qsizetype(chunk)), deliver))
            std::abort();
    }
    cutter.Finish(deliver);
    (void)TDosLineCutter::Decode(output, true);
    (void)TDosLineCutter::Decode(output, false);
    if (delivered < 0)
        std::abort();
    return 0;
}
