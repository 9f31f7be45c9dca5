#include "files/CommandLine.h"

#include "files/CadastralRows.h"
#include "files/CartesianRows.h"
#include "files/DelimitedText.h"
#include "files/GeoToPlaneRows.h"
#include "files/PlaneToGeoRows.h"
#include "files/SingleZoneRows.h"
#include "files/SystemChangeRows.h"

#include <algorithm>
#include <charconv>

namespace tervano::files {

namespace {

struct ConversionEntry {
    Conversion conversion;
    const char* name;
};
constexpr ConversionEntry Conversions[] = {
    {Conversion::GeoToPlane, "geo-piane"},
    {Conversion::PlaneToGeo, "piane-geo"},
    {Conversion::GeoToCartesian, "geo-cart"},
    {Conversion::CartesianToGeo, "cart-geo"},
    {Conversion::SingleZoneGeoToPlane, "fuso-geo-piane"},
    {Conversion::SingleZonePlaneToGeo, "fuso-piane-geo"},
    {Conversion::SystemChangeGeographic, "sistemi-geo"},
    {Conversion::SystemChangePlane, "sistemi-piane"},
    {Conversion::CadastreToGaussBoaga, "catasto-gb"},
    {Conversion::GaussBoagaToCadastre, "gb-catasto"},
};

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::optional<System> SystemFromName(std::string_view name) {
    const std::string n = Lower(name);
    if (n == "roma40")
        return System::ROMA40;
    if (n == "ed50")
        return System::ED50;
    if (n == "wgs84")
        return System::WGS84;
    return std::nullopt;
}

// "appartenenza" gives the zone of membership (nothing in `zone`).
bool ZoneFromName(std::string_view name, std::optional<PlaneZone>& zone) {
    const std::string n = Lower(name);
    static constexpr struct {
        const char* name;
        PlaneZone zone;
    } zones[] = {{"ovest", PlaneZone::GBOvest},
                 {"est", PlaneZone::GBEst},
                 {"32", PlaneZone::UTM32},
                 {"33", PlaneZone::UTM33},
                 {"34", PlaneZone::UTM34}};
    if (n == "appartenenza") {
        zone.reset();
        return true;
    }
    for (const auto& z : zones)
        if (n == z.name) {
            zone = z.zone;
            return true;
        }
    return false;
}

// An option's value that must be one number (the typed-number rule).
std::optional<TypedNumber> NumberOption(const std::string& value) {
    std::string normalised;
    if (!IsNumberField(value, false, normalised))
        return std::nullopt;
    return ReadNumberField(normalised);
}

std::optional<int> PositiveInteger(std::string_view s) {
    int v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || v < 0 || v > 100000)
        return std::nullopt;
    return v;
}

// The file's name without its folders.
std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The grid of the options as the rows use it: the system its source is taken
// as (the option, else the header), and a check that it joins the two systems.
bool GridFor(const ConversionOptions& o, System source, System target, GridChoice& grid, std::string& error) {
    if (!o.grid) {
        error = "Grigliato NTv2 non caricato: \"" + o.gridPath + "\"";
        return false;
    }
    std::optional<System> gridSource = GridSourceFromHeader(*o.grid);
    if (!o.gridSystem.empty())
        gridSource = SystemFromName(o.gridSystem);
    if (!gridSource || *gridSource == System::WGS84) {
        error = "Il grigliato NTv2 \"" + o.gridPath + "\" non dice da quale sistema parte (SYSTEM_F \"" +
                o.grid->sourceName + "\"): indicarlo con --grigliato-sistema roma40 oppure ed50";
        return false;
    }
    grid = GridChoice{o.grid, BaseName(o.gridPath), *gridSource};
    if (!GridJoins(GridMethod{o.grid.get(), *gridSource}, source, target)) {
        const std::string joined = *gridSource == System::ROMA40 ? "ROMA40" : "ED50";
        error = "Il grigliato NTv2 \"" + o.gridPath + "\" unisce " + joined +
                " e WGS84: non porta i punti fra i due sistemi scelti";
        return false;
    }
    return true;
}

} // namespace

