#pragma once

#include "files/DelimitedText.h"
#include "files/RowConverter.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

// Converting a whole point file: lines are read in blocks, converted on a
// pool of worker threads and written in their input order, so memory stays
// bounded whatever the file's size. Comment and blank lines go to the output
// as they are; a header line gets the names of the result columns; every
// data row gets its results and a status column ("OK", or the message of its
// refusal). A refused row never stops the run.
//
// Usage:
//   OutputFile out;
//   if (!out.open(path, error)) ...                  // a temporary file beside `path`
//   RunOutcome r = ConvertStream(in, out.stream(), converter, layout, observer);
//   if (r.error.empty() && out.commit(error)) ...    // renamed over `path`
namespace tervano::files {

enum class HeaderMode { Auto, Yes, No };

struct FileLayout {
    std::optional<Delimiter> delimiter;   // nothing: detected from the first data lines
    HeaderMode header = HeaderMode::Auto; // Auto: a first data line whose coordinate fields hold no number
    int nameColumn = 1;                   // 1-based; 0 when the rows have no point name
    std::vector<int> coordinateColumns;   // 1-based, in the converter's input order; empty: the
                                          // first columns that are not the name's
};

// The coordinate columns (1-based) of a layout for a converter taking `inputs` fields.
std::vector<int> CoordinateColumns(const FileLayout& layout, size_t inputs);

// What the first lines of a file show: its delimiter (the layout's, or the
// one detected) and which of the lines, if any, is the header. A preview
// splits the lines with the delimiter as the run will.
struct DetectedLayout {
    Delimiter delimiter = Delimiter::Blanks;
    std::optional<size_t> headerIndex; // index into the lines given
};
DetectedLayout DetectLayout(const std::vector<std::string_view>& firstLines, const FileLayout& layout,
                            size_t inputs);

struct RefusedRow {
    std::uint64_t line = 0; // 1-based line of the input
    std::string status;
};

struct RunSummary {
    std::uint64_t read = 0; // data rows (not comments, blank lines or the header)
    std::uint64_t converted = 0;
    std::uint64_t refused = 0;
    Delimiter delimiter = Delimiter::Blanks;
    bool header = false;
};

// Told of what happens, on the thread that called ConvertStream.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // Each refused row, in input order.
    virtual void refused(const RefusedRow&) {}
    // After each block written: the bytes read so far and the rows written.
    virtual void progress(std::uint64_t /*bytesRead*/, std::uint64_t /*rows*/) {}
    // Asked between blocks: true stops the run (RunOutcome::cancelled).
    virtual bool cancelled() { return false; }
};

struct RunOutcome {
    RunSummary summary;
    std::string error; // a read or write failure, in Italian; empty when none
    bool cancelled = false;
};

// Converts `in` to `out` with copies of `converter`, on `workers` threads (0: one per core).
RunOutcome ConvertStream(std::FILE* in, std::FILE* out, const RowConverter& converter,
                         const FileLayout& layout, RunObserver& observer, unsigned workers = 0);

// The output file, written to a temporary file in the same folder and renamed
// over the destination by commit(): an interrupted run leaves an existing
// file as it was and no half-written one. "-" is the standard output.
class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile(); // removes the temporary file unless committed

    bool open(const std::string& path, std::string& error);
    std::FILE* stream() const { return stream_; }
    // The temporary file's path (empty for the standard output).
    const std::string& temporaryPath() const { return temporary_; }
    bool commit(std::string& error);
    // Closes and removes the temporary file.
    void discard();

private:
    std::string path_, temporary_;
    std::FILE* stream_ = nullptr;
    bool standardOutput_ = false;
};

// The usage error of a layout naming as many coordinate columns as the converter does not read.
std::string ColumnCountMessage(const RowConverter& converter);

// An error number as a short Italian text ("permesso negato").
std::string ErrorText(int error);

// Whether two paths name the same existing file.
bool SameFile(const std::string& a, const std::string& b);

} // namespace tervano::files
