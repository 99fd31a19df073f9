#include "platform/sweep_plot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <dlfcn.h>

namespace tv {

namespace {

// Where the plot library is looked for: beside the program (the build
// folder), then in the program's own library folder of the installation.
QStringList plotFolders() {
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.path(), QDir::cleanPath(bin.absoluteFilePath(TOLVANE_PLOT_DIR))};
}

NewSweepPlotter* entryPoint(QString* why) {
    // A program that links the library (the tests) has it already.
    if (void* linked = ::dlsym(RTLD_DEFAULT, kNewSweepPlotter)) return reinterpret_cast<NewSweepPlotter*>(linked);
    static NewSweepPlotter* loaded = nullptr;
    if (loaded) return loaded;
    QStringList tried;
    for (const QString& folder : plotFolders()) {
        const QString path = QDir(folder).filePath(kPlotLibrary);
        tried << QDir::toNativeSeparators(folder);
        if (!QFileInfo(path).isFile()) continue;
        QLibrary library(path);
        loaded = reinterpret_cast<NewSweepPlotter*>(library.resolve(kNewSweepPlotter));
        if (loaded) return loaded;  // the library stays loaded for the program's run
        *why = QString("The plot library %1 could not be loaded: %2").arg(path, library.errorString());
        return nullptr;
    }
    *why = QString("The plot library %1 was not found in %2.").arg(kPlotLibrary, tried.join(" or "));
    return nullptr;
}

}  // namespace

SweepPlotter* newSweepPlotter(QString* why) {
    NewSweepPlotter* make = entryPoint(why);
    return make ? make() : nullptr;
}

}  // namespace tv
