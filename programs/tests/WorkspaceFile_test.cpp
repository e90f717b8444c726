#include "program_helper.h"

#include "Net.h"
#include "Slot.h"
#include "State.h"
#include "StateManager.h"
#include "WorkspaceFile.h"

#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray readBytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class Workspace : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerTestBlocks();
        ASSERT_TRUE(folder.isValid());
    }

    void TearDown() override
    {
        for (StateBase* document : manager.states()) {
            manager.remove(document);
            delete document;
        }
    }

    State* load(const QByteArray& text, const QString& name = QStringLiteral("program.kdw"))
    {
        return loadProgram(manager, text, folder.filePath(name));
    }

    State* loadFile(const QString& fileName)
    {
        WorkspaceFile file;
        if (!file.read(fileName))
            return nullptr;
        return manager.loadState(nullptr, fileName, file.root());
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    StateManager manager;
};

// Three blocks with the ids 7, 3, 12 placed so that their execution order is 12, 7, 3,
// and nets 12 -> 7 and 7 -> 3.
QByteArray scrambledIds()
{
    return workspace::model(workspace::node(7, RecordingBlock::kind, 120, 60, QStringLiteral("middle"))
                            + workspace::node(3, RecordingBlock::kind, 180, 60, QStringLiteral("last"))
                            + workspace::node(12, RecordingBlock::kind, 60, 60, QStringLiteral("first"))
                            + workspace::net(40, 12, 7) + workspace::net(41, 7, 3, 1));
}

QString ownerName(const Slot* slot)
{
    return slot->owner()->type()->name();
}

} // namespace

TEST_F(Workspace, LoadingRenumbersIdsInExecutionOrder)
{
    State* program = load(scrambledIds());
    ASSERT_TRUE(program);
    QStringList names;
    QList<unsigned> ids;
    for (Node* node : program->nodes()) {
        names << node->type()->name();
        ids << node->id();
    }
    EXPECT_EQ(names, QStringList({"first", "middle", "last"}));
    EXPECT_EQ(ids, QList<unsigned>({1, 2, 3}));
    ASSERT_EQ(program->nets().size(), 2);
    EXPECT_EQ(program->nets().at(0)->id(), 1u);
    EXPECT_EQ(program->nets().at(1)->id(), 2u);
    EXPECT_EQ(ownerName(program->nets().at(0)->sources().first()), QStringLiteral("first"));
    EXPECT_EQ(ownerName(program->nets().at(0)->targets().first()), QStringLiteral("middle"));
    EXPECT_EQ(ownerName(program->nets().at(1)->targets().first()), QStringLiteral("last"));
    EXPECT_EQ(program->nets().at(1)->targets().first()->spec().index(), 1);

    Node* added = program->createNode(RecordingBlock::nodeType());
    EXPECT_EQ(added->id(), 4u) << "new ids continue after the renumbered ones";
    delete added;
    EXPECT_FALSE(program->isModified());
    EXPECT_TRUE(program->hasFileName());
}

