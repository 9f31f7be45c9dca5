#include "datum/Ntv2Grid.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>

namespace tervano {

namespace {

// The file is a sequence of 16-byte records: an 8-byte keyword, then an
// 8-byte value (a 4-byte integer and 4 bytes of padding, a double, or text).
constexpr std::size_t RecordSize = 16;
constexpr std::size_t HeaderRecords = 11; // both the overview and each subgrid header
constexpr std::size_t HeaderSize = HeaderRecords * RecordSize;
constexpr std::size_t NodeSize = 16; // four floats: two shifts, two accuracies

// No national or regional grid comes near these; they keep every count and
// product in range long before anything is allocated.
constexpr double MaxNodesPerSide = 1.0e7;
constexpr std::int32_t MaxSubgrids = 1000000;
constexpr std::uintmax_t MaxFileSize = std::uintmax_t{1} << 31; // 2 GiB

// A point this far outside a subgrid (seconds of arc, about 0.03 mm) is taken
// as on its edge: a limit typed in degrees seldom gives the seconds exactly.
constexpr double EdgeTolerance = 1.0e-6;

constexpr double InverseTolerance = 1.0e-9; // degrees
constexpr int InverseIterations = 20;

// The start of every message about a damaged file.
std::string Invalid() {
    return "GRIGLIATO NTv2 NON VALIDO: ";
}

std::uint32_t Swap32(std::uint32_t v) {
    return ((v & 0xFFu) << 24) | ((v & 0xFF00u) << 8) | ((v >> 8) & 0xFF00u) | (v >> 24);
}

std::uint64_t Swap64(std::uint64_t v) {
    return (std::uint64_t{Swap32(static_cast<std::uint32_t>(v))} << 32) |
           Swap32(static_cast<std::uint32_t>(v >> 32));
}

// Reads the records of the file from the start, in the byte order of the file.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    void setBigEndian(bool big) { swap_ = big != (std::endian::native == std::endian::big); }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    bool has(std::size_t n) const { return n <= remaining(); }
    void skip(std::size_t n) { pos_ += n; }

    // The keyword of the record at `offset` bytes from the current position.
    std::string_view keyword(std::size_t offset) const { return bytes_.substr(pos_ + offset, 8); }
    std::int32_t integer(std::size_t offset) const {
        return static_cast<std::int32_t>(raw32(pos_ + offset + 8));
    }
    double real(std::size_t offset) const {
        std::uint64_t v;
        std::memcpy(&v, bytes_.data() + pos_ + offset + 8, 8);
        return std::bit_cast<double>(swap_ ? Swap64(v) : v);
    }
    float single(std::size_t offset) const { return std::bit_cast<float>(raw32(pos_ + offset)); }
    // Eight characters, blanks and NULs at the end removed, anything not
    // printable shown as "?" so that a damaged name cannot garble a message.
    std::string text(std::size_t offset) const {
        std::string s(bytes_.substr(pos_ + offset + 8, 8));
        while (!s.empty() && (s.back() == ' ' || s.back() == '\0'))
            s.pop_back();
        for (char& ch : s)
            if (ch < 0x20 || ch > 0x7E)
                ch = '?';
        return s;
    }

private:
    std::uint32_t raw32(std::size_t at) const {
        std::uint32_t v;
        std::memcpy(&v, bytes_.data() + at, 4);
        return swap_ ? Swap32(v) : v;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool swap_ = false;
};

std::int32_t LittleEndianInt(std::string_view bytes, std::size_t at) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return static_cast<std::int32_t>(std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                                     (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24));
}

std::int32_t BigEndianInt(std::string_view bytes, std::size_t at) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return static_cast<std::int32_t>((std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) |
                                     (std::uint32_t{b[2]} << 8) | std::uint32_t{b[3]});
}

bool IsNone(const std::string& parent) {
    if (parent.size() != 4)
        return false;
    for (std::size_t i = 0; i < 4; ++i)
        if (std::toupper(static_cast<unsigned char>(parent[i])) != "NONE"[i])
            return false;
    return true;
}

std::string InSubgrid(const std::string& name) {
    return " NELLA SOTTOGRIGLIA " + (name.empty() ? std::string("SENZA NOME") : name);
}

