#pragma once

#include "geodesy/TextNumbers.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Lines of delimited text as a point file holds them: fields separated by a
// tab, a semicolon, a comma or runs of blanks; a field in double quotes may
// hold the delimiter (a doubled quote inside is one quote); lines starting
// with '#' are comments. Everything works on one line at a time.
namespace tervano::files {

enum class Delimiter { Tab, Semicolon, Comma, Blanks };

// The character written between two output fields: a single blank for Blanks.
char DelimiterChar(Delimiter d);
// "tab", "puntoevirgola", "virgola", "spazi": the names the options take.
const char* DelimiterName(Delimiter d);
std::optional<Delimiter> DelimiterFromName(std::string_view name);

// One field of a line: its text as it stands in the line (quotes included)
// and its value (quotes removed, blanks around it trimmed).
struct Field {
    std::string_view raw;
    std::string value;
};

// Splits a line (without its line end) into fields. Reuses `fields`' storage.
void SplitLine(std::string_view line, Delimiter d, std::vector<Field>& fields);

// A blank line (only blanks and tabs) or a comment ('#' as first non-blank).
bool IsBlankLine(std::string_view line);
bool IsCommentLine(std::string_view line);

// A field that is one number and nothing else: optional sign, digits with at
// most one decimal point ('.', or ',' when decimalComma), an optional
// exponent (E or D, either case, optionally signed); blanks only around it.
// On success `normalised` holds the text with a decimal comma made a point,
// ready for the typed-number rule.
bool IsNumberField(std::string_view text, bool decimalComma, std::string& normalised);

// The value of a field IsNumberField accepted (its normalised text), by the
// typed-number rule (ReadTypedNumber). A short field without exponent, the
// common case, is read directly: the rule then comes down to the correctly
// rounded double of the same decimal number, which cannot overflow or
// underflow at that length; the rule's +0 for a negative zero is kept.
TypedNumber ReadNumberField(std::string_view normalised);

// The delimiter of the data lines among `lines` (comments and blank lines
// are skipped): a tab, else a semicolon, that gives most lines the same number
// of fields (at least two); else the comma or blanks, whichever gives more
// lines the same number of fields and then more fields that are numbers
// (the comma on a tie). Blanks when nothing fits.
Delimiter DetectDelimiter(const std::vector<std::string_view>& lines);

// Appends a field to an output line, in quotes when it holds the delimiter,
// a quote, or a blank for Blanks (quotes inside doubled).
void AppendField(std::string& out, std::string_view value, Delimiter d);

} // namespace tervano::files
