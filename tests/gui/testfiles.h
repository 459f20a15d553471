#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Writes a fixture file whole; an executable one can stand in for the filter.
inline bool WriteFixture(const QString &path, const QByteArray &bytes, bool executable = false)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    return !executable
        || file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}
