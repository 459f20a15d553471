#pragma once

#include <QString>

struct FilterRun;
struct ResultFile;

// Short status-bar messages that tell the user why a search brought no result and what to
// do about it. `workingFolder` is where the filter looked for data.txt.
QString FilterFailureMessage(const FilterRun &run, const QString &workingFolder);
QString ResultFileFailureMessage(const ResultFile &result, const QString &workingFolder);
