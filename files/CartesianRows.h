#pragma once

#include "files/RowConverter.h"
#include "windows/CartesianPages.h"

// Rows between latitude, longitude, ellipsoidal height and geocentric X, Y,
// Z through the two cartesian pages, with the ROMA40 X axis through Monte
// Mario or Greenwich as chosen. Where the window shows the longitude from
// Greenwich beside the result, it is written in one more column.
namespace tervano::files {

class GeoToCartesianRows : public RowConverter {
public:
    GeoToCartesianRows(const PageSettings& settings, System system, XAxis axis);

    std::unique_ptr<RowConverter> clone() const override {
        return std::make_unique<GeoToCartesianRows>(*this);
    }
    std::vector<InputRole> inputs() const override;
    std::vector<std::string> resultHeader() const override;
    std::optional<std::string> convert(std::span<const TypedNumber> fields,
                                       std::vector<std::string>& results) override;

private:
    GeoToCartesianPage page_;
};

class CartesianToGeoRows : public RowConverter {
public:
    CartesianToGeoRows(const PageSettings& settings, System system, XAxis axis);

    std::unique_ptr<RowConverter> clone() const override {
        return std::make_unique<CartesianToGeoRows>(*this);
    }
    std::vector<InputRole> inputs() const override;
    std::vector<std::string> resultHeader() const override;
    std::optional<std::string> convert(std::span<const TypedNumber> fields,
                                       std::vector<std::string>& results) override;

private:
    CartesianToGeoPage page_;
};

} // namespace tervano::files
