#include "VURColors.h"


namespace VURColors {

namespace {

TVURColor System(int index)
{
    return kSystemColorFlag | TVURColor(index);
}

struct SystemRole
{
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The palette role that plays each system colour's part on this desktop.
const SystemRole kSystemRoles[] = {
    {0, QPalette::Active, QPalette::Button},            // scroll bar
    {1, QPalette::Active, QPalette::Dark},              // desktop background
    {2, QPalette::Active, QPalette::Highlight},         // active caption
    {3, QPalette::Active, QPalette::Mid},               // inactive caption
    {4, QPalette::Active, QPalette::Window},            // menu
    {5, QPalette::Active, QPalette::Base},              // window background
    {6, QPalette::Active, QPalette::Shadow},            // window frame
    {7, QPalette::Active, QPalette::WindowText},        // menu text
    {8, QPalette::Active, QPalette::Text},              // window text
    {9, QPalette::Active, QPalette::HighlightedText},   // caption text
    {10, QPalette::Active, QPalette::Window},           // active border
    {11, QPalette::Active, QPalette::Window},           // inactive border
    {12, QPalette::Active, QPalette::Dark},             // application workspace
    {13, QPalette::Active, QPalette::Highlight},        // highlight
    {14, QPalette::Active, QPalette::HighlightedText},  // highlight text
    {15, QPalette::Active, QPalette::Button},           // button face
    {16, QPalette::Active, QPalette::Dark},             // button shadow
    {17, QPalette::Disabled, QPalette::Text},           // grey text
    {18, QPalette::Active, QPalette::ButtonText},       // button text
    {19, QPalette::Inactive, QPalette::HighlightedText}, // inactive caption text
    {20, QPalette::Active, QPalette::Light},            // button highlight
    {21, QPalette::Active, QPalette::Shadow},           // 3D dark shadow
    {22, QPalette::Active, QPalette::Midlight},         // 3D light
    {23, QPalette::Active, QPalette::ToolTipText},      // info text
    {24, QPalette::Active, QPalette::ToolTipBase},      // info background
    {26, QPalette::Active, QPalette::Link},             // hot light
    {27, QPalette::Active, QPalette::Highlight},        // gradient active caption
    {28, QPalette::Active, QPalette::Mid},              // gradient inactive caption
    {29, QPalette::Active, QPalette::Highlight},        // menu highlight
    {30, QPalette::Active, QPalette::Window},           // menu bar
};

} // namespace

const QList<TVURNamedColor> &NamedColors()
{
    static const QList<TVURNamedColor> colors = {
        {QStringLiteral("clBlack"), 0x000000},
        {QStringLiteral("clMaroon"), 0x000080},
        {QStringLiteral("clGreen"), 0x008000},
        {QStringLiteral("clOlive"), 0x008080},
        {QStringLiteral("clNavy"), 0x800000},
        {QStringLiteral("clPurple"), 0x800080},
        {QStringLiteral("clTeal"), 0x808000},
        {QStringLiteral("clGray"), 0x808080},
        {QStringLiteral("clSilver"), 0xC0C0C0},
        {QStringLiteral("clRed"), 0x0000FF},
        {QStringLiteral("clLime"), 0x00FF00},
        {QStringLiteral("clYellow"), 0x00FFFF},
        {QStringLiteral("clBlue"), 0xFF0000},
        {QStringLiteral("clFuchsia"), 0xFF00FF},
        {QStringLiteral("clAqua"), 0xFFFF00},
        {QStringLiteral("clWhite"), 0xFFFFFF},
        {QStringLiteral("clMoneyGreen"), 0xC0DCC0},
        {QStringLiteral("clSkyBlue"), 0xF0CAA6},
        {QStringLiteral("clCream"), 0xF0FBFF},
        {QStringLiteral("clMedGray"), 0xA4A0A0},
        {QStringLiteral("clActiveBorder"), System(10)},
        {QStringLiteral("clActiveCaption"), System(2)},
        {QStringLiteral("clAppWorkSpace"), System(12)},
        {QStringLiteral("clBackground"), System(1)},
        {QStringLiteral("clBtnFace"), System(15)},
        {QStringLiteral("clBtnHighlight"), System(20)},
        {QStringLiteral("clBtnShadow"), System(16)},
        {QStringLiteral("clBtnText"), System(18)},
        {QStringLiteral("clCaptionText"), System(9)},
        {QStringLiteral("clDefault"), clDefault},
        {QStringLiteral("clGradientActiveCaption"), System(27)},
        {QStringLiteral("clGradientInactiveCaption"), System(28)},
        {QStringLiteral("clGrayText"), System(17)},
        {QStringLiteral("clHighlight"), System(13)},
        {QStringLiteral("clHighlightText"), System(14)},
        {QStringLiteral("clHotLight"), System(26)},
        {QStringLiteral("clInactiveBorder"), System(11)},
        {QStringLiteral("clInactiveCaption"), System(3)},
        {QStringLiteral("clInactiveCaptionText"), System(19)},
        {QStringLiteral("clInfoBk"), System(24)},
        {QStringLiteral("clInfoText"), System(23)},
        {QStringLiteral("clMenu"), System(4)},
        {QStringLiteral("clMenuBar"), System(30)},
        {QStringLiteral("clMenuHighlight"), System(29)},
        {QStringLiteral("clMenuText"), System(7)},
        {QStringLiteral("clNone"), clNone},
        {QStringLiteral("clScrollBar"), System(0)},
        {QStringLiteral("cl3DDkShadow"), System(21)},
        {QStringLiteral("cl3DLight"), System(22)},
        {QStringLiteral("clWindow"), System(5)},
        {QStringLiteral("clWindowFrame"), System(6)},
        {QStringLiteral("clWindowText"), System(8)},
    };
    return colors;
}

QString ColorIdentifier(TVURColor value)
{
    for (const TVURNamedColor &color : NamedColors()) {
        if (color.value == value)
            return color.identifier;
    }
    return QString();
}

bool IsSystemColor(TVURColor value)
{
    return (value & kSystemColorFlag) == kSystemColorFlag;
}

QColor ToQColor(TVURColor value, const QPalette &palette)
{
    if (value == clNone || value == clDefault)
        return QColor();
    if (IsSystemColor(value)) {
        const int index = int(value & 0xFF);
        for (const SystemRole &entry : kSystemRoles) {
            if (entry.index == index)
                return palette.color(entry.group, entry.role);
        }
        return QColor();
    }
    if (value > 0x00FFFFFF)
        return QColor();
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

TVURColor FromQColor(const QColor &color)
{
    if (!color.isValid())
        return clNone;
    return TVURColor(color.red()) | (TVURColor(color.green()) << 8) | (TVURColor(color.blue()) << 16);
}

} // namespace VURColors
