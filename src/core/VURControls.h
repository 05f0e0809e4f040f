#pragma once

#include "VURColors.h"

#include <QComboBox>
#include <QList>
#include <QPair>
#include <QString>

class QAction;

// Colour identifier -> bilingual name, the 53 entries colour boxes list.
const QList<QPair<QString, QString>> &ColorNames();
// The bilingual name of an identifier, empty when it has none.
QString ColorName(const QString &identifier);

// Position of the action in the list; -1 when absent or an argument is missing.
int ActionIndex(const QList<QAction *> *actions, const QAction *action);

// A drop-down list of colours, each with a swatch: "Custom..." first (it
// opens the colour chooser), then the standard, extended and system colours
// under their identifiers until TranslateColorBox names them.
class TVURColorBox : public QComboBox
{
    Q_OBJECT

public:
    explicit TVURColorBox(QWidget *parent = nullptr);

    VURColors::TVURColor Selected() const;
    // Selects the entry of the value; a value without an entry becomes the
    // custom colour.
    void SetSelected(VURColors::TVURColor value);
    // The identifier an entry was created with.
    QString Identifier(int index) const;

Q_SIGNALS:
    void ColorChanged(VURColors::TVURColor value);

private:
    void OnActivated(int index);
    void SetCustom(VURColors::TVURColor value);
    QIcon Swatch(VURColors::TVURColor value) const;

    VURColors::TVURColor m_custom = VURColors::clBlack;
};

// Names every entry of the box in the current language, last to first; an
// entry whose identifier has no name keeps its text.
void TranslateColorBox(TVURColorBox *box);
