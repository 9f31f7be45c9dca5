#include "cadastre/CadastralCentres.h"

#include "geodesy/TextNumbers.h"

#include <array>

namespace tervano {

namespace {

using namespace std::string_view_literals;

constexpr std::array<std::string_view, 0> kNone{};
constexpr std::array kPordenone{"- Belluno (parte)"sv, "- Udine (parte)"sv, "- Venezia (parte)"sv};
constexpr std::array kMonteBronzone{"- Sondrio"sv, "- Bergamo"sv, "- Brescia"sv, "- Cremona"sv};
constexpr std::array kLodi{"- Como"sv, "- Milano"sv, "- Parma (parte)"sv, "- Piacenza"sv, "- Varese"sv};
constexpr std::array kAlessandria{"- Alessandria (parte)"sv, "- Asti (parte)"sv};
constexpr std::array kMonteBignone{"- Imperia"sv};
constexpr std::array kForteDiamante{"- Genova (parte)"sv, "- La Spezia (parte)"sv, "- Savona"sv,
                                    "- Parma (parte)"sv};
constexpr std::array kPortonovo{"- Bologna"sv, "- Ferrara"sv, "- Forlì"sv, "- Ravenna"sv, "- Rovigo"sv};
constexpr std::array kSiena{"- Arezzo"sv,        "- Firenze"sv,      "- Grosseto"sv, "- Livorno (parte)"sv,
                            "- Lucca (parte)"sv, "- Pisa (parte)"sv, "- Pistoia"sv,  "- Siena"sv};
constexpr std::array kMonteOrello{"- Livorno (Isola d'Elba)"sv};
constexpr std::array kMonteFortezza{"- Livorno (I. di Montecristo)"sv};
constexpr std::array kGorgona{"- Livorno (I. di Gorgona)"sv};
constexpr std::array kUrbino{"- Pesaro"sv, "- Urbino"sv};
constexpr std::array kMontePennino{"- Ascoli Piceno"sv, "- Macerata"sv, "- Perugia"sv, "- Arezzo (parte)"sv};
constexpr std::array kRoma{"- Frosinone (parte)"sv, "- Latina (parte)"sv, "- Roma (parte)"sv, "- Viterbo"sv,
                           "- Terni"sv};
constexpr std::array kMontePetrella{"- Frosinone (parte)"sv, "- Latina (parte)"sv};
constexpr std::array kTaranto{"- Taranto (parte)"sv, "- Brindisi (parte)"sv};
constexpr std::array kLecce{"- Lecce"sv, "- Brindisi (parte)"sv, "- Taranto (parte)"sv};
constexpr std::array kEtna{"- Messina"sv, "- Catania (parte)"sv};

// Values exactly as stored, gg.ppssdddd; longitudes from Genova.
const std::array<CadastralCentre, CentreCount> kCentres{{
    {"Definite dall'utente", 0, 0, kNone},
    {"Pordenone", 45.5715104, 3.4421453, kPordenone},
    {"Monte Bronzone", 45.423108, 1.0409404, kMonteBronzone},
    {"Lodi", 45.1849219, 0.3453166, kLodi},
    {"Alessandria", 44.5451212, -0.1837157, kAlessandria},
    {"Monte Bignone", 43.5222465, -1.1117116, kMonteBignone},
    {"Forte Diamante", 44.273802, 0.010418, kForteDiamante},
    {"Portonovo", 44.3154767, 2.4955509, kPortonovo},
    {"Siena (T. del Mangia)", 43.1903126, 2.2439027, kSiena},
    {"Monte Orello", 42.4646193, 1.2358545, kMonteOrello},
    {"Monte della Fortezza", 42.2013592, 1.2317115, kMonteFortezza},
    {"Gorgona semaforo", 43.253741, 0.5821261, kGorgona},
    {"Urbino", 43.432793, 3.425429, kUrbino},
    {"Monte Pennino", 43.0602076, 3.580331, kMontePennino},
    {"Roma (Monte Mario)", 41.5524399, 3.3151131, kRoma},
    {"Monte Petrella", 41.1916112, 4.444, kMontePetrella},
    {"Taranto", 40.2829816, 8.1827839, kTaranto},
    {"Lecce", 40.2102454, 9.1454917, kLecce},
    {"Monte Etna (P. Lucia)", 37.454724, 6.0351129, kEtna},
}};

} // namespace

const CadastralCentre& CentreAt(int index) {
    if (index < 0 || index >= CentreCount)
        return kCentres[0];
    return kCentres[static_cast<std::size_t>(index)];
}

std::string CentreName(int index) {
    if (index < 0 || index >= CentreCount)
        return {};
    return std::string(CentreAt(index).name);
}

CentreSelection SelectCentre(int index, CentreValues& centre) {
    if (index == UserDefinedCentre) {
        centre = CentreValues{};
        return {CentreSelection::Action::ClearCentre, {}};
    }
    if (index < 0 || index >= CentreCount)
        return {CentreSelection::Action::ShowAgain, {}};

    const CadastralCentre& row = CentreAt(index);
    centre.centreLatitude = row.latitude;
    centre.centreLongitude = row.longitude;
    std::string text;
    for (std::size_t i = 0; i < row.provinces.size(); ++i) {
        if (i > 0)
            text += '\r';
        text += row.provinces[i];
    }
    return {CentreSelection::Action::ShowCentre, text};
}

std::string FormatCentreValue(double v, bool tableLongitude, std::string_view decimalSeparator) {
    return FormatPattern(SexagesimalDisplayValue(v, 3),
                         tableLongitude ? TableLongitudePattern : CentrePattern, decimalSeparator);
}

} // namespace tervano
