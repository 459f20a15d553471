// Searches from the window, end to end: the real Kestrun on small tables, and a stand-in
// script, found by the same lookup, for every way a run can fail. Each test works in a
// fresh folder, as a user's folder holding data.txt.

#include "mainwindow.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

namespace {

QStringList traces;

void CaptureDebugTrace(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        traces << message;
}

// How the debug stream shows a plain term, then the line feed written after it.
QString TraceOf(const QString &term)
{
    return '"' + term + "\" \n";
}

const QString ErrorOneTrace = "error 1 \n";

// What the working folder holds besides data.txt when the search starts.
enum Layout { StaleResult, NoResult, ResultIsFolder };

const QByteArray Table = "ang2 昂盎\n"
                         "bang1 帮邦\n"
                         "an1 安\n"
                         "no tone digit ang\n"
                         "ab0ang6\n"
                         "zhang3 长掌\n"
                         "nang2 囊\n";

}  // namespace

class SearchTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dialogAsksForTheRhyme();
    void searchesWithTheFilter_data();
    void searchesWithTheFilter();
    void twoSearchesInARow();
    void cancelRunsNothing();
    void termArrivesAsOneArgument_data();
    void termArrivesAsOneArgument();
    void failureIsShownNotAnOldResult_data();
    void failureIsShownNotAnOldResult();
    void filterInTheWorkingFolderNeverRuns();

private:
    // Starts a search and answers its dialog with the term, or cancels it for none; false
    // when no dialog came up.
    bool search(const std::optional<QString> &term, const std::function<void(QInputDialog *)> &inspect = {});
    void useRealFilter();
    void useStandIn(const QByteArray &script);
    QPlainTextEdit *view() const { return window->findChild<QPlainTextEdit *>("ShowAnswer"); }
    QString statusMessage() const { return window->findChild<QStatusBar *>("statusBar")->currentMessage(); }
    QString workingFolder() const { return QDir::toNativeSeparators(QDir::currentPath()); }

    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<QTemporaryDir> standInFolder;
    std::unique_ptr<MainWindow> window;
    QString previousFolder;
    QByteArray previousPath;
    QtMessageHandler previousHandler = nullptr;
};

void SearchTest::init()
{
    previousFolder = QDir::currentPath();
    previousPath = qgetenv("PATH");
    work = std::make_unique<QTemporaryDir>();
    QVERIFY(work->isValid());
    QVERIFY(QDir::setCurrent(work->path()));
    window = std::make_unique<MainWindow>();
    window->show();
    traces.clear();
    previousHandler = qInstallMessageHandler(CaptureDebugTrace);
}

void SearchTest::cleanup()
{
    qInstallMessageHandler(previousHandler);
    window.reset();
    QDir::setCurrent(previousFolder);
    qputenv("PATH", previousPath);
    standInFolder.reset();
    work.reset();
}

bool SearchTest::search(const std::optional<QString> &term, const std::function<void(QInputDialog *)> &inspect)
{
    bool answered = false;
    QTimer answer;  // local, so it cannot answer a later test's dialog
    answer.setSingleShot(true);
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (inspect)
            inspect(dialog);
        answered = true;
        if (term) {
            dialog->setTextValue(*term);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
    answer.start(0);
    window->findChild<QToolBar *>("mainToolBar")->actions().at(0)->trigger();
    return answered;
}

void SearchTest::useRealFilter()
{
    qputenv("PATH", QFile::encodeName(QFileInfo(KESTRUN_PATH).absolutePath()));
}

// The stand-in is the only Kestrun on PATH; its script runs in the working folder.
void SearchTest::useStandIn(const QByteArray &script)
{
    standInFolder = std::make_unique<QTemporaryDir>();
    QVERIFY(standInFolder->isValid());
    QVERIFY(WriteFixture(standInFolder->filePath("Kestrun"), script, true));
    qputenv("PATH", QFile::encodeName(standInFolder->path()));
}

void SearchTest::dialogAsksForTheRhyme()
{
    useRealFilter();
    QString title, label, initialText;
    QLineEdit::EchoMode echo = QLineEdit::Password;
    QWidget *parent = nullptr;
    bool modal = false;
    QVERIFY(search("ang", [&](QInputDialog *dialog) {
        title = dialog->windowTitle();
        label = dialog->labelText();
        initialText = dialog->textValue();
        echo = dialog->textEchoMode();
        parent = dialog->parentWidget();
        modal = dialog->isModal();
    }));
    QCOMPARE(title, u"查找韵字"_qs);
    QCOMPARE(label, u"请输入韵脚:"_qs);
    QCOMPARE(initialText, QString());
    QCOMPARE(echo, QLineEdit::Normal);
    QCOMPARE(parent, window.get());
    QVERIFY(modal);
}

void SearchTest::searchesWithTheFilter_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("shown");

    QTest::newRow("ang") << Table << "ang" << u"ang2 昂盎\nbang1 帮邦\nzhang3 长掌\nnang2 囊\n"_qs;
    QTest::newRow("ok on an empty field lists every toned line") << Table << ""
        << u"ang2 昂盎\nbang1 帮邦\nan1 安\nzhang3 长掌\nnang2 囊\n"_qs;
    // Split at the blank, the term would be "ng", which the second line matches too.
    QTest::newRow("term with a blank is one argument") << QByteArray("ng ang2 x\nang2 昂\n") << "ng ang"
        << "ng ang2 x\n";
    QTest::newRow("crlf table") << QByteArray("ang2 昂\r\nan1 安\r\nbang1 帮\r\n") << "ang"
        << u"ang2 昂\nbang1 帮\n"_qs;
    QTest::newRow("no final line break") << QByteArray("an1 安\nang2 昂") << "ang" << u"ang2 昂\n"_qs;
    QTest::newRow("nothing matches") << Table << "iong" << "";
    QTest::newRow("table saved as gb18030")
        << QByteArray(QStringEncoder("GB18030").encode(u"ang2 昂盎\r\nan1 安\r\n"_qs)) << "ang"
        << u"ang2 昂盎\n"_qs;
    const QString longLine = "ang2 " + QString(200000, u'昂');
    QTest::newRow("very long line") << (longLine + "\nan1\n").toUtf8() << "ang" << longLine + '\n';
}

