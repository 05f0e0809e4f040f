#include "VURControls.h"

#include "VURLang.h"

#include <QAction>
#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kIdentifierRole = Qt::UserRole + 1;
constexpr int kValueRole = Qt::UserRole + 2;
const QString kCustom = QStringLiteral("Custom...");

} // namespace

const QList<QPair<QString, QString>> &ColorNames()
{
    static const QList<QPair<QString, QString>> names = {
        {QStringLiteral("Custom..."), QStringLiteral("<PLK>Własny...<ENU>Custom...")},
        {QStringLiteral("clBlack"), QStringLiteral("<PLK>Czarny<ENU>Black")},
        {QStringLiteral("clMaroon"), QStringLiteral("<PLK>Ciemnoczerwony<ENU>Maroon")},
        {QStringLiteral("clGreen"), QStringLiteral("<PLK>Zielony<ENU>Green")},
        {QStringLiteral("clOlive"), QStringLiteral("<PLK>Ciemnożółty<ENU>Olive")},
        {QStringLiteral("clNavy"), QStringLiteral("<PLK>Granatowy<ENU>Navy")},
        {QStringLiteral("clPurple"), QStringLiteral("<PLK>Fioletowy<ENU>Purple")},
        {QStringLiteral("clTeal"), QStringLiteral("<PLK>Ciemnobłękitny<ENU>Teal")},
        {QStringLiteral("clGray"), QStringLiteral("<PLK>Szary<ENU>Gray")},
        {QStringLiteral("clSilver"), QStringLiteral("<PLK>Srebrny<ENU>Silver")},
        {QStringLiteral("clRed"), QStringLiteral("<PLK>Czerwony<ENU>Red")},
        {QStringLiteral("clLime"), QStringLiteral("<PLK>Jasnozielony<ENU>Lime")},
        {QStringLiteral("clYellow"), QStringLiteral("<PLK>Żółty<ENU>Yellow")},
        {QStringLiteral("clBlue"), QStringLiteral("<PLK>Niebieski<ENU>Blue")},
        {QStringLiteral("clFuchsia"), QStringLiteral("<PLK>Różowy<ENU>Fuchsia")},
        {QStringLiteral("clAqua"), QStringLiteral("<PLK>Turkusowy<ENU>Aqua")},
        {QStringLiteral("clWhite"), QStringLiteral("<PLK>Biały<ENU>White")},
        {QStringLiteral("clMoneyGreen"), QStringLiteral("<PLK>Zielony pieniędzy<ENU>Money green")},
        {QStringLiteral("clSkyBlue"), QStringLiteral("<PLK>Niebieski nieba<ENU>Sky blue")},
        {QStringLiteral("clCream"), QStringLiteral("<PLK>Kremowy<ENU>Cream")},
        {QStringLiteral("clMedGray"), QStringLiteral("<PLK>Średnio szary<ENU>Medium gray")},
        {QStringLiteral("clActiveBorder"), QStringLiteral("<PLK>Aktywna ramka<ENU>Active border")},
        {QStringLiteral("clActiveCaption"), QStringLiteral("<PLK>Aktywny tytuł<ENU>Active caption")},
        {QStringLiteral("clAppWorkSpace"), QStringLiteral("<PLK>Tło aplikacji<ENU>Application workspace")},
        {QStringLiteral("clBackground"), QStringLiteral("<PLK>Tło<ENU>Background")},
        {QStringLiteral("clBtnFace"), QStringLiteral("<PLK>Tło przycisku<ENU>Button face")},
        {QStringLiteral("clBtnHighlight"), QStringLiteral("<PLK>Podświetlony przycisk<ENU>Button highlight")},
        {QStringLiteral("clBtnShadow"), QStringLiteral("<PLK>Cień przycisku<ENU>Button shadow")},
        {QStringLiteral("clBtnText"), QStringLiteral("<PLK>Tekst przycisku<ENU>Button text")},
        {QStringLiteral("clCaptionText"), QStringLiteral("<PLK>Tekst tytułu<ENU>Caption text")},
        {QStringLiteral("clDefault"), QStringLiteral("<PLK>Domyślny<ENU>Default")},
        {QStringLiteral("clGradientActiveCaption"), QStringLiteral("<PLK>Aktywny cieniowany tytuł<ENU>Gradient active caption")},
        {QStringLiteral("clGradientInactiveCaption"), QStringLiteral("<PLK>Nieaktywny cieniowany tytuł<ENU>Gradient inactive caption")},
        {QStringLiteral("clGrayText"), QStringLiteral("<PLK>Szary tekst<ENU>Gray text")},
        {QStringLiteral("clHighlight"), QStringLiteral("<PLK>Tło podświetlenia<ENU>Highlight background")},
        {QStringLiteral("clHighlightText"), QStringLiteral("<PLK>Tekst podświetlenia<ENU>Highlight text")},
        {QStringLiteral("clHotLight"), QStringLiteral("<PLK>Aktywne podświetlenie<ENU>Hotlight")},
        {QStringLiteral("clInactiveBorder"), QStringLiteral("<PLK>Nieaktywna ramka<ENU>Inactive border")},
        {QStringLiteral("clInactiveCaption"), QStringLiteral("<PLK>Tekst nieaktywnego tytułu<ENU>Inactive caption")},
        {QStringLiteral("clInactiveCaptionText"), QStringLiteral("<PLK>Tekst aktywnego tytułu<ENU>Inactive caption text")},
        {QStringLiteral("clInfoBk"), QStringLiteral("<PLK>Tło etykiety narzędzia<ENU>Info background")},
        {QStringLiteral("clInfoText"), QStringLiteral("<PLK>Tekst etykiety narzędzia<ENU>Info text")},
        {QStringLiteral("clMenu"), QStringLiteral("<PLK>Tło menu<ENU>Menu background")},
        {QStringLiteral("clMenuBar"), QStringLiteral("<PLK>Pasek menu<ENU>Menu bar")},
        {QStringLiteral("clMenuHighlight"), QStringLiteral("<PLK>Wybrany element menu<ENU>Menu highlight")},
        {QStringLiteral("clMenuText"), QStringLiteral("<PLK>Tekst menu<ENU>Menu text")},
        {QStringLiteral("clNone"), QStringLiteral("<PLK>Brak<ENU>None")},
        {QStringLiteral("clScrollBar"), QStringLiteral("<PLK>Pasek przewijania<ENU>Scroll bar")},
        {QStringLiteral("cl3DDkShadow"), QStringLiteral("<PLK>3W ciemny cień<ENU>3D Dark shadow")},
        {QStringLiteral("cl3DLight"), QStringLiteral("<PLK>3W jasne<ENU>3D light")},
        {QStringLiteral("clWindow"), QStringLiteral("<PLK>Tło okna<ENU>Window background")},
        {QStringLiteral("clWindowFrame"), QStringLiteral("<PLK>Ramka okna<ENU>Window frame")},
        {QStringLiteral("clWindowText"), QStringLiteral("<PLK>Tekst okna<ENU>Window text")},
    };
    return names;
}

