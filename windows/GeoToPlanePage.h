#pragma once

#include "geodesy/PlaneConversions.h"
#include "windows/ConversionPage.h"

#include <string>
#include <vector>

// Geographic to plane coordinates of one point: Gauss-Boaga for ROMA40, UTM
// for ED50 and WGS84, in the zone of membership (with the neighbouring zone
// when the point lies in its overlap band) or in a zone chosen by hand.
//
// Usage:
//   GeoToPlanePage p(settings);
//   p.chooseSystem(System::ED50);
//   p.setLatitude(lat); p.setLongitude(lon);   // TypedValue from the boxes
//   if (auto refused = p.execute()) ...        // input 1 latitude, 2 longitude
//   else p.result().North, p.result().zoneCaption ...
namespace tervano {

enum class ZoneChoice { Membership, ByHand };

class GeoToPlanePage : public ConversionPage {
public:
    enum Input { Latitude = 1, Longitude = 2 };

    // What "ESEGUI" shows: the values and their texts.
    struct Result {
        GeoToPlaneResult values{};
        std::string north, east;               // "# ### ##0.000"
        std::string overlapNorth, overlapEast; // empty without overlap
        std::string overlapCaption;            // "Fuso 33 (sovrapposizione)"
    };

    explicit GeoToPlanePage(const PageSettings& s) : ConversionPage(s) {}

    // Each choice drops the result. Choosing the zone by hand starts on
    // Gauss-Boaga Ovest for ROMA40 and on UTM 32 otherwise.
    void chooseSystem(System s);
    void chooseZone(ZoneChoice c);
    void chooseHandZone(PlaneZone z);
    System system() const { return system_; }
    ZoneChoice zoneChoice() const { return zoneChoice_; }
    PlaneZone handZone() const { return handZone_; }
    // The zones offered by hand for the system: Ovest, Est or UTM 32..34.
    static std::vector<PlaneZone> HandZones(System s);

    void setLatitude(const TypedValue& v) { latitude_ = v; }
    void setLongitude(const TypedValue& v) { longitude_ = v; }
    const TypedValue& latitude() const { return latitude_; }
    const TypedValue& longitude() const { return longitude_; }
    // A ROMA40 longitude typed from Greenwich (LongitudeOrigin 2) is moved to
    // Monte Mario before it is checked and computed.
    bool greenwichShiftApplies() const;
    // The longitude computed with: from Monte Mario for ROMA40.
    double computedLongitude() const;

    // Captions of the system chosen.
    std::string systemCaption() const;
    std::string geographicCaption() const;
    std::string planeCaption() const;
    std::vector<std::string> description() const;
    // Caption of the zone the North and East are in: the zone chosen by hand,
    // or the zone of membership once computed; empty before.
    std::string zoneCaption() const;

    std::optional<Refusal> execute() override;
    bool hasResult() const override { return hasResult_; }
    void clearResult() override { hasResult_ = false; }
    const Result& result() const { return result_; }

    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override { return c.isGeographic(); }
    CopiedCoordinatesRecord copyRecord() const override;
    void paste(const CopiedCoordinatesRecord& c) override;

    std::string printTitle() const override { return "TRASFORMAZIONE COORDINATE DA GEOGRAFICHE A PIANE"; }
    PrintedBlock printedBlock(const PrintTexts& t) const override;

private:
    System system_ = System::ROMA40;
    ZoneChoice zoneChoice_ = ZoneChoice::Membership;
    PlaneZone handZone_ = PlaneZone::GBOvest;
    TypedValue latitude_, longitude_;
    bool hasResult_ = false;
    Result result_;
};

} // namespace tervano
