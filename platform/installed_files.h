#pragma once
// Documents installed with the program (the licence, the manual): beside the
// executable in a build tree, or in the shared data folder of an installation
// (<prefix>/share/tolvane beside <prefix>/bin).
#include <QString>

namespace tv {

// The path of an installed document; empty when it is in neither place.
QString installedFile(const QString& name);
// The folders searched, in order.
QStringList installedFolders();

}  // namespace tv