// Reads one subgrid header and its nodes; an empty string when it is whole.
std::string ReadSubgrid(Reader& in, int index, Ntv2Subgrid& g) {
    if (!in.has(HeaderSize))
        return Invalid() + "FILE TRONCATO NELL'INTESTAZIONE DELLA SOTTOGRIGLIA " + std::to_string(index + 1);
    if (in.keyword(0) != "SUB_NAME")
        return Invalid() + "INTESTAZIONE DELLA SOTTOGRIGLIA " + std::to_string(index + 1) +
               " NON RICONOSCIUTA";
    g.name = in.text(0 * RecordSize);
    g.parent = in.text(1 * RecordSize);
    g.south = in.real(4 * RecordSize);
    g.north = in.real(5 * RecordSize);
    g.east = in.real(6 * RecordSize);
    g.west = in.real(7 * RecordSize);
    g.latitudeStep = in.real(8 * RecordSize);
    g.longitudeStep = in.real(9 * RecordSize);
    const std::int32_t count = in.integer(10 * RecordSize);
    in.skip(HeaderSize);

    for (double v : {g.south, g.north, g.east, g.west, g.latitudeStep, g.longitudeStep})
        if (!std::isfinite(v))
            return Invalid() + "LIMITI O PASSI NON NUMERICI" + InSubgrid(g.name);
    if (g.latitudeStep <= 0 || g.longitudeStep <= 0)
        return Invalid() + "PASSI NON POSITIVI" + InSubgrid(g.name);
    // One cell at least: bilinear interpolation needs two rows and two columns.
    if (g.north <= g.south || g.west <= g.east)
        return Invalid() + "LIMITI INVERTITI O COINCIDENTI" + InSubgrid(g.name);
    const double rowSpan = (g.north - g.south) / g.latitudeStep;
    const double columnSpan = (g.west - g.east) / g.longitudeStep;
    if (!(rowSpan < MaxNodesPerSide) || !(columnSpan < MaxNodesPerSide))
        return Invalid() + "TROPPI NODI" + InSubgrid(g.name);
    const std::int64_t rows = std::llround(rowSpan) + 1;
    const std::int64_t columns = std::llround(columnSpan) + 1;
    if (rows < 2 || columns < 2)
        return Invalid() + "LIMITI INVERTITI O COINCIDENTI" + InSubgrid(g.name);
    if (rows * columns != count)
        return Invalid() + "NUMERO DI NODI " + std::to_string(count) + " INVECE DI " +
               std::to_string(rows * columns) + " (" + std::to_string(rows) + " RIGHE PER " +
               std::to_string(columns) + " COLONNE)" + InSubgrid(g.name);
    // The count matches the limits and steps; its bytes are checked against
    // what is left of the file before anything is allocated.
    const auto nodes = static_cast<std::size_t>(count);
    if (nodes > in.remaining() / NodeSize)
        return Invalid() + "FILE TRONCATO" + InSubgrid(g.name);
    g.rows = static_cast<int>(rows);
    g.columns = static_cast<int>(columns);
    g.latitudeShift.resize(nodes);
    g.longitudeShift.resize(nodes);
    for (std::size_t i = 0; i < nodes; ++i) {
        const float dLat = in.single(0);
        const float dLon = in.single(4);
        if (!std::isfinite(dLat) || !std::isfinite(dLon))
            return Invalid() + "SPOSTAMENTO NON NUMERICO NEL NODO " + std::to_string(i + 1) +
                   InSubgrid(g.name);
        g.latitudeShift[i] = dLat;
        g.longitudeShift[i] = dLon;
        in.skip(NodeSize);
    }
    return {};
}

// Every PARENT names NONE or one subgrid of the file, unambiguously, and
// following the parents from any subgrid reaches a grid of the top level.
std::string CheckParents(const std::vector<Ntv2Subgrid>& subgrids) {
    const std::size_t n = subgrids.size();
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return subgrids[a].name < subgrids[b].name; });
    constexpr std::size_t Top = static_cast<std::size_t>(-1);
    std::vector<std::size_t> parent(n, Top);
    for (std::size_t i = 0; i < n; ++i) {
        const Ntv2Subgrid& g = subgrids[i];
        if (IsNone(g.parent))
            continue;
        const auto first =
            std::lower_bound(order.begin(), order.end(), g.parent,
                             [&](std::size_t a, const std::string& name) { return subgrids[a].name < name; });
        if (first == order.end() || subgrids[*first].name != g.parent)
            return Invalid() + "SOTTOGRIGLIA MADRE " + g.parent + " INESISTENTE" + InSubgrid(g.name);
        if (first + 1 != order.end() && subgrids[*(first + 1)].name == g.parent)
            return Invalid() + "PIÙ SOTTOGRIGLIE DI NOME " + g.parent + ", MADRE AMBIGUA" + InSubgrid(g.name);
        parent[i] = *first;
    }
    // 0 not seen, 1 on the path being followed, 2 known to reach the top.
    std::vector<unsigned char> state(n, 0);
    std::vector<std::size_t> path;
    for (std::size_t i = 0; i < n; ++i) {
        path.clear();
        std::size_t j = i;
        while (j != Top && state[j] == 0) {
            state[j] = 1;
            path.push_back(j);
            j = parent[j];
        }
        if (j != Top && state[j] == 1)
            return Invalid() + "PARENTELA CIRCOLARE" + InSubgrid(subgrids[j].name);
        for (std::size_t k : path)
            state[k] = 2;
    }
    return {};
}

