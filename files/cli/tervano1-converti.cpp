// tervano1-converti: converts the points of a delimited text file with the
// conversion pages of Tervano1. Messages and help are Italian.

#include "datum/CommonPointTable.h"
#include "datum/Ntv2Grid.h"
#include "files/CommandLine.h"
#include "files/CommonPointFile.h"
#include "files/FileRun.h"
#include "files/SettingsText.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

using namespace tervano::files;

namespace {

// The temporary output file, removed by a signal that ends the run: the
// handler may only use what is async-signal-safe, hence a fixed buffer.
char g_temporary[4096];

extern "C" void OnSignal(int sig) {
    if (g_temporary[0] != '\0')
        ::unlink(g_temporary);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};

// Holds the ending signals back while the temporary file comes into being or
// is renamed, so that no signal finds it present but not yet registered (or
// registered but already renamed); a held signal is delivered on release.
class HeldSignals {
public:
    HeldSignals() {
        sigset_t set;
        sigemptyset(&set);
        for (int sig : kEndingSignals)
            sigaddset(&set, sig);
        ::sigprocmask(SIG_BLOCK, &set, &previous_);
    }
    ~HeldSignals() { ::sigprocmask(SIG_SETMASK, &previous_, nullptr); }
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

private:
    sigset_t previous_;
};

void RemoveTemporaryOnSignals(const std::string& path) {
    if (path.size() >= sizeof g_temporary)
        return;
    std::memcpy(g_temporary, path.c_str(), path.size() + 1);
    for (int sig : kEndingSignals)
        std::signal(sig, OnSignal);
}

// Refused rows and, on a terminal, the progress on standard error.
class ConsoleObserver : public RunObserver {
public:
    ConsoleObserver(bool showProgress, long long inputSize) : show_(showProgress), size_(inputSize) {}

    void refused(const RefusedRow& r) override {
        clearProgress();
        std::fprintf(stderr, "Riga %llu: %s\n", static_cast<unsigned long long>(r.line), r.status.c_str());
    }

    void progress(std::uint64_t bytes, std::uint64_t rows) override {
        if (!show_)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ < std::chrono::milliseconds(200))
            return;
        last_ = now;
        if (size_ > 0)
            std::fprintf(stderr, "\rConversione: %3d%%  (%llu righe)",
                         static_cast<int>(100.0 * static_cast<double>(bytes) / static_cast<double>(size_)),
                         static_cast<unsigned long long>(rows));
        else
            std::fprintf(stderr, "\rConversione: %llu righe", static_cast<unsigned long long>(rows));
        std::fflush(stderr);
        shown_ = true;
    }

    void clearProgress() {
        if (shown_) {
            std::fputs("\r\033[K", stderr);
            shown_ = false;
        }
    }

private:
    bool show_;
    long long size_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point last_{};
};

int UsageError(const std::string& message) {
    std::fprintf(stderr, "tervano1-converti: %s\nPer l'aiuto: tervano1-converti --aiuto\n", message.c_str());
    return 2;
}

int FileError(const std::string& message) {
    std::fprintf(stderr, "tervano1-converti: %s\n", message.c_str());
    return 2;
}

// Where the change of system reads its common-point table.
std::string TablePath() {
    const char* chosen = std::getenv("TERVANO1_COMMON_POINTS");
    return CommonPointFilePath(chosen != nullptr ? chosen : "", ProgramDirectory(),
                               {TERVANO_DATA_DIR_BUILD, TERVANO_DATA_DIR_INSTALL});
}

// The common-point table of the change of system, from where the program finds it.
std::shared_ptr<const tervano::CommonPointTable> LoadTable(std::string& error) {
    const std::string path = TablePath();
    auto table = std::make_shared<tervano::CommonPointTable>();
    const tervano::CommonPointLoad load = tervano::LoadCommonPoints(path, *table);
    if (!load.ok) {
        error =
            "Passaggio fra sistemi non disponibile: tabella dei punti comuni \"" + path + "\": " + load.error;
        return nullptr;
    }
    return table;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const StoredSettings stored = ReadStoredSettings(SettingsFilePath());
    std::string error;
    const std::optional<CommandLine> cl = ParseCommandLine(args, stored, error);
    if (!cl)
        return UsageError(error);
    if (cl->help) {
        std::fputs(HelpText().c_str(), stdout);
        return 0;
    }
    if (cl->version) {
        std::printf("tervano1-converti %s\nTabella dei punti comuni: %s\n", TERVANO_VERSION,
                    TablePath().c_str());
        return 0;
    }
    ConversionOptions options = cl->conversion;
    if (NeedsCommonPoints(options.conversion) && !options.gridPath.empty()) {
        // Through the user's grid, read once and shared by every worker; the table is not needed.
        std::optional<tervano::Ntv2Grid> grid = tervano::LoadNtv2(options.gridPath, error);
        if (!grid)
            return FileError("Grigliato NTv2 \"" + options.gridPath + "\": " + error);
        options.grid = std::make_shared<const tervano::Ntv2Grid>(std::move(*grid));
    } else if (NeedsCommonPoints(options.conversion)) {
        options.commonPoints = LoadTable(error);
        if (!options.commonPoints)
            return FileError(error);
    }
    const std::unique_ptr<RowConverter> converter = MakeRowConverter(options, error);
    if (!converter)
        return UsageError(error);
    if (!cl->layout.coordinateColumns.empty() &&
        cl->layout.coordinateColumns.size() != converter->inputs().size())
        return UsageError(ColumnCountMessage(*converter));

    if (cl->input != "-" && cl->output != "-" && SameFile(cl->input, cl->output))
        return FileError("Il file di uscita non può essere il file di ingresso");
    std::FILE* in = stdin;
    long long inputSize = 0;
    if (cl->input != "-") {
        in = std::fopen(cl->input.c_str(), "rb");
        if (in == nullptr)
            return FileError("Impossibile aprire il file di ingresso \"" + cl->input +
                             "\": " + ErrorText(errno));
        if (std::fseek(in, 0, SEEK_END) == 0) {
            inputSize = std::ftell(in);
            std::rewind(in);
        }
    }
    OutputFile out;
    {
        HeldSignals held;
        if (!out.open(cl->output, error))
            return FileError(error);
        RemoveTemporaryOnSignals(out.temporaryPath());
    }

    ConsoleObserver observer(!cl->quiet && ::isatty(STDERR_FILENO) != 0, inputSize);
    const RunOutcome outcome = ConvertStream(in, out.stream(), *converter, cl->layout, observer);
    observer.clearProgress();
    if (in != stdin)
        std::fclose(in);
    if (!outcome.error.empty()) {
        out.discard();
        return FileError(outcome.error);
    }
    {
        HeldSignals held;
        if (!out.commit(error))
            return FileError(error);
        g_temporary[0] = '\0';
    }

    const RunSummary& s = outcome.summary;
    std::fprintf(stderr, "Righe lette: %llu, convertite: %llu, rifiutate: %llu\n",
                 static_cast<unsigned long long>(s.read), static_cast<unsigned long long>(s.converted),
                 static_cast<unsigned long long>(s.refused));
    return s.refused == 0 ? 0 : 1;
}