TEST_F(Workspace, ASecondNetIntoAnInputIsDropped)
{
    struct Case
    {
        const char* name;
        QString nets;
        int kept;
    };
    // A net with two targets: the first target is new, the second already served.
    const QString twoTargets = QStringLiteral(
        "<net id=\"9\"><slot nodeid=\"3\" channel=\"1\" position=\"1\" id=\"1\"/>"
        "<slot nodeid=\"3\" channel=\"0\" position=\"1\" id=\"2\"/>"
        "<slot nodeid=\"2\" channel=\"0\" position=\"2\" id=\"3\"/>"
        "<point x=\"150\" y=\"90\" id=\"4\"/>"
        "<line startid=\"3\" endid=\"4\"/><line startid=\"4\" endid=\"1\"/><line startid=\"4\" endid=\"2\"/></net>");
    const Case cases[] = {
        {"same input twice", workspace::net(1, 1, 3) + workspace::net(2, 2, 3), 1},
        {"different inputs", workspace::net(1, 1, 3) + workspace::net(2, 2, 3, 1), 2},
        {"clash on a later target", workspace::net(1, 1, 3) + twoTargets, 1},
        {"unbuildable net", workspace::net(1, 1, 3) + workspace::net(2, 99, 3, 1), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString blocks = workspace::node(1, RecordingBlock::kind, 60, 60)
            + workspace::node(2, RecordingBlock::kind, 60, 120) + workspace::node(3, RecordingBlock::kind, 180, 90);
        State* program = load(workspace::model(blocks + c.nets), QString::fromLatin1(c.name));
        ASSERT_TRUE(program);
        EXPECT_EQ(program->nets().size(), c.kept);
        EXPECT_EQ(ownerName(program->nets().first()->sources().first()), program->nodes().first()->type()->name());
    }
}

TEST_F(Workspace, TwoSavesWithoutEditsGiveIdenticalFiles)
{
    State* program = load(scrambledIds(), QStringLiteral("a.kdw"));
    ASSERT_TRUE(program);
    program->setInfo(QStringLiteral("Info with <markup> & \"quotes\"\nand a second line"));
    ASSERT_TRUE(program->save());
    const QByteArray first = readBytes(program->fileName());
    ASSERT_TRUE(program->save());
    EXPECT_EQ(readBytes(program->fileName()), first);

    // Loaded again and saved under another name: the same bytes.
    State* again = loadFile(program->fileName());
    ASSERT_TRUE(again);
    EXPECT_EQ(again->info(), program->info());
    again->setFileName(path(QStringLiteral("b.kdw")), false);
    ASSERT_TRUE(again->save());
    EXPECT_EQ(readBytes(path(QStringLiteral("b.kdw"))), first);
    EXPECT_TRUE(first.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<model type=\"state\" mode=\"0\""));
    EXPECT_TRUE(first.contains("&lt;markup&gt; &amp; \"quotes\""));
}