std::string Read(std::string_view bytes, Ntv2Grid& grid) {
    if (bytes.size() < RecordSize || bytes.substr(0, 8) != "NUM_OREC")
        return "IL FILE NON È UN GRIGLIATO NTv2";
    Reader in(bytes);
    if (LittleEndianInt(bytes, 8) == 11)
        in.setBigEndian(false);
    else if (BigEndianInt(bytes, 8) == 11)
        in.setBigEndian(true);
    else
        return Invalid() + "ORDINE DEI BYTE O STRUTTURA SCONOSCIUTI";
    if (!in.has(HeaderSize))
        return Invalid() + "FILE TRONCATO NELL'INTESTAZIONE";
    if (in.integer(1 * RecordSize) != 11)
        return Invalid() + "STRUTTURA DELLE SOTTOGRIGLIE SCONOSCIUTA";
    const std::int32_t subgrids = in.integer(2 * RecordSize);
    const std::string type = in.text(3 * RecordSize);
    if (type != "SECONDS")
        return Invalid() + "UNITÀ " + type + " NON AMMESSA (SOLO SECONDS)";
    grid.sourceName = in.text(5 * RecordSize);
    grid.targetName = in.text(6 * RecordSize);
    grid.sourceMajorAxis = in.real(7 * RecordSize);
    grid.sourceMinorAxis = in.real(8 * RecordSize);
    grid.targetMajorAxis = in.real(9 * RecordSize);
    grid.targetMinorAxis = in.real(10 * RecordSize);
    in.skip(HeaderSize);
    if (subgrids < 1 || subgrids > MaxSubgrids)
        return Invalid() + "NUMERO DI SOTTOGRIGLIE " + std::to_string(subgrids) + " NON AMMISSIBILE";

    // Each subgrid takes its header and one cell of four nodes at least: a
    // count beyond what the file can hold runs into its end, and is refused
    // there, before it can reserve much.
    grid.subgrids.reserve(
        std::min(static_cast<std::size_t>(subgrids), in.remaining() / (HeaderSize + 4 * NodeSize)));
    for (int i = 0; i < subgrids; ++i) {
        std::string error = ReadSubgrid(in, i, grid.subgrids.emplace_back());
        if (!error.empty())
            return error;
    }
    // The END record carries no data: a file that stops right after the last
    // node is whole, and several writers leave the record out. A part of the
    // record, or anything else there, means a cut or a miscounted file.
    if (in.remaining() > 0 && (!in.has(RecordSize) || in.keyword(0).substr(0, 3) != "END"))
        return Invalid() + "DATI NON RICONOSCIUTI DOPO L'ULTIMA SOTTOGRIGLIA";
    return CheckParents(grid.subgrids);
}

// Whether the subgrid is usable: a grid read from a file always is, one built
// in memory is checked so that a lookup never reads outside its shifts.
bool Sound(const Ntv2Subgrid& g) {
    const auto nodes = static_cast<std::size_t>(g.rows) * static_cast<std::size_t>(g.columns);
    return g.rows >= 2 && g.columns >= 2 && g.latitudeStep > 0 && g.longitudeStep > 0 &&
           g.latitudeShift.size() == nodes && g.longitudeShift.size() == nodes;
}

// `y` latitude and `x` longitude positive west, seconds of arc.
bool Holds(const Ntv2Subgrid& g, double y, double x) {
    return y >= g.south - EdgeTolerance && y <= g.north + EdgeTolerance && x >= g.east - EdgeTolerance &&
           x <= g.west + EdgeTolerance && Sound(g);
}

// Among the grids of the top level holding the point the first, then its
// children holding the point, down to the finest. -1 when none holds it.
int FindSubgrid(const Ntv2Grid& grid, double y, double x) {
    const auto n = static_cast<int>(grid.subgrids.size());
    int found = -1;
    for (int i = 0; i < n && found < 0; ++i) {
        const Ntv2Subgrid& g = grid.subgrids[static_cast<std::size_t>(i)];
        if (IsNone(g.parent) && Holds(g, y, x))
            found = i;
    }
    // A grid read from a file has no circular parents; one built in memory
    // might, so the descent stops after as many steps as there are subgrids.
    for (int depth = 0; found >= 0 && depth < n; ++depth) {
        const std::string& name = grid.subgrids[static_cast<std::size_t>(found)].name;
        int child = -1;
        for (int j = 0; j < n && child < 0; ++j) {
            const Ntv2Subgrid& g = grid.subgrids[static_cast<std::size_t>(j)];
            if (j != found && g.parent == name && Holds(g, y, x))
                child = j;
        }
        if (child < 0)
            break;
        found = child;
    }
    return found;
}

