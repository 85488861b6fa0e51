#include "qt/window_font.h"

#include <QFontDatabase>
#include <QResource>
#include <string>

#if GS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace gs::qt {

namespace {

// The family name inside both carried faces.
const char* const kFamily = "Liberation Sans";

QByteArray faceBytes(const char* style) {
    const QResource face(QStringLiteral(":/fonts/LiberationSans-%1.ttf").arg(QLatin1String(style)));
    // Stored uncompressed, the face is read where the executable holds it.
    return face.compressionAlgorithm() == QResource::NoCompression
               ? QByteArray::fromRawData(reinterpret_cast<const char*>(face.data()), face.size())
               : face.uncompressedData();
}

// The bold face's id in Qt's font database (-1 before it is added).
int boldFace = -1;

void registerFaces() {
    static const bool registered = [] {
        // The window has plain and bold captions only; Qt slants a face if
        // a caption ever asks for italics.
        QFontDatabase::addApplicationFontFromData(faceBytes("Regular"));
        boldFace = QFontDatabase::addApplicationFontFromData(faceBytes("Bold"));
        return true;
    }();
    (void)registered;
}

#if GS_FONTCONFIG
bool systemFontsDeferred = false;
#endif

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

void deferSystemFonts() {
#if GS_FONTCONFIG
    // An empty configuration made current before anyone asks for one is
    // what fontconfig then uses instead of reading the system's; Qt adds
    // the carried faces to it. It is kept for the program's life: what Qt
    // took from it never dangles.
    FcConfig* empty = FcConfigCreate();
    systemFontsDeferred = empty && FcConfigSetCurrent(empty);
#endif
}

void useSystemFonts() {
#if GS_FONTCONFIG
    if (!systemFontsDeferred) return;
    systemFontsDeferred = false;
    FcConfig* system = FcInitLoadConfig();
    if (!system) return;
    // The system's own faces of the window's family stay out: another
    // version of them would change the window's look.
    const std::string rejected = std::string("<?xml version=\"1.0\"?><fontconfig><selectfont><rejectfont><pattern>") +
                                 "<patelt name=\"family\"><string>" + kFamily +
                                 "</string></patelt></pattern></rejectfont></selectfont></fontconfig>";
    FcConfigParseAndLoadFromMemory(system, reinterpret_cast<const FcChar8*>(rejected.c_str()), FcTrue);
    const bool current = FcConfigSetCurrent(system);  // reads the system's fonts
    FcConfigDestroy(system);  // fontconfig keeps it while current
    if (!current) return;
    // Qt lists the fonts once; taking a face out has it list them again, from
    // the configuration now current, with the carried faces among them.
    if (boldFace >= 0 && QFontDatabase::removeApplicationFont(boldFace))
        boldFace = QFontDatabase::addApplicationFontFromData(faceBytes("Bold"));
#endif
}

}  // namespace gs::qt
