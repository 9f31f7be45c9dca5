#pragma once

// Writes NTv2 grid files from a description, so that tests need no grid from
// outside: subgrids with their parents, a shift field evaluated at the nodes,
// either byte order. The offsets of the records are exposed so that tests can
// damage a file one field at a time.
//
//   Ntv2File f;
//   f.subgrids = {{"ITALIA", "NONE", 36, 48, 6, 19, 0.25, 0.25}};
//   f.shift = [](double lat, double lon) { return Ntv2NodeShift{1.5, -2.0}; };
//   std::string bytes = f.bytes();

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tervano::test {

// The shifts written at a node, seconds of arc, longitude positive WEST as in the file.
struct Ntv2NodeShift {
    double latitude = 0;
    double longitudeWest = 0;
};

// Shift at a node given in decimal degrees, longitude positive east.
using Ntv2ShiftField = std::function<Ntv2NodeShift(double latitude, double longitude)>;

struct Ntv2WriterSubgrid {
    Ntv2WriterSubgrid() = default;
    Ntv2WriterSubgrid(std::string name_, std::string parent_, double south_, double north_, double west_,
                      double east_, double latitudeStep_, double longitudeStep_, Ntv2ShiftField shift_ = {})
        : name(std::move(name_)), parent(std::move(parent_)), south(south_), north(north_),
          westLongitude(west_), eastLongitude(east_), latitudeStep(latitudeStep_),
          longitudeStep(longitudeStep_), shift(std::move(shift_)) {}

    std::string name;
    std::string parent = "NONE";
    // Limits and steps in decimal degrees, longitudes positive EAST (the
    // writer turns them into seconds positive west).
    double south = 0, north = 0, westLongitude = 0, eastLongitude = 0;
    double latitudeStep = 0, longitudeStep = 0;
    Ntv2ShiftField shift; // empty: the file's field

    int rows() const { return static_cast<int>(std::lround((north - south) / latitudeStep)) + 1; }
    int columns() const {
        return static_cast<int>(std::lround((eastLongitude - westLongitude) / longitudeStep)) + 1;
    }
    std::size_t nodes() const {
        return static_cast<std::size_t>(rows()) * static_cast<std::size_t>(columns());
    }
};

inline constexpr std::size_t Ntv2Record = 16;
inline constexpr std::size_t Ntv2Header = 11 * Ntv2Record;

// The value of the record starting at `record`, in the file's byte order.
inline void PutNtv2Bytes(std::string& bytes, std::size_t at, std::uint64_t value, int size, bool bigEndian) {
    for (int i = 0; i < size; ++i) {
        const int shift = 8 * (bigEndian ? size - 1 - i : i);
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> shift) & 0xFFu);
    }
}
inline void PutNtv2Int(std::string& bytes, std::size_t record, std::int32_t v, bool bigEndian) {
    PutNtv2Bytes(bytes, record + 8, static_cast<std::uint32_t>(v), 4, bigEndian);
}
inline void PutNtv2Double(std::string& bytes, std::size_t record, double v, bool bigEndian) {
    PutNtv2Bytes(bytes, record + 8, std::bit_cast<std::uint64_t>(v), 8, bigEndian);
}
inline void PutNtv2Text(std::string& bytes, std::size_t record, const std::string& text) {
    std::string field = text.substr(0, 8);
    field.resize(8, ' ');
    bytes.replace(record + 8, 8, field);
}
// A float of a node at `at` (any byte offset).
inline void PutNtv2Float(std::string& bytes, std::size_t at, float v, bool bigEndian) {
    PutNtv2Bytes(bytes, at, std::bit_cast<std::uint32_t>(v), 4, bigEndian);
}

struct Ntv2File {
    std::string gsType = "SECONDS";
    std::string version = "NTv2.0";
    std::string source = "ROMA40";
    std::string target = "WGS84";
    double sourceMajor = 6378388.0, sourceMinor = 6356911.946;
    double targetMajor = 6378137.0, targetMinor = 6356752.314;
    bool bigEndian = false;
    bool endRecord = true;
    std::vector<Ntv2WriterSubgrid> subgrids;
    Ntv2ShiftField shift;

