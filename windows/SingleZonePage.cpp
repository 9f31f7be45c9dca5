#include "windows/SingleZonePage.h"

#include "geodesy/PlaneConversions.h"
#include "geodesy/TextNumbers.h"

namespace tervano {

namespace {

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

bool SingleZonePage::Differs(const TypedValue& a, const TypedValue& b) {
    return a.value != b.value || a.valid != b.valid || a.shown != b.shown;
}

void SingleZonePage::chooseSystem(System s) {
    if (s != system_)
        clearResult();
    system_ = s;
}

void SingleZonePage::chooseMeridian(ZoneParameter p) {
    if (p != meridian_)
        clearResult();
    meridian_ = p;
}

void SingleZonePage::chooseScale(ZoneParameter p) {
    if (p != scale_)
        clearResult();
    scale_ = p;
}

void SingleZonePage::setTypedMeridian(const TypedValue& degrees) {
    if (Differs(degrees, typedMeridian_))
        clearResult();
    typedMeridian_ = degrees;
}

void SingleZonePage::setTypedFalseEast(const TypedValue& metres) {
    if (Differs(metres, typedFalseEast_))
        clearResult();
    typedFalseEast_ = metres;
}

void SingleZonePage::setTypedScale(const TypedValue& factor) {
    if (Differs(factor, typedScale_))
        clearResult();
    typedScale_ = factor;
}

SingleZoneSettings SingleZonePage::zone() const {
    SingleZoneSettings s;
    s.systemCode = Code(system_);
    s.longitudeOrigin = settings().longitudeOrigin;
    s.MeridianChoice = meridian_ == ZoneParameter::Typed ? TypedChoice : DefaultChoice;
    s.typedMeridian = typedMeridian_.value;
    s.typedMeridianValid = typedMeridian_.valid;
    s.typedFalseEast = typedFalseEast_.value;
    s.typedFalseEastValid = typedFalseEast_.valid;
    s.ScaleChoice = scale_ == ZoneParameter::Typed ? TypedChoice : DefaultChoice;
    s.typedScale = typedScale_.value;
    s.typedScaleValid = typedScale_.valid;
    return s;
}

std::string SingleZonePage::defaultParametersText() const {
    return DefaultParametersText(Code(system_), settings().longitudeOrigin, settings().angleUnit);
}

std::string SingleZonePage::meridianText() const {
    return MeridianDescriptionText(zone(), settings().decimalPoint);
}

std::string SingleZonePage::falseEastText() const {
    // A typed false East as its box shows it (nothing for an empty box).
    if (meridian_ == ZoneParameter::Typed)
        return Trimmed(typedFalseEast_.shown);
    return FormatPattern(SingleZoneDefaultFalseEast, Patterns::MetresWhole, settings().decimalPoint);
}

std::string SingleZonePage::scaleText() const {
    // The usual factor as its label writes it, with a point in every locale.
    return scale_ == ZoneParameter::Typed ? typedScale_.shown : PlainDecimalText(SingleZoneDefaultScale);
}

std::vector<std::string> SingleZonePage::description() const {
    return SingleZoneDescription(Code(system_), {}, {}, {});
}

std::vector<std::string> SingleZonePage::printedDescription() const {
    return SingleZoneDescription(Code(system_), meridianText(), falseEastText(), scaleText());
}

std::string SingleZonePage::systemCaption() const {
    return SystemCaption(Code(system_));
}

std::string SingleZonePage::geographicCaption() const {
    return GeographicFrameCaption(Code(system_));
}

bool SingleZonePage::greenwichLongitudes() const {
    return system_ == System::ROMA40 && settings().longitudeOrigin == 2;
}

std::string SingleZonePage::printTitle() const {
    return "TRASFORMAZIONE COORDINATE CON PARAMETRI PERSONALIZZATI";
}

std::string SingleZonePage::geographicHeading() const {
    return geographicCaption() + (greenwichLongitudes() ? "  (Long. da Greenwich)" : "");
}

PrintedBlock SingleZonePage::block(const PrintTexts& t, const std::string& inputHeading,
                                   const PrintedPair& input, const std::string& resultHeading,
                                   const PrintedPair& result) const {
    PrintedBlock b;
    b.start(t, systemCaption(), printedDescription(), pointName());
    for (const auto& [heading, pair] : {std::pair{inputHeading, input}, std::pair{resultHeading, result}}) {
        b.line(11, true, {heading});
        b.line(11, false, {pair.caption1, pair.value1, t.gapWide, pair.caption2, pair.value2});
        b.empty();
    }
    return b.end(t);
}

} // namespace tervano
