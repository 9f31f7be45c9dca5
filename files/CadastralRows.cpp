#include "files/CadastralRows.h"

#include "files/DelimitedText.h"
#include "geodesy/ReferenceSystems.h"

#include <charconv>

namespace tervano::files {

namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string Trimmed(std::string_view s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

std::optional<double> Number(std::string_view text) {
    std::string normalised;
    if (!IsNumberField(text, false, normalised))
        return std::nullopt;
    const TypedNumber n = ReadNumberField(normalised);
    if (!n.valid)
        return std::nullopt;
    return n.value;
}

void ChooseCentre(CadastralPage& page, const CentreChoice& centre) {
    if (centre.index != UserDefinedCentre) {
        page.chooseCentre(centre.index);
        return;
    }
    page.chooseCentre(UserDefinedCentre);
    page.setCentreLatitude({centre.latitude, true, page.typedCentreText(centre.latitude)});
    page.setCentreLongitude({centre.longitude, true, page.typedCentreText(centre.longitude)});
}

} // namespace

std::optional<CentreChoice> CentreFromText(std::string_view text, std::string& error) {
    const std::string t = Trimmed(text);
    CentreChoice c;
    // A number of the table.
    int index = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), index);
    if (!t.empty() && r.ec == std::errc() && r.ptr == t.data() + t.size()) {
        if (index < 1 || index >= CentreCount) {
            error = "Centro catastale \"" + t + "\" inesistente: i centri sono numerati da 1 a " +
                    std::to_string(CentreCount - 1);
            return std::nullopt;
        }
        c.index = index;
        return c;
    }
    // A typed centre.
    if (const size_t comma = t.find(','); comma != std::string::npos) {
        const auto lat = Number(std::string_view(t).substr(0, comma));
        const auto lon = Number(std::string_view(t).substr(comma + 1));
        if (!lat || !lon) {
            error = "Centro catastale non valido: \"" + t + "\" (latitudine,longitudine in gg.ppssdddd)";
            return std::nullopt;
        }
        c.latitude = *lat;
        c.longitude = *lon;
        return c;
    }
    // A name, whole or its beginning.
    const std::string wanted = Lower(t);
    std::vector<int> matches;
    for (int i = 1; i < CentreCount; ++i) {
        const std::string name = Lower(CentreName(i));
        if (name == wanted) {
            matches = {i};
            break;
        }
        if (!wanted.empty() && name.rfind(wanted, 0) == 0)
            matches.push_back(i);
    }
    if (matches.size() == 1) {
        c.index = matches[0];
        return c;
    }
    if (matches.empty()) {
        error = "Centro catastale sconosciuto: \"" + t + "\"";
    } else {
        error = "Il nome \"" + t + "\" indica più centri catastali:";
        for (int i : matches)
            error += (i == matches[0] ? " " : ", ") + std::to_string(i) + " " + CentreName(i);
    }
    return std::nullopt;
}

CadastreToGaussBoagaRows::CadastreToGaussBoagaRows(const PageSettings& settings, const CentreChoice& centre)
    : page_(settings) {
    ChooseCentre(page_, centre);
}

std::vector<InputRole> CadastreToGaussBoagaRows::inputs() const {
    return {{"x", FieldKind::Length}, {"y", FieldKind::Length}};
}

std::vector<std::string> CadastreToGaussBoagaRows::resultHeader() const {
    return {"Nord", "Est", "Fuso"};
}

std::optional<std::string> CadastreToGaussBoagaRows::convert(std::span<const TypedNumber> fields,
                                                             std::vector<std::string>& results) {
    const int unit = page_.settings().angleUnit;
    page_.setFirst(TypedOf(fields[0], FieldKind::Length, unit));
    page_.setSecond(TypedOf(fields[1], FieldKind::Length, unit));
    results.clear();
    if (const std::optional<Refusal> refused = page_.execute())
        return StatusOf(*refused);
    for (const std::string& shown : page_.resultTexts())
        results.push_back(LengthColumn(shown));
    results.emplace_back(ZoneColumn(page_.resultZone()));
    return std::nullopt;
}

GaussBoagaToCadastreRows::GaussBoagaToCadastreRows(const PageSettings& settings, const CentreChoice& centre)
    : page_(settings) {
    ChooseCentre(page_, centre);
}

std::vector<InputRole> GaussBoagaToCadastreRows::inputs() const {
    return {{"nord", FieldKind::Length}, {"est", FieldKind::Length}};
}

std::vector<std::string> GaussBoagaToCadastreRows::resultHeader() const {
    return {"X", "Y"};
}

std::optional<std::string> GaussBoagaToCadastreRows::convert(std::span<const TypedNumber> fields,
                                                             std::vector<std::string>& results) {
    const int unit = page_.settings().angleUnit;
    page_.setFirst(TypedOf(fields[0], FieldKind::Length, unit));
    page_.setSecond(TypedOf(fields[1], FieldKind::Length, unit));
    results.clear();
    if (const std::optional<Refusal> refused = page_.execute())
        return StatusOf(*refused);
    for (const std::string& shown : page_.resultTexts())
        results.push_back(LengthColumn(shown));
    return std::nullopt;
}

} // namespace tervano::files
