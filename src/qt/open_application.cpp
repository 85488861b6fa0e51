#include "qt/open_application.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace gs::qt {

namespace {

// What Qt says while it opens the display waits until it has succeeded.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldMessage> held;

// Qt ends the program when no platform can be opened (a fatal message).
void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        const std::string where = display && *display ? std::string("DISPLAY is ") + display : "DISPLAY is not set";
        std::fprintf(stderr, "godsmith: cannot open the window: no display can be reached (%s)\n", where.c_str());
        std::_Exit(1);
    }
    held.push_back({type, context.category ? context.category : "", text});
}

}  // namespace

std::unique_ptr<QApplication> openApplication(int& argc, char** argv) {
    const QtMessageHandler before = qInstallMessageHandler(holdBack);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(before);
    for (const HeldMessage& m : held)
        before(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.c_str()), m.text);
    held.clear();
    return application;
}

}  // namespace gs::qt
