#include "filterrun.h"

#include <QProcess>

FilterRun RunFilter(const QString &program, const QString &term)
{
    FilterRun run;
    run.Program = program;
    if (program.isEmpty())
        return run;

    QProcess filter;
    filter.setProgram(program);
    filter.setArguments({term});
    // Its echo and its messages go where this program's own output goes; nothing reads them.
    filter.setProcessChannelMode(QProcess::ForwardedChannels);
    filter.setStandardInputFile(QProcess::nullDevice());
    filter.start();
    if (!filter.waitForStarted(-1)) {
        run.Ending = FilterEnding::FailedToStart;
        run.Reason = filter.errorString();
        return run;
    }
    filter.waitForFinished(-1);
    if (filter.exitStatus() == QProcess::CrashExit) {
        run.Ending = FilterEnding::Crashed;
        run.Reason = filter.errorString();
        return run;
    }
    run.Ending = FilterEnding::Exited;
    run.ExitStatus = filter.exitCode();
    return run;
}
