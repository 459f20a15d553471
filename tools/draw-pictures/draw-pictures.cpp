// draw-pictures FOLDER: draws Search.png, About.png, Exit.png and background.png
// into FOLDER. The same program always writes the same bytes.
#include "pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>
#include <functional>

namespace {

quint32 readBigEndian(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<quint32>(static_cast<unsigned char>(bytes[at + i])); };
    return byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
}

// Qt adds a physical-size chunk that nothing here wants; every chunk carries its
// own CRC, so keeping just header, data and end leaves a valid file.
QByteArray keepImageChunks(const QByteArray &png)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!png.startsWith(signature))
        return {};
    QByteArray kept = signature;
    qsizetype at = signature.size();
    while (at + 12 <= png.size()) {
        const qsizetype chunkSize = 12 + static_cast<qsizetype>(readBigEndian(png, at));
        if (at + chunkSize > png.size())
            return {};
        const QByteArray type = png.mid(at + 4, 4);
        if (type == "IHDR" || type == "IDAT" || type == "IEND")
            kept += png.mid(at, chunkSize);
        at += chunkSize;
        if (type == "IEND")
            return kept;
    }
    return {};
}

bool writePicture(const QImage &image, const QString &path)
{
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(0); // the smallest file; decoding speed does not change
    if (!writer.write(image)) {
        std::fprintf(stderr, "draw-pictures: %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    const QByteArray png = keepImageChunks(encoded);
    if (png.isEmpty()) {
        std::fprintf(stderr, "draw-pictures: %s: the PNG encoder gave malformed output\n", qPrintable(path));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit()) {
        std::fprintf(stderr, "draw-pictures: %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-pictures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "draw-pictures: %s: no such folder\n", argv[1]);
        return 1;
    }
    const struct {
        const char *name;
        std::function<QImage()> draw;
    } pictures[] = {
        {"Search.png", drawSearchIcon},
        {"About.png", drawAboutIcon},
        {"Exit.png", drawExitIcon},
        {"background.png", drawBackground},
    };
    bool allWritten = true;
    for (const auto &picture : pictures)
        allWritten = writePicture(picture.draw(), folder.filePath(QString::fromLatin1(picture.name))) && allWritten;
    return allWritten ? 0 : 1;
}
