// scale-icon: makes one size of the desktop icon from the search picture.
// Usage: scale-icon SOURCE.png SIZE OUTPUT.png

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: scale-icon SOURCE.png SIZE OUTPUT.png\n");
        return 64;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[3]);
    bool isNumber = false;
    const int size = QByteArray(argv[2]).toInt(&isNumber);
    if (!isNumber || size < 1) {
        std::fprintf(stderr, "scale-icon: %s is not a size in pixels\n", argv[2]);
        return 64;
    }

    QImageReader reader(source);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        std::fprintf(stderr, "scale-icon: cannot read %s: %s\n", argv[1],
                     qPrintable(reader.errorString()));
        return 66;
    }
    // Icon themes expect square icons; stretching a picture to fit would only hide the mistake.
    if (picture.width() != picture.height()) {
        std::fprintf(stderr, "scale-icon: %s is %dx%d, not square\n", argv[1], picture.width(),
                     picture.height());
        return 65;
    }

    // Smooth scaling averages every source pixel, so the small sizes stay clean. Copying the
    // pixels into a fresh image leaves the source's text chunks behind: the same picture
    // always gives the same bytes.
    const QImage scaled = picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32);
    QImage icon(scaled.size(), QImage::Format_ARGB32);
    for (int y = 0; y < scaled.height(); ++y)
        std::copy_n(scaled.constScanLine(y), scaled.bytesPerLine(), icon.scanLine(y));

    QDir().mkpath(QFileInfo(output).absolutePath());
    QImageWriter writer(output, "png");
    if (!writer.write(icon)) {
        std::fprintf(stderr, "scale-icon: cannot write %s: %s\n", argv[3],
                     qPrintable(writer.errorString()));
        return 73;
    }
    return 0;
}
