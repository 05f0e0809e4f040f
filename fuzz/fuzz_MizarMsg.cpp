// The "mizar.msg" reader over any bytes.
#include "FuzzInput.h"
#include "VMIZFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    VMIZFiles::TVMIZMessageTable table;
    table.Parse(FuzzBytes(data, size));
    (void)table.Message(QStringLiteral("4"));
    for (const auto &entry : table.Entries())
        (void)table.Message(entry.first);
    return 0;
}
