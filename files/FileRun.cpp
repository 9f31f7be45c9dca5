#include "files/FileRun.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tervano::files {

namespace {

// A block of whole lines (each ended by '\n', the file's last one perhaps not).
struct Chunk {
    std::uint64_t sequence = 0;
    std::uint64_t firstLine = 0;
    std::string data;
};

struct ChunkResult {
    std::string text;
    std::vector<RefusedRow> refused;
    std::uint64_t rows = 0, converted = 0;
};

// What every worker needs to turn a line into its output line.
struct LineFormat {
    Delimiter delimiter = Delimiter::Blanks;
    std::uint64_t headerLine = 0; // 0 without a header
    std::vector<int> columns;     // coordinate columns, 1-based
    std::vector<InputRole> inputs;
    std::string headerTail; // the result columns' names, each after a delimiter
    std::string emptyTail;  // the empty result columns of a refused row
    const char* lineEnd = "\n";
};

constexpr size_t BlockSize = 256 * 1024;

std::string_view StripCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

std::string_view TrimTrailingBlanks(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

class Worker {
public:
    Worker(const RowConverter& c, const LineFormat& f) : converter_(c.clone()), format_(f) {}

    void process(const Chunk& chunk, ChunkResult& out) {
        out.text.clear();
        out.refused.clear();
        out.rows = out.converted = 0;
        out.text.reserve(chunk.data.size() * 3 + 64);
        const std::string_view data = chunk.data;
        std::uint64_t line = chunk.firstLine;
        size_t pos = 0;
        while (pos < data.size()) {
            size_t nl = data.find('\n', pos);
            if (nl == std::string_view::npos)
                nl = data.size();
            convertLine(StripCarriageReturn(data.substr(pos, nl - pos)), line, out);
            out.text += format_.lineEnd;
            pos = nl + 1;
            ++line;
        }
    }

private:
    void appendLine(std::string_view line, ChunkResult& out) const {
        out.text += format_.delimiter == Delimiter::Blanks ? TrimTrailingBlanks(line) : line;
    }

    void refuse(std::string_view line, std::uint64_t number, std::string status, ChunkResult& out) {
        appendLine(line, out);
        out.text += format_.emptyTail;
        out.text += DelimiterChar(format_.delimiter);
        AppendField(out.text, status, format_.delimiter);
        out.refused.push_back({number, std::move(status)});
    }

    void convertLine(std::string_view line, std::uint64_t number, ChunkResult& out) {
        if (number == format_.headerLine) {
            appendLine(line, out);
            out.text += format_.headerTail;
            return;
        }
        if (IsBlankLine(line) || IsCommentLine(line)) {
            out.text += line;
            return;
        }
        ++out.rows;
        SplitLine(line, format_.delimiter, fields_);
        const int needed = *std::max_element(format_.columns.begin(), format_.columns.end());
        if (static_cast<int>(fields_.size()) < needed) {
            // Empty fields up to the coordinate columns keep the results in their columns.
            std::string padded(format_.delimiter == Delimiter::Blanks ? TrimTrailingBlanks(line) : line);
            for (size_t k = fields_.size(); k < static_cast<size_t>(needed); ++k) {
                padded += DelimiterChar(format_.delimiter);
                if (format_.delimiter == Delimiter::Blanks)
                    padded += "\"\"";
            }
            refuse(padded, number,
                   "COLONNE INSUFFICIENTI: " + std::to_string(fields_.size()) + " INVECE DI ALMENO " +
                       std::to_string(needed),
                   out);
            return;
        }
        numbers_.resize(format_.columns.size());
        const bool decimalComma = format_.delimiter != Delimiter::Comma;
        for (size_t k = 0; k < format_.columns.size(); ++k) {
            const int column = format_.columns[k];
            const std::string& value = fields_[static_cast<size_t>(column - 1)].value;
            if (!IsNumberField(value, decimalComma, scratch_)) {
                refuse(line, number,
                       (value.empty() ? "VALORE MANCANTE NELLA COLONNA "
                                      : "VALORE NON NUMERICO NELLA COLONNA ") +
                           std::to_string(column) + " (" + Upper(format_.inputs[k].name) + ")",
                       out);
                return;
            }
            numbers_[k] = ReadNumberField(scratch_);
        }
        if (std::optional<std::string> refused = converter_->convert(numbers_, results_)) {
            refuse(line, number, std::move(*refused), out);
            return;
        }
        ++out.converted;
        appendLine(line, out);
        const char sep = DelimiterChar(format_.delimiter);
        for (const std::string& r : results_) {
            out.text += sep;
            AppendField(out.text, r, format_.delimiter);
        }
        out.text += sep;
        out.text += "OK";
    }

    std::unique_ptr<RowConverter> converter_;
    const LineFormat& format_;
    std::vector<Field> fields_;
    std::vector<TypedNumber> numbers_;
    std::vector<std::string> results_;
    std::string scratch_;
};

// Workers take chunks from a queue and leave their results in slots of a
// ring indexed by sequence; the calling thread reads, and writes the results
// in sequence order. At most `ring` chunks are in flight.
class Pool {
public:
    Pool(unsigned workers, size_t ring, const RowConverter& c, const LineFormat& f) : slots_(ring) {
        for (unsigned i = 0; i < workers; ++i)
            threads_.emplace_back([this, &c, &f] { run(Worker(c, f)); });
    }
    ~Pool() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            jobs_.clear(); // after a stop, chunks not started are dropped
        }
        jobsReady_.notify_all();
        for (std::thread& t : threads_)
            t.join();
    }

