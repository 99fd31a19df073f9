#pragma once
// Result fields (read-only edit fields of the windows) on the keyboard and
// the clipboard: Ctrl+C copies the number alone in the user's separator, the
// context menu offers "Copy" and "Copy with Unit".
class QLineEdit;

namespace tv {

class QtWindows;

void installResultCopy(QtWindows& windows);
// What the two copies put on the clipboard for a field (for the tests).
void copyResult(QtWindows& windows, const QLineEdit& field, bool withUnit);

}  // namespace tv
