#include "failuremessage.h"

#include "exit_status.h"
#include "filterrun.h"
#include "resultfile.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString Translate(const char *text)
{
    return QCoreApplication::translate("SearchFailure", text);
}

QString ExitMessage(int status, const QString &folder)
{
    switch (status) {
    case kestrun::kExitUsage:
        return Translate("Kestrun 没有收到韵脚（状态 64）：请确认它与 Lirandel 是同一版本。");
    case kestrun::kExitNoInput:
        return Translate("工作文件夹 %1 中没有可读的 data.txt：请把韵表 data.txt 放进这个文件夹。")
            .arg(folder);
    case kestrun::kExitCannotCreate:
        return Translate("无法在工作文件夹 %1 中写入 SearchAnswer.txt：请检查这个文件夹的写入权限。")
            .arg(folder);
    case kestrun::kExitIoError:
        return Translate("读取 data.txt 或写入 SearchAnswer.txt 时出错：请检查磁盘空间后重试。");
    default:
        return Translate("Kestrun 以状态 %1 结束，没有结果：请在工作文件夹中手动运行它查看原因。")
            .arg(status);
    }
}

}  // namespace

QString FilterFailureMessage(const FilterRun &run, const QString &workingFolder)
{
    const QString folder = QDir::toNativeSeparators(workingFolder);
    switch (run.Ending) {
    case FilterEnding::NotFound:
        return Translate("找不到 Kestrun：请把它放在 Lirandel 所在的文件夹或 PATH 中的文件夹里。");
    case FilterEnding::FailedToStart:
        return Translate("无法启动 %1（%2）：请确认它是可以运行的程序。")
            .arg(QDir::toNativeSeparators(run.Program), run.Reason);
    case FilterEnding::Crashed:
        return Translate("Kestrun 意外终止，没有结果：请重试。");
    case FilterEnding::Exited:
        break;
    }
    return run.ExitStatus == 0 ? QString() : ExitMessage(run.ExitStatus, folder);
}

QString ResultFileFailureMessage(const ResultFile &result, const QString &workingFolder)
{
    switch (result.Status) {
    case ResultFile::State::Missing:
        return Translate("Kestrun 没有在工作文件夹 %1 中留下 SearchAnswer.txt：请重试。")
            .arg(QDir::toNativeSeparators(workingFolder));
    case ResultFile::State::Unreadable:
        return Translate("无法读取 SearchAnswer.txt（%1）：请检查它的读取权限。").arg(result.Reason);
    case ResultFile::State::Read:
        break;
    }
    return {};
}
