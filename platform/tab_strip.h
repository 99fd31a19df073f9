#pragma once
// A tab strip whose tabs wrap into several rows (QTabBar keeps one row), drawn
// with the style's own tab primitives, with the page frame below the rows.
// Rows are stretched to the full width, and the row holding the selected tab
// moves next to the page, as classic multi-row tab controls do. The page area
// belongs to the child widgets placed on the strip.
#include <QStringList>
#include <QWidget>
#include <vector>

class QStyleOptionTab;

namespace tv {

class TabStrip : public QWidget {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent);

    void setTabs(const QStringList& captions);
    void setCurrent(int index);  // -1: no tab selected
    int current() const { return current_; }
    int count() const { return static_cast<int>(captions_.size()); }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    // Where tab `index` is drawn (empty for an unknown index).
    QRect tabRect(int index) const;
    int tabAt(const QPoint& pos) const;
    // The height the rows take; the page frame starts below it.
    int stripHeight() const { return rows_.empty() ? 0 : kMargin + rowCount() * rowHeight_; }
    // Room above the top row for the selected tab to stand out.
    static constexpr int kMargin = 2;

signals:
    // The user clicked a tab other than the selected one.
    void picked(int index);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent* e) override;
    bool event(QEvent* e) override;

private:
    void relayout();
    QSize tabSizeHint(int index) const;
    void initTabOption(QStyleOptionTab& opt, int index) const;
    int rowOf(int index) const;

    QStringList captions_;
    int current_ = -1;
    int hover_ = -1;
    std::vector<std::vector<int>> rows_;  // tab indices of each row, in tab order
    std::vector<QRect> rects_;
    int rowHeight_ = 0;
};

}  // namespace tv
