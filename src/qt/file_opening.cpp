#include "qt/file_opening.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>
#include <QWidget>

#include "app/opening.h"
#include "qt/qt_platform.h"
#include "qt/text_binding.h"

namespace gs::qt {

FileOpening::FileOpening(QWidget* window, App& app) : QObject(window), window_(window), app_(app) {
    auto* shortcut = new QShortcut(QKeySequence::Open, window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, this, [this] {
        const HeldTexts texts;
        app_.form.cmdLoad.click();
    });
    // Controls that take no drops pass them on to the window.
    window->setAcceptDrops(true);
    // Seen before any control: a text box would otherwise take the file's
    // address as text.
    qApp->installEventFilter(this);
}

std::optional<std::string> droppedGodFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(QStringLiteral(".god"), Qt::CaseInsensitive))
        return std::nullopt;
    return pathFromQt(url.toLocalFile());
}

bool FileOpening::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<std::string> path = droppedGodFile(drop->mimeData());
    if (!path) return false;
    drop->acceptProposedAction();
    // Opened once the drop is over: the reset and a message box would
    // otherwise run inside the system's drag.
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this,
            [this, p = *path] {
                const HeldTexts texts;
                app_.open(p);
            },
            Qt::QueuedConnection);
    return true;
}

}  // namespace gs::qt
