// The editor's executable: the window model shown through Qt.
#include <QApplication>
#include <QWidget>

#include "app/app.h"
#include "app/opening.h"
#include "model/file_access.h"
#include "qt/command_line.h"
#include "qt/exit_when_shown.h"
#include "qt/file_opening.h"
#include "qt/form_view.h"
#include "qt/open_application.h"
#include "qt/qt_platform.h"
#include "qt/start_heap.h"
#include "qt/text_binding.h"
#include "qt/undo_keys.h"
#include "qt/window_font.h"
#include "qt/window_scale.h"

int main(int argc, char** argv) {
    gs::qt::growHeapForStart(argc, argv);
    // On Windows read from the wide command line: argv holds the system's code page.
    const std::vector<std::string> arguments = gs::programArguments(argc, argv);
    if (const auto answered = gs::qt::answerCommandLine(arguments)) return *answered;
    const std::optional<std::string> file = gs::qt::fileToOpen(arguments);  // before the working folder moves
    gs::qt::deferSystemFonts();
    const std::unique_ptr<QApplication> application = gs::qt::openApplication(argc, argv);
    gs::qt::describeApplication(*application);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(gs::qt::defaultFont());  // dialogs and tool tips too
    gs::qt::QtPlatform platform;
    gs::App app(platform);
    gs::qt::FormView splash(app.splash);
    gs::qt::FormView main(app.form);
    splash.window()->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    main.window()->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                  Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                  Qt::WindowCloseButtonHint);
    // Both windows open at the scale the user left the main window at.
    main.setScale(gs::qt::keptScale(main.window()->minimumSize()));
    splash.setScale(main.scale());
    splash.owner = main.window();
    splash.window()->setFixedSize(splash.window()->size());
    main.onScale = gs::qt::keepScale;
    gs::qt::addUndoKeys(main.window(), app);
    gs::qt::ExitWhenShown exitWhenShown(main.window());
    // Closing the main window ends the program; the splash goes with it.
    main.onClose = [&] {
        if (!app.close()) return false;
        splash.window()->hide();
        QCoreApplication::quit();
        return true;
    };
    new gs::qt::FileOpening(main.window(), app);
    const bool started = app.start();
    gs::qt::endHeapForStart();
    if (!started) return 0;
    if (file) {
        const gs::qt::HeldTexts texts;
        app.open(*file);
    }
    return QApplication::exec();
}
