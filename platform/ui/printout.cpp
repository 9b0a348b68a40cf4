#include "printout.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextDocument>
#include <algorithm>

namespace ui {

namespace {
constexpr double DefaultMarginInches = 0.75;
constexpr double LeastMarginInches = 0.5;
} // namespace

automation::Error printerError()
{
    return {482, QStringLiteral("Printer error")};
}

bool hasPrinter()
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

QString newPdfPath(const QString &documentName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QString stem = documentName.trimmed().isEmpty() ? QStringLiteral("Printout") : documentName;
    stem.replace(u'/', u'-');
    QString path = QDir(folder).filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(stem + QStringLiteral(" (%1).pdf").arg(n));
    return path;
}

void setDefaultMargins(QPrinter &printer)
{
    printer.setPageMargins(QMarginsF(DefaultMarginInches, DefaultMarginInches, DefaultMarginInches,
                                     DefaultMarginInches),
                           QPageLayout::Inch);
}

void keepLeastMargins(QPrinter &printer)
{
    const QMarginsF m = printer.pageLayout().margins(QPageLayout::Inch);
    const QMarginsF least(
        std::max(m.left(), LeastMarginInches), std::max(m.top(), LeastMarginInches),
        std::max(m.right(), LeastMarginInches), std::max(m.bottom(), LeastMarginInches));
    if (least != m)
        printer.setPageMargins(least, QPageLayout::Inch);
}

void paintDocument(QPrinter &printer, const QString &text)
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw printerError();
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&printer);
    doc.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    doc.setPlainText(text);
    const QRect page = painter.viewport();
    doc.setPageSize(page.size());
    const int pages = doc.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer.newPage())
            throw printerError();
        painter.save();
        painter.translate(0, -i * page.height());
        doc.drawContents(&painter, QRectF(0, i * page.height(), page.width(), page.height()));
        painter.restore();
    }
    if (!painter.end())
        throw printerError();
}

} // namespace ui
