#pragma once

#include <string>
#include <vector>

// What one "ACCODA" adds to the printed document, as a value: lines of text
// pieces written one after the other, each line in its font. The print queue
// renders it; nothing is read back from the windows to print.
namespace tervano {

struct PrintedLine {
    std::vector<std::string> pieces; // written one after the other; none: an empty line
    int x = 0;                       // twips from the page's left margin (PageLeft)
    std::string font = "Arial";
    int size = 11; // points
    bool bold = false;

    // The pieces as one text.
    std::string text() const;
    bool operator==(const PrintedLine&) const = default;
};

// The texts every block repeats, from the start-up of the program.
struct PrintTexts {
    std::string pointCaption = "Punto: ";       // before the point's name
    std::string rule = std::string(62, '_');    // closes every block
    std::string gapWide = std::string(14, ' '); // between two values of a line
    std::string gapNarrow = std::string(9, ' ');
};

class PrintedBlock {
public:
    // A line of pieces in the given size and weight.
    PrintedBlock& line(int size, bool bold, std::vector<std::string> pieces);
    PrintedBlock& empty(int size = 11);
    // Lines of an 8-point regular text, one per entry.
    PrintedBlock& text(const std::vector<std::string>& lines, int size = 8);

    // The rows every block opens with: the system caption, the system
    // description, the point's name.
    PrintedBlock& start(const PrintTexts& t, const std::string& systemCaption,
                        const std::vector<std::string>& description, const std::string& pointName);
    // The closing rule and an empty line.
    PrintedBlock& end(const PrintTexts& t);

    const std::vector<PrintedLine>& lines() const { return lines_; }
    // The lines' texts, one per line, for reading and testing.
    std::vector<std::string> texts() const;

private:
    std::vector<PrintedLine> lines_;
};

} // namespace tervano
