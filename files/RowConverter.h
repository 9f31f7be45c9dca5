#pragma once

#include "geodesy/Refusal.h"
#include "geodesy/TextNumbers.h"
#include "windows/ConversionPage.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// One conversion applied to the rows of a file. A converter drives the
// conversion's page model, so a row gives the same checks, messages and
// digits as the point typed in the window: the coordinate fields are read by
// the typed-number rule in the chosen notation, handed to the page as typed
// values, the page executes, and its results come back as output columns
// written as numbers in the typed form.
//
// Usage:
//   std::unique_ptr<RowConverter> c = MakeRowConverter(options, error);
//   c->inputs();                 // the coordinate fields a row must hold, in order
//   c->resultHeader();           // names of the result columns
//   std::vector<std::string> cols;
//   if (auto refused = c->convert(numbers, cols)) ... // refused: the status text
// A converter is used by one thread at a time; clone() gives one per worker.
namespace tervano::files {

// How a coordinate field is read: an angle in the notation of the run, or a
// length (metres) taken as typed.
enum class FieldKind { Angle, Length };

struct InputRole {
    std::string name; // "latitudine", "nord", ...: named in messages and in the help
    FieldKind kind;
};

class RowConverter {
public:
    virtual ~RowConverter() = default;
    virtual std::unique_ptr<RowConverter> clone() const = 0;

    virtual std::vector<InputRole> inputs() const = 0;
    virtual std::vector<std::string> resultHeader() const = 0;

    // Converts one row from its coordinate fields, read by the typed-number
    // rule (in inputs() order). On success `results` holds resultHeader().size()
    // columns (empty ones where a result does not exist, as an overlap zone
    // outside the bands); on refusal the status text is returned and the
    // results are left empty.
    virtual std::optional<std::string> convert(std::span<const TypedNumber> fields,
                                               std::vector<std::string>& results) = 0;
};

// The status of a refused row: the lines of the page's message joined by a blank.
std::string StatusOf(const Refusal& r);

// A typed field as the window's edit box takes it: an angle through the
// notation (to decimal degrees), a length as it is. Not valid when the number
// did not fit a double, which the page refuses as out of range. The shown
// text, which only a printed block repeats, is left empty.
TypedValue TypedOf(const TypedNumber& n, FieldKind kind, int angleUnit);

// A length as the windows show it ("# ### ##0.000"), written as a number:
// the same digits without the blanks between thousands.
std::string LengthColumn(const std::string& shown);
// A computed angle (decimal degrees) as a number in the typed form of the
// notation, with the digits of the window's result box in that notation:
// 41°55'24.3990'' is 41.5524399 in notation 1; trailing zeros dropped.
std::string AngleColumn(double degrees, int angleUnit);
// The same from a result box's text as a page writes it (any detail, decimal
// point "."): its digit groups packed into one number; empty stays empty.
std::string AngleColumnOfText(const std::string& shown);

// Short zone names of the zone codes: "32", "33", "34", "Ovest", "Est".
const char* ZoneColumn(int zoneCode);

} // namespace tervano::files
