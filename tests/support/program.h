// Runs the built veskar-sim (VESKAR_SIM, set by the test's build) and collects what it prints.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

struct ProgramResult {
    int exitCode;
    std::string output;  // stdout, and stderr too unless asked otherwise
};

// `env` is put before the command, e.g. "PATH=/nonexistent".
inline ProgramResult runProgramWithEnv(const std::string& env, const std::string& args, bool withStderr = true)
{
    const std::string command = env + " " + std::string(VESKAR_SIM) + " " + args + (withStderr ? " 2>&1" : "");
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    std::array<char, 4096> buf{};
    while (pipe && std::fgets(buf.data(), buf.size(), pipe))
        output += buf.data();
    const int status = pipe ? ::pclose(pipe) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

inline ProgramResult runProgram(const std::string& args, bool withStderr = true)
{
    return runProgramWithEnv("", args, withStderr);
}
