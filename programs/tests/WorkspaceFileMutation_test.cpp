// Every damaged variant of a saved workspace file must either load or fail with the
// message the shell shows, without crashing or touching memory it does not own.

#include "program_helper.h"

#include "State.h"
#include "StateManager.h"
#include "WorkspaceFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QByteArray richProgram()
{
    const QString dialog = QStringLiteral("<dialog x=\"20\" y=\"40\" width=\"200\" height=\"120\"/>");
    QString body = QStringLiteral("<info>A &lt;test&gt; program</info>\n");
    body +=
        workspace::node(1, RecordingBlock::kind, 60, 60, QStringLiteral("first"),
                        QStringLiteral("<param name=\"k\">v &amp; w</param>"
                                       "<slots nleft=\"3\" nright=\"1\"><s1c0 func=\"2\" a=\"0.5\" b=\"1\"/></slots>"));
    body += workspace::node(2, RecordingBlock::kind, 180, 60, QStringLiteral("second"));
    body += workspace::node(3, ImageRecordingBlock::kind, 120, 180, QStringLiteral("image"));
    body += workspace::node(4, RecordingBlock::kind, 240, 120, QStringLiteral("third"));
    body.replace(QStringLiteral("<position x=\"180\" y=\"60\"/>"),
                 QStringLiteral("<position x=\"180\" y=\"60\"/>") + dialog);
    body += workspace::net(1, 1, 2);
    body += QStringLiteral(
        "<net id=\"2\"><slot nodeid=\"4\" channel=\"1\" position=\"1\" id=\"1\"/>"
        "<slot nodeid=\"4\" channel=\"0\" position=\"1\" id=\"2\"/>"
        "<slot nodeid=\"2\" channel=\"0\" position=\"2\" id=\"3\"/>"
        "<point x=\"210\" y=\"90\" id=\"4\"/>"
        "<line startid=\"3\" endid=\"4\"/><line startid=\"4\" endid=\"1\"/><line startid=\"4\" endid=\"2\"/></net>\n");
    return workspace::model(
        body,
        QStringLiteral(
            " mode=\"1\" sortIndex=\"1\" size0=\"300\" size1=\"100\" datatips=\"1\" sizex=\"1200\" sizey=\"1100\""));
}

const QStringList garbage = {
    QString(),
    QStringLiteral("-1"),
    QStringLiteral("abc"),
    QStringLiteral("0"),
    QStringLiteral("4294967296"),
    QStringLiteral("99999999999999999999"),
    QStringLiteral("1e9"),
    QStringLiteral("nan"),
    QStringLiteral("inf"),
    QStringLiteral("-2147483648"),
    QStringLiteral("2147483647"),
    QStringLiteral("65536"),
    QStringLiteral(" 7 "),
    QStringLiteral("0x10"),
    QStringLiteral("3.5"),
    QStringLiteral("\u00e4\u00f6\u00fc"),
};

class Mutations : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerTestBlocks();
        ASSERT_TRUE(folder.isValid());
        WorkspaceFile file;
        ASSERT_TRUE(file.parse(richProgram())) << file.errorMessage().toStdString();
        State* program = manager.loadState(nullptr, folder.filePath(QStringLiteral("rich.kdw")), file.root());
        ASSERT_TRUE(program);
        ASSERT_TRUE(program->save());
        QFile saved(program->fileName());
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        original = saved.readAll();
        manager.remove(program);
        delete program;
    }

    // Loads the bytes as the shell would; returns the message for a failure, an empty
    // string for a document that loaded (and was then stepped, saved and closed). What
    // loads must save into a file that loads again, with as many blocks and nets.
    QString tryLoad(const QByteArray& bytes)
    {
        WorkspaceFile file;
        if (!file.parse(bytes))
            return file.errorMessage();
        const QString fileName = folder.filePath(QStringLiteral("variant.kdw"));
        if (file.type() != QLatin1String("state"))
            return WorkspaceFile::notLoadedMessage(fileName);
        State* program = manager.loadState(nullptr, fileName, file.root());
        if (!program)
            return WorkspaceFile::notLoadedMessage(fileName);
        program->step();
        program->imageStep();
        program->step();
        EXPECT_TRUE(program->save());
        const qsizetype blocks = program->nodes().size();
        const qsizetype nets = program->nets().size();
        close(program);
        expectToLoadAgain(fileName, blocks, nets);
        EXPECT_TRUE(manager.isEmpty());
        return QString();
    }

    void expectToLoadAgain(const QString& fileName, qsizetype blocks, qsizetype nets)
    {
        WorkspaceFile saved;
        ASSERT_TRUE(saved.read(fileName)) << "the saved file does not parse";
        State* again = manager.loadState(nullptr, fileName, saved.root());
        ASSERT_TRUE(again) << "the saved file does not load";
        EXPECT_EQ(again->nodes().size(), blocks);
        EXPECT_EQ(again->nets().size(), nets);
        close(again);
    }

    void close(State* program)
    {
        manager.remove(program);
        delete program;
    }

    void check(const QByteArray& variant, const char* what)
    {
        const QString message = tryLoad(variant);
        if (message.isEmpty())
            ++loads;
        else
            ++failures;
        if (::testing::Test::HasFailure())
            ADD_FAILURE() << what << ":\n" << variant.constData();
    }

    // Calls change once per element of a fresh copy of the original, in document order.
    void forEachElement(const std::function<void(xmlNode*)>& change, const char* what)
    {
        for (int index = 0;; ++index) {
            WorkspaceFile file;
            ASSERT_TRUE(file.parse(original));
            xmlNode* element = nthElement(file.root(), index);
            if (!element)
                return;
            change(element);
            check(WorkspaceFile::serialize(file.root()->doc), what);
        }
    }

    static xmlNode* nthElement(xmlNode* root, int index)
    {
        int seen = 0;
        std::function<xmlNode*(xmlNode*)> walk = [&](xmlNode* node) -> xmlNode* {
            for (; node; node = node->next) {
                if (node->type != XML_ELEMENT_NODE)
                    continue;
                if (seen++ == index)
                    return node;
                if (xmlNode* found = walk(node->children))
                    return found;
            }
            return nullptr;
        };
        return walk(root);
    }

    // Saves sync to disk; a memory file system keeps a thousand of them quick.
    QTemporaryDir folder {QDir(QStringLiteral("/dev/shm")).exists()
                              ? QStringLiteral("/dev/shm/drasvel-XXXXXX")
                              : QDir::tempPath() + QStringLiteral("/drasvel-XXXXXX")};
    StateManager manager;
    QByteArray original;
    int loads = 0;
    int failures = 0;
};

} // namespace

