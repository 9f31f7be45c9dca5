#include "datum/Ntv2Grid.h"

namespace tervano {

std::optional<Ntv2Grid> ReadNtv2(std::string_view, std::string& error) {
    error = "LETTURA DEI GRIGLIATI NTv2 NON ANCORA DISPONIBILE";
    return std::nullopt;
}

std::optional<Ntv2Grid> LoadNtv2(const std::string& path, std::string& error) {
    return ReadNtv2(path, error);
}

std::optional<Ntv2Point> Ntv2Forward(const Ntv2Grid&, double, double) {
    return std::nullopt;
}

std::optional<Ntv2Point> Ntv2Inverse(const Ntv2Grid&, double, double) {
    return std::nullopt;
}

} // namespace tervano
