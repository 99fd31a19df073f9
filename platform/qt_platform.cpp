#include "platform/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QStandardPaths>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTimer>
#include <algorithm>

#include "core/file_write.h"
#include "core/report.h"
#include "platform/background_work.h"
#include "platform/form_view.h"
#include "platform/goal_seek_dialog.h"
#include "platform/help_window.h"
#include "platform/installed_files.h"
#include "platform/pdf_file.h"
#include "platform/qt_windows.h"
#include "platform/report_page.h"
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

void QtPlatform::printReport(const Report& report, ReportOutput output) {
    if (output == ReportOutput::Printer) {
        QPrintDialog dialog(&printer(), dialogParent());
        dialog.setWindowTitle("Print Report");
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
        if (dialog.exec() != QDialog::Accepted) return;
        if (const QString why = tv::printReport(printer(), report, QDateTime::currentDateTime()); !why.isEmpty())
            showMessage(why.toStdString());
        return;
    }
    if (reportFolder_.isEmpty()) reportFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (reportFolder_.isEmpty() || !QDir(reportFolder_).exists()) reportFolder_ = QDir::homePath();
    QString name = qs(report.title).replace(QRegularExpression("[/\\\\:*?\"<>|]"), "-");
    QString path = QFileDialog::getSaveFileName(dialogParent(), "Save Report as PDF",
                                                QDir(reportFolder_).filePath(name + ".pdf"), "PDF files (*.pdf)");
    if (path.isEmpty()) return;
    if (!path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";
    reportFolder_ = QFileInfo(path).absolutePath();
    if (const QString why = saveReportPdf(report, path); !why.isEmpty()) showMessage(why.toStdString());
}

QString QtPlatform::saveReportPdf(const Report& report, const QString& path) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    // The paper of the printer set up, with room around the text.
    pdf.setPageSize(printer().pageLayout().pageSize());
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setCreator(title_);
    pdf.setDocName(qs(report.title));
    pdf.setOutputFileName(path);
    return tv::printReport(pdf, report, QDateTime::currentDateTime());
}

void QtPlatform::copyText(const std::string& text) { QGuiApplication::clipboard()->setText(qs(text)); }

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

std::string QtPlatform::chooseDesignFile(bool save, const std::string& suggestion) {
    QWidget* parent = windows_ ? &windows_->main() : nullptr;
    const QString filter = "Tolvane designs (*.tvd);;All files (*)";
    QString start = QString::fromStdString(suggestion);
    if (start.isEmpty()) start = QDir::homePath() + (save ? "/design.tvd" : "");
    QString path = save ? QFileDialog::getSaveFileName(parent, "Save Design", start, filter)
                        : QFileDialog::getOpenFileName(parent, "Open Design", start, filter);
    // A name typed without an extension gets the designs' one.
    if (save && !path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += ".tvd";
    return path.toStdString();
}

}  // namespace tv
