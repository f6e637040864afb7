#include "generator/Explanation.h"

namespace merix {

std::string Explanation::text() const {
    return section + ": " + detail();
}

std::string Explanation::detail() const {
    std::string out = label;
    for (const FieldChange& f : fields) {
        if (!f.field.empty())
            out += ", " + f.field;
        out += " = " + (f.value.empty() ? std::string("(empty)") : f.value);
        if (f.was)
            out += " (was " + (f.was->empty() ? std::string("empty") : *f.was) + ")";
    }
    return out;
}

} // namespace merix