struct Shift {
    double latitude = 0;      // seconds
    double longitudeWest = 0; // seconds, positive west
    int subgrid = -1;
};

// Bilinear interpolation in the cell holding the point; on the north and
// west edges the last cell, so that the edges belong to the grid.
std::optional<Shift> ShiftAt(const Ntv2Grid& grid, double latitude, double longitude) {
    const double y = latitude * 3600.0;
    const double x = -longitude * 3600.0;
    const int index = FindSubgrid(grid, y, x);
    if (index < 0)
        return std::nullopt;
    const Ntv2Subgrid& g = grid.subgrids[static_cast<std::size_t>(index)];
    const double fy = std::clamp((y - g.south) / g.latitudeStep, 0.0, static_cast<double>(g.rows - 1));
    const double fx = std::clamp((x - g.east) / g.longitudeStep, 0.0, static_cast<double>(g.columns - 1));
    const int r = std::min(static_cast<int>(fy), g.rows - 2);
    const int c = std::min(static_cast<int>(fx), g.columns - 2);
    const double ty = fy - r;
    const double tx = fx - c;
    const auto node = [&](const std::vector<float>& v, int row, int column) {
        return static_cast<double>(v[static_cast<std::size_t>(row) * static_cast<std::size_t>(g.columns) +
                                     static_cast<std::size_t>(column)]);
    };
    const auto interpolate = [&](const std::vector<float>& v) {
        return (1 - ty) * ((1 - tx) * node(v, r, c) + tx * node(v, r, c + 1)) +
               ty * ((1 - tx) * node(v, r + 1, c) + tx * node(v, r + 1, c + 1));
    };
    return Shift{interpolate(g.latitudeShift), interpolate(g.longitudeShift), index};
}

} // namespace

std::optional<Ntv2Grid> ReadNtv2(std::string_view bytes, std::string& error) {
    try {
        Ntv2Grid grid;
        error = Read(bytes, grid);
        if (!error.empty())
            return std::nullopt;
        return grid;
    } catch (const std::bad_alloc&) {
        error = Invalid() + "MEMORIA INSUFFICIENTE PER LEGGERLO";
        return std::nullopt;
    }
}

std::optional<Ntv2Grid> LoadNtv2(const std::string& path, std::string& error) {
    std::error_code ec;
    const bool regular = std::filesystem::is_regular_file(path, ec);
    const std::uintmax_t size = regular ? std::filesystem::file_size(path, ec) : 0;
    std::ifstream in;
    if (regular && !ec)
        in.open(path, std::ios::binary);
    if (!in.is_open()) {
        error = "FILE DEL GRIGLIATO NTv2 MANCANTE O NON LEGGIBILE: " + path;
        return std::nullopt;
    }
    if (size > MaxFileSize) {
        error = "FILE DEL GRIGLIATO NTv2 TROPPO GRANDE: " + path;
        return std::nullopt;
    }
    std::string bytes;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        error = Invalid() + "MEMORIA INSUFFICIENTE PER LEGGERLO";
        return std::nullopt;
    }
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    // A file that changed size while read is not the file that was measured.
    if (in.gcount() != static_cast<std::streamsize>(bytes.size()) ||
        in.peek() != std::ifstream::traits_type::eof()) {
        error = "FILE DEL GRIGLIATO NTv2 NON LEGGIBILE: " + path;
        return std::nullopt;
    }
    return ReadNtv2(bytes, error);
}

std::optional<Ntv2Point> Ntv2Forward(const Ntv2Grid& grid, double latitude, double longitude) {
    const std::optional<Shift> s = ShiftAt(grid, latitude, longitude);
    if (!s)
        return std::nullopt;
    return Ntv2Point{latitude + s->latitude / 3600.0, longitude - s->longitudeWest / 3600.0, s->subgrid};
}

std::optional<Ntv2Point> Ntv2Inverse(const Ntv2Grid& grid, double latitude, double longitude) {
    // The source point p is where p + shift(p) = target: p = target - shift(p),
    // a contraction since the shift changes little from point to point.
    double lat = latitude;
    double lon = longitude;
    for (int k = 0; k < InverseIterations; ++k) {
        const std::optional<Shift> s = ShiftAt(grid, lat, lon);
        if (!s)
            return std::nullopt;
        const double nextLat = latitude - s->latitude / 3600.0;
        const double nextLon = longitude + s->longitudeWest / 3600.0;
        const bool converged =
            std::abs(nextLat - lat) < InverseTolerance && std::abs(nextLon - lon) < InverseTolerance;
        lat = nextLat;
        lon = nextLon;
        if (converged) {
            const int index = FindSubgrid(grid, lat * 3600.0, -lon * 3600.0);
            if (index < 0)
                return std::nullopt;
            return Ntv2Point{lat, lon, index};
        }
    }
    return std::nullopt;
}

} // namespace tervano
