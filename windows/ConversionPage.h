#pragma once

#include "geodesy/Refusal.h"
#include "print/PrintedBlock.h"
#include "windows/CopiedCoordinates.h"

#include <optional>
#include <string>
#include <vector>

// The behaviour of one conversion direction without any widget: its choices,
// its typed values, its checks (in order, as one Refusal), its computation,
// its copy and paste records and its printed block. A window forwards what
// the user does to its page and shows what the page returns; a file
// converter drives the same page without windows.
//
// Usage:
//   GeoToPlanePage page(settings);
//   page.chooseSystem(ROMA40);
//   page.setLatitude({45.5, true, "45.3000"});
//   if (auto refused = page.execute()) { show refused->lines, focus input refused->input }
//   else { show the page's result texts }
//   PrintedBlock b = page.printedBlock(texts);
namespace tervano {

// The settings a page computes and writes its texts with.
struct PageSettings {
    int angleUnit = 1;       // 1 sexagesimal .. 4 degrees and decimal minutes
    int longitudeOrigin = 1; // 1 Monte Mario, 2 Greenwich
    std::string decimalPoint = ".";
};

// A value as the user typed it: the number read by the typed-number rule,
// whether it was read at all (a value too large for a double is not), and
// the text the box shows for it, which the printed block repeats.
struct TypedValue {
    double value = 0;
    bool valid = false;
    std::string shown;
};

class ConversionPage {
public:
    explicit ConversionPage(const PageSettings& s) : settings_(s) {}
    virtual ~ConversionPage() = default;

    // New settings: the result, written in the old ones, is dropped.
    void changeSettings(const PageSettings& s) {
        settings_ = s;
        clearResult();
    }
    const PageSettings& settings() const { return settings_; }

    // The point's name as typed (optional), printed with the block.
    void setPointName(std::string name) { pointName_ = std::move(name); }
    const std::string& pointName() const { return pointName_; }

    // "ESEGUI": the checks in order; the first refusal, or the result computed.
    virtual std::optional<Refusal> execute() = 0;
    // Whether a result is current (computed and not invalidated since).
    virtual bool hasResult() const = 0;
    virtual void clearResult() = 0;

    virtual bool acceptsPaste(const CopiedCoordinatesRecord& c) const = 0;
    // The record "COPIA COORDINATE" writes; only with a current result.
    virtual CopiedCoordinatesRecord copyRecord() const = 0;
    // Takes the record's reference (system, zone, axis) and values; the result is dropped.
    virtual void paste(const CopiedCoordinatesRecord& c) = 0;

    virtual std::string printTitle() const = 0;
    // The block "ACCODA" adds, for the current result.
    virtual PrintedBlock printedBlock(const PrintTexts& t) const = 0;

protected:
    PageSettings settings_;
    std::string pointName_;
};

} // namespace tervano
