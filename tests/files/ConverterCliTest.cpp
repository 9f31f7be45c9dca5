// The command-line converter run as a program, as a user runs it.
#include "tests/support/LinearGrid.h"
#include "tests/support/Ntv2Writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pty.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Result {
    int status = -1; // exit status, or -signal
    std::string out, err;
};

std::string ReadFd(int fd) {
    std::string s;
    char buf[4096];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0)
        s.append(buf, static_cast<size_t>(n));
    return s;
}

struct Options {
    std::string input;            // written to standard input
    std::vector<std::string> env; // NAME=value added
    uid_t uid = 0;                // run as this user when not 0
    std::string program = TERVANO_CONVERTER;
};

// Runs the converter; standard output and error are collected through files
// so that a large output cannot block the child.
Result RunConverter(const std::vector<std::string>& args, const Options& o = {}) {
    char outName[] = "/tmp/tervano-cli-out-XXXXXX", errName[] = "/tmp/tervano-cli-err-XXXXXX";
    const int outFd = ::mkstemp(outName), errFd = ::mkstemp(errName);
    int in[2];
    EXPECT_EQ(::pipe(in), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in[0], 0);
        ::dup2(outFd, 1);
        ::dup2(errFd, 2);
        ::close(in[1]);
        for (const std::string& e : o.env)
            ::putenv(const_cast<char*>(e.c_str()));
        if (o.uid != 0 && ::setuid(o.uid) != 0)
            ::_exit(99);
        std::vector<char*> argv{const_cast<char*>(o.program.c_str())};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(o.program.c_str(), argv.data());
        ::_exit(98);
    }
    ::close(in[0]);
    size_t done = 0;
    while (done < o.input.size()) {
        const ssize_t n = ::write(in[1], o.input.data() + done, o.input.size() - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    ::close(in[1]);
    int st = 0;
    ::waitpid(pid, &st, 0);
    Result r;
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -WTERMSIG(st);
    ::lseek(outFd, 0, SEEK_SET);
    ::lseek(errFd, 0, SEEK_SET);
    r.out = ReadFd(outFd);
    r.err = ReadFd(errFd);
    ::close(outFd);
    ::close(errFd);
    ::unlink(outName);
    ::unlink(errName);
    return r;
}

std::string Slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void Spit(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

class ConverterCli : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("tervano-cli-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        // A settings file of our own, so the user's does not change the notation.
        Spit(dir_ / "Tervano1.ini", "1\r\n1\r\n");
        env_ = {"TERVANO1_INI=" + (dir_ / "Tervano1.ini").string()};
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::all, ec);
        fs::remove_all(dir_, ec);
    }
    // Files in the folder other than those named.
    std::vector<std::string> Others(std::initializer_list<std::string> known) const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir_)) {
            const std::string name = e.path().filename().string();
            if (std::find(known.begin(), known.end(), name) == known.end())
                out.push_back(name);
        }
        return out;
    }
    Options Opt(std::string input = {}) const {
        Options o;
        o.input = std::move(input);
        o.env = env_;
        return o;
    }
    fs::path dir_;
    std::vector<std::string> env_;
};

} // namespace

TEST_F(ConverterCli, ExitStatusSummaryAndStandardStreams) {
    Spit(dir_ / "in.txt", "Nome\tLat\tLon\nP1\t41.5\t-0.2\nP2\t45\t1\n");
    Result r = RunConverter({(dir_ / "in.txt").string(), (dir_ / "out.txt").string()}, Opt());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "Righe lette: 2, convertite: 2, rifiutate: 0\n");
    EXPECT_EQ(r.out, "");
    const std::string converted = Slurp(dir_ / "out.txt");
    EXPECT_EQ(converted.substr(0, converted.find('\n')),
              "Nome\tLat\tLon\tNord\tEst\tFuso\tNord sovrapposizione\tEst sovrapposizione\t"
              "Fuso sovrapposizione\tEsito");
    EXPECT_TRUE(Others({"in.txt", "out.txt", "Tervano1.ini"}).empty());

    // Standard input to standard output; refused rows on standard error with their line.
    r = RunConverter({"-", "-"}, Opt("P1;41.5;-0.2\nP2;50;1\nP3;x;1\n"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Riga 2: VALORE DELLA LATITUDINE NON AMMISSIBILE PER IL SISTEMA INDICATO\n"
                     "Riga 3: VALORE NON NUMERICO NELLA COLONNA 2 (LATITUDINE)\n"
                     "Righe lette: 3, convertite: 1, rifiutate: 2\n");
    EXPECT_NE(r.out.find("P1;41.5;-0.2;4635367.029;2280758.619;Est;"), std::string::npos);

    // The notation comes from the settings file unless given: 41.5 in grads is 37.35°.
    Spit(dir_ / "Tervano1.ini", "3\r\n1\r\n");
    const Result grads = RunConverter({"-", "-"}, Opt("P1;41.5;-0.2\n"));
    const Result given = RunConverter({"-n", "3", "-", "-"}, Opt("P1;41.5;-0.2\n"));
    EXPECT_EQ(grads.status, 0);
    EXPECT_EQ(grads.out, given.out);
    EXPECT_EQ(grads.out.find("4635367.029"), std::string::npos);

    // Usage errors: status 2, a message and where the help is.
    r = RunConverter({"-n", "7", "a", "b"}, Opt());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "tervano1-converti: Notazione degli angoli non valida: \"7\" (da 1 a 4)\n"
                     "Per l'aiuto: tervano1-converti --aiuto\n");
    r = RunConverter({"--aiuto"}, Opt());
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Uso: tervano1-converti"), std::string::npos);
    r = RunConverter({(dir_ / "manca.txt").string(), (dir_ / "out2.txt").string()}, Opt());
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("file o cartella inesistente"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir_ / "out2.txt"));
}

