// Bilingual resolution of any text, in every language and in none.
#include "FuzzInput.h"
#include "VURLang.h"

namespace {

class Manager : public TVURLangManager
{
public:
    Manager() { RegisterLanguages(); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Manager manager;
    static TVURLangManager empty;
    const QString text = FuzzText(data, size);
    for (const QString &language : {QStringLiteral("enu"), QStringLiteral("plk"), QStringLiteral("xyz")})
        (void)manager.Translate(text, language);
    (void)empty.Translate(text, QStringLiteral("enu"));
    (void)manager.MatchLanguage(text.left(8));
    return 0;
}
