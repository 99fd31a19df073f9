// tolvane-fuzz: runs random scripts (tests/fuzz/script_generator.h) through the
// script driver, each in a child process of its own, and fails on a crash, a
// sanitizer report, a hang or an internal error (an exception that no handler
// of the program expects). Each child records the lines it runs before it runs
// them; a failing script is replayed and cut down to the lines that still fail,
// and written out as a scenario that reproduces it.
//
//   tolvane-fuzz [--seed N] [--seconds S | --scripts N] [--jobs N] [--work DIR]
//                [--only INDEX]
//
// The same seed always gives the same scripts; the summary line counts the
// scripts and commands run. --only runs one script and keeps its lines.
#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/ini_settings_key.h"
#include "shell/script_driver.h"
#include "script_generator.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// Counters the children add to, in memory shared with the parent.
struct Shared {
    std::atomic<unsigned long long> commands{0};
};
Shared* shared = nullptr;

constexpr int kInternalError = 3;
constexpr int kSetupError = 4;  // the fuzzer's own trouble, not the program's
constexpr int kCpuSeconds = 20;    // a script using more processor time hangs
constexpr int kWallSeconds = 180;  // the same in wall time, for a starved machine

std::string separator(const std::string& decimal) {
    if (decimal == "point") return ".";
    if (decimal == "comma") return ",";
    return "'";
}

// What a child runs: script `index` as generated, or given lines (a replay).
struct Job {
    tvfuzz::Setup setup;
    std::uint64_t seed = 0, index = 0;
    const std::vector<std::string>* lines = nullptr;  // replay when set
    std::vector<bool> keep;                           // the replayed lines kept
};

// The child: starts the program on the script's settings and runs its lines,
// recording each in `dir`/script.tvs before it runs.
[[noreturn]] void runChild(const Job& job, const fs::path& dir, bool quiet) {
    rlimit cpu{kCpuSeconds, kCpuSeconds + 5};
    setrlimit(RLIMIT_CPU, &cpu);
    if (quiet) {
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 2);
    }
    fs::remove_all(dir);
    fs::create_directories(dir);
    if (chdir(dir.c_str()) != 0) _exit(kSetupError);
    const std::string path = (dir / "settings.ini").string();
    using S = tvfuzz::Setup::Settings;
    switch (job.setup.settings) {
        case S::File: std::ofstream(path, std::ios::binary) << job.setup.fileText; break;
        case S::Directory: fs::create_directories(path); break;
        case S::Pipe: mkfifo(path.c_str(), 0600); break;
        default: break;
    }
    std::unique_ptr<tv::SettingsKey> key;
    if (job.setup.settings == S::Memory) {
        auto memory = std::make_unique<tv::MemorySettingsKey>();
        for (const auto& d : tv::repairDefaults()) memory->values[d.name] = d.value;
        key = std::move(memory);
    } else {
        key = std::make_unique<tv::IniSettingsKey>(path);
    }
    const int record = open((dir / "script.tvs").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::ostringstream out, err;
    tv::ScriptDriver driver(*key, separator(job.setup.decimal), out, err);
    driver.setInstallOnFirstStart(job.setup.settings != S::NeverInstalled);
    tvfuzz::Rng rng = tvfuzz::scriptRng(job.seed, job.index);
    if (!job.lines) {
        tvfuzz::makeSetup(rng);  // the same draws as the parent's
    }
    const size_t length = job.lines ? job.lines->size() : static_cast<size_t>(tvfuzz::scriptLength(rng));
    int number = 0;
    try {
        driver.start();
        for (size_t i = 0; i < length; ++i) {
            if (job.lines && !job.keep[i]) continue;
            const std::string line = job.lines ? (*job.lines)[i] : tvfuzz::nextCommand(rng, driver);
            const std::string recorded = line + "\n";
            if (write(record, recorded.data(), recorded.size()) < 0) _exit(kSetupError);
            ++number;
            try {
                driver.execute(line, number);
            } catch (const tv::ScriptError&) {
                // A command the program refused as a script error (an item that
                // is not there, a program that has ended): not the program's fault.
            }
            if (shared) shared->commands.fetch_add(1, std::memory_order_relaxed);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "internal error at line %d: %s\n", number, e.what());
        _exit(kInternalError);
    } catch (...) {
        std::fprintf(stderr, "internal error at line %d\n", number);
        _exit(kInternalError);
    }
    _exit(0);
}

struct Outcome {
    bool ok = true;
    std::string what;
};

Outcome describe(int status) {
    if (WIFEXITED(status)) {
        int code = WEXITSTATUS(status);
        if (code == 0) return {};
        if (code == kInternalError) return {false, "internal error"};
        if (code == kSetupError) return {false, "the fuzzer cannot prepare or record the script"};
        return {false, "exit status " + std::to_string(code) + " (a sanitizer report)"};
    }
    int sig = WTERMSIG(status);
    if (sig == SIGXCPU || sig == SIGALRM || sig == SIGKILL) return {false, "hang"};
    return {false, std::string("crash: ") + strsignal(sig)};
}

