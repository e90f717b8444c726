// File names in workspace files are outside input: a name that is a FIFO, a folder or
// a device never hangs the load or a start, and a block opens only the kinds of file it
// is meant to use.
#include "ProgramRun_helper.h"

#include "Node.h"
#include "State.h"
#include "ValueReader.h"
#include "ValueWriter.h"
#include "VectorView.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>

#include <atomic>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Watches one action on this thread. Should the action still wait after the safety limit
// (a failure, not a timing assertion), the watchdog opens the FIFO from the other side
// until the action returns, so the test reports instead of hanging.
class FifoWatchdog
{
public:
    explicit FifoWatchdog(QString fifo) : path(fifo.toLocal8Bit())
    {
        watcher = std::thread([this] { watch(); });
    }
    ~FifoWatchdog() { finish(); }

    // True when the action had to be released.
    bool finish()
    {
        {
            std::lock_guard lock(mutex);
            done = true;
        }
        changed.notify_all();
        if (watcher.joinable())
            watcher.join();
        return released;
    }

private:
    void watch()
    {
        std::unique_lock lock(mutex);
        if (changed.wait_for(lock, std::chrono::seconds(10), [this] { return done; }))
            return;
        released = true;
        while (!done) {
            lock.unlock();
            for (int flags : {O_WRONLY | O_NONBLOCK, O_RDONLY | O_NONBLOCK}) {
                const int fd = ::open(path.constData(), flags);
                if (fd >= 0)
                    ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            lock.lock();
        }
    }

    QByteArray path;
    std::mutex mutex;
    std::condition_variable changed;
    bool done = false;
    std::atomic<bool> released {false};
    std::thread watcher;
};

class HostileFileNames : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::signal(SIGPIPE, SIG_IGN); // the watchdog's release may close a FIFO under a writer
    }

    // Loads the data file and makes a FIFO and a folder in its scratch folder.
    void load(const char* file)
    {
        run = std::make_unique<ProgramRun>(QString::fromLatin1(file));
        ASSERT_TRUE(run->loaded());
        fifo = run->scratchPath(QStringLiteral("fifo"));
        ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
        ASSERT_TRUE(QDir(run->scratchPath(QString())).mkdir(QStringLiteral("folder")));
    }

    template <typename Kind>
    Kind* find()
    {
        for (Node* node : run->state().nodes()) {
            if (auto* block = dynamic_cast<Kind*>(node))
                return block;
        }
        return nullptr;
    }

    std::unique_ptr<ProgramRun> run;
    QString fifo;
};

TEST_F(HostileFileNames, PicturesLoadOnlyFromRegularFilesAndOnlyForDrawing)
{
    load("display.kdw");
    VectorView* view = find<VectorView>();
    ASSERT_NE(view, nullptr);
    {
        FifoWatchdog watchdog(fifo);
        view->setParameters({{QStringLiteral("background"), fifo},
                             {QStringLiteral("foreground"), run->scratchPath(QStringLiteral("folder"))}});
        EXPECT_TRUE(view->backgroundPixmap().isNull());
        EXPECT_TRUE(view->foregroundPixmap().isNull());
        EXPECT_FALSE(watchdog.finish()) << "a FIFO named as a picture hung";
    }
    EXPECT_EQ(view->parameters().value(QStringLiteral("background")), fifo) << "the name is kept";

    const QString picture = run->scratchPath(QStringLiteral("picture.png"));
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture));
    view->setParameters({{QStringLiteral("background"), picture}, {QStringLiteral("foreground"), picture}});
    EXPECT_EQ(view->backgroundPixmap().size(), QSize(4, 3));
    EXPECT_EQ(view->foregroundPixmap().size(), QSize(4, 3));
}

TEST_F(HostileFileNames, ValueFilesNeverWaitAndRefuseFoldersAndDevices)
{
    load("multiplexer.kdw");
    ValueReader* reader = find<ValueReader>();
    ValueWriter* writer = find<ValueWriter>();
    ASSERT_TRUE(reader && writer);
    const QStringList names = {fifo, run->scratchPath(QStringLiteral("folder")), QStringLiteral("/dev/zero"),
                               QStringLiteral("/dev/full")};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        reader->setParameters({{QStringLiteral("filename"), name}});
        writer->setParameters({{QStringLiteral("filename"), name}});
        FifoWatchdog watchdog(fifo);
        run->start();
        EXPECT_EQ(run->run(3), 0);
        run->stop();
        EXPECT_FALSE(watchdog.finish()) << "a start or a cycle waited on the file";
    }
}

TEST_F(HostileFileNames, AReaderTakesTheLinesAFifoDelivers)
{
    load("multiplexer.kdw");
    ValueReader* reader = find<ValueReader>();
    ASSERT_NE(reader, nullptr);
    reader->setParameters({{QStringLiteral("filename"), fifo}});
    FifoWatchdog watchdog(fifo);
    run->start();
    const int feed = ::open(fifo.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(feed, 0) << "the reader holds the FIFO open";
    const char line[] = "5\t1\t10\t20\t30\n";
    ASSERT_EQ(::write(feed, line, sizeof line - 1), ssize_t(sizeof line - 1));
    run->run(1);
    run->run(2); // nothing more delivered: the cycles go on
    ::close(feed);
    run->stop();
    EXPECT_FALSE(watchdog.finish());
    EXPECT_EQ(run->output(), (QStringList {"0\t5\t0\t20", "0\t0\t0\t0", "0\t0\t0\t0"}));
}

} // namespace
