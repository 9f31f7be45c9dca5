#pragma once

#include "cadastre/CadastralPages.h"
#include "files/RowConverter.h"

// Rows between Gauss-Boaga (ROMA40) and the Cassini-Soldner coordinates of a
// cadastral centre through the two cadastral pages. The centre is a row of
// the table or one typed (gg.ppssdddd on the Bessel ellipsoid, longitude from
// Genova). Lengths are written to the centimetre, as the window shows them;
// Gauss-Boaga results carry their zone.
namespace tervano::files {

// A centre of the table (index 1..18), or the values of a typed one.
struct CentreChoice {
    int index = UserDefinedCentre;
    double latitude = 0, longitude = 0; // typed, when index is UserDefinedCentre
};

// A centre named in an option: its number in the table, its name or the
// beginning of one name (case ignored), or "latitude,longitude". Nothing with
// an Italian message when it names no centre or more than one.
std::optional<CentreChoice> CentreFromText(std::string_view text, std::string& error);

class CadastreToGaussBoagaRows : public RowConverter {
public:
    CadastreToGaussBoagaRows(const PageSettings& settings, const CentreChoice& centre);

    std::unique_ptr<RowConverter> clone() const override {
        return std::make_unique<CadastreToGaussBoagaRows>(*this);
    }
    std::vector<InputRole> inputs() const override;
    std::vector<std::string> resultHeader() const override;
    std::optional<std::string> convert(std::span<const TypedNumber> fields,
                                       std::vector<std::string>& results) override;

private:
    CassiniToGaussBoagaPage page_;
};

class GaussBoagaToCadastreRows : public RowConverter {
public:
    GaussBoagaToCadastreRows(const PageSettings& settings, const CentreChoice& centre);

    std::unique_ptr<RowConverter> clone() const override {
        return std::make_unique<GaussBoagaToCadastreRows>(*this);
    }
    std::vector<InputRole> inputs() const override;
    std::vector<std::string> resultHeader() const override;
    std::optional<std::string> convert(std::span<const TypedNumber> fields,
                                       std::vector<std::string>& results) override;

private:
    GaussBoagaToCassiniPage page_;
};

} // namespace tervano::files