const char* ConversionName(Conversion c) {
    for (const ConversionEntry& e : Conversions)
        if (e.conversion == c)
            return e.name;
    return "";
}

std::optional<Conversion> ConversionFromName(std::string_view name) {
    const std::string n = Lower(name);
    for (const ConversionEntry& e : Conversions)
        if (n == e.name)
            return e.conversion;
    return std::nullopt;
}

bool NeedsCommonPoints(Conversion c) {
    return c == Conversion::SystemChangeGeographic || c == Conversion::SystemChangePlane;
}

std::vector<Conversion> AllConversions() {
    std::vector<Conversion> out;
    for (const ConversionEntry& e : Conversions)
        out.push_back(e.conversion);
    return out;
}

std::unique_ptr<RowConverter> MakeRowConverter(const ConversionOptions& o, std::string& error) {
    PageSettings settings;
    settings.angleUnit = o.angleUnit;
    settings.longitudeOrigin = o.longitudeOrigin;
    settings.decimalPoint = ".";
    const bool utm = o.system != System::ROMA40;
    const bool gaussBoagaZone = o.zone && (*o.zone == PlaneZone::GBOvest || *o.zone == PlaneZone::GBEst);
    const char* const zonesOfSystem = o.system == System::ROMA40
                                          ? "Il sistema ROMA40 ha i fusi ovest ed est"
                                          : "I sistemi ED50 e WGS84 hanno i fusi 32, 33 e 34";
    switch (o.conversion) {
    case Conversion::GeoToPlane:
        if (o.zone && gaussBoagaZone == utm) {
            error = zonesOfSystem;
            return nullptr;
        }
        return std::make_unique<GeoToPlaneRows>(settings, o.system, o.zone);
    case Conversion::PlaneToGeo:
        // A Gauss-Boaga zone follows from East; a UTM zone is chosen, as in the window.
        if (!utm) {
            if (o.zone) {
                error = "Per il sistema ROMA40 il fuso segue dalla coordinata Est: non si indica";
                return nullptr;
            }
            return std::make_unique<PlaneToGeoRows>(settings, o.system, PlaneZone::UTM32);
        }
        if (!o.zone || gaussBoagaZone) {
            error = o.zone ? zonesOfSystem : "Indicare il fuso UTM dei punti con --fuso (32, 33, 34)";
            return nullptr;
        }
        return std::make_unique<PlaneToGeoRows>(settings, o.system, *o.zone);
    case Conversion::GeoToCartesian:
    case Conversion::CartesianToGeo: {
        XAxis axis = XAxis::ThroughMonteMario;
        if (o.xAxis == "greenwich")
            axis = XAxis::ThroughGreenwich;
        else if (!o.xAxis.empty() && o.xAxis != "montemario") {
            error = "Asse X non valido: \"" + o.xAxis + "\" (montemario, greenwich)";
            return nullptr;
        }
        if (o.conversion == Conversion::GeoToCartesian)
            return std::make_unique<GeoToCartesianRows>(settings, o.system, axis);
        return std::make_unique<CartesianToGeoRows>(settings, o.system, axis);
    }
    case Conversion::SingleZoneGeoToPlane:
    case Conversion::SingleZonePlaneToGeo: {
        SingleZoneChoice zone;
        if (o.meridian.empty() != o.falseEast.empty()) {
            error = "Le opzioni --meridiano e --falso-est si indicano insieme";
            return nullptr;
        }
        const struct {
            const std::string& text;
            std::optional<TypedValue>& value;
            FieldKind kind;
            const char* name;
        } parameters[] = {{o.meridian, zone.meridian, FieldKind::Angle, "Meridiano centrale"},
                          {o.falseEast, zone.falseEast, FieldKind::Length, "Falso est"},
                          {o.scale, zone.scale, FieldKind::Length, "Fattore di scala"}};
        for (const auto& p : parameters) {
            if (p.text.empty())
                continue;
            const std::optional<TypedNumber> n = NumberOption(p.text);
            if (!n) {
                error = std::string(p.name) + " non valido: \"" + p.text + "\"";
                return nullptr;
            }
            p.value = TypedOf(*n, p.kind, o.angleUnit);
            p.value->shown = p.text;
        }
        if (o.conversion == Conversion::SingleZoneGeoToPlane)
            return std::make_unique<SingleZoneGeoToPlaneRows>(settings, o.system, zone);
        return std::make_unique<SingleZonePlaneToGeoRows>(settings, o.system, zone);
    }
    case Conversion::SystemChangeGeographic:
    case Conversion::SystemChangePlane: {
        if (o.targetSystem.empty()) {
            error = "Indicare il sistema di arrivo con --sistema-arrivo (roma40, ed50, wgs84)";
            return nullptr;
        }
        const std::optional<System> target = SystemFromName(o.targetSystem);
        if (!target) {
            error = "Sistema di arrivo sconosciuto: \"" + o.targetSystem + "\" (roma40, ed50, wgs84)";
            return nullptr;
        }
        if (*target == o.system) {
            error = "Il sistema di arrivo deve essere diverso da quello di partenza";
            return nullptr;
        }
        GridChoice grid;
        std::shared_ptr<const CommonPointTable> table = o.commonPoints;
        if (!o.gridPath.empty()) {
            if (!GridFor(o, o.system, *target, grid, error))
                return nullptr;
            // The table is not used by the rows of a grid.
            if (!table)
                table = std::make_shared<const CommonPointTable>();
        } else if (!table) {
            error = "Tabella dei punti comuni non disponibile";
            return nullptr;
        }
        if (o.conversion == Conversion::SystemChangeGeographic)
            return std::make_unique<GeographicChangeRows>(settings, table, o.system, *target, grid);
        return std::make_unique<PlaneChangeRows>(settings, table, o.system, *target, grid);
    }
    case Conversion::CadastreToGaussBoaga:
    case Conversion::GaussBoagaToCadastre: {
        if (o.centre.empty()) {
            error = "Indicare il centro catastale con --centro (numero, nome o latitudine,longitudine)";
            return nullptr;
        }
        const std::optional<CentreChoice> centre = CentreFromText(o.centre, error);
        if (!centre)
            return nullptr;
        if (o.conversion == Conversion::CadastreToGaussBoaga)
            return std::make_unique<CadastreToGaussBoagaRows>(settings, *centre);
        return std::make_unique<GaussBoagaToCadastreRows>(settings, *centre);
    }
    }
    error = "Conversione sconosciuta";
    return nullptr;
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const StoredSettings& stored, std::string& error) {
    CommandLine cl;
    cl.conversion.angleUnit = stored.angleUnit;
    cl.conversion.longitudeOrigin = stored.longitudeOrigin;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::string value;
        bool inlineValue = false;
        if (option.rfind("--", 0) == 0 && option.find('=') != std::string::npos) {
            value = option.substr(option.find('=') + 1);
            option = option.substr(0, option.find('='));
            inlineValue = true;
        }
        auto takeValue = [&]() -> bool {
            if (inlineValue)
                return true;
            if (i + 1 >= args.size()) {
                error = "L'opzione " + option + " richiede un valore";
                return false;
            }
            value = args[++i];
            return true;
        };
        auto is = [&](const char* shortName, const char* longName) {
            return (shortName != nullptr && option == shortName) || option == longName;
        };

        if (option == "-" || option.empty() || option[0] != '-') {
            files.push_back(option);
            continue;
        }
        if (option == "--") {
            for (++i; i < args.size(); ++i)
                files.push_back(args[i]);
            break;
        }
        if (is("-h", "--aiuto") || option == "--help") {
            cl.help = true;
            return cl;
        }
        if (is("-V", "--versione") || option == "--version") {
            cl.version = true;
            return cl;
        }
        if (is("-q", "--silenzioso")) {
            cl.quiet = true;
            continue;
        }
        static const char* const valueOptions[] = {"-c",
                                                   "--conversione",
                                                   "-s",
                                                   "--sistema",
                                                   "-f",
                                                   "--fuso",
                                                   "-n",
                                                   "--notazione",
                                                   "-l",
                                                   "--longitudini",
                                                   "-d",
                                                   "--delimitatore",
                                                   "--intestazione",
                                                   "--nome",
                                                   "--colonne",
                                                   "--asse-x",
                                                   "--meridiano",
                                                   "--falso-est",
                                                   "--scala",
                                                   "--sistema-arrivo",
                                                   "--centro",
                                                   "--grigliato",
                                                   "--grigliato-sistema"};
        bool known = false;
        for (const char* name : valueOptions)
            known = known || option == name;
        if (!known) {
            error = "Opzione sconosciuta: " + option;
            return std::nullopt;
        }
        if (!takeValue())
            return std::nullopt;
        if (is("-c", "--conversione")) {
            const auto c = ConversionFromName(value);
            if (!c) {
                error = "Conversione sconosciuta: \"" + value + "\"";
                return std::nullopt;
            }
            cl.conversion.conversion = *c;
        } else if (is("-s", "--sistema")) {
            const auto s = SystemFromName(value);
            if (!s) {
                error = "Sistema sconosciuto: \"" + value + "\" (roma40, ed50, wgs84)";
                return std::nullopt;
            }
            cl.conversion.system = *s;
        } else if (is("-f", "--fuso")) {
            if (!ZoneFromName(value, cl.conversion.zone)) {
                error = "Fuso sconosciuto: \"" + value + "\" (appartenenza, ovest, est, 32, 33, 34)";
                return std::nullopt;
            }
        } else if (is("-n", "--notazione")) {
            const auto n = PositiveInteger(value);
            if (!n || *n < 1 || *n > 4) {
                error = "Notazione degli angoli non valida: \"" + value + "\" (da 1 a 4)";
                return std::nullopt;
            }
            cl.conversion.angleUnit = *n;
        } else if (is("-l", "--longitudini")) {
            const std::string v = Lower(value);
            if (v == "montemario")
                cl.conversion.longitudeOrigin = 1;
            else if (v == "greenwich")
                cl.conversion.longitudeOrigin = 2;
            else {
                error = "Origine delle longitudini non valida: \"" + value + "\" (montemario, greenwich)";
                return std::nullopt;
            }
        } else if (is("-d", "--delimitatore")) {
            const auto d = DelimiterFromName(Lower(value));
            if (!d) {
                error = "Delimitatore sconosciuto: \"" + value + "\" (tab, puntoevirgola, virgola, spazi)";
                return std::nullopt;
            }
            cl.layout.delimiter = *d;
        } else if (option == "--intestazione") {
            const std::string v = Lower(value);
            if (v == "si" || v == "sì")
                cl.layout.header = HeaderMode::Yes;
            else if (v == "no")
                cl.layout.header = HeaderMode::No;
            else if (v == "auto")
                cl.layout.header = HeaderMode::Auto;
            else {
                error = "Valore di --intestazione non valido: \"" + value + "\" (si, no, auto)";
                return std::nullopt;
            }
        } else if (option == "--nome") {
            const auto n = PositiveInteger(value);
            if (!n) {
                error = "Colonna del nome non valida: \"" + value + "\"";
                return std::nullopt;
            }
            cl.layout.nameColumn = *n;
        } else if (option == "--colonne") {
            cl.layout.coordinateColumns.clear();
            size_t start = 0;
            for (;;) {
                const size_t comma = value.find(',', start);
                const std::string_view part = std::string_view(value).substr(
                    start, comma == std::string::npos ? std::string::npos : comma - start);
                const auto n = PositiveInteger(part);
                if (!n || *n < 1) {
                    error = "Colonne delle coordinate non valide: \"" + value + "\"";
                    return std::nullopt;
                }
                cl.layout.coordinateColumns.push_back(*n);
                if (comma == std::string::npos)
                    break;
                start = comma + 1;
            }
        } else if (option == "--asse-x") {
            cl.conversion.xAxis = Lower(value);
        } else if (option == "--meridiano") {
            cl.conversion.meridian = value;
        } else if (option == "--falso-est") {
            cl.conversion.falseEast = value;
        } else if (option == "--scala") {
            cl.conversion.scale = value;
        } else if (option == "--sistema-arrivo") {
            cl.conversion.targetSystem = Lower(value);
        } else if (option == "--centro") {
            cl.conversion.centre = value;
        } else if (option == "--grigliato") {
            if (value.empty()) {
                error = "Indicare il file del grigliato NTv2 con --grigliato";
                return std::nullopt;
            }
            cl.conversion.gridPath = value;
        } else if (option == "--grigliato-sistema") {
            const std::string v = Lower(value);
            if (v != "roma40" && v != "ed50") {
                error = "Sistema del grigliato non valido: \"" + value + "\" (roma40, ed50)";
                return std::nullopt;
            }
            cl.conversion.gridSystem = v;
        }
    }
    const std::vector<int>& columns = cl.layout.coordinateColumns;
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] == cl.layout.nameColumn ||
            std::find(columns.begin(), columns.begin() + static_cast<std::ptrdiff_t>(i), columns[i]) !=
                columns.begin() + static_cast<std::ptrdiff_t>(i)) {
            error = "Colonne delle coordinate non valide: ogni colonna una volta sola, e non quella del nome";
            return std::nullopt;
        }
    }
    if (files.size() != 2) {
        error = files.size() < 2 ? "Indicare il file di ingresso e il file di uscita"
                                 : "Troppi file indicati: \"" + files[2] + "\"";
        return std::nullopt;
    }
    cl.input = files[0];
    cl.output = files[1];
    return cl;
}

