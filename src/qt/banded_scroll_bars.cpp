#include "qt/banded_scroll_bars.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionComplex>
#include <algorithm>

namespace gs::qt {

namespace {

// Qt's raster engine keeps fills of up to 95 rows on the painting thread.
constexpr int kBand = 64;

}  // namespace

BandedScrollBars::BandedScrollBars(QObject* owner) : QProxyStyle(QApplication::style()->name()) { setParent(owner); }

void BandedScrollBars::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                          const QWidget* widget) const {
    const QRect all = option->rect;
    // Only a plain painter (the bands below are drawn at one pixel a pixel
    // and laid on whole) and a bar drawn opaquely (a transient one lets what
    // lies beneath show).
    const bool plain = painter->deviceTransform().type() <= QTransform::TxTranslate &&
                       painter->device()->devicePixelRatio() == 1 && painter->opacity() == 1 &&
                       painter->compositionMode() == QPainter::CompositionMode_SourceOver &&
                       !proxy()->styleHint(SH_ScrollBar_Transient, option, widget);
    if (control != CC_ScrollBar || all.height() <= kBand || !plain) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // Each band is drawn whole into a picture of its own height (the base
    // style sets clips of its own, so a clip on this painter would not hold).
    // The base style's first fill covers the whole bar opaquely, so a band
    // owes nothing to what lay beneath.
    QImage band(all.width(), kBand, QImage::Format_ARGB32_Premultiplied);
    for (int top = all.top(); top <= all.bottom(); top += kBand) {
        QPainter bandPainter(&band);
        bandPainter.setRenderHints(painter->renderHints());
        bandPainter.translate(-all.left(), -top);
        QProxyStyle::drawComplexControl(control, option, &bandPainter, widget);
        bandPainter.end();
        const int rows = std::min(kBand, all.bottom() + 1 - top);
        painter->drawImage(QPoint(all.left(), top), band, QRect(0, 0, all.width(), rows));
    }
}

void paintScrollBarsInBands(QWidget* root) {
    static BandedScrollBars* const bands = new BandedScrollBars(qApp);
    for (QScrollBar* bar : root->findChildren<QScrollBar*>()) bar->setStyle(bands);
}

}  // namespace gs::qt
