// make_document: renders a Markdown text into a PDF document (the EULA that
// ships beside the program). Runs at build time on the offscreen platform.
//
//   make_document INPUT.md OUTPUT.pdf
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make_document INPUT.md OUTPUT.pdf\n");
        return 2;
    }
    QFile in(args[1]);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QString text = QString::fromUtf8(in.readAll());
    QTextDocument doc;
    doc.setMarkdown(text);
    doc.setDefaultFont(QFont("Liberation Sans", 10));

    QPdfWriter pdf(args[2]);
    // The first heading names the document.
    pdf.setTitle(text.section('\n', 0, 0).remove(QRegularExpression("^#+\\s*")));
    pdf.setCreator("Tolvane");
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                  QPageLayout::Millimeter));
    doc.print(&pdf);
    if (!QFile::exists(args[2])) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
