#pragma once

#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>

// Stored colours: 0x00BBGGRR for a plain colour, 0xFF0000nn for system
// colour nn, 0x1FFFFFFF for none, 0x20000000 for the control's default.
namespace VURColors {

using TVURColor = quint32;

constexpr TVURColor clNone = 0x1FFFFFFF;
constexpr TVURColor clDefault = 0x20000000;
constexpr TVURColor kSystemColorFlag = 0xFF000000;
constexpr TVURColor clBlack = 0x000000;
constexpr TVURColor clMaroon = 0x000080;
constexpr TVURColor clGreen = 0x008000;
constexpr TVURColor clNavy = 0x800000;
constexpr TVURColor clGray = 0x808080;
constexpr TVURColor clWhite = 0xFFFFFF;
constexpr TVURColor clWindow = kSystemColorFlag | 5;
constexpr TVURColor clWindowText = kSystemColorFlag | 8;
// Messages about problems and about success.
constexpr TVURColor kDarkRed = 0x000080;
constexpr TVURColor kDarkGreen = 0x008000;

struct TVURNamedColor
{
    QString identifier; // "clMaroon"
    TVURColor value;
};

// The colours a colour box lists, in its order: standard, extended, then
// system colours.
const QList<TVURNamedColor> &NamedColors();
// Identifier of a value ("clMaroon"); empty when it has none.
QString ColorIdentifier(TVURColor value);
bool IsSystemColor(TVURColor value);

// The colour to paint with; system colours come from the palette, none and
// default give an invalid QColor.
QColor ToQColor(TVURColor value, const QPalette &palette = QPalette());
TVURColor FromQColor(const QColor &color);

} // namespace VURColors