    void submit(Chunk&& chunk) {
        {
            std::lock_guard lock(mutex_);
            slots_[chunk.sequence % slots_.size()].done = false;
            jobs_.push_back(std::move(chunk));
        }
        jobsReady_.notify_one();
    }

    // Waits for the result of chunk `sequence` and hands it over.
    // `spare` gets the chunk's input storage back, for reading another block into.
    void take(std::uint64_t sequence, ChunkResult& result, std::string& spare) {
        std::unique_lock lock(mutex_);
        Slot& slot = slots_[sequence % slots_.size()];
        resultReady_.wait(lock, [&] { return slot.done; });
        std::swap(result, slot.result);
        std::swap(spare, slot.input);
        slot.done = false;
    }

private:
    struct Slot {
        ChunkResult result;
        std::string input;
        bool done = false;
    };

    void run(Worker worker) {
        ChunkResult result;
        for (;;) {
            Chunk chunk;
            {
                std::unique_lock lock(mutex_);
                jobsReady_.wait(lock, [&] { return stopping_ || !jobs_.empty(); });
                if (jobs_.empty())
                    return;
                chunk = std::move(jobs_.front());
                jobs_.pop_front();
            }
            worker.process(chunk, result);
            {
                std::lock_guard lock(mutex_);
                Slot& slot = slots_[chunk.sequence % slots_.size()];
                std::swap(slot.result, result);
                slot.input = std::move(chunk.data);
                slot.done = true;
            }
            resultReady_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable jobsReady_, resultReady_;
    std::deque<Chunk> jobs_;
    std::vector<Slot> slots_;
    std::vector<std::thread> threads_;
    bool stopping_ = false;
};

// Reads the input in blocks cut after their last line end.
class BlockReader {
public:
    explicit BlockReader(std::FILE* in) : in_(in) {}

    // The next block of whole lines; false at the end of the input or on an error.
    bool next(Chunk& chunk) {
        // The block's storage may come from an earlier block: its capacity is kept.
        chunk.data.assign(carry_);
        carry_.clear();
        for (;;) {
            if (atEnd_) {
                if (chunk.data.empty())
                    return false;
                break;
            }
            const size_t have = chunk.data.size();
            chunk.data.resize(have + BlockSize);
            const size_t got = std::fread(chunk.data.data() + have, 1, BlockSize, in_);
            chunk.data.resize(have + got);
            bytesRead_ += got;
            if (got < BlockSize) {
                if (std::ferror(in_)) {
                    error_ = ErrorText(errno);
                    return false;
                }
                atEnd_ = true;
            }
            if (first_) {
                if (chunk.data.size() < 3 && !atEnd_)
                    continue;
                first_ = false;
                if (chunk.data.compare(0, 3, "\xEF\xBB\xBF") == 0) {
                    chunk.data.erase(0, 3);
                    bom_ = true;
                }
            }
            if (atEnd_)
                break;
            // Cut after the last line end; a line longer than the block reads on.
            const size_t lastEnd = chunk.data.rfind('\n');
            if (lastEnd != std::string::npos) {
                carry_.assign(chunk.data, lastEnd + 1);
                chunk.data.resize(lastEnd + 1);
                break;
            }
        }
        chunk.firstLine = nextLine_;
        nextLine_ += static_cast<std::uint64_t>(std::count(chunk.data.begin(), chunk.data.end(), '\n'));
        if (!chunk.data.empty() && chunk.data.back() != '\n')
            ++nextLine_;
        return true;
    }

    bool bom() const { return bom_; }
    std::uint64_t bytesRead() const { return bytesRead_; }
    const std::string& error() const { return error_; }

private:
    std::FILE* in_;
    std::string carry_;
    std::uint64_t nextLine_ = 1, bytesRead_ = 0;
    bool atEnd_ = false, first_ = true, bom_ = false;
    std::string error_;
};

// The first lines of a block (at most `count`), line ends removed.
std::vector<std::string_view> FirstLines(std::string_view data, size_t count) {
    std::vector<std::string_view> lines;
    size_t pos = 0;
    while (pos < data.size() && lines.size() < count) {
        size_t nl = data.find('\n', pos);
        if (nl == std::string_view::npos)
            nl = data.size();
        lines.push_back(StripCarriageReturn(data.substr(pos, nl - pos)));
        pos = nl + 1;
    }
    return lines;
}

bool WriteAll(std::FILE* out, std::string_view text, std::string& error) {
    if (text.empty())
        return true;
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size()) {
        error = std::string("Errore di scrittura: ") + ErrorText(errno);
        return false;
    }
    return true;
}

} // namespace

