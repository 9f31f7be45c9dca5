#pragma once

#include "datum/GridChange.h"
#include "datum/SystemChange.h"
#include "geodesy/ReferenceSystems.h"
#include "windows/ConversionPage.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The change of reference system (ROMA40, ED50, WGS84) by the shift of the
// nearest common point or through the user's NTv2 grid, as two pages: geographic coordinates and plane
// coordinates. The window shows them on two tabs and shares one pair of
// system choices between them.
//
// Besides a refusal, "ESEGUI" may give a notice to show first (a result of
// poor reliability) or an internal error after which the program ends:
//   std::optional<Refusal> refused = page.execute();
//   for (notice : page.notices()) show it with the information icon
//   if (page.internalError()) { show InternalErrorText(code); end the program }
//   else if (refused) ... else show the result texts
namespace tervano {

// How the point is carried: by the shift of the nearest common point of the
// table (the default), or through the user's NTv2 grid.
enum class ChangeMethod { Table, Grid };

// The user's grid: the grid read, the name of its file as shown and printed
// (without folders), and the system its source is taken as (ROMA40 or ED50;
// its target is WGS84).
struct GridChoice {
    std::shared_ptr<const Ntv2Grid> grid;
    std::string fileName;
    System gridSource = System::ROMA40;
};

// The accuracy of the table method between two systems, whole metres: the
// EPSG transformations the table reproduces and what the table adds (data/README.md).
int TableAccuracyMetres(System a, System b);

class SystemChangePage : public ConversionPage {
public:
    SystemChangePage(const PageSettings& s, const CommonPointTable& table)
        : ConversionPage(s), table_(table) {}

    // The system the point is in and the one it is carried to; a change drops the result.
    void chooseSource(System s);
    void chooseTarget(System s);
    System source() const { return source_; }
    System target() const { return target_; }

    // The method, and the grid it uses; a change drops the result. With the
    // grid method and no grid, or a grid that does not join the two
    // systems, "ESEGUI" is refused with a message.
    void chooseMethod(ChangeMethod m);
    void setGrid(GridChoice g);
    ChangeMethod method() const { return method_; }
    const GridChoice& grid() const { return grid_; }

    // Which method gave the last result and how good it is, as shown under
    // the result and printed after it: for the table the common point (row),
    // its distance, the reliability verdict and the method's accuracy; for a
    // grid its file name and the subgrid used. Empty without a result.
    //   "Metodo: tabella dei punti comuni, precisione circa 5 m"
    //   "Punto comune 341 a 4 520 m: risultato attendibile"
    // or
    //   "Metodo: grigliato NTv2 roma40.gsb"
    //   "Sottogriglia LAZIO, da MM a ETRS89 (ROMA40 - WGS84)"
    std::vector<std::string> methodLines() const;
    // The name of the subgrid that carried the last result through a grid (empty otherwise).
    std::string subgridName() const;
    // Whether the last result is of poor reliability (its common point farther than 30 km).
    bool poorReliability() const { return poorReliability_; }

    // When the window last wrote its captions: on a choice of system, or on
    // the tabs taking the focus, which writes two frame captions differently
    // (and the printed block repeats the captions as shown).
    enum class CaptionMoment { Choice, TabFocus };
    // `shown`: this page's tab was the one shown.
    void captionsWritten(CaptionMoment moment, bool shown);

    // The caption of a system's option button while this page is shown.
    virtual std::string optionCaption(System s) const = 0;
    // The captions of the frames of the typed point and of the result.
    virtual std::string sourceCaption() const = 0;
    virtual std::string targetCaption() const = 0;

    // Messages of the last "ESEGUI" to show before its outcome, with the
    // information icon: the notice of a result of poor reliability.
    const std::vector<std::string>& notices() const { return notices_; }
    // The internal error the last "ESEGUI" met (0: none): the program shows
    // InternalErrorText(code) and ends; execute() gave no refusal and the
    // result stays as it was.
    int internalError() const { return internalError_; }

    bool hasResult() const override { return hasResult_; }
    void clearResult() override { hasResult_ = false; }
    std::string printTitle() const override;

    // The zones of the last result (the auxiliary zone where the point went through it).
    PlaneZone sourceZone() const { return sourceZone_; }
    PlaneZone targetZone() const { return targetZone_; }
    // The common point of the table that carried the last result (its row
    // number) and its distance from the point, in metres.
    int commonPointRow() const { return commonPointRow_; }
    double commonPointDistance() const { return commonPointDistance_; }

protected:
    // The engine's outcome taken: notices, internal error, result zones; a
    // refusal with the input number `input` gives for the field the engine names.
    std::optional<Refusal> take(const ChangeOutcome& r, int input);
    // The point's system first; when it is the target, the conversion turns
    // round and the target takes the former source. The result is dropped.
    void takeSystemOf(const CopiedCoordinatesRecord& c);
    struct Side {
        System system;
        std::string caption;
        std::string suffix;
        std::vector<std::string> values; // label, value, gap, label, value
    };
    PrintedBlock block(const PrintTexts& t, const Side& source, const Side& target) const;
    // A typed value as the engine reads it: one not read stays out of every range.
    static double Checked(const TypedValue& v);
    GridMethod gridMethod() const;