TEST_F(ConverterCli, InputAndOutputTheSameFileIsRefused) {
    Spit(dir_ / "in.txt", "P1;41.5;-0.2\n");
    fs::create_symlink(dir_ / "in.txt", dir_ / "link.txt");
    const Result r = RunConverter({(dir_ / "in.txt").string(), (dir_ / "link.txt").string()}, Opt());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "tervano1-converti: Il file di uscita non può essere il file di ingresso\n");
    EXPECT_EQ(Slurp(dir_ / "in.txt"), "P1;41.5;-0.2\n");
}

TEST_F(ConverterCli, AnUnwritableOutputFolderIsAFileError) {
    Spit(dir_ / "in.txt", "P1;41.5;-0.2\n");
    fs::create_directory(dir_ / "chiusa");
    Spit(dir_ / "chiusa" / "out.txt", "precedente\n");
    // Readable by anyone, writable by no one; as root the run is made as another user.
    fs::permissions(dir_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(dir_ / "in.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read |
                                         fs::perms::group_read);
    fs::permissions(dir_ / "Tervano1.ini", fs::perms::owner_read | fs::perms::others_read);
    fs::permissions(dir_ / "chiusa", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                         fs::perms::others_exec | fs::perms::group_read |
                                         fs::perms::group_exec);
    Options o = Opt();
    if (::geteuid() == 0)
        o.uid = 65534;
    const Result r = RunConverter({(dir_ / "in.txt").string(), (dir_ / "chiusa" / "out.txt").string()}, o);
    if (o.uid != 0 && (r.status == 98 || r.status == 99))
        GTEST_SKIP() << "the converter cannot be run as another user from this build folder";
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "tervano1-converti: Impossibile scrivere nella cartella \"" +
                         (dir_ / "chiusa").string() + "/\" del file di uscita: permesso negato\n");
    EXPECT_EQ(Slurp(dir_ / "chiusa" / "out.txt"), "precedente\n");
    // A folder as the output file.
    const Result folder = RunConverter({(dir_ / "in.txt").string(), (dir_ / "chiusa").string()}, Opt());
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(folder.err,
              "tervano1-converti: Il file di uscita \"" + (dir_ / "chiusa").string() + "\" è una cartella\n");
    // A folder that does not exist.
    const Result missing =
        RunConverter({(dir_ / "in.txt").string(), (dir_ / "manca" / "out.txt").string()}, Opt());
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("file o cartella inesistente"), std::string::npos) << missing.err;
}

TEST_F(ConverterCli, AnInstalledTreeMovedElsewhereReadsItsOwnTable) {
    // An installed tree copied under another prefix: the table beside the
    // program, in ../share/tervano1, is the one read.
    const fs::path prefix = dir_ / "altrove" / "usr";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share" / "tervano1");
    fs::copy_file(TERVANO_CONVERTER, prefix / "bin" / "tervano1-converti");
    for (const char* file : {"common_points.tsv", "land_masses.tsv"})
        fs::copy_file(fs::path(TERVANO_SOURCE_DIR) / "data" / file, prefix / "share" / "tervano1" / file);
    Options o = Opt("P;41.5;-0.2\n");
    o.program = (prefix / "bin" / "tervano1-converti").string();
    const std::string table = (prefix / "share" / "tervano1" / "common_points.tsv").string();

    const Result version = RunConverter({"--versione"}, o);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out,
              "tervano1-converti " TERVANO_VERSION "\nTabella dei punti comuni: " + table + "\n");
    const Result run = RunConverter({"-c", "sistemi-geo", "--sistema-arrivo", "wgs84", "-", "-"}, o);
    EXPECT_EQ(run.status, 0) << run.err;

    // The environment names the table before any folder.
    o.env.push_back("TERVANO1_COMMON_POINTS=" + (dir_ / "mia.tsv").string());
    EXPECT_EQ(RunConverter({"-V"}, o).out, "tervano1-converti " TERVANO_VERSION
                                           "\nTabella dei punti comuni: " +
                                               (dir_ / "mia.tsv").string() + "\n");
}

