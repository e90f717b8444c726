#include "NodeFactory.h"
#include "StateNode.h"
#include "WorkspaceRunner.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Ends its program through exit "code" in the step numbered "after" (parameters).
class ExitAfter : public StateNode
{
public:
    static constexpr unsigned short kind = 220;

    ExitAfter(State* owner, QGraphicsScene* canvas, unsigned id, const NodeType& type)
        : StateNode(owner, canvas, id, type)
    {
    }

    static NodeType nodeType()
    {
        static NodeType type;
        if (type.needsBuild()) {
            type = StateNode::baseType();
            type.setName(QStringLiteral("ExitAfter"));
            type.setFlags(NodeType::EngineCycle);
            type.setMaintype(kind);
            type.addSubtype(QStringLiteral("ExitAfter"), QString());
            type.addValueSlot(QStringLiteral("I"), SlotSpec::Input, SlotSpec::Left, 0.0f);
            nodeFactories().insert(
                kind, [](State* owner, QGraphicsScene* canvas, const NodeType& t, unsigned id) -> StateNode* {
                    return new ExitAfter(owner, canvas, id, nodeType().withSubtype(t.subtype()));
                });
        }
        return type;
    }

    void setParameters(QMap<QString, QString> values) override
    {
        after = values.value(QStringLiteral("after")).toInt();
        code = values.value(QStringLiteral("code")).toInt();
    }
    QMap<QString, QString> parameters() const override
    {
        return {{QStringLiteral("after"), QString::number(after)}, {QStringLiteral("code"), QString::number(code)}};
    }
    void reset() override { count = 0; }
    int step() override { return ++count == after ? code : 0; }

private:
    int after = 0;
    int code = 0;
    int count = 0;
};

QByteArray program(int after, int code)
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<model type=\"state\"><info/>"
                          "<node id=\"1\" maintype=\"220\" subtype=\"0\" identifier=\"\" active=\"1\"><name>x</name>"
                          "<param name=\"after\">%1</param><param name=\"code\">%2</param>"
                          "<workspace><position x=\"60\" y=\"60\"/></workspace></node></model>\n")
        .arg(after)
        .arg(code)
        .toUtf8();
}

class Runner : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ExitAfter::nodeType();
        ASSERT_TRUE(folder.isValid());
    }

    QString file(const QString& name, const QByteArray& content)
    {
        const QString fileName = folder.filePath(name);
        QFile output(fileName);
        EXPECT_TRUE(output.open(QIODevice::WriteOnly));
        output.write(content);
        return fileName;
    }

    int run(const QStringList& arguments)
    {
        output.clear();
        errors.clear();
        QTextStream out(&output);
        QTextStream err(&errors);
        WorkspaceRunner runner(out, err);
        return runner.run(arguments);
    }

    QTemporaryDir folder;
    QString output;
    QString errors;
};

} // namespace

TEST_F(Runner, StepsUntilTheProgramExits)
{
    const QString fileName = file(QStringLiteral("p.kdw"), program(3, 2));
    EXPECT_EQ(run({fileName, QStringLiteral("--cycles"), QStringLiteral("10")}), 0);
    EXPECT_EQ(output, QStringLiteral("cycle 1 exit 0\ncycle 2 exit 0\ncycle 3 exit 2\n"));
    EXPECT_TRUE(errors.isEmpty());

    EXPECT_EQ(run({fileName, QStringLiteral("--cycles"), QStringLiteral("2")}), 0);
    EXPECT_EQ(output, QStringLiteral("cycle 1 exit 0\ncycle 2 exit 0\n"));

    EXPECT_EQ(run({fileName}), 0);
    EXPECT_TRUE(output.isEmpty()) << "without --cycles nothing runs";
}

TEST_F(Runner, SavesTheLoadedProgram)
{
    const QString fileName = file(QStringLiteral("p.kdw"), program(3, 2));
    const QString first = folder.filePath(QStringLiteral("first.kdw"));
    const QString second = folder.filePath(QStringLiteral("second.kdw"));
    EXPECT_EQ(run({fileName, QStringLiteral("--save"), first, QStringLiteral("--cycles"), QStringLiteral("1")}), 0);
    EXPECT_EQ(run({first, QStringLiteral("--save"), second}), 0);
    QFile a(first);
    QFile b(second);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QByteArray saved = a.readAll();
    EXPECT_EQ(saved, b.readAll());
    EXPECT_TRUE(saved.contains("<param name=\"after\">3</param>"));

    EXPECT_EQ(run({fileName, QStringLiteral("--save"), folder.filePath(QStringLiteral("no/such/folder.kdw"))}), 1);
    EXPECT_TRUE(errors.startsWith(
        QStringLiteral("kdwrun: %1: Can not write to ").arg(folder.filePath(QStringLiteral("no/such/folder.kdw")))))
        << errors.toStdString();
}

