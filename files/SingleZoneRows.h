#pragma once

#include "files/RowConverter.h"
#include "windows/SingleZoneGeoToPlanePage.h"
#include "windows/SingleZonePlaneToGeoPage.h"

// Rows in the single Gauss zone through its two pages: the zone's central
// meridian with its false East, and its scale factor, default or typed, as the
// window takes them (a meridian in the notation of the run, decimal degrees
// for the page).
namespace tervano::files {

// The zone's choices: nothing for a default parameter.
struct SingleZoneChoice {
    std::optional<TypedValue> meridian; // decimal degrees; with falseEast
    std::optional<TypedValue> falseEast;
    std::optional<TypedValue> scale;
};

class SingleZoneGeoToPlaneRows : public RowConverter {
public:
    SingleZoneGeoToPlaneRows(const PageSettings& settings, System system, const SingleZoneChoice& zone);

    std::unique_ptr<RowConverter> clone() const override {
        return std::make_unique<SingleZoneGeoToPlaneRows>(*this);
    }
    std::vector<InputRole> inputs() const override;
    std::vector<std::string> resultHeader() const override;
    std::optional<std::string> convert(std::span<const TypedNumber> fields,
                                       std::vector<std::string>& results) override;

private:
    SingleZoneGeoToPlanePage page_;
};

class SingleZonePlaneToGeoRows : public RowConverter {
public:
    SingleZonePlaneToGeoRows(const PageSettings& settings, System system, const SingleZoneChoice& zone);

    std::unique_ptr<RowConverter> clone() const override {
        return std::make_unique<SingleZonePlaneToGeoRows>(*this);
    }
    std::vector<InputRole> inputs() const override;
    std::vector<std::string> resultHeader() const override;
    std::optional<std::string> convert(std::span<const TypedNumber> fields,
                                       std::vector<std::string>& results) override;

private:
    SingleZonePlaneToGeoPage page_;
};

} // namespace tervano::files
