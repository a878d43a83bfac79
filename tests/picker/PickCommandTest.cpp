// `tintor --pick` as a program: the code in the stored display format on standard output, the
// exit status, System.tri untouched, and no single-copy lock in the way. The screen cannot be
// read offscreen, so the stand-in portal answers.
#include "support/StandInPortal.h"

#include "picker/PickCommand.h"
#include "platform/SingleInstance.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace tintor::test {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct PickRun {
    int status = -1;
    QByteArray out, err;
};

class PickCommandTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString program;
    QByteArray settingsBytes;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // A copy of the program with its own System.tri beside it, display format 3.
        program = dir.filePath(QStringLiteral("tintor"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TINTOR_PROGRAM), program));
        settingsBytes = ReadAll(QStringLiteral(TINTOR_SOURCE_DIR "/resources/System.tri"));
        ASSERT_FALSE(settingsBytes.isEmpty());
        settingsBytes.replace(0, settingsBytes.indexOf('\r'), "3");
        QFile settings(dir.filePath(QStringLiteral("System.tri")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(settingsBytes);
        settings.close();
        QDir(dir.path()).mkdir(QStringLiteral("config"));
    }

    // Runs the program on the bus, keeping this process's event loop (and so the stand-in)
    // going meanwhile.
    PickRun Pick(const QString& busAddress) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        process.setProcessEnvironment(env);
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        process.start(program, {QStringLiteral("--pick")});
        loop.exec();
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "tintor --pick did not end";
        }
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    void ExpectNothingWritten() {
        EXPECT_EQ(ReadAll(dir.filePath(QStringLiteral("System.tri"))), settingsBytes);
        EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("config")))
                        .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                        .isEmpty());
    }
};

TEST_F(PickCommandTest, PrintsThePickInTheStoredFormatEvenWhileAWindowedCopyRuns) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address.isEmpty());
    StandInPortal portal;
    ASSERT_TRUE(portal.Serve(bus.address));
    portal.rgb = {0.2, 0.4, 0.6};

    // A windowed copy on the same System.tri holds the single-copy lock.
    SingleInstance running(dir.filePath(QStringLiteral("System.tri")));
    ASSERT_TRUE(running.Acquire());

    const PickRun run = Pick(bus.address);
    EXPECT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(run.out, "$00996633\n");
    ExpectNothingWritten();
}

TEST_F(PickCommandTest, CancelEndsWithOneAndNoPortalWithTwoAndAMessage) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address.isEmpty());
    {
        StandInPortal portal;
        ASSERT_TRUE(portal.Serve(bus.address));
        portal.mode = StandInPortal::Cancel;
        const PickRun run = Pick(bus.address);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.out.isEmpty());
    }
    const PickRun run = Pick(bus.address);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(
        QString::fromUtf8(run.err).contains(QStringLiteral("この環境では画面から色を拾えません")))
        << run.err.constData();
    ExpectNothingWritten();
}

TEST(StoredDisplayFormatTest, ReadsTheFileTheProgramWouldUseAndCreatesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string root = dir.path().toStdString();
    const std::string exeDir = root + "/bin/";
    const std::string config = root + "/config";
    QDir(dir.path()).mkpath(QStringLiteral("bin"));
    QDir(dir.path()).mkpath(QStringLiteral("share/tintor"));
    auto write = [](const std::string& path, const char* bytes) {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };

    EXPECT_EQ(StoredDisplayFormat(exeDir, config), 1); // nothing stored: the first settings
    write(root + "/share/tintor/System.tri", "4\r\n");
    EXPECT_EQ(StoredDisplayFormat(exeDir, config), 4); // the installed template, short as it is
    EXPECT_FALSE(QFile::exists(QString::fromStdString(config))); // not copied, not created
    QDir(dir.path()).mkpath(QStringLiteral("config/tintor"));
    write(config + "/tintor/System.tri", "2\r\n");
    EXPECT_EQ(StoredDisplayFormat(exeDir, config), 2); // the user's own
    write(exeDir + "System.tri", "5\r\n");
    EXPECT_EQ(StoredDisplayFormat(exeDir, config), 5); // beside the program
    write(exeDir + "System.tri", "abc\r\n");
    EXPECT_EQ(StoredDisplayFormat(exeDir, config), 0); // no number: no format (the HTML form)
}

} // namespace
} // namespace tintor::test
