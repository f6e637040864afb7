#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/Formatting.h"
#include "generator/LineExplainer.h"
#include "generator/ValueWords.h"

#include <cstdlib>

namespace merix {

namespace {

// A sign digit (0 negative, 1 otherwise), a blank and the magnitude in four digits.
std::string signedField(int value) {
    return std::string(value < 0 ? "0 " : "1 ") + fourDigitField(std::abs(value), kMaxFrequency);
}

// The value the controller gets from a signed field.
std::string sentRange(int value) {
    const int magnitude = sentValue(std::abs(value), kMaxFrequency);
    return std::to_string(value < 0 ? -magnitude : magnitude);
}

EntryExplainer<IoPoint> explainPoint(const LineExplainer& x, const ConfigDocument& doc,
                                     std::size_t i) {
    const IoPoint& p = doc.ioPoints[i];
    return EntryExplainer(kInputsOutputsSection,
                          CatalogLabels::pick(x.labels().ioPoints, i, p.key.view()), p,
                          x.before(&ConfigDocument::ioPoints, i));
}

} // namespace

void writeInputOutputSection(CommandText& out, const ConfigDocument& doc,
                             const SectionChanges& changed) {
    out << "\n;set up inputs and outputs\n";
    bool any = false;
    for (std::size_t i = 0; i < doc.ioPoints.size(); ++i) {
        const IoPoint& p = doc.ioPoints[i];
        if (!changed(i) || !p.isAnalog())
            continue;
        if (any)
            out << "\n\n";
        any = true;
        out << "N101 " << p.ioNumber << ' ' << p.analogInputNumber << ' ' << p.decimals
            << ";set number of decimals for analog input " << p.analogInputNumber << " I/O "
            << p.ioNumber << " to " << p.decimals;
        if (LineExplainer* x = out.explainer())
            x->explain(
                explainPoint(*x, doc, i)
                    .field("decimals", [](const IoPoint& e) { return std::to_string(e.decimals); })
                    .done());
        out << '\n';
        out << "N102 " << p.ioNumber << ' ' << p.analogInputNumber << ' ' << signedField(p.rangeLow)
            << ' ' << signedField(p.rangeHigh) << ";set the conversion ratio for analog input "
            << p.analogInputNumber << " I/O " << p.ioNumber << " to " << int{p.rangeLow} << " - "
            << int{p.rangeHigh};
        if (LineExplainer* x = out.explainer())
            x->explain(
                explainPoint(*x, doc, i)
                    .field("range low", [](const IoPoint& e) { return sentRange(e.rangeLow); })
                    .field("range high", [](const IoPoint& e) { return sentRange(e.rangeHigh); })
                    .done());
    }
    if (any)
        out << '\n';
    out << ";end of inputs and outputs\n";
}

} // namespace merix