    const CommonPointTable& table_;
    ChangeMethod method_ = ChangeMethod::Table;
    GridChoice grid_;
    int subgrid_ = -1; // the subgrid of the last result through a grid
    System source_ = System::ROMA40;
    System target_ = System::ED50;
    CaptionMoment captionMoment_ = CaptionMoment::Choice;
    bool shownAtCaptions_ = false;
    std::vector<std::string> notices_;
    int internalError_ = 0;
    bool hasResult_ = false;
    PlaneZone sourceZone_ = PlaneZone::UTM32;
    PlaneZone targetZone_ = PlaneZone::UTM32;
    int commonPointRow_ = 0;
    double commonPointDistance_ = 0;
    bool poorReliability_ = false;
};

// Latitude and longitude, decimal degrees; a ROMA40 longitude counted from
// the settings' longitude origin.
class GeographicChangePage : public SystemChangePage {
public:
    enum Input { Latitude = 1, Longitude = 2 };
    using SystemChangePage::SystemChangePage;

    void setLatitude(TypedValue v) { latitude_ = std::move(v); }
    void setLongitude(TypedValue v) { longitude_ = std::move(v); }
    const TypedValue& latitude() const { return latitude_; }
    const TypedValue& longitude() const { return longitude_; }

    std::string optionCaption(System s) const override;
    std::string sourceCaption() const override;
    std::string targetCaption() const override;
    // Whether the typed, or the resulting, longitude is a ROMA40 one counted from Greenwich.
    bool sourceNotice() const;
    bool targetNotice() const;

    std::optional<Refusal> execute() override;
    // The result, unrounded, and as shown (empty without a result).
    double resultLatitude() const { return resultLatitude_; }
    double resultLongitude() const { return resultLongitude_; }
    std::string latitudeText() const;
    std::string longitudeText() const;

    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override { return c.isGeographic(); }
    CopiedCoordinatesRecord copyRecord() const override;
    void paste(const CopiedCoordinatesRecord& c) override;
    PrintedBlock printedBlock(const PrintTexts& t) const override;

private:
    TypedValue latitude_, longitude_;
    TypedValue shownLatitude_, shownLongitude_; // as typed for the result
    double resultLatitude_ = 0, resultLongitude_ = 0;
};

// North and East in metres (East with the false east of its zone) and, for
// ED50 and WGS84, the UTM zone number typed.
class PlaneChangePage : public SystemChangePage {
public:
    enum Input { North = 1, East = 2, ZoneNumber = 3 };
    using SystemChangePage::SystemChangePage;

    void setNorth(TypedValue v) { north_ = std::move(v); }
    void setEast(TypedValue v) { east_ = std::move(v); }
    void setZoneNumber(TypedValue v) { zone_ = std::move(v); }
    const TypedValue& north() const { return north_; }
    const TypedValue& east() const { return east_; }
    const TypedValue& zoneNumber() const { return zone_; }
    // Whether the typed point, or the result, has a UTM zone number (not ROMA40).
    bool sourceHasZone() const { return source_ != System::ROMA40; }
    bool targetHasZone() const { return target_ != System::ROMA40; }

    std::string optionCaption(System s) const override;
    std::string sourceCaption() const override;
    std::string targetCaption() const override;

    std::optional<Refusal> execute() override;
    double resultNorth() const { return resultNorth_; }
    double resultEast() const { return resultEast_; }
    // The UTM zone number of the last result to ED50 or WGS84; a result in
    // ROMA40 leaves the one before.
    int resultZoneNumber() const { return resultZoneNumber_; }
    std::string northText() const;
    std::string eastText() const;
    std::string zoneText() const;

    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override { return c.isNationalPlane(); }
    CopiedCoordinatesRecord copyRecord() const override;
    void paste(const CopiedCoordinatesRecord& c) override;
    PrintedBlock printedBlock(const PrintTexts& t) const override;

private:
    TypedValue north_, east_, zone_;
    TypedValue shownNorth_, shownEast_;
    double resultNorth_ = 0, resultEast_ = 0;
    int resultZoneNumber_ = 0;
};

} // namespace tervano
