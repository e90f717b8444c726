#include "program_helper.h"

#include "ShellServices.h"
#include "State.h"
#include "StateManager.h"
#include "WorkspaceFile.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Records the library entries the registry adds and removes.
class LibraryShell : public ShellServices
{
public:
    LibraryShell() { ShellServices::install(this); }
    ~LibraryShell() override { ShellServices::install(nullptr); }
    void addProgramToLibrary(State* program) override { entries.append(program->id()); }
    void removeProgramFromLibrary(int id) override { entries.removeOne(id); }
    QList<int> entries;
};

class Registry : public ::testing::Test
{
protected:
    void SetUp() override { registerTestBlocks(); }
    void TearDown() override
    {
        for (StateBase* document : manager.states()) {
            manager.remove(document);
            delete document;
        }
    }

    void close(StateBase* document)
    {
        ASSERT_TRUE(manager.remove(document));
        delete document;
    }

    LibraryShell shell;
    StateManager manager;
};

} // namespace

TEST_F(Registry, GivesTheSmallestFreeIdAndItsName)
{
    State* first = manager.newState(nullptr);
    State* second = manager.newState(nullptr);
    State* third = manager.newState(nullptr);
    EXPECT_EQ(first->id(), 0);
    EXPECT_EQ(second->id(), 1);
    EXPECT_EQ(third->id(), 2);
    EXPECT_EQ(first->fileName(), QStringLiteral("Unnamed0"));
    EXPECT_EQ(third->fileName(), QStringLiteral("Unnamed2"));
    EXPECT_FALSE(third->hasFileName());
    EXPECT_EQ(shell.entries, QList<int>({0, 1, 2}));

    close(second);
    EXPECT_EQ(shell.entries, QList<int>({0, 2}));
    EXPECT_EQ(manager.stateById(1), nullptr);
    State* reused = manager.newState(nullptr);
    EXPECT_EQ(reused->id(), 1);
    EXPECT_EQ(reused->fileName(), QStringLiteral("Unnamed1"));
    EXPECT_EQ(manager.states(), QList<StateBase*>({first, reused, third})) << "in id order";
    EXPECT_EQ(manager.stateById(2), third);
}

TEST_F(Registry, RemoveOnlyWhatIsRegistered)
{
    State stranger(0);
    EXPECT_FALSE(manager.remove(&stranger)) << "another document with a registered id";
    EXPECT_FALSE(manager.remove(nullptr));
    State* program = manager.newState(nullptr);
    EXPECT_FALSE(manager.isEmpty());
    close(program);
    EXPECT_FALSE(manager.remove(&stranger));
    EXPECT_TRUE(manager.isEmpty());
}

TEST_F(Registry, AFailedLoadLeavesNoTrace)
{
    EXPECT_EQ(loadProgram(manager, workspace::model(workspace::node(1, 7, 60, 60))), nullptr);
    EXPECT_TRUE(manager.isEmpty());
    EXPECT_TRUE(shell.entries.isEmpty());
    EXPECT_EQ(manager.loadState(nullptr, QStringLiteral("/tmp/x.kdw"), nullptr), nullptr);
    EXPECT_EQ(manager.newState(nullptr)->id(), 0) << "no id stays reserved";
}

TEST_F(Registry, FindsFilesUnderOneAbsoluteCleanName)
{
    const QString fileName = QStringLiteral("/tmp/drasvel-registry/Robot.kdw");
    State* program =
        loadProgram(manager, workspace::model(QString()), QStringLiteral("/tmp/./drasvel-registry/sub/../Robot.kdw"));
    ASSERT_TRUE(program);
    EXPECT_EQ(program->fileName(), fileName);
    EXPECT_EQ(shell.entries, QList<int>({program->id()}));
    struct Case
    {
        QString name;
        bool found;
    };
    const Case cases[] = {
        {fileName, true},
        {QStringLiteral("/tmp/drasvel-registry//Robot.kdw"), true},
        {QStringLiteral("/tmp/drasvel-registry/x/../Robot.kdw"), true},
        {QStringLiteral("/tmp/drasvel-registry/robot.kdw"), false},
        {QStringLiteral("/tmp/drasvel-registry/ROBOT.KDW"), false},
        {QStringLiteral("/tmp/Robot.kdw"), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(manager.stateByFileName(c.name) == program, c.found) << c.name.toStdString();

    const QString previous = QDir::currentPath();
    QDir::setCurrent(QStringLiteral("/tmp"));
    EXPECT_EQ(manager.stateByFileName(QStringLiteral("drasvel-registry/Robot.kdw")), program)
        << "a relative name means the same file";
    QDir::setCurrent(previous);
    State* untitled = manager.newState(nullptr);
    EXPECT_EQ(manager.stateByFileName(untitled->fileName()), untitled);
}
