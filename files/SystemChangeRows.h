#pragma once

#include "datum/SystemChangePages.h"
#include "files/RowConverter.h"

#include <memory>

// Rows carried from one reference system to another through the two pages
// of the change of system, geographic or plane. Besides the result, each row
// tells which common point of the table carried it (its row), how far it lies
// from the point (metres, in the source system's zone) and whether the result
// is reliable ("no" where the window shows its notice of poor reliability).
// The table is shared by every copy of a converter.
namespace tervano::files {

// The common point, distance and reliability columns of a result.
struct CommonPointColumns {
    int row = 0;
    double distance = 0;
    bool reliable = true;
};

class GeographicChangeRows : public RowConverter {
public:
    GeographicChangeRows(const PageSettings& settings, std::shared_ptr<const CommonPointTable> table,
                         System source, System target);
    GeographicChangeRows(const GeographicChangeRows& other);

    std::unique_ptr<RowConverter> clone() const override {
        return std::make_unique<GeographicChangeRows>(*this);
    }
    std::vector<InputRole> inputs() const override;
    std::vector<std::string> resultHeader() const override;
    std::optional<std::string> convert(std::span<const TypedNumber> fields,
                                       std::vector<std::string>& results) override;

private:
    std::shared_ptr<const CommonPointTable> table_;
    GeographicChangePage page_;
};

// A point of ED50 or WGS84 takes its UTM zone number (32, 33, 34) from a
// third field, as the window's zone box; a ROMA40 point's zone follows from East.
class PlaneChangeRows : public RowConverter {
public:
    PlaneChangeRows(const PageSettings& settings, std::shared_ptr<const CommonPointTable> table,
                    System source, System target);
    PlaneChangeRows(const PlaneChangeRows& other);

    std::unique_ptr<RowConverter> clone() const override { return std::make_unique<PlaneChangeRows>(*this); }
    std::vector<InputRole> inputs() const override;
    std::vector<std::string> resultHeader() const override;
    std::optional<std::string> convert(std::span<const TypedNumber> fields,
                                       std::vector<std::string>& results) override;

private:
    std::shared_ptr<const CommonPointTable> table_;
    PlaneChangePage page_;
};

} // namespace tervano::files
