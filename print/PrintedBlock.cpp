#include "print/PrintedBlock.h"

namespace tervano {

std::string PrintedLine::text() const {
    std::string out;
    for (const std::string& p : pieces)
        out += p;
    return out;
}

PrintedBlock& PrintedBlock::line(int size, bool bold, std::vector<std::string> pieces) {
    PrintedLine l;
    l.pieces = std::move(pieces);
    l.size = size;
    l.bold = bold;
    lines_.push_back(std::move(l));
    return *this;
}

PrintedBlock& PrintedBlock::empty(int size) {
    return line(size, false, {});
}

PrintedBlock& PrintedBlock::text(const std::vector<std::string>& lines, int size) {
    for (const std::string& l : lines)
        if (!l.empty())
            line(size, false, {l});
    return *this;
}

PrintedBlock& PrintedBlock::start(const PrintTexts& t, const std::string& systemCaption,
                                  const std::vector<std::string>& description, const std::string& pointName) {
    line(11, true, {"Sistema Geodetico di riferimento: ", systemCaption});
    text(description, 8);
    empty(8);
    line(11, false, {t.pointCaption, pointName});
    return empty();
}

PrintedBlock& PrintedBlock::end(const PrintTexts& t) {
    line(11, false, {t.rule});
    return empty();
}

std::vector<std::string> PrintedBlock::texts() const {
    std::vector<std::string> out;
    out.reserve(lines_.size());
    for (const PrintedLine& l : lines_)
        out.push_back(l.text());
    return out;
}

} // namespace tervano
