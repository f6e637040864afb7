#include "generator/Explanation.h"

#include <algorithm>

namespace merix {

std::string Explanation::text() const {
    std::string out = section + ": " + label;
    for (const FieldChange& f : fields) {
        if (!f.field.empty())
            out += ", " + f.field;
        out += " = " + (f.value.empty() ? std::string("(empty)") : f.value);
        if (f.was)
            out += " (was " + (f.was->empty() ? std::string("empty") : *f.was) + ")";
    }
    return out;
}

bool Explanation::changesAnything() const {
    return std::any_of(fields.begin(), fields.end(),
                       [](const FieldChange& f) { return f.was.has_value(); });
}

} // namespace merix