std::string HelpText() {
    return R"help(Uso: tervano1-converti [OPZIONI] INGRESSO USCITA

Converte i punti di un file di testo delimitato, una riga per punto, con le
stesse regole, gli stessi controlli e gli stessi messaggi delle finestre di
Tervano1. INGRESSO e USCITA sono file; "-" indica lo standard input o lo
standard output. Il file di uscita ripete ogni riga del file di ingresso e vi
aggiunge le colonne dei risultati e una colonna "Esito" ("OK" oppure il
messaggio che spiega perché il punto non è stato convertito). Le righe di
commento (che iniziano con #) e le righe vuote sono copiate come sono.

Conversione:
  -c, --conversione NOME  la conversione, come nelle finestre:
      geo-piane       da geografiche a piane (predefinita): latitudine e
                      longitudine in Nord, Est e fuso
      piane-geo       da piane a geografiche: Nord ed Est in latitudine,
                      longitudine e fuso
      geo-cart        da geografiche a cartesiane: latitudine, longitudine e
                      quota ellissoidica in X, Y, Z
      cart-geo        da cartesiane a geografiche: X, Y, Z in latitudine,
                      longitudine e quota
      fuso-geo-piane  fuso unico, da geografiche a piane
      fuso-piane-geo  fuso unico, da piane a geografiche
      sistemi-geo     passaggio fra sistemi, coordinate geografiche
      sistemi-piane   passaggio fra sistemi, coordinate piane: Nord, Est e,
                      per ED50 e WGS84, il numero del fuso (32, 33, 34) in
                      una terza colonna
      catasto-gb      da Cassini-Soldner (X, Y) a Gauss-Boaga ROMA40
      gb-catasto      da Gauss-Boaga ROMA40 (Nord, Est) a Cassini-Soldner
  -s, --sistema NOME      sistema dei punti: roma40 (predefinito), ed50, wgs84
  -f, --fuso NOME         geo-piane: appartenenza (predefinito: il fuso di
                          appartenenza, con il fuso di sovrapposizione nelle
                          colonne aggiunte quando il punto è nella fascia
                          comune), oppure un fuso scelto: ovest, est
                          (ROMA40), 32, 33, 34 (ED50, WGS84);
                          piane-geo: il fuso UTM dei punti ED50 e WGS84
                          (32, 33, 34); per ROMA40 il fuso segue da Est
  -n, --notazione N       notazione degli angoli: 1 Sessagesimali
                          (gg.ppssdddd), 2 Sessadecimali, 3 Centesimali,
                          4 Gradi Primi Decimi di primo (gg.ppdddddd);
                          predefinita: quella delle impostazioni di Tervano1
  -l, --longitudini NOME  origine delle longitudini ROMA40: montemario o
                          greenwich; predefinita: quella delle impostazioni
  --asse-x NOME           geo-cart, cart-geo: asse X del sistema ROMA40 per
                          montemario (predefinito) o per greenwich
  --meridiano ANGOLO      fuso unico: meridiano centrale nella notazione
                          scelta, insieme a --falso-est (metri);
                          predefiniti quelli del sistema
  --falso-est METRI
  --scala FATTORE         fuso unico: fattore di scala (predefinito 0.9996)
  --sistema-arrivo NOME   sistemi-geo, sistemi-piane: il sistema in cui
                          portare i punti (roma40, ed50, wgs84, diverso da
                          --sistema); ogni risultato dice come è stato
                          ottenuto (colonne descritte sotto)
  --grigliato FILE        sistemi-geo, sistemi-piane: porta i punti con il
                          grigliato NTv2 FILE invece che con la tabella dei
                          punti comuni, fra il suo sistema di partenza
                          (ROMA40 o ED50) e WGS84; un punto fuori dal
                          grigliato è rifiutato
  --grigliato-sistema NOME
                          il sistema di partenza del grigliato, roma40 o
                          ed50; necessario quando l'intestazione del file
                          (SYSTEM_F) non lo dice, e prevale su di essa
  --centro CENTRO         catasto-gb, gb-catasto: il centro catastale, come
                          numero della tabella (da 1 a 18), nome o inizio
                          del nome ("Monte Etna", "roma"), oppure
                          latitudine,longitudine in gg.ppssdddd (Bessel,
                          longitudine da Genova); lunghezze al centimetro

File:
  -d, --delimitatore NOME tab, puntoevirgola, virgola, spazi (predefinito:
                          rilevato dalle prime righe)
  --intestazione VALORE   si, no, auto (predefinito: la prima riga è
                          un'intestazione quando le sue colonne delle
                          coordinate non contengono numeri)
  --nome N                colonna del nome del punto (predefinita 1;
                          0: nessuna)
  --colonne N,M           colonne delle coordinate, nell'ordine della
                          conversione (predefinite: le prime colonne dopo
                          quella del nome); le altre colonne sono copiate
  -q, --silenzioso        nessun avanzamento sullo standard error
  -V, --versione          la versione e il file della tabella dei punti
                          comuni
  -h, --aiuto             questo aiuto

I numeri si scrivono come nelle finestre (la virgola decimale è accettata
quando il delimitatore non è la virgola); i risultati sono scritti come
numeri nella notazione scelta (41°55'24.399'' diventa 41.5524399 in
notazione 1), le lunghezze come le mostrano le finestre: al millimetro, al
metro nel passaggio fra sistemi in coordinate piane, al centimetro nel
catasto.

Nel passaggio fra sistemi sei colonne dopo i risultati dicono come è stato
ottenuto ogni punto, con entrambi i metodi nello stesso ordine:
"Punto comune" (riga della tabella), "Distanza punto comune" (metri),
"Attendibile" (sì, no), "Metodo" ("tabella dei punti comuni" oppure
"grigliato NTv2 FILE"), "Precisione (m)" (del metodo della tabella per la
coppia di sistemi: 5 fra ROMA40 e WGS84, 11 fra ROMA40 ed ED50, 10 fra ED50
e WGS84), "Sottogriglia" (del grigliato); le colonne dell'altro metodo
restano vuote.

Uscita: 0 tutte le righe convertite, 1 alcune righe rifiutate,
2 errore di uso o di file (anche un grigliato illeggibile o danneggiato).

La tabella dei punti comuni del passaggio fra sistemi è letta dal file
indicato dalla variabile TERVANO1_COMMON_POINTS, altrimenti da
../share/tervano1 accanto al programma o dalla cartella dei dati di Tervano1.

Esempi:
  tervano1-converti -s roma40 -n 1 punti.txt punti_gb.txt
  tervano1-converti -c piane-geo -s wgs84 -f 33 utm.txt geo.txt
  tervano1-converti -c sistemi-geo -s roma40 --sistema-arrivo wgs84 a.txt b.txt
  tervano1-converti -c sistemi-piane -s roma40 --sistema-arrivo wgs84 \
      --grigliato roma40.gsb --grigliato-sistema roma40 gb.txt utm.txt
  tervano1-converti -c catasto-gb --centro "Monte Etna" mappa.txt gb.txt
)help";
}

} // namespace tervano::files
