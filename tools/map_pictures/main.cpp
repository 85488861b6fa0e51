// Draws the map picture of every image control of the two windows at its
// size at scale 1, into one file the executable carries (qt/map_picture.h):
// records of width, height and night (32-bit words) followed by the pixels,
// 32-bit RGB.
//   gs_map_pictures OUTPUT
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdint>
#include <cstdio>

#include "qt/map_picture.h"
#include "qt/twips.h"
#include "window/forms.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    QGuiApplication application(argc, argv);  // for the pixmaps
    const gs::Form1 main;
    const gs::Form2 splash;
    QByteArray out;
    for (const auto* controls : {&main.allControls(), &splash.allControls()})
        for (const gs::Control* c : *controls) {
            if (c->kind() != gs::Kind::Image) continue;
            const gs::Control* window = c;
            while (window->container()) window = window->container();
            const bool night = window->backColor().has_value();
            const QImage picture = gs::qt::drawnMapPicture(gs::qt::pixels(c->geometry()).size(), night)
                                       .toImage()
                                       .convertToFormat(QImage::Format_RGB32);
            const std::uint32_t head[3] = {std::uint32_t(picture.width()), std::uint32_t(picture.height()), night};
            out.append(reinterpret_cast<const char*>(head), sizeof head);
            for (int y = 0; y < picture.height(); ++y)
                out.append(reinterpret_cast<const char*>(picture.constScanLine(y)), picture.width() * 4);
        }
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
