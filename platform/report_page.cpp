#include "platform/report_page.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTextDocument>
#include <algorithm>
#include <memory>

#include "core/report.h"
#include "core/resources.h"
#include "platform/pdf_file.h"
#include "platform/picture_theme.h"
#include "platform/widgets.h"

namespace tv {

namespace {

// The page's look: dark ink on white, the pictures' slate for headings.
constexpr const char* kInk = "#000000";
constexpr const char* kHeading = "#1f2a44";
constexpr const char* kMuted = "#555555";
constexpr const char* kRule = "#c8ccd4";
constexpr const char* kStripe = "#f1f3f6";
constexpr const char* kFamily = "Liberation Sans";
constexpr qreal kPointSize = 10;
// The least margin the report keeps from the paper's edge, in millimetres.
constexpr qreal kLeastMarginMm = 15;
// The most of a page's height the picture takes.
constexpr qreal kPictureShare = 0.45;

QString esc(const std::string& s) { return qs(s).toHtmlEscaped(); }

QString section(const char* title) {
    return QString("<p style=\"margin-top:10px; margin-bottom:4px; font-size:12pt; font-weight:bold; color:%1\">%2</p>")
        .arg(kHeading, title);
}

// Caption, value (right-aligned, so that the decimals line up) and unit.
QString rowsTable(const std::vector<ReportRow>& rows) {
    QString html = QString("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" style=\"border-top:1px solid %1\">")
                       .arg(kRule);
    bool stripe = false;
    for (const ReportRow& r : rows) {
        // A caption that names its unit ("Frequency (MHz)") needs it only once.
        const bool named = !r.unit.empty() && qs(r.caption).endsWith("(" + qs(r.unit) + ")");
        html += QString("<tr%1><td>%2</td><td align=\"right\">%3</td><td>%4</td></tr>")
                    .arg(stripe ? QString(" bgcolor=\"%1\"").arg(kStripe) : QString(), esc(r.caption), esc(r.value),
                         named ? QString() : esc(r.unit));
        stripe = !stripe;
    }
    return html + "</table>";
}

QString page(const QString& body) {
    return QString("<html><body style=\"color:%1\">%2</body></html>").arg(kInk, body);
}

std::unique_ptr<QTextDocument> document(const QString& html, QPrinter& printer, qreal width) {
    auto doc = std::make_unique<QTextDocument>();
    doc->documentLayout()->setPaintDevice(&printer);
    QFont font(kFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kPointSize);
    doc->setDefaultFont(font);
    doc->setDocumentMargin(0);
    doc->setHtml(html);
    doc->setTextWidth(width);
    return doc;
}

// Lays the parts of the report down the pages.
class Pages {
public:
    Pages(QPrinter& printer, QPainter& painter, QRectF area) : printer_(printer), painter_(painter), area_(area) {}

    qreal width() const { return area_.width(); }
    qreal left() const { return area_.height() - y_; }

    void newPage() {
        printer_.newPage();
        y_ = 0;
    }

    // A text: on the next page when it does not fit here but would fit on a
    // page of its own; one taller than a page runs on over the next pages.
    void text(QTextDocument& doc) {
        const qreal height = doc.size().height();
        if (y_ > 0 && height > left() && height <= area_.height()) newPage();
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, Qt::black);
        for (qreal done = 0;;) {
            const qreal slice = std::min(left(), height - done);
            painter_.save();
            painter_.translate(area_.left(), area_.top() + y_ - done);
            context.clip = QRectF(0, done, area_.width(), slice);
            painter_.setClipRect(context.clip);
            doc.documentLayout()->draw(&painter_, context);
            painter_.restore();
            done += slice;
            y_ += slice;
            if (done >= height) break;
            newPage();
        }
    }

