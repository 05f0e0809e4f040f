#include "VURSettings.h"

#include <QtGlobal>

TVURSettingsSection::TVURSettingsSection(IVURSettings &settings, const QString &root,
                                         const QString &name, bool create)
    : m_settings(settings)
    , m_open(settings.OpenSection(root, name, create))
{
}

TVURSettingsSection::~TVURSettingsSection()
{
    if (!m_open)
        return;
    // Reached while an error unwinds: that error is the one to report.
    try {
        m_settings.CloseSection();
    } catch (...) {
        qWarning("settings: closing a section failed while another error was reported");
    }
}

void TVURSettingsSection::Close()
{
    if (!m_open)
        return;
    m_open = false;
    m_settings.CloseSection();
}
