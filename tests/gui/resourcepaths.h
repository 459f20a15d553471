#pragma once

#include <QDir>
#include <QDirIterator>
#include <QStringList>

// Every path in the resource system, sorted: files and folders, at every depth.
inline QStringList AllResourcePaths()
{
    QStringList paths;
    QDirIterator entries(":/", QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext())
        paths << entries.next();
    paths.sort();
    return paths;
}
