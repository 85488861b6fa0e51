// Opening a god file from anywhere in the main window: Ctrl+O asks for one
// as the "Load" button does, and a .god file dropped on the window (on any
// control, text boxes too) opens.
#pragma once

#include <QObject>
#include <optional>
#include <string>

#include "app/app.h"

class QMimeData;
class QWidget;

namespace gs::qt {

// Made once for the main window, which owns it.
class FileOpening : public QObject {
public:
    FileOpening(QWidget* window, App& app);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    App& app_;
};

// The one .god file a drag carries, as a path on disk; nothing for anything else.
std::optional<std::string> droppedGodFile(const QMimeData* data);

}  // namespace gs::qt
