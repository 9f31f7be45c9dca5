#pragma once

#include "geodesy/ReferenceSystems.h"
#include "windows/ConversionPage.h"

#include <array>
#include <string>
#include <vector>

// The two directions between latitude, longitude and ellipsoidal height and
// geocentric X, Y, Z on the ellipsoid of the chosen system. For ROMA40 the X
// axis passes through Monte Mario or through Greenwich (the XZ plane); with
// ROMA40 longitudes counted from Greenwich the axis lies there anyway.
namespace tervano {

// The meridian of the ROMA40 X axis (AxisChoice 1 and 2 in the copy record).
enum class XAxis : int { ThroughMonteMario = 1, ThroughGreenwich = 2 };

// What both directions share: the choices, the captions and description that
// follow them, the longitude from Greenwich shown beside a result and the two
// groups of the printed block.
class CartesianPage : public ConversionPage {
public:
    explicit CartesianPage(const PageSettings& s) : ConversionPage(s) {}

    // Choices; a change drops the result.
    void chooseSystem(System s);
    System system() const { return system_; }
    void chooseAxis(XAxis a);
    XAxis axis() const { return axis_; }

    std::string systemCaption() const;
    std::string geographicCaption() const;
    std::string cartesianCaption() const;
    std::vector<std::string> description() const;
    // ROMA40 longitudes counted from Greenwich: the notice replaces the axis choice.
    bool greenwichNotice() const;
    bool showsAxisChoice() const { return system_ == System::ROMA40 && !greenwichNotice(); }
    // The longitudes shift to the Greenwich axis: the longitude from Greenwich is shown.
    bool shiftsToGreenwichAxis() const;

    bool hasResult() const override { return hasResult_; }
    void clearResult() override { hasResult_ = false; }
    // The three result values as their boxes show them; empty without a result.
    virtual std::array<std::string, 3> resultTexts() const = 0;
    // The longitude from Greenwich of the result; empty when not shown.
    std::string greenwichLongitudeText() const;

protected:
    // The record's system and XZ plane, as a paste selects them.
    void pasteReference(const CopiedCoordinatesRecord& c);
    // The printed groups, with their three values each.
    void printGeographic(PrintedBlock& b, const PrintTexts& t, const std::array<std::string, 3>& values,
                         bool typed) const;
    void printCartesian(PrintedBlock& b, const PrintTexts& t, const std::array<std::string, 3>& values) const;
    std::string angleText(double degrees) const;

    System system_ = System::ROMA40;
    XAxis axis_ = XAxis::ThroughMonteMario;
    bool hasResult_ = false;
    bool greenwichShown_ = false;
    double greenwichLongitude_ = 0;
};

// "Geografiche - Cartesiane".
class GeoToCartesianPage : public CartesianPage {
public:
    // The inputs as the checks number them.
    enum Input : int { Latitude = 1, Longitude = 2, Height = 3 };

    explicit GeoToCartesianPage(const PageSettings& s = {}) : CartesianPage(s) {}

    // Angles in decimal degrees (ROMA40 longitude from the settings' origin), height in metres.
    void setLatitude(const TypedValue& v) { latitude_ = v; }
    void setLongitude(const TypedValue& v) { longitude_ = v; }
    void setHeight(const TypedValue& v) { height_ = v; }
    const TypedValue& latitude() const { return latitude_; }
    const TypedValue& longitude() const { return longitude_; }
    const TypedValue& height() const { return height_; }
    // Whether the last paste brought a height (a record without one leaves it as typed).
    bool heightPasted() const { return heightPasted_; }

    std::optional<Refusal> execute() override;
    double x() const { return x_; }
    double y() const { return y_; }
    double z() const { return z_; }
    // X, Y, Z.
    std::array<std::string, 3> resultTexts() const override;

    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override { return c.isGeographic(); }
    CopiedCoordinatesRecord copyRecord() const override;
    void paste(const CopiedCoordinatesRecord& c) override;

    std::string printTitle() const override;
    PrintedBlock printedBlock(const PrintTexts& t) const override;

private:
    TypedValue latitude_, longitude_, height_;
    bool heightPasted_ = false;
    double x_ = 0, y_ = 0, z_ = 0;
};

// "Cartesiane - Geografiche".
class CartesianToGeoPage : public CartesianPage {
public:
    enum Input : int { X = 1, Y = 2, Z = 3 };

    explicit CartesianToGeoPage(const PageSettings& s = {}) : CartesianPage(s) {}

    void setX(const TypedValue& v) { x_ = v; }
    void setY(const TypedValue& v) { y_ = v; }
    void setZ(const TypedValue& v) { z_ = v; }
    const TypedValue& x() const { return x_; }
    const TypedValue& y() const { return y_; }
    const TypedValue& z() const { return z_; }

    std::optional<Refusal> execute() override;
    double latitude() const { return latitude_; }
    double longitude() const { return longitude_; }
    double height() const { return height_; }
    // Latitude, longitude and height.
    std::array<std::string, 3> resultTexts() const override;

    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override {
        return c.Kind == CopiedKind::Cartesian && c.hasSystem();
    }
    CopiedCoordinatesRecord copyRecord() const override;
    void paste(const CopiedCoordinatesRecord& c) override;

    std::string printTitle() const override;
    PrintedBlock printedBlock(const PrintTexts& t) const override;

private:
    TypedValue x_, y_, z_;
    double latitude_ = 0, longitude_ = 0, height_ = 0;
};

} // namespace tervano
