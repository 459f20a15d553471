#pragma once

#include <QString>

// The absolute path of the filter Kestrun, or an empty string when there is none: the
// folder that holds this program first, then the absolute folders on PATH, in order.
// The current folder is never searched, not even through "." or a relative PATH entry,
// so a program planted beside someone's data.txt cannot run.
QString LocateFilter();

// The same lookup with the program's folder and the PATH value given, so tests can pose them.
QString FindFilterIn(const QString &programFolder, const QString &searchPath);
