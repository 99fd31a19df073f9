#include "platform/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTimer>
#include <algorithm>

#include "core/file_write.h"
#include "platform/background_work.h"
#include "platform/form_view.h"
#include "platform/goal_seek_dialog.h"
#include "platform/help_window.h"
#include "platform/installed_files.h"
#include "platform/qt_windows.h"
#include "platform/sweep_dialog.h"
#include "platform/themes.h"
#include "platform/widgets.h"

namespace tv {

QtPlatform::QtPlatform(QString title) : title_(std::move(title)) {}
QtPlatform::~QtPlatform() = default;

void QtPlatform::runInBackground(Platform::BackgroundWork work) {
    if (!background_) background_ = std::make_unique<BackgroundWorker>();
    background_->run(std::move(work));
}

void QtPlatform::waitForBackgroundWork() {
    if (background_) background_->waitForDone();
}

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

void QtPlatform::openDocument(const std::string& name) {
    // Beside the executable, or where an installation keeps its documents.
    const QString path = installedFile(qs(name));
    // The desktop would fail without a word; say what is missing instead.
    if (path.isEmpty()) {
        showMessage("The document \"" + name + "\" was not found in " +
                    installedFolders().join(" or ").toStdString() + ".");
        return;
    }
    const QDir folder = QFileInfo(path).absoluteDir();
    // The viewer starts in the document's folder.
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    QDir::setCurrent(before);
}

void QtPlatform::startProgram(const std::string& name) {
    if (!QProcess::startDetached(qs(name), {})) showMessage(name + " could not be started.");
}

void QtPlatform::processEvents() { QCoreApplication::processEvents(); }

void QtPlatform::delay(int ms) {
    // Windows keep painting and answering while the program waits.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtPlatform::quit(int code) { QCoreApplication::exit(code); }

std::string QtPlatform::workingDirectory() { return QDir::currentPath().toStdString(); }

std::vector<std::string> QtPlatform::styleNames() { return themeNames(); }

void QtPlatform::applyStyle(const std::string& name) {
    if (!applyTheme(name)) return;
    activeStyle_ = name;
    if (windows_) windows_->refreshColors();
}

QPrinter& QtPlatform::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtPlatform::choosePrinter() {
    QPrintDialog dialog(&printer(), dialogParent());
    dialog.setWindowTitle("Print Form");
    // One page, one copy of the window: no page ranges to choose.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

namespace {

// While a printer writes a PDF file: the file it writes is a temporary one in
// the same folder, copied over the chosen file by commit(). A chosen file
// that is no regular file (a named pipe, a folder) is refused at once.
class PdfFile {
public:
    explicit PdfFile(QPrinter& printer) : printer_(printer), target_(printer.outputFileName()) {
        if (printer.outputFormat() != QPrinter::PdfFormat || target_.isEmpty()) return;
        if (std::string no = unwritableTarget(target_.toStdString()); !no.empty()) {
            error = cannotWrite(qs(no));
            return;
        }
        const QFileInfo info(target_);
        temp_.setFileTemplate(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");
        if (!temp_.open()) {
            error = cannotWrite(temp_.errorString());
            return;
        }
        temp_.close();
        printer.setOutputFileName(temp_.fileName());
    }
    ~PdfFile() {
        if (!target_.isEmpty()) printer_.setOutputFileName(target_);
    }
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    bool commit() {
        if (temp_.fileName().isEmpty()) return true;
        printer_.setOutputFileName(target_);
        QFile drawn(temp_.fileName());
        if (!drawn.open(QIODevice::ReadOnly)) {
            error = cannotWrite(drawn.errorString());
            return false;
        }
        const QByteArray bytes = drawn.readAll();
        const std::string why = replaceFile(target_.toStdString(), bytes.toStdString());
        if (!why.empty()) error = cannotWrite(qs(why));
        return why.empty();
    }

    QString error;

private:
    QString cannotWrite(const QString& why) const { return "Cannot write " + target_ + ": " + why; }

    QPrinter& printer_;
    QString target_;
    QTemporaryFile temp_;
};

// The plain light theme for as long as it lives, then the theme before it.
class PlainLookWhile {
public:
    explicit PlainLookWhile(Platform& p) : p_(p), theme_(p.activeStyle()) {
        const std::string plain = p_.styleNames().front();
        if (theme_ != plain) apply(plain);
    }
    ~PlainLookWhile() {
        if (p_.activeStyle() != theme_) apply(theme_);
    }
    PlainLookWhile(const PlainLookWhile&) = delete;
    PlainLookWhile& operator=(const PlainLookWhile&) = delete;

private:
    // The widgets take the new colours from posted events; no user input runs.
    void apply(const std::string& theme) {
        p_.applyStyle(theme);
        QCoreApplication::sendPostedEvents();
    }
    Platform& p_;
    std::string theme_;
};

}  // namespace

// The client area of the main window (without its menu bar) as one image,
// scaled to the page width or height with its proportions kept, at the top
// of the page and centred across it. The image is rendered at up to three
// times the screen size so that its texts stay sharp on paper.
void QtPlatform::printMainWindow() {
    if (!windows_) return;
    QWidget& window = windows_->main().client();
    // A PDF file is drawn into a temporary file beside it and replaces the
    // chosen file only when whole (core/file_write.h).
    PdfFile pdf(printer());
    if (!pdf.error.isEmpty()) {
        showMessage(pdf.error.toStdString());
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer())) {
        showMessage("The printer could not be started.");
        return;
    }
    const QRect page = painter.viewport();
    const QSize size = window.size().scaled(page.size(), Qt::KeepAspectRatio);
    // Paper shows the plain light look whatever the theme on screen.
    PlainLookWhile plain(*this);
    const qreal scale = std::clamp(qreal(size.width()) / std::max(1, window.width()), 1.0, 3.0);
    QImage image(window.size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(window.palette().color(QPalette::Window));
    window.render(&image);
    painter.drawImage(QRect(QPoint(page.x() + (page.width() - size.width()) / 2, page.y()), size), image);
    painter.end();
    if (!pdf.commit()) showMessage(pdf.error.toStdString());
}

// The print dialog as the set-up: it chooses the printer (or a PDF file), and
// its properties the paper and orientation; the page set-up dialog alone
// serves only system printers.
void QtPlatform::printerSetup() {
    QPrintDialog dialog(&printer(), dialogParent());
    dialog.setWindowTitle("Printer Setup");
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    for (auto* buttons : dialog.findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText("OK");
    dialog.exec();
}

void QtPlatform::showWindow(const std::string& form) {
    if (windows_) windows_->show(form);
}

void QtPlatform::closeWindow(const std::string& form) {
    if (windows_) windows_->close(form);
}

HelpWindow* QtPlatform::helpWindow() const { return help_.data(); }

void QtPlatform::showHelp() {
    if (!help_) {
        // Owned by the main window, so that it closes with the program.
        help_ = new HelpWindow(windows_ ? &windows_->main() : nullptr);
        if (!help_->load()) {
            delete help_.data();
            showMessage(std::string("The help file \"") + HelpWindow::kFileName + "\" was not found in " +
                        installedFolders().join(" or ").toStdString() + ".");
            return;
        }
        // First shown over the middle of the main window.
        if (windows_) help_->move(windows_->main().geometry().center() - help_->rect().center());
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void QtPlatform::showAnalysis(AnalysisWindow which) {
    if (!windows_) return;
    if (which == AnalysisWindow::GoalSeek) {
        GoalSeekDialog dialog(*windows_, dialogParent());
        dialog.exec();
    } else {
        SweepDialog dialog(*windows_, dialogParent());
        dialog.exec();
    }
}

}  // namespace tv
