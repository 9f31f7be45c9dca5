#pragma once

#include "datum/SystemChangePages.h"
#include "files/RowConverter.h"

#include <memory>

// Rows carried from one reference system to another through the two pages
// of the change of system, geographic or plane, by the common-point table or
// through an NTv2 grid. Besides the result, each row says how it was
// obtained, in six columns whatever the method, so that a script reads them
// at the same places:
//   "Punto comune"           table: the row of the common point that carried it
//   "Distanza punto comune"  table: its distance from the point (metres, in the source zone)
//   "Attendibile"            table: "sì", or "no" where the window shows its notice of poor reliability
//   "Metodo"                 "tabella dei punti comuni" or "grigliato NTv2 FILE" (FILE without folders)
//   "Precisione (m)"         table: the method's accuracy for the pair of systems, whole metres
//   "Sottogriglia"           grid: the name of the subgrid that gave the shift
// the columns of the other method left empty. The table and the grid are
// shared by every copy of a converter.
namespace tervano::files {

// The common point, distance and reliability columns of a result.
struct CommonPointColumns {
    int row = 0;
    double distance = 0;
    bool reliable = true;
};

class GeographicChangeRows : public RowConverter {
public:
    // With a grid (its `grid` set) the rows go through it, else through the table.
    GeographicChangeRows(const PageSettings& settings, std::shared_ptr<const CommonPointTable> table,
                         System source, System target, GridChoice grid = {});
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
                    System source, System target, GridChoice grid = {});
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
