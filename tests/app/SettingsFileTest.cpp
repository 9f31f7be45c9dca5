#include "app/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(content), content.size());
}

// Limits the size of any file this process writes, as a full disk would, for
// as long as it lives. SIGXFSZ is ignored so that the write falls short
// instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    bool active() const { return active_; }

private:
    rlimit saved_{};
    bool active_ = false;
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

TEST(SettingsFile, ShortWriteFailsAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tervano1.ini"));
    WriteAll(path, "3\r\n2\r\n");
    bool written = true;
    {
        // Room for "4\r\n" of the six bytes "4\r\n1\r\n".
        FileSizeLimit limit(3);
        ASSERT_TRUE(limit.active());
        written = WriteSettingsFile(path, SettingsValues{4, 1});
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadAll(path), QByteArray("3\r\n2\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Tervano1.ini")});

    // With room enough the same call replaces the file.
    {
        FileSizeLimit limit(6);
        ASSERT_TRUE(limit.active());
        written = WriteSettingsFile(path, SettingsValues{4, 1});
    }
    EXPECT_TRUE(written);
    EXPECT_EQ(ReadAll(path), QByteArray("4\r\n1\r\n"));
}

TEST(SettingsFile, ContentReadFromBytes) {
    struct Case {
        QByteArray content;
        int angleUnit;
        int longitudeOrigin;
    };
    const Case cases[] = {
        {"4\r\n2\r\n", 4, 2},
        {" 2 ,\t1 ", 2, 1},
        {"3\n2", 3, 2},
        {"+4\r\n-0\r\n", 4, 1},
        {"5\r\n2\r\n", 1, 2},
        {"32767\r\n1\r\n", 1, 1},
        {"32768\r\n1\r\n", 1, 1},
        {"2\r\n2\r\n\r\n,,", 2, 2},
        {"2 2\r\n", 1, 1},
        {"", 1, 1},
        {"4", 1, 1},
        {"2\r\n0x1\r\n", 1, 1},
        {"1234567\r\n1\r\n", 1, 1},
    };
    for (const Case& c : cases) {
        const SettingsValues v = SettingsFromBytes(c.content);
        EXPECT_EQ(v.AngleUnit, c.angleUnit) << c.content.toStdString();
        EXPECT_EQ(v.LongitudeOrigin, c.longitudeOrigin) << c.content.toStdString();
    }
}
