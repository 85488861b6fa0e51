// godsmith-sampledata [--movable] <folder>: lays the sample installation out
// in <folder> (the folder of the built editor): the data tables, RK.cfg when
// missing, the demo Quillmap folder, and one drawn JPEG sprite per unit that
// has one. With --movable, RK.cfg names the Quillmap folder relative to the
// editor's folder, so that the folder can be packed and unpacked elsewhere.
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <exception>
#include <string_view>

#include "sample_data.h"

namespace {

// A small invented creature: body, head and legs in colours taken from the
// unit number, on a plain background, filling the picture's width.
QImage drawSprite(const gs::sample::Sprite& s) {
    QImage image(s.width, s.height, QImage::Format_RGB32);
    const int hue = (s.number * 47) % 360;
    image.fill(QColor::fromHsv((hue + 180) % 360, 40, 235));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = s.width, h = s.height;
    p.setPen(QPen(QColor::fromHsv(hue, 200, 70), std::max(1.0, w / 48)));
    p.setBrush(QColor::fromHsv(hue, 160, 120));
    for (int leg = 0; leg < 4; ++leg) {
        const double x = w * (0.25 + 0.16 * leg);
        p.drawLine(QPointF(x, h * 0.6), QPointF(x + w * 0.03 * (leg % 2 ? 1 : -1), h * 0.95));
    }
    p.drawEllipse(QRectF(w * 0.15, h * 0.35, w * 0.6, h * 0.35));
    p.setBrush(QColor::fromHsv(hue, 120, 170));
    p.drawEllipse(QRectF(w * 0.62, h * 0.15, w * 0.3, h * 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(w * 0.8, h * 0.27), w * 0.03 + 0.5, w * 0.03 + 0.5);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // finds the JPEG image plugin
    const bool movable = argc == 3 && std::string_view(argv[1]) == "--movable";
    if (argc != 2 && !movable) {
        std::fprintf(stderr, "usage: %s [--movable] <folder beside the editor executable>\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[argc - 1];
        const gs::sample::Tables tables = gs::sample::makeTables();
        gs::sample::writeFiles(folder, tables, movable);
        for (const auto& sprite : gs::sample::sprites(tables)) {
            const auto path = folder / "RKsprites" / sprite.file;
            if (!drawSprite(sprite).save(QString::fromStdString(path.string()), "JPG", 85)) {
                std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
