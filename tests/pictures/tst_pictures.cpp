// Checks the committed pictures in gui/: file structure, header values and the
// pixels that the window relies on.
#include <QFile>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <array>

namespace {

QString picturePath(const QString &name)
{
    return QStringLiteral(PICTURES_DIR "/") + name;
}

quint32 bigEndian(const QByteArray &bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// The CRC-32 that PNG puts after every chunk (ISO 3309, as in zlib).
quint32 pngCrc(const QByteArray &bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> entries{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320U ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    quint32 crc = 0xffffffffU;
    for (const char byte : bytes)
        crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xff] ^ (crc >> 8);
    return crc ^ 0xffffffffU;
}

struct Chunk {
    QByteArray type;
    QByteArray data;
};

// Splits a PNG file into its chunks; fails the test on a bad signature, a chunk
// running past the end, a wrong CRC or bytes after the end chunk.
QList<Chunk> readChunks(const QByteArray &file)
{
    QList<Chunk> chunks;
    [&] {
        QVERIFY2(file.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)), "no PNG signature");
        qsizetype at = 8;
        while (at < file.size()) {
            QVERIFY2(at + 12 <= file.size(), "truncated chunk header");
            const qsizetype length = bigEndian(file, at);
            QVERIFY2(at + 12 + length <= file.size(), "chunk runs past the end of the file");
            Chunk chunk{file.mid(at + 4, 4), file.mid(at + 8, length)};
            QCOMPARE(bigEndian(file, at + 8 + length), pngCrc(file.mid(at + 4, 4 + length)));
            at += 12 + length;
            chunks.append(chunk);
            if (chunk.type == "IEND")
                QCOMPARE(at, file.size());
        }
    }();
    return chunks;
}

QImage loadPicture(const QString &name)
{
    QImage image(picturePath(name), "PNG");
    if (!image.isNull())
        image = image.convertToFormat(QImage::Format_ARGB32);
    return image;
}

} // namespace

class PictureTest : public QObject {
    Q_OBJECT

private slots:
    void fileStructure_data();
    void fileStructure();
    void iconEdges_data();
    void iconEdges();
    void aboutDiscIsFlatGreyWithLetterCutOut();
    void backgroundIsOpaqueWithWhiteMiddleLeft();
};

void PictureTest::fileStructure_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("Search.png") << 256 << 256;
    QTest::newRow("About.png") << 512 << 512;
    QTest::newRow("Exit.png") << 128 << 128;
    QTest::newRow("background.png") << 640 << 480;
}

void PictureTest::fileStructure()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFile file(picturePath(QString::fromLatin1(QTest::currentDataTag())));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName() + ": " + file.errorString()));
    const QList<Chunk> chunks = readChunks(file.readAll());
    if (QTest::currentTestFailed())
        return;

    // Header, one or more image-data chunks, end: nothing else.
    QStringList types;
    for (const Chunk &chunk : chunks)
        types << QString::fromLatin1(chunk.type);
    QStringList expected{"IHDR"};
    for (qsizetype i = 2; i < std::max<qsizetype>(types.size(), 3); ++i)
        expected << "IDAT";
    expected << "IEND";
    QCOMPARE(types, expected);

    const QByteArray &header = chunks.first().data;
    QCOMPARE(header.size(), 13);
    QCOMPARE(bigEndian(header, 0), quint32(width));
    QCOMPARE(bigEndian(header, 4), quint32(height));
    QCOMPARE(int(header.at(8)), 8);  // bit depth
    QCOMPARE(int(header.at(9)), 6);  // colour type: truecolour with alpha
    QCOMPARE(int(header.at(10)), 0); // compression
    QCOMPARE(int(header.at(11)), 0); // filter
    QCOMPARE(int(header.at(12)), 0); // interlace

    // The data must also decode, to the size the header promises.
    const QImage image = loadPicture(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(image.size(), QSize(width, height));
}

