#include "BlockDialog_helper.h"

#include "NodeDialog.h"
#include "State.h"
#include "StateNode.h"

#include <QCoreApplication>
#include <QFile>

namespace kdw {

QString node(unsigned id, unsigned maintype, unsigned subtype, int x, const QMap<QString, QString>& params,
             const QString& slotCounts)
{
    QString text = QStringLiteral("<node id=\"%1\" maintype=\"%2\" subtype=\"%3\" identifier=\"\" active=\"1\">"
                                  "<name>block %1</name>")
                       .arg(id)
                       .arg(maintype)
                       .arg(subtype);
    for (auto entry = params.cbegin(); entry != params.cend(); ++entry)
        text += QStringLiteral("<param name=\"%1\">%2</param>").arg(entry.key(), entry.value());
    text += QStringLiteral("<workspace><position x=\"%1\" y=\"60\"/></workspace>").arg(x);
    if (!slotCounts.isEmpty())
        text += QStringLiteral("<slots %1/>").arg(slotCounts);
    return text + QStringLiteral("</node>\n");
}

QString net(unsigned id, unsigned fromNode, int fromChannel, unsigned toNode, int toChannel)
{
    return QStringLiteral("<net id=\"%1\"><slot nodeid=\"%2\" channel=\"%3\" position=\"2\" id=\"%4\"/>"
                          "<slot nodeid=\"%5\" channel=\"%6\" position=\"1\" id=\"%7\"/>"
                          "<line startid=\"%4\" endid=\"%7\"/></net>\n")
        .arg(id)
        .arg(fromNode)
        .arg(fromChannel)
        .arg(1000 + 2 * id)
        .arg(toNode)
        .arg(toChannel)
        .arg(1001 + 2 * id);
}

QString reader(int outputs)
{
    return node(1, 53, 0, 60, {{QStringLiteral("filename"), QStringLiteral("in.txt")}},
                QStringLiteral("nleft=\"0\" nright=\"%1\" ntop=\"0\" nbottom=\"0\"").arg(outputs));
}

QString writer(int inputs)
{
    return node(9, 52, 0, 900, {{QStringLiteral("filename"), QStringLiteral("out.txt")}},
                QStringLiteral("nleft=\"%1\" nright=\"0\" ntop=\"0\" nbottom=\"0\"").arg(inputs));
}

} // namespace kdw

void BlockDialogTest::SetUp()
{
    area.resize(1200, 900);
    area.show();
}

void BlockDialogTest::TearDown()
{
    run.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BlockDialogTest::load(const QString& body)
{
    const QString path = files.filePath(QStringLiteral("program.kdw"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<model type=\"state\" mode=\"1\" sortIndex=\"0\" datatips=\"0\" sizex=\"2000\" sizey=\"2000\">\n");
    file.write(body.toUtf8());
    file.write("</model>\n");
    file.close();
    run = std::make_unique<ProgramRun>(path);
    ASSERT_TRUE(run->loaded());
}

void BlockDialogTest::reload()
{
    const QString saved = files.filePath(QStringLiteral("saved.kdw"));
    run->stop();
    ASSERT_TRUE(run->saveAs(QStringLiteral("saved.kdw")));
    QFile::remove(saved);
    ASSERT_TRUE(QFile::copy(run->scratchPath(QStringLiteral("saved.kdw")), saved));
    run.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    run = std::make_unique<ProgramRun>(saved);
    ASSERT_TRUE(run->loaded());
}

StateNode* BlockDialogTest::block(unsigned short maintype) const
{
    for (Node* node : run->state().nodes()) {
        if (node->type()->maintype() == maintype)
            return dynamic_cast<StateNode*>(node);
    }
    return nullptr;
}

NodeDialog* BlockDialogTest::open(unsigned short maintype)
{
    StateNode* target = block(maintype);
    if (!target)
        return nullptr;
    target->showDialog(&area, false);
    return target->dialog();
}

QStringList BlockDialogTest::runOver(const QStringList& lines)
{
    run->writeInput(lines);
    run->start();
    run->run(int(lines.size()));
    run->stop();
    return run->output();
}
