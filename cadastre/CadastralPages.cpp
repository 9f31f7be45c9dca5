#include "cadastre/CadastralPages.h"

#include "geodesy/ReferenceSystems.h"
#include "geodesy/TextNumbers.h"

namespace tervano {

namespace {

int InputNumber(CadastralInput input) {
    switch (input) {
    case CadastralInput::CentreLatitude:
        return CentreLatitudeInput;
    case CadastralInput::CentreLongitude:
        return CentreLongitudeInput;
    case CadastralInput::Nord:
    case CadastralInput::X:
        return FirstCoordinateInput;
    case CadastralInput::Est:
    case CadastralInput::Y:
        return SecondCoordinateInput;
    }
    return 0;
}

} // namespace

Refusal RefusalOf(const CadastralCheckFailure& failure) {
    return Refusal{InputNumber(failure.input), failure.lines, RefusalIcon::Stop};
}

// ---- both directions ----

CentreSelection CadastralPage::chooseCentre(int index) {
    const CentreSelection s = SelectCentre(index, centre_);
    switch (s.action) {
    case CentreSelection::Action::ShowAgain:
        return s;
    case CentreSelection::Action::ClearCentre:
        centreIndex_ = UserDefinedCentre;
        centreLatitudeShown_.clear();
        centreLongitudeShown_.clear();
        break;
    case CentreSelection::Action::ShowCentre:
        centreIndex_ = index;
        centreLatitudeShown_ = FormatCentreValue(centre_.centreLatitude, false, settings().decimalPoint);
        centreLongitudeShown_ = FormatCentreValue(centre_.centreLongitude, true, settings().decimalPoint);
        break;
    }
    // Nothing computed about another centre stays.
    clearResult();
    return s;
}

void CadastralPage::setCentreValue(double& value, std::string& shown, const TypedValue& v) {
    if (v.value != value)
        clearResult();
    value = v.value;
    shown = v.shown;
    // A typed value makes the centre a user-defined one; the provinces of a table row no longer apply.
    centreIndex_ = UserDefinedCentre;
}

void CadastralPage::setTyped(TypedValue& typed, const TypedValue& v) {
    if (v.value != typed.value || v.valid != typed.valid)
        clearResult();
    typed = v;
}

void CadastralPage::setCentreLatitude(const TypedValue& v) {
    setCentreValue(centre_.centreLatitude, centreLatitudeShown_, v);
}

void CadastralPage::setCentreLongitude(const TypedValue& v) {
    setCentreValue(centre_.centreLongitude, centreLongitudeShown_, v);
}

std::string CadastralPage::typedCentreText(double v) const {
    return FormatCentreValue(v, false, settings().decimalPoint);
}

void CadastralPage::pasteValues(double first, double second) {
    first_ = {first, true, FormatPattern(first, Patterns::MetresCm, settings().decimalPoint)};
    second_ = {second, true, FormatPattern(second, Patterns::MetresCm, settings().decimalPoint)};
    clearResult();
}

std::array<std::string, 2> CadastralPage::resultTexts() const {
    if (!result_)
        return {};
    return {FormatPattern(result_->first, Patterns::MetresCm, settings().decimalPoint),
            FormatPattern(result_->second, Patterns::MetresCm, settings().decimalPoint)};
}

std::string CadastralPage::printTitle() const {
    return "TRASFORMAZIONE CASSINI SOLDNER <> GAUSS BOAGA";
}

PrintedBlock CadastralPage::printedBlock(const PrintTexts& t) const {
    const std::array<const char*, 2> typed = inputLabels();
    const std::array<const char*, 2> computed = resultLabels();
    const std::array<std::string, 2> results = resultTexts();
    PrintedBlock b;
    b.line(11, true, {"Centro del Sistema Catastale (Bessel Genova):  ", CentreName(centreIndex_)});
    b.line(11, false,
           {"Latitudine: ", centreLatitudeShown_, t.gapWide, "Longitudine: ", centreLongitudeShown_});
    b.empty();
    b.line(11, false, {t.pointCaption, pointName()});
    b.empty();
    b.line(11, true, {inputCaption()});
    b.line(11, false, {typed[0], first_.shown, t.gapWide, typed[1], second_.shown});
    b.empty();
    b.line(11, true, {resultCaption()});
    b.line(11, false, {computed[0], results[0], t.gapWide, computed[1], results[1]});
    return b.end(t);
}

namespace {
const char* const GaussBoagaCaption = "Coordinate GAUSS BOAGA";
const char* const CassiniCaption = "Coordinate CASSINI SOLDNER";
const std::array<const char*, 2> GaussBoagaLabels{"Nord: ", "Est: "};
const std::array<const char*, 2> CassiniLabels{"X: ", "Y: "};
} // namespace

// ---- Gauss-Boaga to Cassini-Soldner ----

std::optional<Refusal> GaussBoagaToCassiniPage::execute() {
    clearResult();
    if (const auto failure = CheckCentre(centre()))
        return RefusalOf(*failure);
    if (const auto failure = CheckGaussBoaga(first().value, second().value))
        return RefusalOf(*failure);
    const CassiniResult r = GaussBoagaToCassini(centre(), first().value, second().value);
    if (const auto failure = CheckCassiniResult(r))
        return RefusalOf(*failure);
    setResult({r.X, r.Y, r.ZoneCode});
    return std::nullopt;
}

bool GaussBoagaToCassiniPage::acceptsPaste(const CopiedCoordinatesRecord& c) const {
    return c.isNationalPlane() && c.SystemCode == ROMA40;
}

CopiedCoordinatesRecord GaussBoagaToCassiniPage::copyRecord() const {
    CopiedCoordinatesRecord c;
    if (!result())
        return c;
    c.Kind = CopiedKind::Cadastral;
    c.CadastralX = result()->first;
    c.CadastralY = result()->second;
    // Cadastral coordinates belong to their centre, not to a system.
    c.SystemCode = 0;
    c.ZoneCode = 0;
    return c;
}

void GaussBoagaToCassiniPage::paste(const CopiedCoordinatesRecord& c) {
    if (acceptsPaste(c))
        pasteValues(c.North, c.East);
}

const char* GaussBoagaToCassiniPage::inputCaption() const {
    return GaussBoagaCaption;
}
const char* GaussBoagaToCassiniPage::resultCaption() const {
    return CassiniCaption;
}
std::array<const char*, 2> GaussBoagaToCassiniPage::inputLabels() const {
    return GaussBoagaLabels;
}
std::array<const char*, 2> GaussBoagaToCassiniPage::resultLabels() const {
    return CassiniLabels;
}

// ---- Cassini-Soldner to Gauss-Boaga ----

std::optional<Refusal> CassiniToGaussBoagaPage::execute() {
    clearResult();
    if (const auto failure = CheckCentre(centre()))
        return RefusalOf(*failure);
    if (const auto failure = CheckCassini(first().value, second().value, first().valid, second().valid))
        return RefusalOf(*failure);
    const GaussBoagaResult r = CassiniToGaussBoaga(centre(), first().value, second().value);
    if (const auto failure = CheckGaussBoagaResult(r))
        return RefusalOf(*failure);
    setResult({r.Nord, r.Est, r.ZoneCode});
    return std::nullopt;
}

bool CassiniToGaussBoagaPage::acceptsPaste(const CopiedCoordinatesRecord& c) const {
    return c.Kind == CopiedKind::Cadastral;
}

CopiedCoordinatesRecord CassiniToGaussBoagaPage::copyRecord() const {
    CopiedCoordinatesRecord c;
    if (!result())
        return c;
    c.Kind = CopiedKind::Plane;
    c.North = result()->first;
    c.East = result()->second;
    c.SystemCode = ROMA40;
    c.ZoneCode = result()->zoneCode;
    return c;
}

void CassiniToGaussBoagaPage::paste(const CopiedCoordinatesRecord& c) {
    if (acceptsPaste(c))
        pasteValues(c.CadastralX, c.CadastralY);
}

const char* CassiniToGaussBoagaPage::inputCaption() const {
    return CassiniCaption;
}
const char* CassiniToGaussBoagaPage::resultCaption() const {
    return GaussBoagaCaption;
}
std::array<const char*, 2> CassiniToGaussBoagaPage::inputLabels() const {
    return CassiniLabels;
}
std::array<const char*, 2> CassiniToGaussBoagaPage::resultLabels() const {
    return GaussBoagaLabels;
}

} // namespace tervano