QString ColorName(const QString &identifier)
{
    for (const auto &entry : ColorNames()) {
        if (entry.first == identifier)
            return entry.second;
    }
    return QString();
}

int ActionIndex(const QList<QAction *> *actions, const QAction *action)
{
    if (!actions || !action)
        return -1;
    return int(actions->indexOf(const_cast<QAction *>(action)));
}

TVURColorBox::TVURColorBox(QWidget *parent)
    : QComboBox(parent)
{
    addItem(Swatch(m_custom), kCustom);
    setItemData(0, kCustom, kIdentifierRole);
    setItemData(0, m_custom, kValueRole);
    for (const VURColors::TVURNamedColor &color : VURColors::NamedColors()) {
        addItem(Swatch(color.value), color.identifier);
        setItemData(count() - 1, color.identifier, kIdentifierRole);
        setItemData(count() - 1, color.value, kValueRole);
    }
    setCurrentIndex(1);
    connect(this, &QComboBox::activated, this, &TVURColorBox::OnActivated);
}

QIcon TVURColorBox::Swatch(VURColors::TVURColor value) const
{
    QPixmap pixmap(16, 12);
    const QColor color = VURColors::ToQColor(value, palette());
    pixmap.fill(color.isValid() ? color : Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(0, 0, 15, 11);
    if (!color.isValid())
        painter.drawLine(0, 11, 15, 0);
    return QIcon(pixmap);
}

VURColors::TVURColor TVURColorBox::Selected() const
{
    return itemData(currentIndex(), kValueRole).value<VURColors::TVURColor>();
}

QString TVURColorBox::Identifier(int index) const
{
    return itemData(index, kIdentifierRole).toString();
}

void TVURColorBox::SetSelected(VURColors::TVURColor value)
{
    for (int i = 1; i < count(); ++i) {
        if (itemData(i, kValueRole).value<VURColors::TVURColor>() == value) {
            setCurrentIndex(i);
            return;
        }
    }
    SetCustom(value);
    setCurrentIndex(0);
}

void TVURColorBox::SetCustom(VURColors::TVURColor value)
{
    m_custom = value;
    setItemData(0, value, kValueRole);
    setItemIcon(0, Swatch(value));
}

void TVURColorBox::OnActivated(int index)
{
    if (index == 0) {
        const QColor chosen = QColorDialog::getColor(VURColors::ToQColor(m_custom, palette()), this);
        if (chosen.isValid())
            SetCustom(VURColors::FromQColor(chosen));
    }
    Q_EMIT ColorChanged(Selected());
}

void TranslateColorBox(TVURColorBox *box)
{
    if (!box)
        return;
    for (int i = box->count() - 1; i >= 0; --i) {
        const QString name = ColorName(box->Identifier(i));
        if (name.isEmpty())
            continue;
        const QString text = TranslateText(name);
        if (!text.isEmpty())
            box->setItemText(i, text);
    }
}
