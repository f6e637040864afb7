#include "app/ProfileSettings.h"

#include <QSettings>

namespace merix {

void ProfileSettings::load() {
    QSettings settings;
    settings.beginGroup(QStringLiteral("Recent File List"));
    m_recent.clear();
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty())
            m_recent.append(file);
    }
    settings.endGroup();
}

} // namespace merix
