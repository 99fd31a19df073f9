#include "platform/installed_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tv {

QStringList installedFolders() {
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.path(), QDir::cleanPath(bin.absoluteFilePath("../share/tolvane"))};
}

QString installedFile(const QString& name) {
    for (const QString& folder : installedFolders()) {
        const QFileInfo file(QDir(folder), name);
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

}  // namespace tv
