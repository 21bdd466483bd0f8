#pragma once

// Test-only: runs the real vorn-cli in a fresh folder and catches its output.

#include "tests/support/archive_writer.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace vorn::testing {

struct CliRun {
    int exit = -1;
    std::string out;
    std::string err;
};

inline std::string Quote(const std::string& argument)
{
    std::string quoted = "'";
    for (const char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class Cli : public ::testing::Test {
protected:
    // Runs vorn-cli with its standard output going to `output` (a shell
    // redirection or pipe) instead of the file that `out` is read from.
    CliRun Run(const std::vector<std::string>& arguments, const std::string& output = "")
    {
        std::string command = "timeout 30 " + Quote(VORN_CLI_PATH);
        for (const std::string& argument : arguments)
            command += " " + Quote(argument);
        command += " 2>" + Quote(m_dir / "stderr") + " </dev/null " +
                   (output.empty() ? ">" + Quote(m_dir / "stdout") : output);
        WriteFile(m_dir / "stdout", "");
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(m_dir / "stdout"), ReadFile(m_dir / "stderr")};
    }

    std::string Archive(const std::string& name, const std::string& bytes)
    {
        WriteFile(m_dir / name, bytes);
        return m_dir / name;
    }

    std::string Demo(ArchiveFormat format = ArchiveFormat::Pck)
    {
        const WriterTree tree{{{"TOP.TXT", "top", "", 0}},
                              {{"DATA",
                                {{"A.BIN", "aaaa", "", 0}, {"CAF\xC9.TXT", "caf\xe9", "", 0}},
                                {{"SUB", {{"B.BIN", std::string(2048, 'b'), "", 0}}, {}}, {"EMPTY", {}, {}}}}}};
        return Archive(format == ArchiveFormat::Pck ? "demo.pck" : "demo.dir", BuildArchive(format, tree));
    }

    std::string Target()
    {
        std::filesystem::create_directories(m_dir / "out");
        return m_dir / "out";
    }

    TempDir m_dir;
};

}  // namespace vorn::testing
