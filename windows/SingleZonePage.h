#pragma once

#include "geodesy/ReferenceSystems.h"
#include "geodesy/SingleZone.h"
#include "windows/ConversionPage.h"

#include <string>
#include <vector>

// The single Gauss zone whose central meridian, false East and scale factor
// the user chooses: what its two directions share. The zone's choices and
// typed parameters, the texts that describe the zone and the printed block's
// frame. SingleZoneGeoToPlanePage and SingleZonePlaneToGeoPage add their
// typed coordinates, checks, computation, copy and paste records.
//
// A window with both directions hands every choice and parameter to both
// pages, so that they describe and compute the same zone:
//   page.chooseSystem(System::ED50);
//   page.chooseMeridian(ZoneParameter::Typed);
//   page.setTypedMeridian({10.5, true, "10° 30' 00.0000''"});
//   label->setText(page.meridianText());
namespace tervano {

// A zone parameter: its default, or the value the user typed.
enum class ZoneParameter { Default, Typed };

class SingleZonePage : public ConversionPage {
public:
    explicit SingleZonePage(const PageSettings& s) : ConversionPage(s) {}

    // Each setter that changes the zone drops the result computed in the old one.
    void chooseSystem(System s);
    // The central meridian and the false East, default or typed together.
    void chooseMeridian(ZoneParameter p);
    void chooseScale(ZoneParameter p);
    void setTypedMeridian(const TypedValue& degrees);
    void setTypedFalseEast(const TypedValue& metres);
    void setTypedScale(const TypedValue& factor);

    System system() const { return system_; }
    ZoneParameter meridianChoice() const { return meridian_; }
    ZoneParameter scaleChoice() const { return scale_; }
    // The zone as the engine takes it, in the longitude origin of the settings.
    SingleZoneSettings zone() const;
    SingleZoneParameters parameters() const { return ResolveParameters(zone()); }

    // The default meridian and false East, in the angle notation of the settings.
    std::string defaultParametersText() const;
    // The zone's values beside the description's last three lines.
    std::string meridianText() const;
    std::string falseEastText() const;
    std::string scaleText() const;
    // The description as the window shows it (the values stand beside it)
    // and as it is printed (the values written into it).
    std::vector<std::string> description() const;
    std::vector<std::string> printedDescription() const;
    std::string systemCaption() const;
    // "Coordinate Geografiche ROMA40" ...
    std::string geographicCaption() const;
    // ROMA40 longitudes counted from Greenwich: the window shows its notices.
    bool greenwichLongitudes() const;

    std::string printTitle() const override;

protected:
    // Whether a typed value differs from another in what a page computes or prints.
    static bool Differs(const TypedValue& a, const TypedValue& b);
    // Two values of a printed group, each after its caption.
    struct PrintedPair {
        std::string caption1, value1, caption2, value2;
    };
    // The geographic frame's caption as printed: noted when longitudes count from Greenwich.
    std::string geographicHeading() const;
    // The block: the zone, the point, the input group and the result group.
    PrintedBlock block(const PrintTexts& t, const std::string& inputHeading, const PrintedPair& input,
                       const std::string& resultHeading, const PrintedPair& result) const;

private:
    System system_ = System::ROMA40;
    ZoneParameter meridian_ = ZoneParameter::Default;
    ZoneParameter scale_ = ZoneParameter::Default;
    // An empty parameter box reads as 0.
    TypedValue typedMeridian_{0, true, ""};
    TypedValue typedFalseEast_{0, true, ""};
    TypedValue typedScale_{0, true, ""};
};

// The caption every single-zone plane frame and printed group carries.
inline constexpr const char* SingleZonePlaneCaption = "Coordinate Piane Fuso Unico";

} // namespace tervano
