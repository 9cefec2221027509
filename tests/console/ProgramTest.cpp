// SPDX-License-Identifier: GPL-3.0-or-later
// varnock-console run as a program on inputs too big or too broken to keep
// as script files: each bad line is reported and skipped, the session goes
// on, and memory stays bounded however long a line or an input is.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

struct ProgramRun {
    std::string out;
    std::string err;
    int status = -1;
    long maxResidentKb = 0;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "varnock-console-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path file(const std::string& name, const std::string& content) const {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // A big input written piece by piece: this process must stay small,
    // because a child's peak memory counts what it shared with its parent
    // before it started the program.
    class BigInput {
    public:
        explicit BigInput(const fs::path& path) : m_out(path, std::ios::binary) {}
        BigInput& add(std::string_view text, std::size_t times = 1) {
            for (std::size_t i = 0; i < times; ++i) m_out << text;
            return *this;
        }
        BigInput& addRun(char c, std::size_t count) {
            const std::string piece(4096, c);
            for (; count >= piece.size(); count -= piece.size()) m_out << piece;
            m_out << piece.substr(0, count);
            return *this;
        }

    private:
        std::ofstream m_out;
    };

    BigInput bigInput() const { return BigInput(m_dir / "stdin"); }

    // Runs the program in the temporary folder with input on its standard input.
    ProgramRun run(const std::string& input, std::vector<std::string> arguments = {}) const {
        file("stdin", input);
        return runOnWrittenInput(std::move(arguments));
    }

    // Runs the program on the input that bigInput() wrote.
    ProgramRun runOnWrittenInput(std::vector<std::string> arguments = {},
                                 fs::path outPath = {}) const {
        const fs::path inputPath = m_dir / "stdin";
        if (outPath.empty()) outPath = m_dir / "stdout";
        const fs::path errPath = m_dir / "stderr";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, inputPath.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addchdir_np(&actions, m_dir.c_str());

        std::string program = VARNOCK_CONSOLE_PROGRAM;
        std::vector<char*> argv{program.data()};
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);

        ProgramRun result;
        pid_t pid = 0;
        const int spawned =
            posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(spawned, 0);
        if (spawned != 0) return result;
        int status = 0;
        rusage usage{};
        ::wait4(pid, &status, 0, &usage);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.maxResidentKb = usage.ru_maxrss;
        if (outPath.parent_path() == m_dir) result.out = contents(outPath);
        result.err = contents(errPath);
        return result;
    }

    // The most a run may grow beyond a trivial one: far less than the inputs
    // below, so holding any of them whole would fail. The trivial run comes
    // after the big one, whose input file it replaces.
    void expectBoundedMemory(const ProgramRun& big) const {
        const long baseline = run("dump\n").maxResidentKb;
        EXPECT_LT(big.maxResidentKb, baseline + 4096) << "baseline " << baseline << " kB";
    }

    // The first line of out that begins with start.
    static std::string lineOf(const std::string& out, const std::string& start) {
        const std::string lines = "\n" + out;
        const std::size_t at = lines.find("\n" + start);
        if (at == std::string::npos) return "<no " + start + "line>";
        return lines.substr(at + 1, lines.find('\n', at + 1) - at - 1);
    }

    fs::path m_dir;
};

TEST_F(ProgramTest, NulBytesAndInvalidUtf8AreReportedAndTheSessionGoesOn) {
    const std::string input =
        "type before\n"
        "type nul\0byte\n"s
        "type Gr\xfc\xdf"
        "e\n"  // Latin-1, not UTF-8
        "click 10\x00"
        "88\n"s
        "\xef\xbb\xbf"
        "dump\n"  // a byte order mark belongs to the word
        "type  after \xe2\x82\xac\n"
        "dump\n";
    const ProgramRun result = run(input);
    EXPECT_EQ(result.err,
              "line 2: the line holds a NUL byte (byte 9)\n"
              "line 3: the line is not valid UTF-8 (byte 8)\n"
              "line 4: the line holds a NUL byte (byte 9)\n"
              "line 5: unknown command \"\xef\xbb\xbf"
              "dump\" (click, focus, key, type, paste, copy, menu, dump)\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(lineOf(result.out, "pad "), "pad \"before after \xe2\x82\xac\"");
    EXPECT_EQ(lineOf(result.out, "box 1007 "), "box 1007 \"0\"");
}

