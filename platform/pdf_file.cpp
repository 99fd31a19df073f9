#include "platform/pdf_file.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include "core/file_write.h"
#include "platform/widgets.h"

namespace tv {

PdfFile::PdfFile(QPrinter& printer) : printer_(printer), target_(printer.outputFileName()) {
    if (printer.outputFormat() != QPrinter::PdfFormat || target_.isEmpty()) {
        target_.clear();
        return;
    }
    if (std::string no = unwritableTarget(target_.toStdString()); !no.empty()) {
        error = cannotWrite(qs(no));
        return;
    }
    const QFileInfo info(target_);
    temp_.setFileTemplate(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");
    if (!temp_.open()) {
        error = cannotWrite(temp_.errorString());
        return;
    }
    temp_.close();
    printer.setOutputFileName(temp_.fileName());
}

PdfFile::~PdfFile() {
    if (!target_.isEmpty()) printer_.setOutputFileName(target_);
}

bool PdfFile::commit() {
    if (temp_.fileName().isEmpty()) return true;
    printer_.setOutputFileName(target_);
    QFile drawn(temp_.fileName());
    if (!drawn.open(QIODevice::ReadOnly)) {
        error = cannotWrite(drawn.errorString());
        return false;
    }
    const QByteArray bytes = drawn.readAll();
    const std::string why = replaceFile(target_.toStdString(), bytes.toStdString());
    if (!why.empty()) error = cannotWrite(qs(why));
    return why.empty();
}

}  // namespace tv
