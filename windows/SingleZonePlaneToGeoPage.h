#pragma once

#include "windows/SingleZonePage.h"

// Plane coordinates of the single zone to geographic: North and East (with
// the false East) to latitude and longitude (decimal degrees, longitude in the
// convention of the central meridian).
namespace tervano {

class SingleZonePlaneToGeoPage : public SingleZonePage {
public:
    explicit SingleZonePlaneToGeoPage(const PageSettings& s) : SingleZonePage(s) {}

    void setNorth(const TypedValue& metres);
    void setEast(const TypedValue& metres);

    // Checks: scale factor, false East, North, East, central meridian, then
    // the point itself (inputs numbered as SingleZoneInputs).
    std::optional<Refusal> execute() override;
    bool hasResult() const override { return hasResult_; }
    void clearResult() override { hasResult_ = false; }
    double latitude() const { return latitude_; }
    double longitude() const { return longitude_; }
    // In the angle notation of the settings; empty without a result.
    std::string latitudeText() const;
    std::string longitudeText() const;

    // North and East copied in this same zone: the record's system with this
    // page's meridian, false East and factor must give the record's zone.
    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override;
    CopiedCoordinatesRecord copyRecord() const override;
    void paste(const CopiedCoordinatesRecord& c) override;
    PrintedBlock printedBlock(const PrintTexts& t) const override;

private:
    TypedValue north_{0, true, ""};
    TypedValue east_{0, true, ""};
    bool hasResult_ = false;
    double latitude_ = 0, longitude_ = 0;
};

} // namespace tervano