// Characters that XML 1.0 cannot hold never reach the file, so every save loads again.
TEST_F(Workspace, TextThatXmlCannotHoldIsDroppedAndTheFileLoadsAgain)
{
    struct Case
    {
        const char* name;
        QString character;
    };
    const Case cases[] = {
        {"vertical tab", QStringLiteral("\v")},
        {"escape", QStringLiteral("\x1b")},
        {"bell", QStringLiteral("\a")},
        {"form feed", QStringLiteral("\f")},
        {"null", QString(QChar(0))},
        {"U+FFFE", QString(QChar(0xFFFE))},
        {"U+FFFF", QString(QChar(0xFFFF))},
        {"lone surrogate", QString(QChar(0xD800))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        State* program = load(scrambledIds(), QString::fromLatin1(c.name) + QStringLiteral(".kdw"));
        ASSERT_TRUE(program);
        const QString kept = QStringLiteral("a\tb\nc \u00e9\U0001F600");
        program->setInfo(QStringLiteral("info ") + c.character + kept);
        Node* block = program->nodes().first();
        block->setName(QStringLiteral("name") + c.character);
        block->setParameters({{QStringLiteral("key") + c.character, QStringLiteral("value") + c.character}});
        ASSERT_TRUE(program->save());
        const QString fileName = program->fileName();
        manager.remove(program);
        delete program;

        State* again = loadFile(fileName);
        ASSERT_TRUE(again) << readBytes(fileName).constData();
        EXPECT_EQ(again->info(), QStringLiteral("info ") + kept);
        EXPECT_EQ(again->nodes().first()->type()->name(), QStringLiteral("name"));
        EXPECT_EQ(again->nodes().first()->parameters(),
                  (QMap<QString, QString> {{QStringLiteral("key"), QStringLiteral("value")}}));
    }
}

TEST_F(Workspace, ModelAttributesAndTheirDefaults)
{
    struct Case
    {
        const char* name;
        QString attributes;
        int mode;
        bool badges;
        bool datatips;
        const char* writtenBack;
    };
    const Case cases[] = {
        {"none", QString(), 0, false, false, "mode=\"0\" sortIndex=\"0\" size0=\"0\" size1=\"0\" datatips=\"0\""},
        {"sequential", QStringLiteral(" mode=\"1\""), 1, false, false, "mode=\"1\""},
        {"mode not a number", QStringLiteral(" mode=\"abc\""), 0, false, false, "mode=\"0\""},
        {"mode negative", QStringLiteral(" mode=\"-1\""), 0, false, false, "mode=\"0\""},
        {"mode 2 runs sequentially", QStringLiteral(" mode=\"2\""), 2, false, false, "mode=\"2\""},
        {"sortIndex 2", QStringLiteral(" sortIndex=\"2\""), 0, true, false, "sortIndex=\"1\""},
        {"pane sizes", QStringLiteral(" size0=\"640\" size1=\"x\" datatips=\"1\""), 0, false, true,
         "size0=\"640\" size1=\"0\" datatips=\"1\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        State* program = load(workspace::model(workspace::node(1, RecordingBlock::kind, 60, 60), c.attributes),
                              QString::fromLatin1(c.name) + QStringLiteral(".kdw"));
        ASSERT_TRUE(program);
        EXPECT_EQ(program->mode(), c.mode);
        EXPECT_EQ(program->showSortIndex(), c.badges);
        EXPECT_EQ(program->datatips(), c.datatips);
        EXPECT_GE(program->canvas()->width(), 1000);
        EXPECT_GE(program->canvas()->height(), 1000);
        ASSERT_TRUE(program->save());
        EXPECT_TRUE(readBytes(program->fileName()).contains(c.writtenBack))
            << readBytes(program->fileName()).constData();
    }
}

TEST_F(Workspace, ASaveThatCannotBeWrittenReportsFailure)
{
    State* program = load(scrambledIds());
    ASSERT_TRUE(program);
    program->setFileName(path(QStringLiteral("missing/folder/x.kdw")), false);
    EXPECT_FALSE(program->save());
    program->setFileName(folder.path(), false);
    EXPECT_FALSE(program->save()) << "a folder is no file";

    // A folder without write permission stops everyone but root, who is covered by the
    // file size limit below.
    if (geteuid() != 0) {
        const QString locked = path(QStringLiteral("locked"));
        ASSERT_TRUE(QDir().mkdir(locked));
        const QString fileName = locked + QStringLiteral("/old.kdw");
        writeBytes(fileName, "old content");
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        program->setFileName(fileName, false);
        EXPECT_FALSE(program->save());
        EXPECT_EQ(readBytes(fileName), QByteArray("old content"));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

namespace {

// Saves over an existing file while the process may not write more than a few bytes:
// the save must fail and leave the old file as it was.
[[noreturn]] void saveBeyondTheFileSizeLimit(const QString& fileName)
{
    StateManager manager;
    registerTestBlocks();
    State* program = loadProgram(manager, scrambledIds(), fileName);
    const QByteArray before = readBytes(fileName);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit {64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool saved = program && program->save();
    const bool intact = readBytes(fileName) == before;
    std::_Exit(!saved && intact && program ? 0 : 1);
}

} // namespace

TEST_F(Workspace, AFailedSaveLeavesTheOldFileByteForByte)
{
    const QString fileName = path(QStringLiteral("old.kdw"));
    const QByteArray old = "<?xml version=\"1.0\"?>\n<model type=\"state\"><info>the old content, longer than "
                           "the limit of sixty-four bytes that the save will run into</info></model>\n";
    writeBytes(fileName, old);
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(saveBeyondTheFileSizeLimit(fileName), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(readBytes(fileName), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"old.kdw"})) << "no temporary file left";
}

TEST_F(Workspace, ReadFailuresGiveTheShellsMessages)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        QString message;
    };
    const Case cases[] = {
        {"empty", QByteArray(), QStringLiteral("Could not load file!")},
        {"not xml", "just text", QString()},
        {"unclosed", "<model type=\"state\">", QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WorkspaceFile file;
        EXPECT_FALSE(file.parse(c.bytes));
        EXPECT_EQ(file.root(), nullptr);
        EXPECT_FALSE(file.errorMessage().isEmpty());
        if (!c.message.isEmpty()) {
            EXPECT_EQ(file.errorMessage(), c.message);
        }
    }
    WorkspaceFile missing;
    EXPECT_FALSE(missing.read(path(QStringLiteral("nothing.kdw"))));
    EXPECT_EQ(missing.errorMessage(), QStringLiteral("Could not read file!"));
    EXPECT_EQ(WorkspaceFile::notLoadedMessage(QStringLiteral("x.kdw")),
              QStringLiteral("The file x.kdw could not be loaded."));
}
