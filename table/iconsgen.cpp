// Paints the program icon as PNG files for the desktop's icon theme: solvane-<size>.png
// in the folder given, each written whole or not at all.
#include "cpictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: solvane-iconsgen DIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;
    solvane::cPictures pictures;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QSaveFile file(dir.filePath(QStringLiteral("solvane-%1.png").arg(size)));
        if (!file.open(QIODevice::WriteOnly) || !pictures.IconPic(size).save(&file, "PNG") || !file.commit()) {
            std::fprintf(stderr, "solvane-iconsgen: cannot write the %d px icon\n", size);
            return 1;
        }
    }
    return 0;
}