void PictureTest::iconEdges_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("search") << "Search.png";
    QTest::newRow("about") << "About.png";
    QTest::newRow("exit") << "Exit.png";
}

void PictureTest::iconEdges()
{
    QFETCH(QString, name);
    const QImage icon = loadPicture(name);
    QVERIFY2(!icon.isNull(), qPrintable(name + " does not load"));
    const int last = icon.width() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        QCOMPARE(qAlpha(icon.pixel(corner)), 0);

    // Soft edges: some pixels are neither clear nor solid. A picture drawn without
    // anti-aliasing has none, and looks jagged when the toolbar scales it down.
    int opaque = 0;
    int partial = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const int alpha = qAlpha(icon.pixel(x, y));
            opaque += alpha == 255;
            partial += alpha > 0 && alpha < 255;
        }
    }
    QVERIFY2(opaque > icon.width() * icon.height() / 10, "hardly anything is drawn");
    QVERIFY2(partial > icon.width(), "edges are not anti-aliased");
}

void PictureTest::aboutDiscIsFlatGreyWithLetterCutOut()
{
    const QImage about = loadPicture("About.png");
    QVERIFY(!about.isNull());
    int insideDisc = 0;
    int cutOut = 0;
    for (int y = 0; y < about.height(); ++y) {
        for (int x = 0; x < about.width(); ++x) {
            const QRgb pixel = about.pixel(x, y);
            if (qAlpha(pixel) == 255 && (qRed(pixel) != 51 || qGreen(pixel) != 51 || qBlue(pixel) != 51))
                QFAIL(qPrintable(QString("pixel %1,%2 is not RGB 51, 51, 51").arg(x).arg(y)));
            const int dx = x - 256;
            const int dy = y - 256;
            if (dx * dx + dy * dy < 230 * 230) {
                ++insideDisc;
                cutOut += qAlpha(pixel) == 0;
            }
        }
    }
    // Nearly filling the square: solid close to each edge's middle.
    for (const QPoint nearEdge : {QPoint(256, 16), QPoint(256, 495), QPoint(16, 256), QPoint(495, 256)})
        QCOMPARE(qAlpha(about.pixel(nearEdge)), 255);
    // The letter is a real hole, not a lighter mark: a few percent of the disc.
    QVERIFY2(cutOut > insideDisc / 30, qPrintable(QString("only %1 clear pixels inside the disc").arg(cutOut)));
    QVERIFY2(cutOut < insideDisc / 4, qPrintable(QString("%1 clear pixels inside the disc").arg(cutOut)));
}

void PictureTest::backgroundIsOpaqueWithWhiteMiddleLeft()
{
    const QImage background = loadPicture("background.png");
    QVERIFY(!background.isNull());
    for (int y = 0; y < background.height(); ++y)
        for (int x = 0; x < background.width(); ++x)
            if (qAlpha(background.pixel(x, y)) != 255)
                QFAIL(qPrintable(QString("pixel %1,%2 is not opaque").arg(x).arg(y)));

    // The result view sits over the middle left: ink there would be cut off
    // at the view's edges, so that part stays plain.
    const QRect middleLeft(0, 145, 320, 150);
    for (int y = middleLeft.top(); y <= middleLeft.bottom(); ++y)
        for (int x = middleLeft.left(); x <= middleLeft.right(); ++x)
            if (background.pixel(x, y) != qRgb(255, 255, 255))
                QFAIL(qPrintable(QString("pixel %1,%2 in the middle left is not white").arg(x).arg(y)));

    // And the motifs are there: a good share of the picture carries ink.
    int inked = 0;
    for (int y = 0; y < background.height(); ++y)
        for (int x = 0; x < background.width(); ++x)
            inked += qGray(background.pixel(x, y)) < 200;
    QVERIFY2(inked > background.width() * background.height() / 25, qPrintable(QString("%1 inked pixels").arg(inked)));
}

QTEST_GUILESS_MAIN(PictureTest)
#include "tst_pictures.moc"
