#include "filterlocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStringList>

QString LocateFilter()
{
    return FindFilterIn(QCoreApplication::applicationDirPath(), qEnvironmentVariable("PATH"));
}

QString FindFilterIn(const QString &programFolder, const QString &searchPath)
{
    QStringList folders{programFolder};
    folders += searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    // A relative folder is found from the current folder, which must never be searched.
    folders.removeIf([](const QString &folder) { return !QDir::isAbsolutePath(folder); });
    // An empty list would make findExecutable fall back to PATH as it stands.
    if (folders.isEmpty())
        return {};
    // Adds the platform's program suffixes (Kestrun.exe on Windows) and skips files that cannot run.
    return QStandardPaths::findExecutable("Kestrun", folders);
}
