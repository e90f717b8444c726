// Workspace files are outside input: whatever a parameter or a value file holds, a
// block loads it, runs a few cycles in bounded time and saves something back.
#include "ProgramRun_helper.h"

#include "Node.h"
#include "State.h"
#include "ValueLine.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const QStringList hostileTexts = {"",
                                  "abc",
                                  "-1",
                                  "0",
                                  "4294967295",
                                  "2147483648",
                                  "-2147483648",
                                  "1e39",
                                  "-1e39",
                                  "nan",
                                  "inf",
                                  "-inf",
                                  "99999999999999999999",
                                  "0.5",
                                  "13",
                                  "14",
                                  "-14",
                                  "1e-45",
                                  " 7 ",
                                  "0x10",
                                  "１２"};

TEST(HostileParameters, EveryKeyOfEveryKindWithBadValues)
{
    ProgramRun run(QStringLiteral("allkinds.kdw"));
    ASSERT_TRUE(run.loaded());
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> pick(0, int(hostileTexts.size()) - 1);
    for (int round = 0; round < 20; ++round) {
        for (Node* node : run.state().cycleBlocks()) {
            QMap<QString, QString> parameters = node->parameters();
            for (auto it = parameters.begin(); it != parameters.end(); ++it)
                it.value() = hostileTexts[pick(random)];
            // A point list of billions of points must not be loaded point by point.
            if (parameters.contains(QStringLiteral("count")))
                parameters[QStringLiteral("count")] = QStringLiteral("4294967295");
            node->setParameters(parameters);
            EXPECT_EQ(node->parameters().keys(), parameters.keys()) << node->type()->maintype();
        }
        run.run(3);
        run.stop();
    }
}

TEST(HostileParameters, RandomValueLinesNeverReachPastTheChannels)
{
    std::mt19937 random(815);
    const QByteArray alphabet = QByteArrayLiteral("0123456789.-+eE\t\n;,s \rnaix");
    std::uniform_int_distribution<int> length(0, 300);
    std::uniform_int_distribution<int> character(0, int(alphabet.size()) - 1);
    std::uniform_int_distribution<int> channels(0, 8);
    for (int i = 0; i < 3000; ++i) {
        QByteArray line;
        const int n = length(random);
        for (int k = 0; k < n; ++k)
            line += alphabet[character(random)];
        QVector<double> values(channels(random), 0.0);
        const int size = values.size();
        ValueLine::parse(line, values);
        ASSERT_EQ(values.size(), size);
    }
}

} // namespace
