#include "WorkspaceCases_helper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double big = 3.40282e+38;

QVector<QVector<double>> parseRows(const QStringList& lines)
{
    QVector<QVector<double>> rows;
    for (const QString& line : lines) {
        QVector<double> row;
        for (const QString& field : line.split(QLatin1Char('\t')))
            row.append(field == QLatin1String("nan") ? notANumber : field.toDouble());
        rows.append(row);
    }
    return rows;
}

bool sameValue(double actual, double expected)
{
    if (std::isnan(expected))
        return std::isnan(actual);
    return std::fabs(actual - expected) <= 1e-5 * std::max(1.0, std::fabs(expected));
}

} // namespace

void expectRows(const QStringList& output, const WorkspaceCase& c)
{
    const QVector<QVector<double>> rows = parseRows(output);
    ASSERT_EQ(rows.size(), c.expected.size()) << output.join(QLatin1Char('|')).toStdString();
    for (int r = 0; r < rows.size(); ++r) {
        ASSERT_EQ(rows[r].size(), c.expected[r].size()) << "row " << r << ": " << output[r].toStdString();
        for (int i = 0; i < rows[r].size(); ++i)
            EXPECT_TRUE(sameValue(rows[r][i], c.expected[r][i]))
                << "row " << r << " column " << i << ": " << output[r].toStdString() << ", expected "
                << c.expected[r][i];
    }
}

void PrintTo(const WorkspaceCase& c, std::ostream* os)
{
    *os << c.file;
}

std::string workspaceCaseName(const WorkspaceCase& c, size_t index)
{
    return QString::fromLatin1(c.file).section(QLatin1Char('.'), 0, 0).toStdString() + "_" + std::to_string(index);
}

