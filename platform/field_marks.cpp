#include "platform/field_marks.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace tv {

namespace {

constexpr const char* kFrameName = "unreadableFrame";

// A frame laid over the whole field, above its text, letting the mouse through;
// it follows the field's size.
class UnreadableFrame : public QWidget {
public:
    explicit UnreadableFrame(QWidget* field) : QWidget(field) {
        setObjectName(kFrameName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(field->rect());
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
        return false;
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(QColor(255, 0, 0), 2));
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

}  // namespace

void showUnreadableFrame(QWidget* field, bool on) {
    if (!field) return;
    auto* frame = field->findChild<QWidget*>(kFrameName, Qt::FindDirectChildrenOnly);
    if (on && !frame) (new UnreadableFrame(field))->show();
    if (!on && frame) delete frame;
}

bool hasUnreadableFrame(const QWidget* field) {
    return field && field->findChild<QWidget*>(kFrameName, Qt::FindDirectChildrenOnly);
}

}  // namespace tv
