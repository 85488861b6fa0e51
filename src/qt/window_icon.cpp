#include "qt/window_icon.h"

#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace gs::qt {

namespace {

class IconReadWhenShown : public QIconEngine {
public:
    IconReadWhenShown(QString path, int side) : path_(std::move(path)), side_(side) {}

    QIconEngine* clone() const override { return new IconReadWhenShown(*this); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(side_, side_)}; }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QSize(side_, side_).scaled(size, Qt::KeepAspectRatio).boundedTo(QSize(side_, side_));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (picture_.isNull()) {
            // A PNG read as one: left to guess, Qt would load every image
            // plugin to ask whether it reads the file.
            QImageReader reader(path_, "png");
            reader.setAutoDetectImageFormat(false);
            picture_ = QPixmap::fromImage(reader.read());
        }
        const QSize shown = actualSize(size, mode, state);
        if (picture_.isNull() || shown == picture_.size()) return picture_;
        return picture_.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

private:
    QString path_;
    int side_;
    QPixmap picture_;  // read at the first pixmap() asked for
};

}  // namespace

QIcon iconReadWhenShown(const QString& path, int side) { return QIcon(new IconReadWhenShown(path, side)); }

}  // namespace gs::qt
