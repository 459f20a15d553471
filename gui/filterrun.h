#pragma once

#include <QString>

// How one run of the filter ended.
enum class FilterEnding { NotFound, FailedToStart, Crashed, Exited };

struct FilterRun
{
    FilterEnding Ending = FilterEnding::NotFound;
    QString Program;     // the file that was run
    int ExitStatus = 0;  // when it exited
    QString Reason;      // the system's reason when it could not start or crashed

    bool Succeeded() const { return Ending == FilterEnding::Exited && ExitStatus == 0; }
};

// Runs the filter at the absolute path `program` with the term as its one argument and
// waits, without a time limit, for it to end. It works in this program's current folder
// with this program's environment. An empty `program` means that none was found.
FilterRun RunFilter(const QString &program, const QString &term);