TEST_F(ConverterCli, AnInterruptedRunLeavesThePreviousOutputAndNoTemporaryFile) {
    for (int sig : {SIGINT, SIGTERM}) {
        Spit(dir_ / "out.txt", "risultato precedente\n");
        int in[2];
        ASSERT_EQ(::pipe(in), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(in[0], 0);
            ::close(in[1]);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 2);
            ::putenv(const_cast<char*>(env_[0].c_str()));
            const std::string out = (dir_ / "out.txt").string();
            ::execl(TERVANO_CONVERTER, TERVANO_CONVERTER, "-q", "-", out.c_str(), nullptr);
            ::_exit(98);
        }
        ::close(in[0]);
        // Rows arrive; the run is under way once its temporary file exists.
        const std::string rows = "P1;41.5;-0.2\nP2;45;1\n";
        ASSERT_EQ(::write(in[1], rows.data(), rows.size()), static_cast<ssize_t>(rows.size()));
        bool started = false;
        for (int i = 0; i < 1000 && !started; ++i) {
            started = Others({"out.txt", "Tervano1.ini"}).size() == 1;
            if (!started)
                ::usleep(10000);
        }
        ASSERT_TRUE(started);
        ::kill(pid, sig);
        int st = 0;
        ::waitpid(pid, &st, 0);
        ::close(in[1]);
        EXPECT_TRUE(WIFSIGNALED(st));
        EXPECT_EQ(WTERMSIG(st), sig);
        EXPECT_EQ(Slurp(dir_ / "out.txt"), "risultato precedente\n");
        EXPECT_TRUE(Others({"out.txt", "Tervano1.ini"}).empty());
    }
}

TEST_F(ConverterCli, ProgressOnlyOnATerminalAndNotWhenQuiet) {
    std::string rows;
    for (int i = 0; i < 40000; ++i)
        rows += "P" + std::to_string(i) + ";41.5;-0.2\n";
    Spit(dir_ / "in.txt", rows);
    // Standard error on a terminal: the progress, then the summary on a cleared line.
    auto onTerminal = [&](std::vector<std::string> extra) {
        int master = -1, slave = -1;
        EXPECT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(master);
            ::dup2(slave, 2);
            ::putenv(const_cast<char*>(env_[0].c_str()));
            std::vector<std::string> args = extra;
            args.push_back((dir_ / "in.txt").string());
            args.push_back((dir_ / "out.txt").string());
            std::vector<char*> argv{const_cast<char*>(TERVANO_CONVERTER)};
            for (std::string& a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(TERVANO_CONVERTER, argv.data());
            ::_exit(98);
        }
        ::close(slave);
        std::string seen;
        char buf[4096];
        ssize_t n;
        while ((n = ::read(master, buf, sizeof buf)) > 0) // ends with EIO once the child is gone
            seen.append(buf, static_cast<size_t>(n));
        int st = 0;
        ::waitpid(pid, &st, 0);
        ::close(master);
        EXPECT_TRUE(WIFEXITED(st) && WEXITSTATUS(st) == 0);
        return seen;
    };
    const std::string shown = onTerminal({});
    EXPECT_NE(shown.find("\rConversione: "), std::string::npos) << shown;
    EXPECT_NE(shown.find("Righe lette: 40000, convertite: 40000, rifiutate: 0"), std::string::npos);
    const std::string quiet = onTerminal({"-q"});
    EXPECT_EQ(quiet.find("Conversione"), std::string::npos) << quiet;
    EXPECT_NE(quiet.find("Righe lette: 40000"), std::string::npos);
}

