#include "VURKernel.h"

#include "VURLang.h"

EVURException::EVURException(const QString &messageTemplate)
    : EVURException(messageTemplate, QStringList())
{
}

EVURException::EVURException(const QString &messageTemplate, const QStringList &arguments)
    : m_template(messageTemplate)
    , m_arguments(arguments)
{
    SetMessage(EVURException::BuildMessage());
}

QString EVURException::BuildMessage() const
{
    return FormatArgumentsFromRight(TranslateText(m_template), m_arguments);
}

void EVURException::SetMessage(const QString &message)
{
    m_message = message;
    m_utf8 = message.toUtf8();
}

QString FormatArgumentsFromRight(const QString &text, const QStringList &arguments)
{
    if (arguments.isEmpty())
        return text;
    QString result = text;
    qsizetype k = arguments.size() - 1;
    // Scan leftwards from the second-to-last character; replacing at i never
    // disturbs the part still to be scanned.
    for (qsizetype i = result.size() - 2; i >= 0; --i) {
        if (result.at(i) == QLatin1Char('%') && result.at(i + 1) == QLatin1Char('s')) {
            result.replace(i, 2, arguments.at(k));
            if (k > 0)
                --k;
        }
    }
    return result;
}
