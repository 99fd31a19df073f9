#include "platform/help_window.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/installed_files.h"

namespace tv {

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setWindowTitle("Tolvane Help");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    resize(720, 640);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

bool HelpWindow::load() {
    const QString path = installedFile(kFileName);
    if (path.isEmpty()) return false;
    browser_->setSource(QUrl::fromLocalFile(path));
    return true;
}

}  // namespace tv
