// The embedded pictures as the program carries them: the paths the window opens work from
// the first line of main on, hold the committed files byte for byte, and are all there is.
// The main below is our own so that it can look before anything else runs, as the window's
// program calls nothing to register them.

#include "resourcepaths.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QProcess>
#include <QResource>
#include <QSize>
#include <QTest>

#include <cstdio>

namespace {

// What a path yields: nothing (an invalid size), or a picture in some format.
struct Picture {
    QByteArray format;
    QSize size;
};

Picture Open(const QString &path)
{
    if (!QFile::exists(path))
        return {};
    QImageReader reader(path);
    const QByteArray format = reader.format();
    return {format, reader.read().size()};
}

const QStringList OpenedPaths = {":/Search.png", ":/About.png", ":/Exit.png", ":/background.png",
                                 ":/search.png", ":/BACKGROUND.PNG", ":/exit.PNG"};

// Filled on the first line of main, before any application object exists.
QMap<QString, Picture> openedBeforeApplication;

}  // namespace

class ResourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void opens_data();
    void opens();
    void storedAsTheFile_data();
    void storedAsTheFile();
    void collectionHoldsOnlyThePictures();
};

void ResourcesTest::opens_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");  // invalid: the path names nothing

    QTest::newRow("search icon") << ":/Search.png" << QSize(256, 256);
    QTest::newRow("about icon") << ":/About.png" << QSize(512, 512);
    QTest::newRow("exit icon") << ":/Exit.png" << QSize(128, 128);
    QTest::newRow("background") << ":/background.png" << QSize(640, 480);
    QTest::newRow("search icon in lower case") << ":/search.png" << QSize();
    QTest::newRow("background in upper case") << ":/BACKGROUND.PNG" << QSize();
    QTest::newRow("exit icon, suffix in upper case") << ":/exit.PNG" << QSize();
}

void ResourcesTest::opens()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    const QByteArray format = size.isValid() ? QByteArray("png") : QByteArray();
    const Picture before = openedBeforeApplication.value(path);
    QCOMPARE(before.format, format);
    QCOMPARE(before.size, size);
    const Picture now = Open(path);
    QCOMPARE(now.format, format);
    QCOMPARE(now.size, size);
}

void ResourcesTest::storedAsTheFile_data()
{
    QTest::addColumn<QString>("name");

    for (const char *name : {"Search.png", "About.png", "Exit.png", "background.png"})
        QTest::newRow(name) << name;
}

void ResourcesTest::storedAsTheFile()
{
    QFETCH(QString, name);

    QFile file(QStringLiteral(PICTURES_DIR "/") + name);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const QByteArray bytes = file.readAll();

    // Uncompressed, the program's own data is the file: read in place, nothing unpacked.
    const QResource resource(":/" + name);
    QVERIFY(resource.isValid());
    QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
    QCOMPARE(resource.size(), bytes.size());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(resource.data()), resource.size()), bytes);
}

void ResourcesTest::collectionHoldsOnlyThePictures()
{
    // Qt registers resources of its own: what ours adds shows against a program that
    // links the same Qt without them.
    QProcess baseline;
    baseline.start(RESOURCES_BASELINE, {});
    QVERIFY2(baseline.waitForFinished(), qPrintable(baseline.errorString()));
    QCOMPARE(baseline.exitStatus(), QProcess::NormalExit);
    QCOMPARE(baseline.exitCode(), 0);
    const QStringList withoutOurs =
        QString::fromUtf8(baseline.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(!withoutOurs.isEmpty(), "Qt's own resources are missing from the baseline");

    const QStringList withOurs = AllResourcePaths();
    QStringList added;
    for (const QString &path : withOurs)
        if (!withoutOurs.contains(path))
            added << path;
    QCOMPARE(added, QStringList({":/About.png", ":/Exit.png", ":/Search.png", ":/background.png"}));
    for (const QString &path : withoutOurs)
        QVERIFY2(withOurs.contains(path), qPrintable(path + " is gone with ours registered"));
}

int main(int argc, char *argv[])
{
    for (const QString &path : OpenedPaths)
        openedBeforeApplication.insert(path, Open(path));

    int failures = 0;
    {
        QGuiApplication application(argc, argv);
        ResourcesTest test;
        failures = QTest::qExec(&test, argc, argv);
    }

    // And still once the application object is gone, up to the end of main.
    for (const QString &path : OpenedPaths.first(4))
        if (!Open(path).size.isValid()) {
            std::fprintf(stderr, "FAIL!  : %s no longer opens after the application object\n",
                         qPrintable(path));
            ++failures;
        }
    return failures;
}

#include "resources_test.moc"