std::vector<WorkspaceCase> workspaceCases()
{
    return {

        WorkspaceCase {"const.kdw", {}, 2, {{2.5, 0, 1000}, {2.5, 0, 1000}}},
        // Columns: up on rising edges, up on both edges, down; inputs: signal, reset.
        WorkspaceCase {
            "counter.kdw",
            {"0\t0", "1\t0", "0\t0", "1\t0", "1\t1", "1\t0", "0\t0", "0.49\t0", "0.5\t0"},
            9,
            {{0, 0, 0}, {1, 1, -1}, {1, 2, -1}, {2, 3, -2}, {0, 0, 0}, {1, 1, -1}, {1, 2, -1}, {1, 2, -1}, {2, 3, -2}}},
        // Columns: AND, AND FL, NAND, NAND FL, OR, NOR, XOR, RS, unconnected AND,
        // unconnected NOR, OR stored under the old maintype.
        WorkspaceCase {"logic.kdw",
                       {"1\t1\t1\t0", "1\t1\t1\t1", "1\t1\t1\t1", "0\t1\t1\t1", "0\t1\t1\t1", "1\t0\t0\t0",
                        "0\t0\t0\t0", "0.49\t0.5\t0\t0", "1\t1\t0\t0", "-1\t0\t0\t0"},
                       10,
                       {{0, 0, 1, 0, 1, 0, 0, 0, 1, 1, 1},
                        {1, 1, 0, 0, 1, 0, 0, 0, 1, 1, 1},
                        {1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1},
                        {0, 0, 1, 1, 1, 0, 1, 0, 1, 1, 1},
                        {0, 0, 1, 0, 1, 0, 1, 0, 1, 1, 1},
                        {0, 0, 1, 0, 1, 0, 1, 1, 1, 1, 1},
                        {0, 0, 1, 0, 0, 1, 0, 1, 1, 1, 0},
                        {0, 0, 1, 0, 1, 0, 1, 0, 1, 1, 1},
                        {0, 0, 1, 0, 1, 0, 0, 0, 1, 1, 1},
                        {0, 0, 1, 0, 0, 1, 0, 0, 1, 1, 0}}},
        // Columns: division, modulo.
        WorkspaceCase {"basicmath.kdw",
                       {"1\t0", "-1\t0", "0\t0", "7\t2", "7.9\t2.5", "-7\t2", "7\t-2", "5\t0.5", "5\t-1",
                        "-2147483648\t-1", "3e9\t7", "nan\t0"},
                       12,
                       {{big, 0},
                        {-big, 0},
                        {0, 0},
                        {3.5, 1},
                        {3.16, 1},
                        {-3.5, -1},
                        {-3.5, 1},
                        {10, 0},
                        {-5, 0},
                        {2147483648.0, 0},
                        {428571428.6, 0},
                        {notANumber, 0}}},
        // Columns: addition, subtraction, multiplication, minimum, maximum.
        WorkspaceCase {"basicmath2.kdw",
                       {"10\t3\t2", "2\t3\t0.5", "-5\t-2\t-9", "3\t1\t1"},
                       4,
                       {{15, 5, 60, 2, 10}, {5.5, -1.5, 3, 0.5, 3}, {-16, 6, -90, -9, -2}, {5, 1, 3, 1, 3}}},
        // Inputs: value, select, three data inputs; columns: three multiplexer
        // outputs, the demultiplexer's output.
        WorkspaceCase {
            "multiplexer.kdw",
            {"5\t1.4\t10\t20\t30", "5\t1.5\t10\t20\t30", "5\t-0.5\t10\t20\t30", "5\t7\t10\t20\t30",
             "5\t0.5\t10\t20\t30", "5\t-3\t10\t20\t30", "5\t0\t10\t20\t30"},
            7,
            {{0, 5, 0, 20}, {0, 0, 5, 30}, {5, 0, 0, 10}, {0, 0, 5, 30}, {0, 5, 0, 20}, {5, 0, 0, 10}, {5, 0, 0, 10}}},
        // Columns: >, <, >=, <=, ==, !=.
        WorkspaceCase {"compare.kdw",
                       {"2\t1", "1\t1", "0.5\t0.50001", "-0\t0", "nan\t1", "0\t0"},
                       6,
                       {{1, 0, 1, 0, 0, 1},
                        {0, 0, 1, 1, 1, 0},
                        {0, 1, 0, 1, 0, 1},
                        {0, 0, 1, 1, 1, 0},
                        {0, 0, 0, 0, 0, 1},
                        {0, 0, 1, 1, 1, 0}}},
        // Columns: NOT, absolute value.
        WorkspaceCase {"inverter_abs.kdw",
                       {"0", "0.49", "0.5", "3", "-1", "-2.5", "-0", "7"},
                       8,
                       {{1, 0}, {1, 0.49}, {0, 0.5}, {0, 3}, {1, 1}, {1, 2.5}, {1, 0}, {0, 7}}},
        // Columns: cartesian input as x, y and as length, angle; the same for the
        // polar input.
        WorkspaceCase {"vectors.kdw",
                       {"0\t-1", "-1\t0", "2\t90", "0\t45", "-2\t0", "3\t4"},
                       6,
                       {{0, -1, 1, -90, 0, 0, 0, 0},
                        {-1, 0, 1, 180, 1, 0, 1, 0},
                        {2, 90, 90.0222, 88.7270, 0, 2, 2, 90},
                        {0, 45, 45, 90, 0, 0, 0, 0},
                        {-2, 0, 2, 180, 2, 0, 2, 0},
                        {3, 4, 5, 53.1301, 2.99269, 0.209269, 3, 4}}},
        WorkspaceCase {"vectorconst.kdw", {}, 1, {{0.5, 2, 1, 0}}},
        // Inputs: three vectors and a number; columns: sum, difference, scaled,
        // set length, rotated (each x, y), scalar product of the first two.
        WorkspaceCase {"vectormath.kdw",
                       {"1\t2\t3\t4\t0\t0\t-2", "5\t5\t1\t2\t1\t1\t90", "3\t4\t0\t5\t-1\t-1\t10", "0\t0\t1\t0\t0\t1\t5",
                        "1\t0\t0\t1\t-1\t-1\t0"},
                       5,
                       {{4, 6, -2, -2, -2, -4, -0.894427, -1.78885, 1.06919, 1.96388, 11},
                        {7, 8, 3, 2, 450, 450, 63.6396, 63.6396, -5, 5, 15},
                        {2, 8, 4, 0, 30, 40, 6, 8, 2.25983, 4.46017, 20},
                        {1, 1, -1, -1, 0, 0, 5, 0, 0, 0, 0},
                        {0, 0, 2, 0, 0, 0, 0, 0, 1, 0, 0}}},
        // Columns: a new curve (-1, -1) to (1, 1); a loaded step (0, 0), (0, 1), (1, 1).
        WorkspaceCase {"transfer.kdw",
                       {"0", "0.5", "-1", "5", "-3", "-0.5"},
                       6,
                       {{0, 1}, {0.5, 1}, {-1, 0}, {1, 1}, {-1, 0}, {-0.5, 0}}},
        // Columns: depth 4, depth 1.
        WorkspaceCase {
            "smooth.kdw", {"4", "8", "0", "0", "0", "0"}, 6, {{1, 4}, {3, 8}, {3, 0}, {3, 0}, {2, 0}, {0, 0}}},
        // The adder's output feeds its own input: a one-cycle delay, a running sum.
        WorkspaceCase {"feedback.kdw", {}, 5, {{1}, {2}, {3}, {4}, {5}}},
        // The reader's separators, a bad token, the end of the file.
        WorkspaceCase {"multiplexer.kdw",
                       {"5;1,10s20\t30", "5\t2\t10\t20\t30\r", "5,0,x,20,30", "5\t1\t10"},
                       6,
                       {{0, 5, 0, 20}, {0, 0, 5, 30}, {5, 0, 0, 0}, {0, 5, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
        // A selector that is no number selects the first channel, a huge one the last.
        WorkspaceCase {"multiplexer.kdw",
                       {"5\tnan\t10\t20\t30", "5\t1e30\t10\t20\t30", "5\t-1e30\t10\t20\t30"},
                       3,
                       {{5, 0, 0, 10}, {0, 0, 5, 30}, {5, 0, 0, 10}}}};
}
