#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/Formatting.h"

#include <cstdlib>

namespace merix {

namespace {

// A sign digit (0 negative, 1 otherwise), a blank and the magnitude in four digits.
std::string signedField(int value)
{
    return std::string(value < 0 ? "0 " : "1 ") + fourDigitField(std::abs(value), kMaxFrequency);
}

} // namespace

void writeInputOutputSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed)
{
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
            << p.ioNumber << " to " << p.decimals << '\n';
        out << "N102 " << p.ioNumber << ' ' << p.analogInputNumber << ' ' << signedField(p.rangeLow)
            << ' ' << signedField(p.rangeHigh) << ";set the conversion ratio for analog input "
            << p.analogInputNumber << " I/O " << p.ioNumber << " to " << int{p.rangeLow} << " - "
            << int{p.rangeHigh};
    }
    if (any)
        out << '\n';
    out << ";end of inputs and outputs\n";
}

} // namespace merix
