#include "platform/window_fit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <algorithm>

#include "platform/form_view.h"
#include "platform/widgets.h"

namespace tv {

QMargins frameAllowance() { return QMargins(4, 30, 4, 4); }

bool fitWindow(FormView& window, const QRect& area) {
    if (window.findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly)) return true;
    QLayout* layout = window.layout();
    if (!layout) return false;
    layout->activate();
    const QSize whole = window.sizeHint();
    const QMargins frame = frameAllowance();
    const QSize room(area.width() - frame.left() - frame.right(), area.height() - frame.top() - frame.bottom());
    if (whole.width() <= room.width() && whole.height() <= room.height()) return false;

    // The client area moves into a scroll area; the menu bar stays on top.
    QWidget& client = window.client();
    auto* scroll = new QScrollArea(&window);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(false);
    delete layout->replaceWidget(&client, scroll);
    scroll->setWidget(&client);
    layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    // The status bar, where the hints and the material warning show, stays
    // in view below the scrolling client area.
    int pinned = 0;
    for (auto* status : client.findChildren<StatusPanels*>(QString(), Qt::FindDirectChildrenOnly)) {
        const int height = status->height();
        status->setParent(&window);
        status->setFixedHeight(height);
        layout->addWidget(status);
        status->show();
        pinned += height;
    }

    // Room for a scroll bar across when the window is too wide, along when too high.
    const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    const int menu = window.menuBar() ? window.menuBar()->sizeHint().height() : 0;
    const bool across = whole.width() > room.width();
    const bool along = whole.height() > room.height() || (across && whole.height() + bar > room.height());
    const QSize most(client.width() + (along ? bar : 0), menu + client.height() + pinned + (across ? bar : 0));
    window.setMinimumSize(std::min(320, most.width()), std::min(240, most.height()));
    window.setMaximumSize(most);
    window.resize(std::min(most.width(), room.width()), std::min(most.height(), room.height()));
    return true;
}

namespace {

QRect availableArea(const QWidget& w) {
    QScreen* s = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1280, 1024);
}

// The screen area that holds the whole window at `at`, with its frame.
bool fitsAt(const QPoint& at, const QSize& size) {
    const QMargins frame = frameAllowance();
    QRect outer(at, size + QSize(frame.left() + frame.right(), frame.top() + frame.bottom()));
    for (QScreen* s : QGuiApplication::screens())
        if (s->availableGeometry().contains(outer)) return true;
    return false;
}

}  // namespace

void placeMainWindow(FormView& window, const QString& positionFile) {
    const QRect area = availableArea(window);
    const bool scrolls = fitWindow(window, area);
    if (window.layout()) window.layout()->activate();
    if (!positionFile.isEmpty() && QFileInfo::exists(positionFile)) {
        QSettings place(positionFile, QSettings::IniFormat);
        bool okX = false, okY = false;
        const QPoint at(place.value("MainWindow/x").toInt(&okX), place.value("MainWindow/y").toInt(&okY));
        if (okX && okY && fitsAt(at, window.size())) {
            window.move(at);
            return;
        }
    }
    if (scrolls) window.move(area.topLeft());
    else window.centre();
}

void rememberPosition(const FormView& window, const QString& positionFile) {
    if (positionFile.isEmpty()) return;
    QDir().mkpath(QFileInfo(positionFile).absolutePath());
    QSettings place(positionFile, QSettings::IniFormat);
    place.setValue("MainWindow/x", window.pos().x());
    place.setValue("MainWindow/y", window.pos().y());
    place.sync();
}

QString windowPositionPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Corvex PCB Design, Inc./Tolvane-window.ini";
}

}  // namespace tv