void SearchTest::searchesWithTheFilter()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, term);
    QFETCH(QString, shown);

    useRealFilter();
    QVERIFY(WriteFixture("data.txt", table));
    QVERIFY(search(term));

    QCOMPARE(view()->toPlainText(), shown);
    QCOMPARE(view()->textCursor().position(), shown.size());  // after the text, as line by line leaves it
    QCOMPARE(statusMessage(), QString());
    QCOMPARE(traces, QStringList{TraceOf(term)});
}

void SearchTest::twoSearchesInARow()
{
    useRealFilter();
    QVERIFY(WriteFixture("data.txt", Table));
    QVERIFY(search("ang"));
    QCOMPARE(view()->toPlainText(), u"ang2 昂盎\nbang1 帮邦\nzhang3 长掌\nnang2 囊\n"_qs);

    QString viewUnderDialog = "not asked";
    QVERIFY(search("an", [&](QInputDialog *) { viewUnderDialog = view()->toPlainText(); }));
    QCOMPARE(viewUnderDialog, QString());
    QCOMPARE(view()->toPlainText(), u"an1 安\n"_qs);
    QCOMPARE(traces, (QStringList{TraceOf("ang"), TraceOf("an")}));
}

void SearchTest::cancelRunsNothing()
{
    useStandIn("#!/bin/sh\nprintf run >> runs.txt\nexit 66\n");
    QVERIFY(search("ang"));
    QVERIFY(!statusMessage().isEmpty());
    view()->setPlainText("typed by hand");

    QString viewUnderDialog = "not asked";
    QVERIFY(search(std::nullopt, [&](QInputDialog *) { viewUnderDialog = view()->toPlainText(); }));
    QCOMPARE(viewUnderDialog, QString());
    QCOMPARE(view()->toPlainText(), QString());
    QCOMPARE(statusMessage(), QString());
    QCOMPARE(traces, QStringList{TraceOf("ang")});
    QFile runs("runs.txt");
    QVERIFY(runs.open(QIODevice::ReadOnly));
    QCOMPARE(runs.readAll(), "run");
}

void SearchTest::termArrivesAsOneArgument_data()
{
    QTest::addColumn<QString>("term");

    QTest::newRow("rhyme") << "ang";
    QTest::newRow("empty field") << "";
    QTest::newRow("blank inside") << "ng ang";
    QTest::newRow("blanks around") << " ang ";
    QTest::newRow("wildcards") << "*ng?";
    QTest::newRow("quotes and dollar") << "a\"n'g$HOME";
    QTest::newRow("chinese") << u"昂"_qs;
}

void SearchTest::termArrivesAsOneArgument()
{
    QFETCH(QString, term);

    useStandIn("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > arguments.txt\n: > SearchAnswer.txt\n");
    QVERIFY(search(term));
    QFile arguments("arguments.txt");
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    QCOMPARE(arguments.readAll(), "1\n" + term.toUtf8() + '\n');
    QCOMPARE(statusMessage(), QString());
    QCOMPARE(traces.size(), 1);
}

