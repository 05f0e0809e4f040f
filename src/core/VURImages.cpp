#include "VURImages.h"

namespace {

QPointer<TVURImages_DataModule> g_instance;

} // namespace

TVURImages_DataModule::TVURImages_DataModule(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("VURImages_DataModule"));
    if (!g_instance)
        g_instance = this;
}

TVURImages_DataModule::~TVURImages_DataModule() = default;

TVURImages_DataModule *TVURImages_DataModule::Instance()
{
    return g_instance.data();
}

QIcon TVURImages_DataModule::Icon(const QString &name) const
{
    const QIcon fallback = m_icons.value(name);
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name, fallback) : fallback;
}

void TVURImages_DataModule::AddIcon(const QString &name, const QIcon &icon)
{
    m_icons.insert(name, icon);
}

bool TVURImages_DataModule::HasIcon(const QString &name) const
{
    return m_icons.contains(name) || QIcon::hasThemeIcon(name);
}
