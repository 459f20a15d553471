#include "resultfile.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>

#include <optional>

namespace {

QString Decode(const QByteArray &bytes)
{
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(marked.value_or(QStringConverter::System));
    QString text = decoder.decode(bytes);
    if (decoder.hasError() && !marked) {
        QStringDecoder chinese("GB18030");
        text = chinese.decode(bytes);
    }
    return text;
}

}  // namespace

ResultFile ReadResultFile(const QString &fileName)
{
    ResultFile result;
    QFile file(fileName);
    if (!file.exists())
        return result;

    result.Status = ResultFile::State::Unreadable;
    if (!file.open(QIODevice::ReadOnly)) {
        result.Reason = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.Reason = file.errorString();
        return result;
    }

    result.Status = ResultFile::State::Read;
    result.Text = Decode(bytes);
    // Lines end at LF; a CR right before it goes with it, any other CR stays in its line.
    result.Text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (!result.Text.isEmpty() && !result.Text.endsWith(u'\n'))
        result.Text += u'\n';
    return result;
}
