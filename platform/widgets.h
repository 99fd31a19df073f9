#pragma once
// Small widgets that draw components the way a classic 96-dpi desktop does:
// frames with the title on the frame line, radio groups whose items are rebuilt
// at run time, spin arrows, filled shapes, SVG pictures, status panels. They
// know nothing of the window model; FormView connects them to it.
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/picture_theme.h"

class QRadioButton;
class QButtonGroup;
class QToolButton;

namespace tv {

class PictureDocument;

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
// A caption as a label shows it: "&&" is one "&", a lone "&" only marks the
// keyboard accelerator and is not drawn.
QString plainCaption(const std::string& caption);

// A check box or radio button that takes a click anywhere in its rectangle,
// as the desktop's own buttons do, not only on the mark and the text.
template <class Button>
class WholeButton : public Button {
public:
    using Button::Button;

protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

// A group box (etched frame, title on the frame line) or a panel (raised
// bevel, optional fill colour, centred caption).
class FrameBox : public QWidget {
    Q_OBJECT
public:
    enum class Look { Group, Panel };
    FrameBox(Look look, QWidget* parent);
    void setTitle(const QString& title);
    const QString& title() const { return title_; }
    // The top of the area below the title line.
    int contentTop() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Look look_;
    QString title_;
    bool pressed_ = false;
};

// A group box holding one column of radio buttons spread over its height.
// Index -1 shows no selection. Tab stops once in the group, at the chosen item
// (the first when none is chosen); the arrow keys move between the items.
class RadioGroupBox : public FrameBox {
    Q_OBJECT
public:
    explicit RadioGroupBox(QWidget* parent);
    void setItems(const std::vector<std::string>& items);
    void setIndex(int index);
    void setTabStop(bool on);
    int count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* button(int i) const { return buttons_[static_cast<size_t>(i)]; }

signals:
    // The user clicked item `index`.
    void picked(int index);

protected:
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent* e) override;

private:
    void arrange();
    void updateTabStop();
    std::vector<QRadioButton*> buttons_;
    QButtonGroup* group_;
    bool tabStop_ = true;
};

// A label that reports clicks (link labels, the settings warning).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool pressed_ = false;
};

// A rectangle filled with the brush colour and a thin black pen.
class ShapeBox : public QWidget {
    Q_OBJECT
public:
    explicit ShapeBox(QWidget* parent);
    void setFill(const QColor& c);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QColor fill_ = Qt::white;
    bool pressed_ = false;
};

// An SVG picture scaled into the widget, keeping its proportions, drawn in
// the colours of its palette and the window's font (see picture_theme.h); a
// theme change draws it anew.
class Picture : public QWidget {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent);
    ~Picture() override;
    // An empty or unreadable document shows nothing. The document is read
    // when the picture is first painted.
    void setSvg(const QByteArray& svg);
    bool hasPicture() const;
    // The shared document (null without a picture).
    PictureDocument* document() const { return doc_.get(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    // Shared with every widget showing the same picture, with its drawings.
    std::shared_ptr<PictureDocument> doc_;
    bool pressed_ = false;
};

// The small up/down arrows of a spin button; holding an arrow repeats.
class SpinArrows : public QWidget {
    Q_OBJECT
public:
    explicit SpinArrows(QWidget* parent);

signals:
    // +1 for the up arrow, -1 for the down arrow.
    void stepped(int step);

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

// A status bar: sunken panels of fixed widths along the bottom of a window;
// the last one reaches the right edge.
class StatusPanels : public QWidget {
    Q_OBJECT
public:
    StatusPanels(std::vector<int> widths, QWidget* parent);
    void setText(size_t panel, const QString& text);
    QString text(size_t panel) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<int> widths_;
    std::vector<QString> texts_;
};

}  // namespace tv