TEST_F(ConverterCli, ChangeOfSystemFindsTheCommonPointTable) {
    // From the build tree the table is the sources' one; rows refused keep their line.
    Result r = RunConverter({"-c", "sistemi-geo", "-s", "roma40", "--sistema-arrivo", "wgs84", "-", "-"},
                            Opt("Nome;Lat;Lon\nMM;41.552551;0\nLontano;50;1\n"));
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.err, "Riga 3: VALORE DELLA LATITUDINE NON AMMESSO DAL PROGRAMMA\n"
                     "Righe lette: 2, convertite: 1, rifiutate: 1\n");
    const std::string header = r.out.substr(0, r.out.find('\n'));
    EXPECT_EQ(header, "Nome;Lat;Lon;Latitudine WGS84;Longitudine WGS84;Punto comune;Distanza punto "
                      "comune;Attendibile;Metodo;Precisione (m);Sottogriglia;Esito");
    EXPECT_NE(r.out.find("\nMM;41.552551;0;41.55278;12.27077;"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(";sì;tabella dei punti comuni;5;;OK\n"), std::string::npos) << r.out;

    // The variable names the table: one that is missing stops before any row, status 2.
    Options o = Opt("MM;41.552551;0\n");
    o.env.push_back("TERVANO1_COMMON_POINTS=" + (dir_ / "manca.tsv").string());
    r = RunConverter({"-c", "sistemi-piane", "--sistema-arrivo", "ed50", "-", "-"}, o);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(
        r.err.rfind("tervano1-converti: Passaggio fra sistemi non disponibile: tabella dei punti comuni \"" +
                        (dir_ / "manca.tsv").string() + "\": ",
                    0),
        0u)
        << r.err;
    EXPECT_EQ(r.out, "");

    // Installed: the table in ../share/tervano1 beside the program comes first.
    fs::create_directories(dir_ / "bin");
    fs::create_directories(dir_ / "share" / "tervano1");
    fs::copy_file(TERVANO_CONVERTER, dir_ / "bin" / "tervano1-converti");
    Spit(dir_ / "share" / "tervano1" / "common_points.tsv", "rotta\n");
    const std::string program = (dir_ / "bin" / "tervano1-converti").string();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_RDONLY);
        ::dup2(null, 0);
        const std::string err = (dir_ / "err.txt").string();
        const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(errFd, 2);
        ::putenv(const_cast<char*>(env_[0].c_str()));
        ::unsetenv("TERVANO1_COMMON_POINTS");
        ::execl(program.c_str(), program.c_str(), "-c", "sistemi-geo", "--sistema-arrivo", "ed50", "-", "-",
                nullptr);
        ::_exit(98);
    }
    int st = 0;
    ::waitpid(pid, &st, 0);
    EXPECT_TRUE(WIFEXITED(st) && WEXITSTATUS(st) == 2);
    const std::string err = Slurp(dir_ / "err.txt");
    EXPECT_NE(err.find("share/tervano1/common_points.tsv"), std::string::npos) << err;
}

