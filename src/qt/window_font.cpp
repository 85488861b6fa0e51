#include "qt/window_font.h"

#include <QFontDatabase>
#include <QResource>

namespace gs::qt {

namespace {

// The family name inside both carried faces.
const char* const kFamily = "Liberation Sans";

void registerFaces() {
    static const bool registered = [] {
        // The window has plain and bold captions only; Qt slants a face if
        // a caption ever asks for italics.
        for (const char* style : {"Regular", "Bold"}) {
            const QResource face(QStringLiteral(":/fonts/LiberationSans-%1.ttf").arg(style));
            // Stored uncompressed, the face is read where the executable holds it.
            const QByteArray bytes =
                face.compressionAlgorithm() == QResource::NoCompression
                    ? QByteArray::fromRawData(reinterpret_cast<const char*>(face.data()), face.size())
                    : face.uncompressedData();
            QFontDatabase::addApplicationFontFromData(bytes);
        }
        return true;
    }();
    (void)registered;
}

}  // namespace

QFont defaultFont() {
    registerFaces();
    QFont f(QString::fromLatin1(kFamily));
    f.setPointSizeF(8.25);
    // Narrowed a little, the captions fit the widths of the reference layout
    // ("GBonus", "Cmdr1:").
    f.setStretch(92);
    // Drawn as designed, unhinted: the window shows a few hundred glyphs
    // before its first paint, and fitting each to the pixel grid cost more
    // than building the whole first page. Antialiased at these sizes, the
    // difference is hard to see; the captions keep their widths.
    f.setHintingPreference(QFont::PreferNoHinting);
    // The window's text is 8-bit Latin, which needs no shaping: its glyphs
    // are set one after another, unkerned, without a shaper's pass over
    // every caption and every line typed (3 M instructions before the
    // first paint alone).
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

}  // namespace gs::qt
