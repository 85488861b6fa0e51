// Scroll bars painted in bands. Fusion fills a scroll bar's groove with a
// gradient; Qt's raster engine splits any such fill of more than 95 rows among
// its pool threads and the painting thread waits for them: on a busy machine
// for tens of milliseconds (the first picture has two such scroll bars).
// Painted in bands of 64 rows, each fill stays on the painting thread, with
// the same pixels.
#pragma once

#include <QProxyStyle>

namespace gs::qt {

class BandedScrollBars : public QProxyStyle {
public:
    explicit BandedScrollBars(QObject* owner);
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};

// Gives every scroll bar in `root` (its own or its children's) the bands.
void paintScrollBarsInBands(QWidget* root);

}  // namespace gs::qt
