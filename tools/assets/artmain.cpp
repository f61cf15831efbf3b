// hoshikura-art OUTDIR: writes title.bmp, hoshikura.png, compass.bmp and the
// stem pictures (NAME.bmp) into OUTDIR.

#include <QGuiApplication>

#include <exception>
#include <iostream>

#include "artpainter.h"
#include "stempictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: hoshikura-art OUTDIR\n";
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        const QString dir = QString::fromLocal8Bit(argv[1]);
        hoshi::assets::writeArt(dir);
        hoshi::assets::writeStemPictures(dir);
    } catch (const std::exception& e) {
        std::cerr << "hoshikura-art: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
