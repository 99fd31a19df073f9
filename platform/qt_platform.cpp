#include "qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include "form_view.h"
#include "qt_windows.h"
#include "themes.h"
#include "widgets.h"

namespace tv {

QtPlatform::QtPlatform(QString title) : title_(std::move(title)) {}
QtPlatform::~QtPlatform() = default;

QWidget* QtPlatform::dialogParent() const {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activeWindow();
    if (!w && windows_) w = &windows_->main();
    // A box owned by a hidden or disabled window could not be answered.
    if (w && (!w->isVisible() || !w->isEnabled())) w = nullptr;
    return w;
}

QMessageBox::Icon QtPlatform::iconFor(const std::string& text) {
    // Words of a refusal, a limit, a correction or a fault.
    static const char* const warnings[] = {"can't", "cannot", "can not", "not ", "n't ", "error", "invalid",
                                           "must", "should", "greater than", "less than", "warning",
                                           "failed", "unable", "too "};
    QString t = qs(text).toLower();
    for (const char* w : warnings)
        if (t.contains(QLatin1String(w))) return QMessageBox::Warning;
    return QMessageBox::Information;
}

void QtPlatform::showMessage(const std::string& text) {
    QMessageBox box(iconFor(text), title_, qs(text), QMessageBox::Ok, dialogParent());
    box.exec();
}

bool QtPlatform::ask(const std::string& text, const std::string& caption) {
    QMessageBox box(iconFor(text), caption.empty() ? title_ : qs(caption), qs(text),
                    QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QUrl QtPlatform::targetUrl(const std::string& target) {
    QString t = qs(target).trimmed();
    if (t.contains("://") || t.startsWith("mailto:", Qt::CaseInsensitive)) return QUrl(t);
    if (t.contains('@') && !t.contains('/')) return QUrl("mailto:" + t);
    if (t.startsWith("www.", Qt::CaseInsensitive)) return QUrl("https://" + t);
    return QUrl::fromLocalFile(QFileInfo(QDir::current(), t).absoluteFilePath());
}

void QtPlatform::open(const std::string& target) { QDesktopServices::openUrl(targetUrl(target)); }

void QtPlatform::processEvents() { QCoreApplication::processEvents(); }

void QtPlatform::delay(int ms) {
    // Windows keep painting and answering while the program waits.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtPlatform::quit(int code) { QCoreApplication::exit(code); }

std::string QtPlatform::workingDirectory() { return QDir::currentPath().toStdString(); }

bool QtPlatform::writeTextFile(const std::string& path, const std::vector<std::string>& lines) {
    QFile f(qs(path));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    for (const auto& line : lines) {
        f.write(line.data(), static_cast<qint64>(line.size()));
        f.write("\n", 1);
    }
    f.close();
    return f.error() == QFileDevice::NoError;
}

std::vector<std::string> QtPlatform::styleNames() { return themeNames(); }

void QtPlatform::applyStyle(const std::string& name) {
    if (!applyTheme(name)) return;
    activeStyle_ = name;
    if (windows_) windows_->refreshColors();
}

void QtPlatform::printMainWindow() {
    if (!windows_) return;
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPixmap shot = windows_->main().grab();
    QPainter painter;
    if (!painter.begin(printer_.get())) return;
    QRect page = painter.viewport();
    QSize size = shot.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(shot.rect());
    painter.drawPixmap(0, 0, shot);
}

void QtPlatform::printerSetup() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer_.get(), dialogParent());
    dialog.exec();
}

void QtPlatform::showWindow(const std::string& form) {
    if (windows_) windows_->show(form);
}

void QtPlatform::closeWindow(const std::string& form) {
    if (windows_) windows_->close(form);
}

}  // namespace tv
