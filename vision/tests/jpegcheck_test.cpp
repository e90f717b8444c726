// The jpegcheck tool: its one line, its exit status and its five PPM files.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct ToolRun
{
    std::string output;
    int status = -1;
};

// One word for the shell, whatever the path holds (spaces included).
std::string quoted(const std::string& word)
{
    std::string result = "'";
    for (char c : word)
        if (c == '\'')
            result.append("'\\''");
        else
            result.push_back(c);
    return result + "'";
}

ToolRun jpegcheck(const std::vector<std::string>& arguments)
{
    std::string command = quoted(JPEGCHECK_PATH);
    for (const std::string& argument : arguments)
        command += " " + quoted(argument);
    ToolRun run;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    std::array<char, 256> buffer {};
    while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe))
        run.output += buffer.data();
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(Jpegcheck, PrintsTheFrameAndWritesTheFiveOutputs)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vision-jpegcheck";
    std::filesystem::create_directories(folder);
    const std::string prefix = (folder / "frame").string();
    const ToolRun run = jpegcheck({std::string(VISION_TEST_DATA) + "/odd-422.jpg", "--out", prefix});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "width 321 height 17 components 3 sampling 1 colour 4 header 0 decode 0\n");
    for (const char* code : {"rgb", "ycbcr", "bgr", "hsv", "hls"}) {
        const std::string file = prefix + "-" + code + ".ppm";
        ASSERT_TRUE(std::filesystem::exists(file)) << file;
        EXPECT_EQ(std::filesystem::file_size(file), std::string("P6\n321 17\n255\n").size() + 321 * 17 * 3) << file;
    }
    std::filesystem::remove_all(folder);
}

TEST(Jpegcheck, FailingDecodeExitsWithOne)
{
    const ToolRun run = jpegcheck({std::string(VISION_TEST_DATA) + "/arithmetic.jpg"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "width 0 height 0 components 0 sampling 0 colour 0 header -1 decode -1\n");
}

} // namespace