    // The picture across the page as a vector drawing, at most `kPictureShare`
    // of the page's height; smaller where that keeps `below` (the method and
    // references) on this page too, down to half its size, else on the next
    // page.
    void picture(QSvgRenderer& svg, qreal gap, qreal below) {
        const QSizeF natural = svg.viewBoxF().size().isEmpty() ? QSizeF(svg.defaultSize()) : svg.viewBoxF().size();
        if (natural.isEmpty()) return;
        const QSizeF full = natural.scaled(QSizeF(area_.width(), area_.height() * kPictureShare), Qt::KeepAspectRatio);
        auto fitting = [&](qreal room) {
            return natural.scaled(QSizeF(area_.width(), std::max<qreal>(0, room)), Qt::KeepAspectRatio);
        };
        QSizeF size = full;
        if (below <= area_.height() && size.height() + gap + below > left()) {
            const QSizeF fit = fitting(left() - gap - below);
            if (fit.width() >= full.width() / 2) size = fit;
        }
        if (size.height() + gap > left()) {
            const QSizeF fit = fitting(left() - gap);
            if (fit.width() >= full.width() / 2) size = fit;
            else newPage();
        }
        if (y_ > 0) y_ += gap;
        svg.render(&painter_, QRectF(area_.left() + (area_.width() - size.width()) / 2, area_.top() + y_, size.width(),
                                     size.height()));
        y_ += size.height();
    }

private:
    QPrinter& printer_;
    QPainter& painter_;
    QRectF area_;
    qreal y_ = 0;
};

// The printable area of the page in device pixels, relative to where the
// painter starts, kept at least kLeastMarginMm from the paper's edges.
QRectF printArea(QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    const qreal dotsPerMm = printer.resolution() / 25.4;
    auto extra = [&](qreal m) { return std::max<qreal>(0, kLeastMarginMm - m) * dotsPerMm; };
    const QRectF paint(QPointF(0, 0), QSizeF(layout.paintRectPixels(printer.resolution()).size()));
    return paint.adjusted(extra(margins.left()), extra(margins.top()), -extra(margins.right()), -extra(margins.bottom()));
}

}  // namespace

QString reportHeadHtml(const Report& report, const QDateTime& when) {
    QString version = QCoreApplication::applicationVersion();
    QString body = QString("<p style=\"margin:0; font-size:18pt; font-weight:bold; color:%1\">%2</p>")
                       .arg(kHeading, esc(report.title));
    body += QString("<p style=\"margin-top:2px; color:%1\">Tolvane%2 &#8212; %3</p>")
                .arg(kMuted, version.isEmpty() ? QString() : " " + version.toHtmlEscaped(),
                     when.toString("yyyy-MM-dd HH:mm"));
    QString inputs = section("Inputs") + rowsTable(report.inputs);
    if (!report.choices.empty()) inputs += section("Settings") + rowsTable(report.choices);
    const QString results = section("Results") + rowsTable(report.results);
    body += QString("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                    "<td width=\"49%\" valign=\"top\">%1</td><td width=\"2%\"></td>"
                    "<td width=\"49%\" valign=\"top\">%2</td></tr></table>")
                .arg(inputs, results);
    return page(body);
}

QString reportTailHtml(const Report& report) {
    QString body;
    if (!report.method.empty()) body += section("Method") + "<p style=\"margin:0\">" + esc(report.method) + "</p>";
    if (!report.references.empty()) {
        body += section("References");
        for (const std::string& r : report.references)
            body += "<p style=\"margin-top:0; margin-bottom:3px; margin-left:12px; text-indent:-12px\">&#8226; " +
                    esc(r) + "</p>";
    }
    return body.isEmpty() ? QString() : page(body);
}

QString printReport(QPrinter& printer, const Report& report, const QDateTime& when) {
    // The print queue names the job after the calculator, for this print only.
    const QString docName = printer.docName();
    printer.setDocName(qs(report.title));
    struct Restore {
        QPrinter& p;
        QString name;
        ~Restore() { p.setDocName(name); }
    } restore{printer, docName};
    PdfFile pdf(printer);
    if (!pdf.error.isEmpty()) return pdf.error;
    QPainter painter;
    if (!painter.begin(&printer)) return "The printer could not be started.";
    painter.setRenderHint(QPainter::Antialiasing);
    Pages pages(printer, painter, printArea(printer));

    pages.text(*document(reportHeadHtml(report, when), printer, pages.width()));
    const QString tailHtml = reportTailHtml(report);
    const auto tail = tailHtml.isEmpty() ? nullptr : document(tailHtml, printer, pages.width());
    if (const std::string_view* svg = report.picture.empty() ? nullptr : resource(report.picture)) {
        // The drawing in its own light colours, its texts in the page's family.
        const PictureColours light{Qt::white, QColor(kHeading), QColor(Qt::white), false};
        QSvgRenderer renderer(themedPicture(QByteArray(svg->data(), qsizetype(svg->size())), light, kFamily));
        renderer.setAspectRatioMode(Qt::KeepAspectRatio);
        if (renderer.isValid())
            pages.picture(renderer, printer.resolution() * 0.15, tail ? tail->size().height() : 0);
    }
    if (tail) pages.text(*tail);
    painter.end();
    if (!pdf.commit()) return pdf.error;
    return {};
}

}  // namespace tv
