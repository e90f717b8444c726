#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Sensor values the simulated robot reports, each from a given exchange on.
//
// One entry a line: "[@N] NAME VALUE", where N is the exchange from which the value
// holds (0 when left out). Names: DI<i> (0 or 1), ADC<i> (volts), DIST<n> (volts, n
// from 1), BUMPER (0 or 1), BATT (volts), CURRENT (amperes), MOTORADC<i> (raw motor
// current). "#" starts a comment; blank lines are skipped.
class SimScript
{
public:
    struct Entry
    {
        std::size_t exchange = 0;
        std::string name;
        int index = 0;
        double value = 0.0;
    };

    // False with a message naming the line when the text is not of that form.
    bool parse(const std::string& text, std::string& error);
    bool load(const std::string& fileName, std::string& error);
    const std::vector<Entry>& entries() const { return list; }

    static const char* formatHelp();

private:
    bool parseLine(const std::string& line, Entry& entry) const;

    std::vector<Entry> list;
};
