#pragma once

#include <QString>

#include <functional>
#include <optional>

class QPrinter;
class QTextDocument;
class QWidget;

namespace merix {

class BusyIndicator;
class ConfigDocument;
class Prompter;

// The configuration report as a page of rich text, dated now.
QString configurationReportHtml(const ConfigDocument& doc);

// Prints the report into a PDF file; false when the file cannot be written.
bool saveReportAsPdf(const QTextDocument& report, const QString& path);

// File, Print Configuration Report: the report in a print preview, from which it is printed
// on printer or saved as PDF (the preview's "Save as PDF..." button).
class ReportPrinting {
  public:
    // The PDF file to write, or nothing when the user cancels.
    using PdfChooser = std::function<std::optional<QString>(QWidget* parent)>;

    ReportPrinting(Prompter& prompter, BusyIndicator* busy, PdfChooser choosePdf = {});

    void run(const ConfigDocument& doc, QPrinter& printer, QWidget* parent);

  private:
    Prompter& m_prompter;
    BusyIndicator* m_busy;
    PdfChooser m_choosePdf;
};

} // namespace merix
