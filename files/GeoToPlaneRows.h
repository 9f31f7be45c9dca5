#pragma once

#include "files/RowConverter.h"
#include "windows/GeoToPlanePage.h"

// Rows of latitude and longitude to North and East through GeoToPlanePage:
// in the zone of membership, with the overlap zone's North, East and zone
// in three more columns when the point lies in an overlap band, or in a zone
// chosen by hand. ROMA40 longitudes count from Monte Mario or from Greenwich
// as the settings say, as in the window.
namespace tervano::files {

class GeoToPlaneRows : public RowConverter {
public:
    // handZone: nothing for the zone of membership.
    GeoToPlaneRows(const PageSettings& settings, System system, std::optional<PlaneZone> handZone);

    std::unique_ptr<RowConverter> clone() const override { return std::make_unique<GeoToPlaneRows>(*this); }
    std::vector<InputRole> inputs() const override;
    std::vector<std::string> resultHeader() const override;
    std::optional<std::string> convert(std::span<const TypedNumber> fields,
                                       std::vector<std::string>& results) override;

    const GeoToPlanePage& page() const { return page_; }

private:
    GeoToPlanePage page_;
};

} // namespace tervano::files
