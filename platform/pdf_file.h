#pragma once
// While a printer writes a PDF file: the file it writes is a temporary one in
// the same folder, copied over the chosen file by commit() (core/file_write.h),
// so a failed print leaves the old file as it was. A chosen file that is no
// regular file (a named pipe, a folder) is refused at once. A printer that
// writes no PDF file is left alone.
#include <QString>
#include <QTemporaryFile>

class QPrinter;

namespace tv {

class PdfFile {
public:
    explicit PdfFile(QPrinter& printer);
    ~PdfFile();
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    // Puts the drawn file in place of the chosen one; false (and `error`)
    // when it could not.
    bool commit();

    // "Cannot write report.pdf: No space left on device"; empty while all is well.
    QString error;

private:
    QString cannotWrite(const QString& why) const { return "Cannot write " + target_ + ": " + why; }

    QPrinter& printer_;
    QString target_;
    QTemporaryFile temp_;
};

}  // namespace tv