std::string ErrorText(int error) {
    switch (error) {
    case ENOENT:
        return "file o cartella inesistente";
    case EACCES:
    case EPERM:
        return "permesso negato";
    case EROFS:
        return "file system in sola lettura";
    case ENOSPC:
        return "spazio esaurito sul disco";
    case EDQUOT:
        return "quota del disco superata";
    case EISDIR:
        return "è una cartella";
    case ENOTDIR:
        return "una parte del percorso non è una cartella";
    case EIO:
        return "errore di ingresso/uscita";
    case EFBIG:
        return "file troppo grande";
    default:
        return std::strerror(error);
    }
}

std::string ColumnCountMessage(const RowConverter& converter) {
    const std::vector<InputRole> inputs = converter.inputs();
    std::string names;
    for (const InputRole& r : inputs)
        names += (names.empty() ? "" : ", ") + r.name;
    return "La conversione legge " + std::to_string(inputs.size()) + " colonne di coordinate (" + names + ")";
}

DetectedLayout DetectLayout(const std::vector<std::string_view>& lines, const FileLayout& layout,
                            size_t inputs) {
    DetectedLayout d;
    d.delimiter = layout.delimiter ? *layout.delimiter : DetectDelimiter(lines);
    const std::vector<int> columns = CoordinateColumns(layout, inputs);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IsBlankLine(lines[i]) || IsCommentLine(lines[i]))
            continue;
        bool header = layout.header == HeaderMode::Yes;
        if (layout.header == HeaderMode::Auto) {
            // A header: coordinate fields present, and none of them a number.
            std::vector<Field> fields;
            std::string scratch;
            SplitLine(lines[i], d.delimiter, fields);
            bool anyField = false, anyNumber = false;
            for (int c : columns) {
                if (static_cast<size_t>(c) > fields.size())
                    continue;
                anyField = true;
                anyNumber = anyNumber || IsNumberField(fields[static_cast<size_t>(c - 1)].value,
                                                       d.delimiter != Delimiter::Comma, scratch);
            }
            header = anyField && !anyNumber;
        }
        if (header)
            d.headerIndex = i;
        break;
    }
    return d;
}

std::vector<int> CoordinateColumns(const FileLayout& layout, size_t inputs) {
    if (!layout.coordinateColumns.empty())
        return layout.coordinateColumns;
    std::vector<int> columns;
    for (int c = 1; columns.size() < inputs; ++c)
        if (c != layout.nameColumn)
            columns.push_back(c);
    return columns;
}

