// Runs benchmark programs in interleaved rounds and prints the spread of what they report.
//   bench_launch RUNS NAME=COMMAND [NAME=COMMAND ...]
// COMMAND is a program with arguments separated by spaces. Each round starts every program once,
// one after the other, the order turning by one each round so that no program always goes first.
// A program prints key=value pairs on standard output. A key ending in _ns is a moment on
// CLOCK_MONOTONIC: it is shown ending in _ms, as the time from just before the program was started.
// For each program and key: median, minimum and maximum over the rounds; for each key that two
// programs share: the ratio of the later program's median to the earlier one's.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Program {
    std::string name;
    std::vector<std::string> argv;
    std::vector<std::string> keys;                     // in the order first reported
    std::map<std::string, std::vector<double>> values; // by key, one per round
};

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Starts the program, returns what it printed, or an empty text when it failed.
std::string RunOnce(const Program& program, long long& startedNs)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> args;
    for (const std::string& arg : program.argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    startedNs = MonotonicNs();
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    std::string output;
    char buffer[4096];
    ssize_t n = 0;
    while (spawned == 0 && (n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, std::size_t(n));
    close(pipeFds[0]);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_launch: %s failed\n", program.name.c_str());
        return {};
    }
    return output;
}

void Record(Program& program, const std::string& key, double value)
{
    if (!program.values.count(key))
        program.keys.push_back(key);
    program.values[key].push_back(value);
}

bool Parse(Program& program, const std::string& output, long long startedNs)
{
    std::istringstream words(output);
    std::string word;
    bool any = false;
    while (words >> word) {
        const std::size_t eq = word.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string key = word.substr(0, eq);
        const std::string text = word.substr(eq + 1);
        if (key.size() > 3 && key.compare(key.size() - 3, 3, "_ns") == 0)
            Record(program, key.substr(0, key.size() - 3) + "_ms", double(std::stoll(text) - startedNs) / 1e6);
        else
            Record(program, key, std::strtod(text.c_str(), nullptr));
        any = true;
    }
    return any;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS NAME=COMMAND [NAME=COMMAND ...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t eq = argument.find('=');
        Program program;
        program.name = argument.substr(0, eq);
        std::istringstream words(argument.substr(eq + 1));
        std::string word;
        while (words >> word)
            program.argv.push_back(word);
        if (eq == std::string::npos || program.argv.empty()) {
            std::fprintf(stderr, "bench_launch: not NAME=COMMAND: %s\n", argument.c_str());
            return 2;
        }
        programs.push_back(program);
    }

    for (int round = 0; round < runs; ++round) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            Program& program = programs[(k + std::size_t(round)) % programs.size()];
            long long started = 0;
            const std::string output = RunOnce(program, started);
            if (!Parse(program, output, started)) {
                std::fprintf(stderr, "bench_launch: %s reported nothing\n", program.name.c_str());
                return 1;
            }
        }
    }

    std::printf("%-8s %-22s %5s %10s %10s %10s\n", "program", "measure", "runs", "median", "min", "max");
    for (const Program& program : programs)
        for (const std::string& key : program.keys) {
            const std::vector<double>& v = program.values.at(key);
            std::printf("%-8s %-22s %5zu %10.3f %10.3f %10.3f\n", program.name.c_str(), key.c_str(), v.size(), Median(v),
                        *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()));
        }
    for (std::size_t later = 1; later < programs.size(); ++later)
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            const Program& base = programs[earlier];
            const Program& other = programs[later];
            for (const std::string& key : other.keys)
                if (base.values.count(key))
                    std::printf("ratio    %-22s %s/%s = %.3f\n", key.c_str(), other.name.c_str(), base.name.c_str(),
                                Median(other.values.at(key)) / Median(base.values.at(key)));
        }
    return 0;
}
