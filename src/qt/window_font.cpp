#include "qt/window_font.h"

#include <QFontDatabase>
#include <QResource>
#include <thread>

#if defined(__unix__)
#include <dlfcn.h>
#endif

namespace gs::qt {

namespace {

// The family name inside both carried faces.
const char* const kFamily = "Liberation Sans";

struct WarmUp {
    std::thread thread;
    ~WarmUp() {
        if (thread.joinable()) thread.join();
    }
};

WarmUp& warmUp() {
    static WarmUp w;
    return w;
}

}  // namespace

void prepareFonts() {
#if defined(__unix__)
    // Qt's font database on these systems rests on fontconfig, which Qt has
    // loaded already; initialising it reads its configuration and caches.
    // Doing so twice is harmless, so Qt may as well find the work done.
    using Init = int (*)();
    if (auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
        warmUp().thread = std::thread([init] { init(); });
#endif
}

void registerWindowFont() {
    static const bool registered = [] {
        if (warmUp().thread.joinable()) warmUp().thread.join();
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

QFont defaultFont() {
    QFont f(QString::fromLatin1(kFamily));
    f.setPointSizeF(8.25);
    // Narrowed a little, the captions fit the widths of the reference layout
    // ("GBonus", "Cmdr1:").
    f.setStretch(92);
    return f;
}

}  // namespace gs::qt
