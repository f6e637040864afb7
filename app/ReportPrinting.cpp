#include "app/ReportPrinting.h"

#include "document/ConfigDocument.h"
#include "document/Prompter.h"
#include "document/UnknownEntries.h"
#include "generator/CatalogLabels.h"
#include "generator/ConfigurationReport.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QToolBar>

namespace merix {

namespace {

std::optional<QString> askForPdf(QWidget* parent) {
    const QString path =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Save Configuration Report as PDF"),
                                     QString(), QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return std::nullopt;
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
               ? path
               : path + QStringLiteral(".pdf");
}

} // namespace

QString configurationReportHtml(const ConfigDocument& doc) {
    ReportOptions options;
    options.generatedOn =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
    options.unknownEntries = countUnknownEntries(doc, doc.documentPath());
    const std::string html = reportHtml(buildReport(doc, CatalogLabels::read(doc), options));
    return QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size()));
}

// Printed beside the target first, so a failure leaves an older file of that name as it was.
bool saveReportAsPdf(const QTextDocument& report, const QString& path) {
    QTemporaryFile temporary(QFileInfo(path).absolutePath() +
                             QStringLiteral("/.report-XXXXXX.pdf"));
    if (!temporary.open())
        return false;
    temporary.close();
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(temporary.fileName());
    report.print(&pdf);
    if (QFileInfo(temporary.fileName()).size() == 0)
        return false;
    QFile::remove(path);
    if (!QFile::rename(temporary.fileName(), path))
        return false;
    temporary.setAutoRemove(false);
    return true;
}

ReportPrinting::ReportPrinting(Prompter& prompter, BusyIndicator* busy, PdfChooser choosePdf)
    : m_prompter(prompter), m_busy(busy),
      m_choosePdf(choosePdf ? std::move(choosePdf) : PdfChooser(askForPdf)) {}

void ReportPrinting::run(const ConfigDocument& doc, QPrinter& printer, QWidget* parent) {
    if (!doc.isDocumentOpen()) {
        m_prompter.inform("Open or create a new file before printing a configuration report.");
        return;
    }
    QTextDocument report;
    {
        BusyGuard guard(m_busy);
        report.setHtml(configurationReportHtml(doc));
    }
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Print Configuration Report"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&report](QPrinter* p) { report.print(p); });
    if (QToolBar* bar = preview.findChild<QToolBar*>()) {
        QAction* pdf = bar->addAction(QStringLiteral("Save as &PDF..."));
        pdf->setObjectName(QStringLiteral("Save as PDF"));
        QObject::connect(pdf, &QAction::triggered, &preview, [this, &report, &preview] {
            const std::optional<QString> path = m_choosePdf(&preview);
            if (path && !saveReportAsPdf(report, *path))
                m_prompter.inform("Unable to write " + path->toStdString() + ".");
        });
    }
    preview.exec();
}

} // namespace merix
