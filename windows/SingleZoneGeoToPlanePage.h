#pragma once

#include "windows/SingleZonePage.h"

// Geographic to plane coordinates in the single zone: latitude and longitude
// (decimal degrees, longitudes in the zone's own convention) to North and
// East (with the false East).
namespace tervano {

class SingleZoneGeoToPlanePage : public SingleZonePage {
public:
    explicit SingleZoneGeoToPlanePage(const PageSettings& s) : SingleZonePage(s) {}

    void setLatitude(const TypedValue& degrees);
    void setLongitude(const TypedValue& degrees);

    // Checks: scale factor, false East, latitude, longitude, central meridian
    // (inputs numbered as SingleZoneInputs).
    std::optional<Refusal> execute() override;
    bool hasResult() const override { return hasResult_; }
    void clearResult() override { hasResult_ = false; }
    double north() const { return north_; }
    double east() const { return east_; }
    // "# ### ##0.000"; empty without a result.
    std::string northText() const;
    std::string eastText() const;

    // Latitude and longitude of one of the three systems.
    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override;
    // North and East in this zone, with its parameters, so that only a page
    // of the same zone takes them back.
    CopiedCoordinatesRecord copyRecord() const override;
    void paste(const CopiedCoordinatesRecord& c) override;
    PrintedBlock printedBlock(const PrintTexts& t) const override;

private:
    TypedValue latitude_{0, true, ""};
    TypedValue longitude_{0, true, ""};
    bool hasResult_ = false;
    double north_ = 0, east_ = 0;
};

} // namespace tervano
