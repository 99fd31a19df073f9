#pragma once
// The marks drawn over a widget's designed look: a red frame around a field
// whose text could not be read. (A stale result is greyed through its palette,
// FormView::applyPalette.)
class QWidget;

namespace tv {

// Shows or removes the red frame on a field.
void showUnreadableFrame(QWidget* field, bool on);
// Whether the field has its frame (for the tests).
bool hasUnreadableFrame(const QWidget* field);

}  // namespace tv
