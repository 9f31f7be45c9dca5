// The common-point table parser with any content: a refused content leaves
// the table all zero with a message in capitals; an accepted one fills rows
// 1..664 only, with positive finite values in whole groups.
#include "datum/CommonPointTable.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

using namespace tervano;

namespace {

[[noreturn]] void Fail(const char* what, int row, const std::string& error) {
    std::fprintf(stderr, "%s (row %d) %s\n", what, row, error.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto table = std::make_unique<CommonPointTable>();
    for (auto& row : table->cells)
        row.fill(7.0); // a partial load would show
    const CommonPointLoad load =
        ParseCommonPoints(std::string_view(reinterpret_cast<const char*>(data), size), *table);
    for (int r = 0; r < CommonPointRows; ++r) {
        int filled = 0;
        for (int c = 0; c < CommonPointColumns; ++c) {
            const double v = table->cell(r, c);
            if (v == 0.0)
                continue;
            if (!load.ok)
                Fail("a refused content left values in the table", r, load.error);
            if (!std::isfinite(v) || v < 0.0 || r == 0 || r > 664 || c >= ColumnsInUse)
                Fail("a value where none can be", r, load.error);
            ++filled;
        }
        if (filled % 6 != 0)
            Fail("a row with a group not whole", r, load.error);
        if (load.ok && r >= 1 && r <= 664 && filled == 0)
            Fail("an accepted row without coordinates", r, load.error);
    }
    if (load.ok != load.error.empty())
        Fail("message and outcome disagree", 0, load.error);
    for (char ch : load.error)
        if (ch >= 'a' && ch <= 'z')
            Fail("message not in capitals", 0, load.error);
    return 0;
}