    // Byte offsets in bytes(): the header of subgrid k, and the node (row from
    // the south, column from the east) of subgrid k.
    std::size_t subgridOffset(std::size_t k) const {
        std::size_t at = Ntv2Header;
        for (std::size_t i = 0; i < k; ++i)
            at += Ntv2Header + 16 * subgrids[i].nodes();
        return at;
    }
    std::size_t nodeOffset(std::size_t k, int row, int column) const {
        const auto index = static_cast<std::size_t>(row) * static_cast<std::size_t>(subgrids[k].columns()) +
                           static_cast<std::size_t>(column);
        return subgridOffset(k) + Ntv2Header + 16 * index;
    }
    std::size_t size() const { return subgridOffset(subgrids.size()) + (endRecord ? Ntv2Record : 0); }

    std::string bytes() const {
        std::string out(size(), '\0');
        const auto record = [&](std::size_t at, const char* keyword) {
            out.replace(at, 8, std::string(keyword));
        };
        const char* overview[] = {"NUM_OREC", "NUM_SREC", "NUM_FILE", "GS_TYPE ", "VERSION ", "SYSTEM_F",
                                  "SYSTEM_T", "MAJOR_F ", "MINOR_F ", "MAJOR_T ", "MINOR_T "};
        for (std::size_t i = 0; i < 11; ++i)
            record(i * Ntv2Record, overview[i]);
        PutNtv2Int(out, 0, 11, bigEndian);
        PutNtv2Int(out, 16, 11, bigEndian);
        PutNtv2Int(out, 32, static_cast<std::int32_t>(subgrids.size()), bigEndian);
        PutNtv2Text(out, 48, gsType);
        PutNtv2Text(out, 64, version);
        PutNtv2Text(out, 80, source);
        PutNtv2Text(out, 96, target);
        PutNtv2Double(out, 112, sourceMajor, bigEndian);
        PutNtv2Double(out, 128, sourceMinor, bigEndian);
        PutNtv2Double(out, 144, targetMajor, bigEndian);
        PutNtv2Double(out, 160, targetMinor, bigEndian);

        const char* header[] = {"SUB_NAME", "PARENT  ", "CREATED ", "UPDATED ", "S_LAT   ", "N_LAT   ",
                                "E_LONG  ", "W_LONG  ", "LAT_INC ", "LONG_INC", "GS_COUNT"};
        for (std::size_t k = 0; k < subgrids.size(); ++k) {
            const Ntv2WriterSubgrid& g = subgrids[k];
            const std::size_t at = subgridOffset(k);
            for (std::size_t i = 0; i < 11; ++i)
                record(at + i * Ntv2Record, header[i]);
            PutNtv2Text(out, at, g.name);
            PutNtv2Text(out, at + 16, g.parent);
            PutNtv2Text(out, at + 32, "20261209");
            PutNtv2Text(out, at + 48, "20261209");
            PutNtv2Double(out, at + 64, g.south * 3600.0, bigEndian);
            PutNtv2Double(out, at + 80, g.north * 3600.0, bigEndian);
            PutNtv2Double(out, at + 96, -g.eastLongitude * 3600.0, bigEndian);
            PutNtv2Double(out, at + 112, -g.westLongitude * 3600.0, bigEndian);
            PutNtv2Double(out, at + 128, g.latitudeStep * 3600.0, bigEndian);
            PutNtv2Double(out, at + 144, g.longitudeStep * 3600.0, bigEndian);
            PutNtv2Int(out, at + 160, static_cast<std::int32_t>(g.nodes()), bigEndian);
            const Ntv2ShiftField& field = g.shift ? g.shift : shift;
            for (int r = 0; r < g.rows(); ++r)
                for (int c = 0; c < g.columns(); ++c) {
                    const Ntv2NodeShift s =
                        field(g.south + r * g.latitudeStep, g.eastLongitude - c * g.longitudeStep);
                    const std::size_t node = nodeOffset(k, r, c);
                    PutNtv2Float(out, node, static_cast<float>(s.latitude), bigEndian);
                    PutNtv2Float(out, node + 4, static_cast<float>(s.longitudeWest), bigEndian);
                    PutNtv2Float(out, node + 8, 0.01f, bigEndian);
                    PutNtv2Float(out, node + 12, 0.01f, bigEndian);
                }
        }
        if (endRecord) {
            record(size() - Ntv2Record, "END     ");
            out.replace(size() - 8, 8, std::string(8, '\0'));
        }
        return out;
    }
};

} // namespace tervano::test