void SearchTest::failureIsShownNotAnOldResult_data()
{
    QTest::addColumn<QByteArray>("script");  // null: no Kestrun anywhere
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("message");    // %1: the working folder, %2: the stand-in's path
    QTest::addColumn<bool>("errorOne");

    QTest::newRow("filter not found") << QByteArray() << int(StaleResult)
        << u"找不到 Kestrun：请把它放在 Lirandel 所在的文件夹或 PATH 中的文件夹里。"_qs << false;
    QTest::newRow("filter cannot start") << QByteArray("#!/nonexistent/interpreter\n") << int(StaleResult)
        << u"无法启动 %2（execvp: No such file or directory）：请确认它是可以运行的程序。"_qs << false;
    QTest::newRow("filter crashes") << QByteArray("#!/bin/sh\nkill -SEGV $$\n") << int(StaleResult)
        << u"Kestrun 意外终止，没有结果：请重试。"_qs << false;
    QTest::newRow("started without a term, 64") << QByteArray("#!/bin/sh\nexit 64\n") << int(StaleResult)
        << u"Kestrun 没有收到韵脚（状态 64）：请确认它与 Lirandel 是同一版本。"_qs << false;
    QTest::newRow("no data.txt in the working folder, 66") << QByteArray("#!/bin/sh\nexit 66\n")
        << int(StaleResult)
        << u"工作文件夹 %1 中没有可读的 data.txt：请把韵表 data.txt 放进这个文件夹。"_qs << false;
    QTest::newRow("result file cannot be created, 73") << QByteArray("#!/bin/sh\nexit 73\n") << int(StaleResult)
        << u"无法在工作文件夹 %1 中写入 SearchAnswer.txt：请检查这个文件夹的写入权限。"_qs << false;
    QTest::newRow("read or write failed, 74") << QByteArray("#!/bin/sh\nexit 74\n") << int(StaleResult)
        << u"读取 data.txt 或写入 SearchAnswer.txt 时出错：请检查磁盘空间后重试。"_qs << false;
    QTest::newRow("other exit status") << QByteArray("#!/bin/sh\nexit 3\n") << int(StaleResult)
        << u"Kestrun 以状态 3 结束，没有结果：请在工作文件夹中手动运行它查看原因。"_qs << false;
    QTest::newRow("result file missing after a clean exit") << QByteArray("#!/bin/sh\nexit 0\n") << int(NoResult)
        << u"Kestrun 没有在工作文件夹 %1 中留下 SearchAnswer.txt：请重试。"_qs << true;
    QTest::newRow("result file unreadable") << QByteArray("#!/bin/sh\nexit 0\n") << int(ResultIsFolder)
        << u"无法读取 SearchAnswer.txt（file to open is a directory）：请检查它的读取权限。"_qs << false;
}

void SearchTest::failureIsShownNotAnOldResult()
{
    QFETCH(QByteArray, script);
    QFETCH(int, layout);
    QFETCH(QString, message);
    QFETCH(bool, errorOne);

    useStandIn(script);
    if (script.isNull())
        QVERIFY(QFile::remove(standInFolder->filePath("Kestrun")));
    if (layout == StaleResult)
        QVERIFY(WriteFixture("SearchAnswer.txt", "ang2 from an earlier search\r\n"));
    else if (layout == ResultIsFolder)
        QVERIFY(QDir().mkdir("SearchAnswer.txt"));
    QVERIFY(WriteFixture("data.txt", Table));

    QVERIFY(search("ang"));
    QCOMPARE(view()->toPlainText(), QString());
    const QString standIn = QDir::toNativeSeparators(standInFolder->filePath("Kestrun"));
    QCOMPARE(statusMessage(), QString(message).replace("%1", workingFolder()).replace("%2", standIn));
    QStringList expectedTraces{TraceOf("ang")};
    if (errorOne)
        expectedTraces << ErrorOneTrace;
    QCOMPARE(traces, expectedTraces);

    // The next search clears the message.
    QVERIFY(search(std::nullopt));
    QCOMPARE(statusMessage(), QString());
}

void SearchTest::filterInTheWorkingFolderNeverRuns()
{
    const QByteArray planted = "#!/bin/sh\nprintf planted > planted.txt\n: > SearchAnswer.txt\n";
    QVERIFY(WriteFixture("Kestrun", planted, true));
    QVERIFY(QDir().mkdir("bin"));
    QVERIFY(WriteFixture("bin/Kestrun", planted, true));
    QVERIFY(WriteFixture("data.txt", Table));
    qputenv("PATH", ".:bin::");

    QVERIFY(search("ang"));
    QVERIFY(!QFile::exists("planted.txt"));
    QCOMPARE(statusMessage(), u"找不到 Kestrun：请把它放在 Lirandel 所在的文件夹或 PATH 中的文件夹里。"_qs);
}

QTEST_MAIN(SearchTest)
#include "search_test.moc"
