#include "VURSearchLine.h"

#include "VURLang.h"
#include "VURMessageBoxes.h"

#include <QLabel>

#include <algorithm>

TVURSearchLineForm::TVURSearchLineForm(QWidget *owner, int lowest, int highest)
    : TVURDialogInputForm(owner, QStringLiteral("<PLK>Idź do linii<ENU>Go to line"),
                          QStringLiteral("<PLK>&Numer linii (między %d a %d)<ENU>&Line number (between %d and %d)"),
                          QString(), false)
    , m_lowest(lowest)
    , m_highest(highest)
{
    setObjectName(QStringLiteral("VURSearchLineForm"));
    SetHelpKeyword(QStringLiteral("SearchLine"));
    setMinimumWidth(kMinimumWidth);
}

void TVURSearchLineForm::TranslateTexts()
{
    TVURDialogInputForm::TranslateTexts();
    QString label = TranslateText(m_label);
    for (int limit : {m_lowest, m_highest}) {
        const qsizetype at = label.indexOf(QLatin1String("%d"));
        if (at >= 0)
            label.replace(at, 2, QString::number(limit));
    }
    InputLabel()->setText(label);
}

bool TVURSearchLineForm::ReadLineNumber(const QString &text, int *number)
{
    if (text.isEmpty())
        return false;
    qsizetype i = text.at(0) == QLatin1Char('+') || text.at(0) == QLatin1Char('-') ? 1 : 0;
    if (i == text.size())
        return false;
    for (qsizetype j = i; j < text.size(); ++j) {
        if (text.at(j) < QLatin1Char('0') || text.at(j) > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && number)
        *number = value;
    return ok;
}

void TVURSearchLineForm::AcceptActionExecute()
{
    int number = 0;
    if (!ReadLineNumber(Text().trimmed(), &number)) {
        ShowError(QStringLiteral("<PLK>Nieprawidłowy numer linii.<ENU>Invalid line number."));
        return;
    }
    if (number < m_lowest || number > m_highest) {
        ShowError(QStringLiteral("<PLK>Podany numer linii nie mieści się w dostępnym zakresie.<ENU>Entered line "
                                 "number not in the allowed range."));
        return;
    }
    TVURDialogInputForm::AcceptActionExecute();
}

int TVURSearchLineForm::ChosenLine() const
{
    int number = m_lowest;
    if (!ReadLineNumber(Text().trimmed(), &number))
        number = m_lowest;
    return std::clamp(number, m_lowest, std::max(m_lowest, m_highest));
}
