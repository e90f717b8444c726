#include "SimScript.h"

#include <fstream>
#include <sstream>

namespace {

struct Name
{
    const char* prefix;
    bool indexed;
};

const Name names[] = {
    {"MOTORADC", true}, {"DIST", true},  {"ADC", true},      {"DI", true},
    {"BUMPER", false},  {"BATT", false}, {"CURRENT", false},
};

bool splitName(const std::string& word, std::string& name, int& index)
{
    for (const Name& known : names) {
        const std::string prefix = known.prefix;
        if (word.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string rest = word.substr(prefix.size());
        if (!known.indexed)
            return rest.empty() && (name = prefix, index = 0, true);
        if (rest.empty() || rest.size() > 3 || rest.find_first_not_of("0123456789") != std::string::npos)
            return false;
        name = prefix;
        index = std::stoi(rest);
        return true;
    }
    return false;
}

} // namespace

const char* SimScript::formatHelp()
{
    return "Script format: one sensor value a line, \"[@N] NAME VALUE\", holding from exchange N\n"
           "on (0 when left out). NAME is DI<i> (0 or 1), ADC<i> (volts), DIST<n> (volts,\n"
           "sensors counted from 1), BUMPER (0 or 1), BATT (volts), CURRENT (amperes) or\n"
           "MOTORADC<i> (raw motor current). \"#\" starts a comment. Example:\n"
           "  DI0 1\n"
           "  DIST1 2.5\n"
           "  @50 BUMPER 1\n";
}

bool SimScript::parseLine(const std::string& line, Entry& entry) const
{
    std::istringstream in(line);
    std::string word;
    in >> word;
    if (!word.empty() && word[0] == '@') {
        const std::string digits = word.substr(1);
        if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
        entry.exchange = std::stoul(digits);
        in >> word;
    }
    if (!splitName(word, entry.name, entry.index))
        return false;
    std::string value;
    if (!(in >> value))
        return false;
    std::size_t used = 0;
    try {
        entry.value = std::stod(value, &used);
    } catch (...) {
        return false;
    }
    std::string extra;
    return used == value.size() && !(in >> extra);
}

bool SimScript::parse(const std::string& text, std::string& error)
{
    list.clear();
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const std::size_t hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        Entry entry;
        if (!parseLine(line, entry)) {
            error = "line " + std::to_string(number) + ": expected \"[@N] NAME VALUE\"";
            list.clear();
            return false;
        }
        list.push_back(entry);
    }
    return true;
}

bool SimScript::load(const std::string& fileName, std::string& error)
{
    std::ifstream file(fileName);
    if (!file) {
        error = "cannot read " + fileName;
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (!parse(text.str(), error)) {
        error = fileName + ", " + error;
        return false;
    }
    return true;
}