TEST_F(Runner, FilesThatDoNotLoadGiveTheShellsMessage)
{
    struct Case
    {
        const char* name;
        QByteArray content;
        QString message;
    };
    const QString notLoaded = QStringLiteral("The file %1 could not be loaded.\n");
    const Case cases[] = {
        {"chart.kdw",
         "<model type=\"statechart\"><node id=\"1\" maintype=\"0\" subtype=\"0\"><name>S</name>"
         "<workspace><position x=\"0\" y=\"6\"/></workspace></node></model>",
         notLoaded},
        {"other.kdw", "<model type=\"robot\"/>", notLoaded},
        {"unknown.kdw", program(1, 1).replace("maintype=\"220\"", "maintype=\"7\""), notLoaded},
        {"empty.kdw", QByteArray(), QStringLiteral("Could not load file!\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString fileName = file(QString::fromLatin1(c.name), c.content);
        EXPECT_EQ(run({fileName, QStringLiteral("--cycles"), QStringLiteral("3")}), 1);
        const QString message = c.message.contains(QLatin1String("%1")) ? c.message.arg(fileName) : c.message;
        EXPECT_EQ(errors, QStringLiteral("kdwrun: %1: %2").arg(fileName, message));
        EXPECT_TRUE(output.isEmpty());
    }
    const QString missing = folder.filePath(QStringLiteral("missing.kdw"));
    EXPECT_EQ(run({missing}), 1);
    EXPECT_EQ(errors, QStringLiteral("kdwrun: %1: Could not read file!\n").arg(missing));
    EXPECT_EQ(run({file(QStringLiteral("broken.kdw"), "<model type=\"state\"><node></model>")}), 1);
    EXPECT_FALSE(errors.isEmpty()) << "the parser's own message";
}

TEST_F(Runner, RefusesBadArguments)
{
    const QString fileName = file(QStringLiteral("p.kdw"), program(3, 2));
    const QList<QStringList> cases = {
        {},
        {QStringLiteral("--cycles"), QStringLiteral("3")},
        {fileName, QStringLiteral("--cycles")},
        {fileName, QStringLiteral("--cycles"), QStringLiteral("-1")},
        {fileName, QStringLiteral("--cycles"), QStringLiteral("many")},
        {fileName, QStringLiteral("--save")},
        {fileName, QStringLiteral("--verbose")},
        {fileName, fileName},
        {fileName, QStringLiteral("--cycles"), QStringLiteral("1"), QStringLiteral("--cycles"), QStringLiteral("2")},
    };
    for (const QStringList& arguments : cases) {
        EXPECT_EQ(run(arguments), 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(errors.startsWith(QStringLiteral("kdwrun: "))) << errors.toStdString();
        EXPECT_TRUE(errors.endsWith(WorkspaceRunner::usage() + QLatin1Char('\n'))) << errors.toStdString();
        EXPECT_TRUE(output.isEmpty());
    }
}

TEST_F(Runner, AnswersHelpAndVersionOnStandardOutput)
{
    for (const QString& option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        EXPECT_EQ(run({option}), 0);
        EXPECT_TRUE(output.contains(QStringLiteral("--cycles <N>"))) << output.toStdString();
        EXPECT_TRUE(output.contains(QStringLiteral("--save <OUT.kdw>")));
        EXPECT_TRUE(errors.isEmpty());
    }
    EXPECT_EQ(run({QStringLiteral("--version")}), 0);
    EXPECT_TRUE(output.startsWith(QStringLiteral("kdwrun "))) << output.toStdString();
}

TEST_F(Runner, TheProgramRunsAnEmptyWorkspace)
{
    const QString fileName = file(QStringLiteral("empty.kdw"), "<model type=\"state\"/>");
    QProcess process;
    process.start(QStringLiteral(KDWRUN_PATH), {fileName, QStringLiteral("--cycles"), QStringLiteral("2")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    EXPECT_EQ(process.readAllStandardOutput(), QByteArray("cycle 1 exit 0\ncycle 2 exit 0\n"));

    process.start(QStringLiteral(KDWRUN_PATH), {folder.filePath(QStringLiteral("none.kdw"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().endsWith("Could not read file!\n"));
}
