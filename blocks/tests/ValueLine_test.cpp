#include "ValueLine.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <ostream>

TEST(ValueLine, WritesSixSignificantDigitsTabSeparated)
{
    EXPECT_EQ(ValueLine::format({1.5, -2, 0.00001}), QByteArray("1.5\t-2\t1e-05\n"));
    EXPECT_EQ(ValueLine::format({1234567, 100000, 0.0001}), QByteArray("1.23457e+06\t100000\t0.0001\n"));
    EXPECT_EQ(ValueLine::format({}), QByteArray("\n"));
}

TEST(ValueLine, WritingIgnoresTheUserLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray line = ValueLine::format({0.25, 1234.5});
    QLocale::setDefault(saved);
    EXPECT_EQ(line, QByteArray("0.25\t1234.5\n"));
}

struct ParseCase
{
    const char* line;
    int channels;
    QVector<double> expected;
};

// The line, control characters spelled out, and the channel count instead of a byte dump
// of the parameter.
static void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << "line '";
    for (const char* p = c.line; *p; ++p) {
        switch (*p) {
        case '\t': *os << "<TAB>"; break;
        case '\r': *os << "<CR>"; break;
        case '\n': *os << "<LF>"; break;
        default: *os << *p; break;
        }
    }
    *os << "' into " << c.channels << " channels";
}

class ValueLineParse : public testing::TestWithParam<ParseCase>
{ };

TEST_P(ValueLineParse, FillsChannelsInOrder)
{
    const ParseCase& c = GetParam();
    QVector<double> values(c.channels, 0.0);
    ValueLine::parse(QByteArray(c.line), values);
    EXPECT_EQ(values, c.expected) << c.line;
}

INSTANTIATE_TEST_SUITE_P(Lines, ValueLineParse,
                         testing::Values(ParseCase {"1;2,3\t4\n", 4, {1, 2, 3, 4}}, ParseCase {"3s4\n", 2, {3, 4}},
                                         ParseCase {"1 2\n", 2, {0, 0}}, ParseCase {"1,,2\n", 3, {1, 0, 0}},
                                         ParseCase {"1,x,2\n", 3, {1, 0, 0}}, ParseCase {"5\t6", 2, {5, 6}},
                                         ParseCase {"7", 2, {7, 0}}, ParseCase {"5\t6\n", 1, {5}},
                                         ParseCase {"1e-05\t-2.5e+3\n", 2, {0.00001, -2500}},
                                         ParseCase {" 8 \t9\r\n", 2, {8, 9}}, ParseCase {"\n", 2, {0, 0}},
                                         ParseCase {"", 2, {0, 0}}, ParseCase {"1,2,", 3, {1, 2, 0}}));

TEST(ValueLine, RoundTripsWhatItWrites)
{
    const QVector<double> written {1.5, -2, 0.00001, 1234567};
    QVector<double> read(4, 0.0);
    ValueLine::parse(ValueLine::format(written), read);
    EXPECT_EQ(read, (QVector<double> {1.5, -2, 0.00001, 1234570}));
}