TEST_F(ProgramTest, ATenMegabyteLineIsSkippedWithoutBeingHeld) {
    bigInput()
        .add("key 1\nclick ")
        .addRun('9', 10 << 20)
        .add("\nkey 2\ntype ")
        .addRun('x', 10 << 20)
        .add("\r\ndump\n");
    const ProgramRun result = runOnWrittenInput();
    EXPECT_EQ(result.err,
              "line 2: the line is longer than 65536 bytes and is skipped\n"
              "line 4: the line is longer than 65536 bytes and is skipped\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(lineOf(result.out, "box 1007 "), "box 1007 \"12\"");
    EXPECT_EQ(lineOf(result.out, "pad "), "pad \"\"");
    expectBoundedMemory(result);
}

TEST_F(ProgramTest, AnOverlongLastLineWithoutLineFeedIsReported) {
    bigInput().add("key 7\n").addRun('#', 10 << 20);
    const ProgramRun result = runOnWrittenInput();
    EXPECT_EQ(result.err, "line 2: the line is longer than 65536 bytes and is skipped\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
}

TEST_F(ProgramTest, TheLineLimitCountsNeitherLineFeedNorCarriageReturn) {
    const std::string longest = "type " + std::string(65536 - 5, 'x');
    const ProgramRun result =
        run(longest + "\n" + longest + "\r\n" + longest + "y\n" + "key Backspace\ndump");
    EXPECT_EQ(result.err, "line 3: the line is longer than 65536 bytes and is skipped\n");
    EXPECT_EQ(lineOf(result.out, "pad "), "pad \"" + std::string(2 * 65531 - 1, 'x') + "\"");
}

TEST_F(ProgramTest, AMillionLinesRunInBoundedMemory) {
    bigInput().add("focus 1114\n", 1000000);
    const ProgramRun result = runOnWrittenInput();
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out.size(), 5u * 1000000);
    EXPECT_EQ(result.out.find_first_not_of("beep\n"), std::string::npos);
    expectBoundedMemory(result);
}

TEST_F(ProgramTest, AMillionBadLinesAreEachReported) {
    bigInput().add("click 1007\nbogus\n", 500000).add("menu close\nbogus\n");
    const ProgramRun result = runOnWrittenInput();
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "closed\n");
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1000000);
    EXPECT_TRUE(result.err.starts_with(
        "line 1: no push button, radio button or check box has the identifier 1007\n"));
    EXPECT_TRUE(
        result.err.ends_with("line 1000000: unknown command \"bogus\" (click, focus, key, type, "
                             "paste, copy, menu, dump)\n"));
    expectBoundedMemory(result);
}

TEST_F(ProgramTest, AFileThatCannotBeReadIsReportedAndTheNextOneRuns) {
    fs::create_directory(m_dir / "folder");
    file("last.txt", "key 4\nclick 1\ndump\n");
    const ProgramRun result = run("", {"folder", "nowhere.txt", "last.txt"});
    EXPECT_EQ(result.err,
              "folder: line 1: cannot read: Is a directory\n"
              "nowhere.txt: cannot open: No such file or directory\n"
              "last.txt: line 2: no push button, radio button or check box has the identifier 1\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(lineOf(result.out, "box 1007 "), "box 1007 \"4\"");
}

TEST_F(ProgramTest, StandardInputIsNotReadWhenFilesAreNamed) {
    file("a.txt", "key 4\n");
    const ProgramRun result = run("bogus\n", {"a.txt"});
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
}

TEST_F(ProgramTest, OutputThatCannotBeWrittenFailsTheRun) {
    bigInput().add("dump\n", 1000);
    const ProgramRun result = runOnWrittenInput({}, "/dev/full");
    EXPECT_EQ(result.err, "cannot write the standard output\n");
    EXPECT_EQ(result.status, 2);
}

}  // namespace