TEST_F(Mutations, TheOriginalLoads)
{
    EXPECT_TRUE(tryLoad(original).isEmpty());
}

TEST_F(Mutations, Truncations)
{
    for (qsizetype length = 0; length < original.size(); ++length)
        check(original.left(length), "truncated");
    EXPECT_GT(failures, 0);
}

TEST_F(Mutations, DeletedElements)
{
    forEachElement(
        [](xmlNode* element) {
            if (element->parent && element->parent->type == XML_ELEMENT_NODE) {
                xmlUnlinkNode(element);
                xmlFreeNode(element);
            }
        },
        "deleted");
    EXPECT_GT(loads, 0);
    EXPECT_GT(failures, 0);
}

TEST_F(Mutations, DuplicatedElements)
{
    forEachElement(
        [](xmlNode* element) {
            if (element->parent && element->parent->type == XML_ELEMENT_NODE)
                xmlAddNextSibling(element, xmlCopyNode(element, 1));
        },
        "duplicated");
    EXPECT_GT(loads, 0);
}

TEST_F(Mutations, AttributesSetToGarbage)
{
    for (const QString& value : garbage) {
        const QByteArray utf8 = value.toUtf8();
        for (int attribute = 0;; ++attribute) {
            WorkspaceFile file;
            ASSERT_TRUE(file.parse(original));
            int seen = 0;
            xmlAttr* target = nullptr;
            std::function<void(xmlNode*)> walk = [&](xmlNode* node) {
                for (; node && !target; node = node->next) {
                    if (node->type != XML_ELEMENT_NODE)
                        continue;
                    for (xmlAttr* a = node->properties; a && !target; a = a->next) {
                        if (seen++ == attribute)
                            target = a;
                    }
                    walk(node->children);
                }
            };
            walk(file.root());
            if (!target)
                break;
            xmlSetProp(target->parent, target->name, reinterpret_cast<const xmlChar*>(utf8.constData()));
            check(WorkspaceFile::serialize(file.root()->doc), "garbage attribute");
        }
    }
    EXPECT_GT(loads, 0);
    EXPECT_GT(failures, 0);
}

// Damage that once loaded into a program whose save could not be loaded again.
TEST_F(Mutations, CanvasesSmallerThanTheirBlocksAndSlotCountsAboveTheLimit)
{
    struct Case
    {
        const char* from;
        QString to;
    };
    QList<Case> cases;
    for (int side = 1; side <= 40; side += 3) {
        cases.append({"sizex=\"1200\"", QStringLiteral("sizex=\"%1\"").arg(side)});
        cases.append({"sizey=\"1100\"", QStringLiteral("sizey=\"%1\"").arg(side)});
    }
    for (const char* count : {"101", "1000", "4294967295"})
        cases.append({"nleft=\"3\"", QStringLiteral("nleft=\"%1\"").arg(QLatin1String(count))});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to.toStdString());
        QByteArray variant = original;
        ASSERT_TRUE(variant.contains(c.from)) << original.constData();
        variant.replace(c.from, c.to.toUtf8());
        EXPECT_EQ(tryLoad(variant), QString());
    }
}
