#include "warning_list.h"

namespace backplot {

std::vector<std::string> warning_list(const Plot& plot) {
    std::vector<std::string> lines;
    lines.reserve(plot.warnings().size() + 1);
    for (const Warning& warning : plot.warnings())
        lines.push_back("Line " + std::to_string(warning.line) + ": " + warning.text);
    if (plot.warning_count() > plot.warnings().size())
        lines.push_back("... and " + std::to_string(plot.warning_count() - plot.warnings().size()) +
                        " more, not listed");
    return lines;
}

} // namespace backplot
