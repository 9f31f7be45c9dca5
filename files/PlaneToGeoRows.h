#pragma once

#include "files/RowConverter.h"
#include "windows/PlaneToGeoPage.h"

// Rows of North and East to latitude and longitude through PlaneToGeoPage:
// Gauss-Boaga (the zone follows from East) or UTM in the zone chosen. The
// zone the point was computed in is written after the angles.
namespace tervano::files {

class PlaneToGeoRows : public RowConverter {
public:
    PlaneToGeoRows(const PageSettings& settings, System system, PlaneZone utmZone);

    std::unique_ptr<RowConverter> clone() const override { return std::make_unique<PlaneToGeoRows>(*this); }
    std::vector<InputRole> inputs() const override;
    std::vector<std::string> resultHeader() const override;
    std::optional<std::string> convert(std::span<const TypedNumber> fields,
                                       std::vector<std::string>& results) override;

private:
    PlaneToGeoPage page_;
};

} // namespace tervano::files
