// Errors the host reports for bad input: a file, optionally a line, and the problem.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace sim {

class InputError : public std::runtime_error {
public:
    InputError(const std::filesystem::path& file, int line, const std::string& problem)
        : std::runtime_error(format(file, line, problem)), file_(file), line_(line), problem_(problem)
    {
    }
    InputError(const std::filesystem::path& file, const std::string& problem) : InputError(file, 0, problem) {}

    const std::filesystem::path& file() const { return file_; }
    int line() const { return line_; }  // 0 when the problem is not on one line
    const std::string& problem() const { return problem_; }

private:
    static std::string format(const std::filesystem::path& file, int line, const std::string& problem)
    {
        std::string s = file.string();
        if (line > 0)
            s += ":" + std::to_string(line);
        return s + ": " + problem;
    }
    std::filesystem::path file_;
    int line_;
    std::string problem_;
};

}  // namespace sim
