// The search's helpers on their own: where the filter is looked for, and how the result
// file becomes the view's text.

#include "filterlocation.h"
#include "resultfile.h"
#include "testfiles.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class HelpersTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void findsTheFilter_data();
    void findsTheFilter();
    void readsTheResultFile_data();
    void readsTheResultFile();
    void missingResultFile();
    void unreadableResultFile();

private:
    std::unique_ptr<QTemporaryDir> root;
    QString previousFolder;
};

void HelpersTest::init()
{
    root = std::make_unique<QTemporaryDir>();
    QVERIFY(root->isValid());
    previousFolder = QDir::currentPath();
}

void HelpersTest::cleanup()
{
    QDir::setCurrent(previousFolder);
    root.reset();
}

void HelpersTest::findsTheFilter_data()
{
    // Folders are named relative to a fresh root; "@name" in the PATH value stands for the
    // absolute folder, a bare name stays relative. The current folder is "work".
    QTest::addColumn<QStringList>("holders");        // folders with an executable Kestrun
    QTest::addColumn<QStringList>("notExecutable");  // folders with a Kestrun that cannot run
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("searchPath");
    QTest::addColumn<QString>("expected");           // the folder found, empty for none

    const QStringList everywhere{"program", "first", "second", "work", "work/sub"};
    QTest::newRow("program folder before PATH")
        << everywhere << QStringList() << "@program" << "@first:@second" << "program";
    QTest::newRow("PATH when the program folder lacks it")
        << QStringList{"second"} << QStringList() << "@program" << "@first:@second" << "second";
    QTest::newRow("PATH folders in their order")
        << QStringList{"first", "second"} << QStringList() << "@program" << "@second:@first" << "second";
    QTest::newRow("a file that cannot run is passed over")
        << QStringList{"second"} << QStringList{"program", "first"} << "@program" << "@first:@second"
        << "second";
    QTest::newRow("dot on PATH never searches the current folder")
        << QStringList{"work"} << QStringList() << "@program" << ".:@first" << "";
    QTest::newRow("relative PATH entry never searched")
        << QStringList{"work/sub"} << QStringList() << "@program" << "sub:@first" << "";
    QTest::newRow("empty PATH entries never search the current folder")
        << QStringList{"work"} << QStringList() << "@program" << "::" << "";
    QTest::newRow("empty program folder never searches the current folder")
        << QStringList{"work"} << QStringList() << "" << "" << "";
    QTest::newRow("nowhere") << QStringList() << QStringList() << "@program" << "@first" << "";
}

void HelpersTest::findsTheFilter()
{
    QFETCH(QStringList, holders);
    QFETCH(QStringList, notExecutable);
    QFETCH(QString, programFolder);
    QFETCH(QString, searchPath);
    QFETCH(QString, expected);

    QDir folders(root->path());
    for (const char *folder : {"program", "first", "second", "work/sub"})
        QVERIFY(folders.mkpath(folder));
    for (const QString &folder : holders)
        QVERIFY(WriteFixture(folders.filePath(folder + "/Kestrun"), "#!/bin/sh\n", true));
    for (const QString &folder : notExecutable)
        QVERIFY(WriteFixture(folders.filePath(folder + "/Kestrun"), "#!/bin/sh\n"));
    QVERIFY(QDir::setCurrent(folders.filePath("work")));

    const QString absolute = root->path() + '/';
    const QString found = FindFilterIn(programFolder.replace('@', absolute), searchPath.replace('@', absolute));
    QCOMPARE(found, expected.isEmpty() ? QString() : folders.filePath(expected + "/Kestrun"));
}

void HelpersTest::readsTheResultFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString chinese = u"ang2 昂盎\r\nbang1 帮邦\r\n"_qs;
    QTest::newRow("crlf line ends") << QByteArray("ang2 a\r\nbang1 b\r\n") << "ang2 a\nbang1 b\n";
    QTest::newRow("lf line ends") << QByteArray("ang2 a\nbang1 b\n") << "ang2 a\nbang1 b\n";
    QTest::newRow("last line without a line break") << QByteArray("ang2 a\r\nbang1 b") << "ang2 a\nbang1 b\n";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nang2\r\n") << "\n\nang2\n";
    QTest::newRow("lone cr stays in its line") << QByteArray("a\rng2\r\n") << "a\rng2\n";
    QTest::newRow("only the cr right before lf goes") << QByteArray("ang2\r\r\n") << "ang2\r\n";
    QTest::newRow("utf-8") << chinese.toUtf8() << u"ang2 昂盎\nbang1 帮邦\n"_qs;
    QTest::newRow("utf-8 with byte-order mark") << "\xEF\xBB\xBF" + chinese.toUtf8() << u"ang2 昂盎\nbang1 帮邦\n"_qs;
    QTest::newRow("gb18030 from a Chinese Windows table")
        << QByteArray(QStringEncoder("GB18030").encode(chinese)) << u"ang2 昂盎\nbang1 帮邦\n"_qs;
    QTest::newRow("utf-16 with byte-order mark")
        << QByteArray(QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom).encode(chinese))
        << u"ang2 昂盎\nbang1 帮邦\n"_qs;
    const QString longLine = "ang2 " + QString(300000, u'昂');
    QTest::newRow("very long line") << (longLine + "\r\n").toUtf8() << longLine + '\n';
}

void HelpersTest::readsTheResultFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    const QString path = root->filePath("SearchAnswer.txt");
    QVERIFY(WriteFixture(path, bytes));
    const ResultFile result = ReadResultFile(path);
    QCOMPARE(result.Status, ResultFile::State::Read);
    QCOMPARE(result.Text, text);
}

void HelpersTest::missingResultFile()
{
    const ResultFile result = ReadResultFile(root->filePath("SearchAnswer.txt"));
    QCOMPARE(result.Status, ResultFile::State::Missing);
    QCOMPARE(result.Text, QString());
}

void HelpersTest::unreadableResultFile()
{
    QVERIFY(QDir(root->path()).mkdir("SearchAnswer.txt"));
    const ResultFile result = ReadResultFile(root->filePath("SearchAnswer.txt"));
    QCOMPARE(result.Status, ResultFile::State::Unreadable);
    QVERIFY2(!result.Reason.isEmpty(), "the system's reason is passed on");
    QCOMPARE(result.Text, QString());
}

QTEST_GUILESS_MAIN(HelpersTest)
#include "helpers_test.moc"