RunOutcome ConvertStream(std::FILE* in, std::FILE* out, const RowConverter& converter,
                         const FileLayout& layout, RunObserver& observer, unsigned workers) {
    RunOutcome outcome;
    BlockReader reader(in);
    Chunk first;
    if (!reader.next(first)) {
        if (!reader.error().empty())
            outcome.error = "Errore di lettura: " + reader.error();
        return outcome; // an empty input gives an empty output
    }

    // The layout from the first lines.
    LineFormat format;
    format.inputs = converter.inputs();
    format.columns = CoordinateColumns(layout, format.inputs.size());
    if (format.columns.size() != format.inputs.size()) {
        outcome.error = ColumnCountMessage(converter);
        return outcome;
    }
    const std::vector<std::string_view> sample = FirstLines(first.data, 50);
    const DetectedLayout detected = DetectLayout(sample, layout, format.inputs.size());
    format.delimiter = detected.delimiter;
    if (detected.headerIndex)
        format.headerLine = first.firstLine + *detected.headerIndex;
    const size_t firstEnd = first.data.find('\n');
    if (firstEnd != std::string::npos && firstEnd > 0 && first.data[firstEnd - 1] == '\r')
        format.lineEnd = "\r\n";
    const char sep = DelimiterChar(format.delimiter);
    for (const std::string& name : converter.resultHeader()) {
        format.headerTail += sep;
        AppendField(format.headerTail, name, format.delimiter);
        format.emptyTail += sep;
        if (format.delimiter == Delimiter::Blanks)
            format.emptyTail += "\"\"";
    }
    format.headerTail += sep;
    format.headerTail += "Esito";
    outcome.summary.delimiter = format.delimiter;
    outcome.summary.header = format.headerLine != 0;

    std::string error;
    if (reader.bom() && !WriteAll(out, "\xEF\xBB\xBF", error)) {
        outcome.error = error;
        return outcome;
    }

    if (workers == 0)
        workers = std::max(1u, std::thread::hardware_concurrency());
    const size_t ring = 2 * workers + 2;
    Pool pool(workers, ring, converter, format);
    std::uint64_t submitted = 0, written = 0;
    bool more = true;
    first.sequence = submitted++;
    pool.submit(std::move(first));
    ChunkResult result;
    std::string spare;
    while (more || written < submitted) {
        if (observer.cancelled()) {
            outcome.cancelled = true;
            break;
        }
        if (more && submitted - written < ring) {
            Chunk chunk;
            chunk.data = std::move(spare);
            spare.clear();
            if (reader.next(chunk)) {
                chunk.sequence = submitted++;
                pool.submit(std::move(chunk));
                continue;
            }
            more = false;
            if (!reader.error().empty()) {
                outcome.error = "Errore di lettura: " + reader.error();
                break;
            }
            continue;
        }
        pool.take(written++, result, spare);
        outcome.summary.read += result.rows;
        outcome.summary.converted += result.converted;
        outcome.summary.refused += result.refused.size();
        for (const RefusedRow& r : result.refused)
            observer.refused(r);
        if (!WriteAll(out, result.text, error)) {
            outcome.error = error;
            break;
        }
        observer.progress(reader.bytesRead(), outcome.summary.read);
    }
    // The pool's destructor waits for chunks still in flight after a stop.
    return outcome;
}

OutputFile::~OutputFile() {
    discard();
}

bool OutputFile::open(const std::string& path, std::string& error) {
    path_ = path;
    if (path == "-") {
        standardOutput_ = true;
        stream_ = stdout;
        return true;
    }
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) {
        error = "Il file di uscita \"" + path + "\" è una cartella";
        return false;
    }
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty()) {
        error = "Il file di uscita \"" + path + "\" non è un file";
        return false;
    }
    std::string pattern = (slash == std::string::npos ? std::string() : folder) + "." + name + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error =
            "Impossibile scrivere nella cartella \"" + folder + "\" del file di uscita: " + ErrorText(errno);
        return false;
    }
    temporary_ = pattern;
    // The permissions a new file gets (an existing file keeps its own).
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    stream_ = ::fdopen(fd, "wb");
    if (stream_ == nullptr) {
        error = std::string("Impossibile aprire il file di uscita: ") + ErrorText(errno);
        ::close(fd);
        ::unlink(temporary_.c_str());
        temporary_.clear();
        return false;
    }
    std::setvbuf(stream_, nullptr, _IOFBF, 1 << 20);
    return true;
}

bool OutputFile::commit(std::string& error) {
    if (standardOutput_) {
        if (std::fflush(stdout) != 0) {
            error = std::string("Errore di scrittura: ") + ErrorText(errno);
            return false;
        }
        return true;
    }
    if (stream_ == nullptr)
        return false;
    bool ok = std::fflush(stream_) == 0 && ::fsync(::fileno(stream_)) == 0;
    int saved = errno;
    ok = std::fclose(stream_) == 0 && ok;
    if (!ok && saved == 0)
        saved = errno;
    stream_ = nullptr;
    if (!ok) {
        error = std::string("Errore di scrittura: ") + ErrorText(saved);
        discard();
        return false;
    }
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        error = "Impossibile rinominare il file temporaneo in \"" + path_ + "\": " + ErrorText(errno);
        discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void OutputFile::discard() {
    if (stream_ != nullptr && !standardOutput_)
        std::fclose(stream_);
    stream_ = nullptr;
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace tervano::files
