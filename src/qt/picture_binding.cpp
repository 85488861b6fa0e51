#include "qt/picture_binding.h"

#include <QLabel>

#include "qt/map_picture.h"
#include "qt/picture_file.h"
#include "qt/qt_platform.h"

namespace gs::qt {

namespace {

class PictureBinding : public Binding {
public:
    PictureBinding(BindingHost& host, PictureBox& picture, QLabel* widget)
        : Binding(host, picture, widget), pic(picture), lbl(widget) {}

protected:
    void syncOwn() override {
        lbl->setScaledContents(pic.stretch || host.scale() != 1);
        lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (pic.kind() == Kind::Image && pic.picturePath().empty()) {
            if (lbl->pixmap().size() != lbl->size()) {
                const Control* window = &pic;
                while (window->container()) window = window->container();
                lbl->setPixmap(mapPicture(lbl->size(), window->backColor().has_value()));
            }
        } else if (pic.picturePath() != path_) {
            path_ = pic.picturePath();
            lbl->setPixmap(QPixmap::fromImage(readPictureFile(pathToQt(path_))));
        }
    }

private:
    PictureBox& pic;
    QLabel* lbl;
    std::string path_;
};

}  // namespace

std::unique_ptr<Binding> bindPicture(BindingHost& host, PictureBox& picture, QWidget* parent) {
    return std::make_unique<PictureBinding>(host, picture, new QLabel(parent));
}

}  // namespace gs::qt