TEST_F(ConverterCli, CadastreWithACentreOfTheTable) {
    Result r = RunConverter({"-c", "catasto-gb", "--centro", "Monte Etna", "-", "-"},
                            Opt("P1\t-30000\t40000\nP2\t90000000\t0\n"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "P1\t-30000\t40000\t4149711.68\t2558693.33\tEst\tOK");
    EXPECT_NE(r.err.find("Riga 2: "), std::string::npos) << r.err;
    r = RunConverter({"-c", "gb-catasto", "--centro", "18", "-", "-"}, Opt("P1;4149711.68;2558693.33\n"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "P1;4149711.68;2558693.33;-29999.99;39999.99;OK\n");
    // A name that fits more centres is a usage error.
    r = RunConverter({"-c", "gb-catasto", "--centro", "monte", "-", "-"}, Opt("P1;4149711.68;2558693.33\n"));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("indica più centri catastali"), std::string::npos) << r.err;
}

TEST_F(ConverterCli, ChangeOfSystemThroughAGridFileWrittenHere) {
    // The field of the in-memory test grid, written as a file: a parent and the child around Rome.
    tervano::test::Ntv2File f;
    f.source = "MM";
    f.target = "ETRF2000";
    f.shift = [](double lat, double lon) {
        return tervano::test::Ntv2NodeShift{tervano::testgrid::LatitudeShift(lat, lon, false),
                                            -tervano::testgrid::LongitudeShift(lat, lon)};
    };
    tervano::test::Ntv2WriterSubgrid child{"ROMA", "ITALIA", 41.5, 42.5, 12, 13, 1.0 / 12, 1.0 / 12};
    child.shift = [](double lat, double lon) {
        return tervano::test::Ntv2NodeShift{tervano::testgrid::LatitudeShift(lat, lon, true),
                                            -tervano::testgrid::LongitudeShift(lat, lon)};
    };
    f.subgrids = {{"ITALIA", "NONE", 35, 48, 5, 20, 0.25, 0.25}, child};
    const std::string grid = (dir_ / "italia.gsb").string();
    Spit(grid, f.bytes());
    // The table is not read: a missing one does not matter.
    Options o = Opt("Nome;Lat;Lon\nR;41.9;12.5\nN;48.5;11\n");
    o.env.push_back("TERVANO1_COMMON_POINTS=" + (dir_ / "manca.tsv").string());
    const std::vector<std::string> args{"-c",        "sistemi-geo", "-s", "roma40",           "-l",
                                        "greenwich", "-n",          "2",  "--sistema-arrivo", "wgs84"};
    auto with = [&](std::vector<std::string> extra) {
        std::vector<std::string> a = args;
        a.insert(a.end(), extra.begin(), extra.end());
        return a;
    };
    // "MM" does not tell the system: the option is needed, and the message says so.
    Result r = RunConverter(with({"--grigliato", grid, "-", "-"}), o);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "tervano1-converti: Il grigliato NTv2 \"" + grid +
                         "\" non dice da quale sistema parte (SYSTEM_F \"MM\"): indicarlo con "
                         "--grigliato-sistema roma40 oppure ed50\nPer l'aiuto: tervano1-converti --aiuto\n");
    r = RunConverter(with({"--grigliato", grid, "--grigliato-sistema", "ed50", "-", "-"}), o);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("unisce ED50 e WGS84: non porta i punti fra i due sistemi scelti"),
              std::string::npos);

    r = RunConverter(with({"--grigliato", grid, "--grigliato-sistema", "roma40", "-", "-"}), o);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.err, "Riga 3: PUNTO NON CALCOLABILE:  IL PUNTO È FUORI DAL GRIGLIATO NTv2\n"
                     "Righe lette: 2, convertite: 1, rifiutate: 1\n");
    std::istringstream lines(r.out);
    std::string header, rome, north;
    std::getline(lines, header);
    std::getline(lines, rome);
    std::getline(lines, north);
    EXPECT_EQ(header, "Nome;Lat;Lon;Latitudine WGS84;Longitudine WGS84;Punto comune;Distanza punto "
                      "comune;Attendibile;Metodo;Precisione (m);Sottogriglia;Esito");
    const auto [lat, lon] = tervano::testgrid::Forward(41.9, 12.5);
    double gotLat = 0, gotLon = 0;
    ASSERT_EQ(std::sscanf(rome.c_str(), "R;41.9;12.5;%lf;%lf;", &gotLat, &gotLon), 2) << rome;
    EXPECT_NEAR(gotLat, lat, 0.5e-5);
    EXPECT_NEAR(gotLon, lon, 0.5e-5);
    EXPECT_EQ(rome.substr(rome.find(";;;;")), ";;;;grigliato NTv2 italia.gsb;;ROMA;OK") << rome;
    EXPECT_EQ(north, "N;48.5;11;;;;;;;;;PUNTO NON CALCOLABILE:  IL PUNTO È FUORI DAL GRIGLIATO NTv2");

    // A damaged grid (cut short) stops the run before any output: status 2, the reader's message.
    const std::string bytes = f.bytes();
    const std::string damaged = (dir_ / "rotto.gsb").string();
    Spit(damaged, bytes.substr(0, bytes.size() - 100));
    Spit(dir_ / "in.txt", "R;41.9;12.5\n");
    r = RunConverter(with({"--grigliato", damaged, "--grigliato-sistema", "roma40",
                           (dir_ / "in.txt").string(), (dir_ / "out.txt").string()}),
                     o);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(
        r.err.rfind("tervano1-converti: Grigliato NTv2 \"" + damaged + "\": GRIGLIATO NTv2 NON VALIDO", 0),
        0u)
        << r.err;
    EXPECT_FALSE(fs::exists(dir_ / "out.txt"));
    EXPECT_EQ(Others({"Tervano1.ini", "italia.gsb", "rotto.gsb", "in.txt"}), std::vector<std::string>{});
    // A missing one likewise.
    r = RunConverter(with({"--grigliato", (dir_ / "manca.gsb").string(), "-", "-"}), o);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("tervano1-converti: Grigliato NTv2 \"" + (dir_ / "manca.gsb").string() + "\": ", 0),
              0u)
        << r.err;
    EXPECT_TRUE(r.out.empty());
    // A system the grid option does not know.
    r = RunConverter(with({"--grigliato", grid, "--grigliato-sistema", "wgs84", "-", "-"}), o);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("tervano1-converti: Sistema del grigliato non valido: \"wgs84\" (roma40, ed50)", 0),
              0u);
}
