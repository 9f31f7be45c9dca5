#pragma once

#include "cadastre/CadastralCentres.h"
#include "cadastre/CassiniSoldner.h"
#include "windows/ConversionPage.h"

#include <array>
#include <optional>
#include <string>

// The two directions of the cadastral window: ROMA40 Gauss-Boaga Nord and Est
// to Cassini-Soldner X and Y about a cadastral centre, and back. Both hold
// the centre (a row of the built-in table or values typed by the user) and
// the two coordinates typed; the checks, the computation and the texts are
// those of cadastre/CassiniSoldner.
//
// Usage:
//   GaussBoagaToCassiniPage page(settings);
//   page.chooseCentre(18);                          // Monte Etna (P. Lucia)
//   page.setFirst({4180000, true, "4 180 000.00"}); // Nord
//   page.setSecond({2560000, true, "2 560 000.00"}); // Est
//   if (auto refused = page.execute()) { focus input refused->input }
//   else { page.resultTexts() }
namespace tervano {

// The inputs a refusal names, as the window numbers its boxes.
enum CadastralPageInput : int {
    CentreLatitudeInput = 1,
    CentreLongitudeInput = 2,
    FirstCoordinateInput = 3,  // Nord, or X
    SecondCoordinateInput = 4, // Est, or Y
};

// A refusal of the cadastral checks, on the input of the page it names.
Refusal RefusalOf(const CadastralCheckFailure& failure);

// What both directions share: the centre, the two typed coordinates, the
// two result texts, the common rows of the printed block.
class CadastralPage : public ConversionPage {
public:
    using ConversionPage::ConversionPage;

    // A selection of the centre list (SelectCentre's rule): a table row sets
    // its values, the user-defined entry empties them. What the window does
    // next follows the returned action.
    CentreSelection chooseCentre(int index);
    // A centre value typed (gg.ppssdddd): the centre becomes a user-defined
    // one; the other value stays as it was.
    void setCentreLatitude(const TypedValue& v);
    void setCentreLongitude(const TypedValue& v);

    int centreIndex() const { return centreIndex_; }
    const CentreValues& centre() const { return centre_; }
    // The texts of the centre's display boxes: a table longitude after two blanks.
    const std::string& centreLatitudeShown() const { return centreLatitudeShown_; }
    const std::string& centreLongitudeShown() const { return centreLongitudeShown_; }
    // A centre value as its display box shows it when typed.
    std::string typedCentreText(double v) const;

    // Nord and Est, or X and Y; another value drops the result.
    void setFirst(const TypedValue& v) { setTyped(first_, v); }
    void setSecond(const TypedValue& v) { setTyped(second_, v); }
    const TypedValue& first() const { return first_; }
    const TypedValue& second() const { return second_; }

    bool hasResult() const override { return result_.has_value(); }
    void clearResult() override { result_.reset(); }
    // The two result boxes' texts, metres to the centimetre; empty without a result.
    std::array<std::string, 2> resultTexts() const;

    std::string printTitle() const override;
    PrintedBlock printedBlock(const PrintTexts& t) const override;

    // The frame captions of the coordinates typed and computed.
    virtual const char* inputCaption() const = 0;
    virtual const char* resultCaption() const = 0;

protected:
    struct Result {
        double first = 0, second = 0; // X and Y, or Nord and Est
        int zoneCode = 0;             // Gauss-Boaga zone of the point
    };
    const std::optional<Result>& result() const { return result_; }
    void setResult(const Result& r) { result_ = r; }
    // The typed coordinates as pasted: the number and its display text.
    void pasteValues(double first, double second);

    // The printed labels of the coordinates typed and computed.
    virtual std::array<const char*, 2> inputLabels() const = 0;
    virtual std::array<const char*, 2> resultLabels() const = 0;

private:
    void setTyped(TypedValue& typed, const TypedValue& v);
    void setCentreValue(double& value, std::string& shown, const TypedValue& v);

    int centreIndex_ = UserDefinedCentre;
    CentreValues centre_;
    std::string centreLatitudeShown_, centreLongitudeShown_;
    TypedValue first_, second_;
    std::optional<Result> result_;
};

// Gauss-Boaga Nord and Est (ROMA40) to Cassini-Soldner X and Y.
class GaussBoagaToCassiniPage : public CadastralPage {
public:
    using CadastralPage::CadastralPage;

    std::optional<Refusal> execute() override;
    // ROMA40 Gauss-Boaga Nord and Est of zone Ovest or Est only.
    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override;
    // Cadastral X and Y, which belong to their centre, not to a system.
    CopiedCoordinatesRecord copyRecord() const override;
    void paste(const CopiedCoordinatesRecord& c) override;
    const char* inputCaption() const override;
    const char* resultCaption() const override;

protected:
    std::array<const char*, 2> inputLabels() const override;
    std::array<const char*, 2> resultLabels() const override;
};

// Cassini-Soldner X and Y to Gauss-Boaga Nord and Est (ROMA40).
class CassiniToGaussBoagaPage : public CadastralPage {
public:
    using CadastralPage::CadastralPage;

    std::optional<Refusal> execute() override;
    // Cadastral X and Y only.
    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override;
    // ROMA40 Nord and Est with the zone they were computed in.
    CopiedCoordinatesRecord copyRecord() const override;
    void paste(const CopiedCoordinatesRecord& c) override;
    // The Gauss-Boaga zone of the result (GBOvest or GBEst), 0 without one.
    int resultZone() const { return result() ? result()->zoneCode : 0; }
    const char* inputCaption() const override;
    const char* resultCaption() const override;

protected:
    std::array<const char*, 2> inputLabels() const override;
    std::array<const char*, 2> resultLabels() const override;
};

} // namespace tervano
