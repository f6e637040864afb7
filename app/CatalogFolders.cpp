#include "app/CatalogFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace merix {

const QStringList& catalogFileNames() {
    static const QStringList names = {
        QStringLiteral("access.cfg"),   QStringLiteral("beep.cfg"),
        QStringLiteral("commands.cfg"), QStringLiteral("cw.cfg"),
        QStringLiteral("dfltbeep.cfg"), QStringLiteral("dvr.cfg"),
        QStringLiteral("io.cfg"),       QStringLiteral("macros.cfg"),
        QStringLiteral("messages.cfg"), QStringLiteral("misc.cfg"),
        QStringLiteral("resolutn.cfg"), QStringLiteral("schedule.cfg"),
        QStringLiteral("timers.cfg"),   QStringLiteral("tones.cfg"),
        QStringLiteral("userdflt.cfg"), QStringLiteral("users.cfg"),
        QStringLiteral("wordlist.cfg")};
    return names;
}

bool holdsCatalogs(const QString& dir) {
    if (dir.isEmpty())
        return false;
    const QDir folder(dir);
    for (const QString& name : catalogFileNames())
        if (QFileInfo(folder.filePath(name)).isFile())
            return true;
    return false;
}

QString installedSampleCatalogs(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/merix/catalogs"));
}

QString userCatalogCopy() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/MERIX/catalogs");
}

QString copyMissingCatalogs(const QString& from, const QString& to) {
    if (!holdsCatalogs(from))
        return QStringLiteral("The sample catalogs were not found in %1.").arg(from);
    if (!QDir().mkpath(to))
        return QStringLiteral("Unable to create the folder %1.").arg(to);
    const QDir source(from);
    const QDir target(to);
    for (const QString& name : catalogFileNames()) {
        const QString original = source.filePath(name);
        const QString copy = target.filePath(name);
        if (!QFileInfo(original).isFile() || QFileInfo::exists(copy))
            continue;
        if (!QFile::copy(original, copy))
            return QStringLiteral("Unable to copy %1 to %2.").arg(original, to);
        // Installed files are read-only for the user; the copy is there to be edited.
        QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::WriteOwner);
    }
    return QString();
}

} // namespace merix
