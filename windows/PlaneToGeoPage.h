#pragma once

#include "geodesy/ReferenceSystems.h"
#include "windows/ConversionPage.h"

#include <string>
#include <vector>

// "Piane - Geografiche": Gauss-Boaga (ROMA40) or UTM (ED50, WGS84) North and
// East of one point back to latitude and longitude. The Gauss-Boaga zone
// follows from East; the UTM zone is the one chosen.
namespace tervano {

class PlaneToGeoPage : public ConversionPage {
public:
    // The inputs as the checks number them.
    enum Input : int { North = 1, East = 2 };

    explicit PlaneToGeoPage(const PageSettings& s = {}) : ConversionPage(s) {}

    // Choices; a change drops the result.
    void chooseSystem(System s);
    System system() const { return system_; }
    // The UTM zone of ED50 and WGS84 points (ROMA40 takes its zone from East).
    void chooseZone(PlaneZone z);
    PlaneZone zone() const { return zone_; }

    void setNorth(const TypedValue& v) { north_ = v; }
    void setEast(const TypedValue& v) { east_ = v; }
    const TypedValue& north() const { return north_; }
    const TypedValue& east() const { return east_; }

    // Texts that follow the system.
    bool showsZoneChoice() const { return system_ != System::ROMA40; }
    std::string systemCaption() const;
    std::string planeCaption() const;
    std::string geographicCaption() const;
    std::vector<std::string> description() const;
    // ROMA40 longitudes counted from Greenwich: the window shows its notice.
    bool greenwichLongitudes() const;

    std::optional<Refusal> execute() override;
    bool hasResult() const override { return hasResult_; }
    void clearResult() override { hasResult_ = false; }

    // The result: latitude and longitude in decimal degrees (ROMA40 longitude
    // from the settings' origin) and the zone the point was computed in.
    double latitude() const { return latitude_; }
    double longitude() const { return longitude_; }
    PlaneZone resultZone() const { return resultZone_; }
    std::string latitudeText() const;
    std::string longitudeText() const;

    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override { return c.isNationalPlane(); }
    CopiedCoordinatesRecord copyRecord() const override;
    void paste(const CopiedCoordinatesRecord& c) override;

    std::string printTitle() const override;
    PrintedBlock printedBlock(const PrintTexts& t) const override;

private:
    System system_ = System::ROMA40;
    PlaneZone zone_ = PlaneZone::UTM32;
    TypedValue north_, east_;
    bool hasResult_ = false;
    double latitude_ = 0, longitude_ = 0;
    PlaneZone resultZone_ = PlaneZone::UTM32;
};

} // namespace tervano