pid_t spawn(const Job& job, const fs::path& dir, bool quiet) {
    std::cout.flush();
    std::cerr.flush();
    pid_t pid = fork();
    if (pid == 0) runChild(job, dir, quiet);
    return pid;
}

// Waits for a child, killing it when it runs past the wall-time limit.
int reap(pid_t pid, Clock::time_point started) {
    int status = 0;
    for (;;) {
        pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid) return status;
        if (Clock::now() - started > std::chrono::seconds(kWallSeconds)) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return status;
        }
        usleep(2000);
    }
}

Outcome runOnce(const Job& job, const fs::path& dir, bool quiet) {
    pid_t pid = spawn(job, dir, quiet);
    if (pid < 0) return {false, "cannot fork"};
    return describe(reap(pid, Clock::now()));
}

// Cuts the recorded script down to lines that still fail the same way (delta
// debugging on lines), within a time budget.
std::vector<bool> minimise(Job job, const std::string& failure, const fs::path& dir) {
    job.keep.assign(job.lines->size(), true);
    const auto deadline = Clock::now() + std::chrono::minutes(3);
    auto fails = [&](const std::vector<bool>& k) {
        Job trial = job;
        trial.keep = k;
        return runOnce(trial, dir, true).what == failure;
    };
    std::vector<bool> keep = job.keep;
    size_t chunks = 2;
    while (Clock::now() < deadline) {
        std::vector<size_t> live;
        for (size_t i = 0; i < keep.size(); ++i)
            if (keep[i]) live.push_back(i);
        if (live.size() <= 1) break;
        chunks = std::min(chunks, live.size());
        bool cut = false;
        for (size_t c = 0; c < chunks && !cut && Clock::now() < deadline; ++c) {
            std::vector<bool> trial = keep;
            const size_t from = live.size() * c / chunks, to = live.size() * (c + 1) / chunks;
            for (size_t i = from; i < to; ++i) trial[live[i]] = false;
            if (fails(trial)) {
                keep = trial;
                chunks = std::max<size_t>(chunks - 1, 2);
                cut = true;
            }
        }
        if (!cut) {
            if (chunks >= live.size()) break;
            chunks = std::min(chunks * 2, live.size());
        }
    }
    return keep;
}

