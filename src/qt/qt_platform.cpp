#include "qt/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "model/file_access.h"
#include "qt/cp1252.h"
#include "qt/picture_file.h"
#include "qt/window_font.h"

namespace gs::qt {

// Paths cross between Qt and the model as the model's file layer names files:
// Windows-1252 text on Windows (Qt's own rule there, the system's code page,
// would misname a folder with accented letters on a Russian or Japanese
// system), the file system's bytes elsewhere.
QString pathToQt(const std::string& path) {
    return kPathsAreCp1252 ? fromCp1252(path) : QFile::decodeName(QByteArray::fromStdString(path));
}
std::string pathFromQt(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    return kPathsAreCp1252 ? toCp1252(native) : QFile::encodeName(native).toStdString();
}

// Pixels a title bar takes beside its title: an icon and three buttons.
constexpr int kTitleBarButtons = 120;

namespace {

std::optional<std::string> fileDialog(const DialogRequest& request, QFileDialog::AcceptMode mode) {
    useSystemFonts();  // the folder's names may be in any script
    // Without a title of its own a dialog is named after what it does, as
    // the system's dialogs are (GTK's would show an empty title bar).
    const std::string title = !request.title.empty()            ? request.title
                              : mode == QFileDialog::AcceptOpen ? "Open"
                                                                : "Save As";
    QFileDialog dialog(QApplication::activeWindow(), fromCp1252(title), pathToQt(request.initDir));
    // The window's text is Windows-1252 and is set unshaped; the names a
    // folder holds may need shaping (Arabic, combining accents).
    QFont shaped = dialog.font();
    shaped.setStyleStrategy(QFont::StyleStrategy(shaped.styleStrategy() & ~QFont::PreferNoShaping));
    dialog.setAttribute(Qt::WA_WindowPropagation);  // the dialog's own boxes too
    dialog.setFont(shaped);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = dialogFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int i = request.filterIndex - 1;
        if (i >= 0 && i < filters.size()) dialog.selectNameFilter(filters[i]);
    }
    // The initial name is window text (txtGanFileName), the folder a path.
    // Qt's question before replacing an existing file stays: the user picked
    // the name, but one slip would silently destroy another god file.
    if (!request.fileName.empty()) dialog.selectFile(fromCp1252(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return pathFromQt(dialog.selectedFiles().front());
}

// A window manager draws a box's title in its own bar, beside its icon and
// buttons: the box is made wide enough for the title to show whole there.
void roomForTitle(QMessageBox& box) {
    QFont bold = box.font();
    bold.setBold(true);
    const int need = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(need, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

}  // namespace

QStringList dialogFilters(const std::string& filter) {
    const QStringList parts = fromCp1252(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));  // "*.god;*.txt" lists several patterns
        const QString shown = QStringLiteral(" (") + pattern + QLatin1Char(')');
        out << (parts[i].endsWith(shown.mid(1)) ? parts[i] : parts[i] + shown);
    }
    return out;
}

void QtPlatform::messageBox(const std::string& text, const std::string& title, const std::string& detail) {
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setWindowTitle(fromCp1252(title));
    box.setText(fromCp1252Lines(text));
    if (!detail.empty()) box.setInformativeText(fromCp1252Lines(detail));
    box.setStandardButtons(QMessageBox::Ok);
    roomForTitle(box);
    box.exec();
}

bool QtPlatform::questionBox(const std::string& text, const std::string& title, const std::string& accept,
                             const std::string& reject) {
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setWindowTitle(fromCp1252(title));
    box.setText(fromCp1252Lines(text));
    QPushButton* yes = box.addButton(fromCp1252(accept), QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(fromCp1252(reject), QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    roomForTitle(box);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<std::string> QtPlatform::openFileDialog(const DialogRequest& request) {
    return fileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtPlatform::saveFileDialog(const DialogRequest& request) {
    return fileDialog(request, QFileDialog::AcceptSave);
}

void QtPlatform::openUrl(const std::string& address) { QDesktopServices::openUrl(QUrl(fromCp1252(address))); }

std::optional<PictureSize> QtPlatform::pictureSize(const std::string& path) {
    // Only a regular file is opened: a FIFO or device would hold the editor up.
    if (!isRegularFile(path)) return std::nullopt;
    const QSize size = pictureFileSize(pathToQt(path));
    if (size.isEmpty()) return std::nullopt;
    return PictureSize{size.width(), size.height()};
}

// The system's bytes: Qt's own answer passes through the locale's encoding,
// which cannot hold every folder name.
std::string QtPlatform::programFolder() { return runningProgramFolder(); }

void QtPlatform::repeat(int milliseconds, std::function<void()> task) { repeatEvery(milliseconds, std::move(task)); }

void repeatEvery(int milliseconds, std::function<void()> task) {
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [task = std::move(task)] {
        if (!QApplication::activeModalWidget()) task();
    });
    timer->start(milliseconds);
}

}  // namespace gs::qt
