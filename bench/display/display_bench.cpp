// Times showing a 100,000-line result the way a search does (SearchAnswer.txt read into one
// string, inserted once into the cleared view) against one QPlainTextEdit::setPlainText of
// the same text, in the same run, and prints the medians and their ratio. The old
// line-by-line insertion is timed a few times for reference.
// Usage: display-bench [REPEATS]   (run offscreen: QT_QPA_PLATFORM=offscreen)

#include "resultfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <functional>
#include <iterator>
#include <vector>

namespace {

constexpr int ResultLines = 100000;
constexpr int LineByLineRepeats = 3;

// Lines as Kestrun writes them: a syllable with its tone digit, a blank, some characters, CR LF.
QByteArray MakeResult()
{
    const char *syllables[] = {"ang", "bang", "chang", "dang", "fang", "gang", "hang", "kang", "lang",
                               "mang", "nang", "pang", "rang", "sang", "shang", "tang", "wang",
                               "yang", "zang", "zhang"};
    quint32 state = 20261201;
    auto next = [&state](quint32 range) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % range;
    };
    QString text;
    for (int line = 0; line < ResultLines; ++line) {
        text += QLatin1String(syllables[next(std::size(syllables))]) + QChar(u'1' + next(5)) + u' ';
        const quint32 characters = 1 + next(24);
        for (quint32 i = 0; i < characters; ++i)
            text += QChar(char16_t(0x4E00 + next(0x5000)));
        text += QLatin1String("\r\n");
    }
    return text.toUtf8();
}

// The whole time until the view is drawn: the change, then the layout and painting it queues.
double Milliseconds(QPlainTextEdit &view, const std::function<void()> &show)
{
    view.clear();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    show();
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int repeats = argc > 1 ? std::max(1, atoi(argv[1])) : 9;

    QTemporaryDir folder;
    const QString resultPath = folder.filePath("SearchAnswer.txt");
    const QByteArray bytes = MakeResult();
    QFile file(resultPath);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "display-bench: cannot write %s: %s\n", qPrintable(resultPath),
                     qPrintable(file.errorString()));
        return 1;
    }
    file.close();
    const QString text = ReadResultFile(resultPath).Text;

    QPlainTextEdit view;
    view.resize(321, 341);
    view.show();

    auto asSearchDoes = [&] { view.insertPlainText(ReadResultFile(resultPath).Text); };
    auto setPlainText = [&] { view.setPlainText(text); };
    auto lineByLine = [&] {
        QFile result(resultPath);
        result.open(QIODevice::ReadOnly);
        QTextStream stream(&result);
        while (!stream.atEnd())
            view.insertPlainText(stream.readLine() + "\n");
    };

    Milliseconds(view, asSearchDoes);  // warms the file cache and the fonts
    std::vector<double> search, plain, old;
    for (int round = 0; round < repeats; ++round) {
        search.push_back(Milliseconds(view, asSearchDoes));
        plain.push_back(Milliseconds(view, setPlainText));
        if (round < LineByLineRepeats)
            old.push_back(Milliseconds(view, lineByLine));
    }

    const double ratio = Median(search) / Median(plain);
    std::printf("A %d-line result (%lld bytes) shown in the result view, offscreen; medians of %d "
                "interleaved repeats:\n", ResultLines, static_cast<long long>(bytes.size()), repeats);
    std::printf("  search (read SearchAnswer.txt, insert once)  %8.1f ms\n", Median(search));
    std::printf("  QPlainTextEdit::setPlainText, same text      %8.1f ms\n", Median(plain));
    std::printf("  line by line, as before (%zu repeats)        %8.1f ms\n", old.size(), Median(old));
    std::printf("ratio search / setPlainText: %.2f (target <= 1.20)\n", ratio);
    return 0;
}