std::vector<std::string> readLines(const fs::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The reproducing scenario, as tests/scenarios takes it.
std::string scenario(const tvfuzz::Setup& setup, const std::vector<std::string>& lines,
                     const std::vector<bool>& keep, const std::string& failure, std::uint64_t seed,
                     std::uint64_t index) {
    using S = tvfuzz::Setup::Settings;
    std::ostringstream o;
    std::string args = "--decimal " + setup.decimal;
    if (setup.settings != S::Memory) args += " --settings @FILE";
    if (setup.settings == S::NeverInstalled) args += " --never-installed";
    o << "#! args: " << args << "\n";
    if (setup.settings == S::Pipe) o << "#! fifo settings.ini\n";
    if (setup.settings == S::File) {
        bool plain = setup.fileText.find('\\') == std::string::npos;
        for (char ch : setup.fileText) plain = plain && (ch == '\n' || (ch >= 32 && ch < 127));
        if (plain && !setup.fileText.empty() && setup.fileText.back() == '\n') {
            std::string text = setup.fileText.substr(0, setup.fileText.size() - 1);
            std::string escaped;
            for (char ch : text) escaped += ch == '\n' ? std::string("\\n") : std::string(1, ch);
            o << "#! file settings.ini: " << escaped << "\n";
        } else {
            o << "# the settings file is settings.ini beside this script (not plain text)\n";
        }
    }
    if (setup.settings == S::Directory) o << "#! dir settings.ini\n";
    o << "# tolvane-fuzz --seed " << seed << " --only " << index << ": " << failure << "\n";
    for (size_t i = 0; i < lines.size(); ++i)
        if (keep[i]) o << lines[i] << "\n";
    return o.str();
}

int usage() {
    std::cerr << "usage: tolvane-fuzz [--seed N] [--seconds S | --scripts N] [--jobs N] [--work DIR] [--only INDEX]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::uint64_t seed = 1, only = 0, maxScripts = 0;
    bool haveOnly = false;
    double seconds = 60;
    int jobs = 1;
    fs::path work = fs::temp_directory_path() / ("tolvane-fuzz-" + std::to_string(getpid()));
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        try {
            if (a == "--seed") seed = std::stoull(next());
            else if (a == "--seconds") seconds = std::stod(next());
            else if (a == "--scripts") maxScripts = std::stoull(next());
            else if (a == "--jobs") jobs = std::max(1, std::stoi(next()));
            else if (a == "--work") work = next();
            else if (a == "--only") { only = std::stoull(next()); haveOnly = true; }
            else return usage();
        } catch (const std::exception&) {
            return usage();
        }
    }
    work = fs::absolute(work);  // the children change into it
    signal(SIGPIPE, SIG_IGN);
    void* mem = mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (mem == MAP_FAILED) return 2;
    shared = new (mem) Shared;

    fs::create_directories(work);
    auto jobFor = [&](std::uint64_t index) {
        Job job;
        tvfuzz::Rng rng = tvfuzz::scriptRng(seed, index);
        job.setup = tvfuzz::makeSetup(rng);
        job.seed = seed;
        job.index = index;
        return job;
    };
    const auto started = Clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - started).count(); };

    struct Running {
        pid_t pid;
        std::uint64_t index;
        int slot;
        Clock::time_point started;
    };
    int failedSlot = 0;
    std::vector<Running> running;
    std::uint64_t nextIndex = haveOnly ? only : 0, done = 0;
    bool failed = false;
    std::uint64_t failedIndex = 0;
    std::string failure;
    auto wantMore = [&] {
        if (failed) return false;
        if (haveOnly) return nextIndex == only;
        if (maxScripts) return nextIndex < maxScripts;
        return elapsed() < seconds;
    };
    for (;;) {
        while (wantMore() && static_cast<int>(running.size()) < jobs) {
            const std::uint64_t index = nextIndex++;
            // A working directory no running child uses.
            int slot = 0;
            while (std::any_of(running.begin(), running.end(), [&](const Running& r) { return r.slot == slot; }))
                ++slot;
            const fs::path dir = work / ("job" + std::to_string(slot));
            pid_t pid = spawn(jobFor(index), dir, false);
            if (pid < 0) {
                std::cerr << "cannot fork\n";
                return 2;
            }
            running.push_back({pid, index, slot, Clock::now()});
        }
        if (running.empty()) break;
        // Collect whichever child ends first.
        int status = 0;
        pid_t pid = waitpid(-1, &status, WNOHANG);
        if (pid == 0) {
            for (auto& r : running)
                if (Clock::now() - r.started > std::chrono::seconds(kWallSeconds)) kill(r.pid, SIGKILL);
            usleep(2000);
            continue;
        }
        if (pid < 0) break;
        for (size_t k = 0; k < running.size(); ++k) {
            if (running[k].pid != pid) continue;
            Outcome o = describe(status);
            ++done;
            if (!o.ok && !failed) {
                failed = true;
                failedIndex = running[k].index;
                failedSlot = running[k].slot;
                failure = o.what;
            }
            running.erase(running.begin() + static_cast<long>(k));
            break;
        }
    }

    const unsigned long long commands = shared->commands.load();
    if (!failed) {
        std::printf("fuzz: seed %llu: %llu scripts, %llu commands in %.0f s, no crash, hang, sanitizer report or internal error\n",
                    static_cast<unsigned long long>(seed), static_cast<unsigned long long>(done), commands, elapsed());
        if (haveOnly) std::printf("its lines: %s\n", (work / "job0" / "script.tvs").c_str());
        else fs::remove_all(work);
        return 0;
    }

    std::printf("fuzz: seed %llu: script %llu failed (%s) after %llu scripts, %llu commands; cutting it down...\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(failedIndex), failure.c_str(),
                static_cast<unsigned long long>(done), commands);
    std::fflush(stdout);
    // The lines the child ran, up to the one that failed, replayed and cut down.
    Job job = jobFor(failedIndex);
    const std::vector<std::string> lines = readLines(work / ("job" + std::to_string(failedSlot)) / "script.tvs");
    job.lines = &lines;
    const fs::path dir = work / "minimise";
    job.keep.assign(lines.size(), true);
    if (runOnce(job, dir, true).what != failure)
        std::printf("(replaying the recorded lines does not fail the same way; they are shown uncut)\n");
    else
        job.keep = minimise(job, failure, dir);
    const std::string text = scenario(job.setup, lines, job.keep, failure, seed, failedIndex);
    const fs::path out = fs::current_path() / "fuzz-failure";
    fs::create_directories(out);
    std::ofstream(out / "failure.tvs") << text;
    if (job.setup.settings == tvfuzz::Setup::Settings::File)
        std::ofstream(out / "settings.ini", std::ios::binary) << job.setup.fileText;
    std::printf("--- the smallest script that still fails (%s), saved in %s:\n%s---\n", failure.c_str(),
                (out / "failure.tvs").c_str(), text.c_str());
    std::printf("its report:\n");
    std::fflush(stdout);
    runOnce(job, dir, false);
    return 1;
}
