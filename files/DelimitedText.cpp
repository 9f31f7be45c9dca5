#include "files/DelimitedText.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tervano::files {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads one field starting at i; returns the position just after it (at the
// delimiter or the end of the line).
size_t ReadField(std::string_view line, size_t i, Delimiter d, Field& f) {
    const size_t n = line.size();
    const char sep = DelimiterChar(d);
    auto isSeparator = [&](char c) { return d == Delimiter::Blanks ? IsBlank(c) : c == sep; };
    const size_t start = i;
    f.value.clear();
    size_t k = i;
    while (k < n && IsBlank(line[k]))
        ++k;
    if (k < n && line[k] == '"') {
        // Quoted: up to the closing quote, a doubled quote standing for one.
        ++k;
        while (k < n) {
            if (line[k] == '"') {
                if (k + 1 < n && line[k + 1] == '"') {
                    f.value += '"';
                    k += 2;
                    continue;
                }
                ++k;
                break;
            }
            f.value += line[k++];
        }
        // Text between the closing quote and the delimiter stays with the value.
        const size_t after = k;
        while (k < n && !isSeparator(line[k]))
            ++k;
        f.value += Trim(line.substr(after, k - after));
    } else {
        while (k < n && !isSeparator(line[k]))
            ++k;
        f.value.assign(Trim(line.substr(start, k - start)));
    }
    f.raw = line.substr(start, k - start);
    return k;
}

} // namespace

char DelimiterChar(Delimiter d) {
    switch (d) {
    case Delimiter::Tab:
        return '\t';
    case Delimiter::Semicolon:
        return ';';
    case Delimiter::Comma:
        return ',';
    default:
        return ' ';
    }
}

const char* DelimiterName(Delimiter d) {
    switch (d) {
    case Delimiter::Tab:
        return "tab";
    case Delimiter::Semicolon:
        return "puntoevirgola";
    case Delimiter::Comma:
        return "virgola";
    default:
        return "spazi";
    }
}

std::optional<Delimiter> DelimiterFromName(std::string_view name) {
    for (Delimiter d : {Delimiter::Tab, Delimiter::Semicolon, Delimiter::Comma, Delimiter::Blanks})
        if (name == DelimiterName(d))
            return d;
    if (name == ";")
        return Delimiter::Semicolon;
    if (name == ",")
        return Delimiter::Comma;
    if (name == "spazio" || name == " ")
        return Delimiter::Blanks;
    return std::nullopt;
}

void SplitLine(std::string_view line, Delimiter d, std::vector<Field>& fields) {
    size_t count = 0;
    auto next = [&]() -> Field& {
        if (count == fields.size())
            fields.emplace_back();
        return fields[count++];
    };
    const size_t n = line.size();
    if (d == Delimiter::Blanks) {
        size_t i = 0;
        for (;;) {
            while (i < n && IsBlank(line[i]))
                ++i;
            if (i >= n)
                break;
            i = ReadField(line, i, d, next());
        }
    } else {
        const char sep = DelimiterChar(d);
        size_t i = 0;
        for (;;) {
            i = ReadField(line, i, d, next());
            if (i >= n || line[i] != sep)
                break;
            ++i; // past the delimiter: a field follows, empty when the line ends there
        }
    }
    fields.resize(count);
}

bool IsBlankLine(std::string_view line) {
    return Trim(line).empty();
}

bool IsCommentLine(std::string_view line) {
    const std::string_view t = Trim(line);
    return !t.empty() && t[0] == '#';
}

bool IsNumberField(std::string_view text, bool decimalComma, std::string& normalised) {
    const std::string_view t = Trim(text);
    const size_t n = t.size();
    size_t i = 0;
    if (i < n && (t[i] == '+' || t[i] == '-'))
        ++i;
    bool digits = false, point = false;
    for (; i < n; ++i) {
        const char c = t[i];
        if (IsDigit(c)) {
            digits = true;
        } else if ((c == '.' || (decimalComma && c == ',')) && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return false;
    if (i < n && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            ++i;
        bool expDigits = false;
        for (; i < n && IsDigit(t[i]); ++i)
            expDigits = true;
        if (!expDigits)
            return false;
    }
    if (i != n)
        return false;
    normalised.assign(t);
    if (decimalComma)
        for (char& c : normalised)
            if (c == ',')
                c = '.';
    return true;
}

TypedNumber ReadNumberField(std::string_view text) {
    if (text.size() > 30)
        return ReadTypedNumber(text);
    for (char c : text)
        if (c == 'E' || c == 'e' || c == 'D' || c == 'd')
            return ReadTypedNumber(text);
    if (!text.empty() && text[0] == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size())
        return ReadTypedNumber(text);
    return {value == 0.0 ? 0.0 : value, true};
}

Delimiter DetectDelimiter(const std::vector<std::string_view>& lines) {
    constexpr std::array<Delimiter, 4> order = {Delimiter::Tab, Delimiter::Semicolon, Delimiter::Comma,
                                                Delimiter::Blanks};
    std::vector<Field> fields;
    std::string scratch;
    Delimiter best = Delimiter::Blanks;
    long bestAgreeing = 0, bestNumbers = -1;
    for (Delimiter d : order) {
        // Fields per line, and numbers among them.
        std::vector<size_t> counts;
        long numbers = 0;
        for (std::string_view line : lines) {
            if (IsBlankLine(line) || IsCommentLine(line))
                continue;
            SplitLine(line, d, fields);
            counts.push_back(fields.size());
            for (const Field& f : fields)
                if (IsNumberField(f.value, d != Delimiter::Comma, scratch))
                    ++numbers;
        }
        // The most frequent count (the larger on a tie), and how many lines have it:
        // a few faulty rows do not hide the delimiter.
        size_t modal = 0;
        long agreeing = 0;
        for (size_t c : counts) {
            const long n = static_cast<long>(std::count(counts.begin(), counts.end(), c));
            if (n > agreeing || (n == agreeing && c > modal)) {
                agreeing = n;
                modal = c;
            }
        }
        if (modal < 2 || 2 * agreeing < static_cast<long>(counts.size()))
            continue;
        // A tab or a semicolon that splits the lines alike is the delimiter:
        // neither stands in a number. A comma may be a decimal comma between
        // blanks, so commas and blanks are weighed by the numbers they give.
        if (d == Delimiter::Tab || d == Delimiter::Semicolon)
            return d;
        if (agreeing > bestAgreeing || (agreeing == bestAgreeing && numbers > bestNumbers)) {
            bestAgreeing = agreeing;
            bestNumbers = numbers;
            best = d;
        }
    }
    return best;
}

void AppendField(std::string& out, std::string_view value, Delimiter d) {
    const char sep = DelimiterChar(d);
    const bool blanks = d == Delimiter::Blanks;
    bool quote = blanks && value.empty(); // an empty field between blanks would vanish
    for (size_t i = 0; i < value.size() && !quote; ++i) {
        const char c = value[i];
        quote = c == sep || c == '"' || (blanks && c == '\t');
    }
    if (!quote) {
        out += value;
        return;
    }
    out += '"';
    for (char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace tervano::files
