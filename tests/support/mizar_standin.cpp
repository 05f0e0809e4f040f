// A stand-in for the Mizar programs, for tests only. One program answers
// under every name of a Mizar program (the name it was started by decides)
// and reproduces the real programs' files and console output.
//
// What it reports is told by a side file "<article>.standin" in the
// article's folder, one instruction a line, "PROGRAM WHAT [NUMBERS]"; the
// program "*" means every program:
//   verifier issue LINE COLUMN CODE   an issue in the .err (any checker)
//   makeenv issue LINE COLUMN CODE    an environment error (accom too)
//   verifier wait                     runs until stopped
//   verifier exit CODE                ends with this exit code
//   verifier crash                    ends by SIGABRT
//   verifier no-err                   leaves no .err file
//   verifier blank                    adds a blank line to the .err
//   verifier delay MS                 pauses MS milliseconds after each pass
//   verifier output COUNT             COUNT progress rewrites
//   verifier flood MB                 prints MB megabytes of text lines
//   verifier delete                   deletes the article and its side files
// Every start is appended to "<article>.standin.log": the program and its
// arguments.
#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Issue
{
    long line, column, code;
};

struct Script
{
    std::vector<Issue> issues;
    bool wait = false;
    bool crash = false;
    bool noErr = false;
    int blankLines = 0;
    long delayMs = 0;
    int exitCode = -1;
    long output = 0;
    long floodMb = 0;
    bool deleteArticle = false;
};

std::string g_article;
std::atomic<bool> g_interrupted{false};

const char *const kDetectors[] = {"inacc", "relinfer", "reliters", "relprem", "trivdemo", "chklab", "irrvoc", "irrths"};

bool IsDetector(const std::string &name)
{
    return std::find(std::begin(kDetectors), std::end(kDetectors), name) != std::end(kDetectors);
}

void Out(const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void Boxed(const std::string &message)
{
    Out("\a\a\a\n" + message + "\n");
}

std::string ReadFile(const std::string &name, bool *ok = nullptr)
{
    std::ifstream in(name, std::ios::binary);
    if (ok)
        *ok = bool(in);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool WriteFile(const std::string &name, const std::string &text)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << text;
    return bool(out);
}

// Lines with their own line ends, so untouched lines come back byte for byte.
std::vector<std::string> SplitKeepingEnds(const std::string &text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string Body(const std::string &line)
{
    std::string body = line;
    while (!body.empty() && (body.back() == '\n' || body.back() == '\r'))
        body.pop_back();
    return body;
}

bool IsFlagLine(const std::string &line)
{
    return line.compare(0, 3, "::>") == 0;
}

std::string LineEnd(const std::vector<std::string> &lines)
{
    return !lines.empty() && Body(lines.front()) + "\r\n" == lines.front() ? "\r\n" : "\n";
}

Script ReadScript(const std::string &program)
{
    Script script;
    std::istringstream in(ReadFile(g_article + ".standin"));
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string who, what;
        words >> who >> what;
        bool mine = who == program || who == "*";
        // An environment error is reported by both environment programs.
        if (who == "makeenv" && program == "accom")
            mine = true;
        if (!mine)
            continue;
        if (what == "issue") {
            Issue issue{};
            if (words >> issue.line >> issue.column >> issue.code)
                script.issues.push_back(issue);
        } else if (what == "wait") {
            script.wait = true;
        } else if (what == "crash") {
            script.crash = true;
        } else if (what == "no-err") {
            script.noErr = true;
        } else if (what == "blank") {
            ++script.blankLines;
        } else if (what == "delay") {
            words >> script.delayMs;
        } else if (what == "exit") {
            words >> script.exitCode;
        } else if (what == "output") {
            words >> script.output;
        } else if (what == "flood") {
            words >> script.floodMb;
        } else if (what == "delete") {
            script.deleteArticle = true;
        }
    }
    return script;
}

void WriteErr(const std::vector<Issue> &issues, int blankLines = 0)
{
    std::string text;
    for (const Issue &issue : issues)
        text += std::to_string(issue.line) + " " + std::to_string(issue.column) + " " + std::to_string(issue.code) + "\n";
    text.append(size_t(blankLines), '\n');
    WriteFile(g_article + ".err", text);
}

std::vector<Issue> ReadErr()
{
    std::vector<Issue> issues;
    std::istringstream in(ReadFile(g_article + ".err"));
    Issue issue{};
    while (in >> issue.line >> issue.column >> issue.code)
        issues.push_back(issue);
    return issues;
}

std::string Counter(long line, long errors)
{
    char text[64];
    if (errors > 0)
        std::snprintf(text, sizeof text, "[%4ld *%ld]", line, errors);
    else
        std::snprintf(text, sizeof text, "[%4ld]", line);
    return text;
}

std::string Label(const std::string &name, size_t width)
{
    std::string label = name;
    label.resize(std::max(width, name.size()), ' ');
    return label;
}

long ArticleLines()
{
    const std::string text = ReadFile(g_article + ".miz");
    return long(std::count(text.begin(), text.end(), '\n'));
}

void OnInterrupt(int)
{
    g_interrupted = true;
}

[[noreturn]] void Finish(const Script &script, int normalCode)
{
    if (script.crash) {
        std::signal(SIGABRT, SIG_DFL);
        std::abort();
    }
    std::exit(script.exitCode >= 0 ? script.exitCode : normalCode);
}

int RunEnvironment(const std::string &program, const Script &script)
{
    Out(program == "accom" ? "Accommodator based on More Strict Mizar Processor, Mizar Ver. 8.1.12 (Linux/FPC)\n"
                           : "Make Environment,  Mizar Ver. 8.1.12 (Linux/FPC)\n");
    Out("Copyright (c) 1990-2022 Association of Mizar Users\n\n");
    const char *directives[] = {"-Vocabularies", "-Constructors", "-Requirements", "-Registrations", "-Notations",
                                "-Definitions", "-Equalities", "-Expansions", "-Theorems", "-Schemes"};
    int count = 1;
    for (const char *directive : directives) {
        const std::string label = Label(directive, 15);
        Out(label);
        for (int i = 1; i <= count; ++i)
            Out("\r" + label + Counter(i, 0));
        Out("\n");
        count = count % 7 + 2;
    }
    if (!script.noErr)
        WriteErr(script.issues);
    if (!script.issues.empty()) {
        WriteFile(g_article + ".envfail", "");
        Boxed("**** " + std::to_string(script.issues.size()) + " error" + (script.issues.size() == 1 ? "" : "s") + " detected");
        Finish(script, 1);
    }
    std::remove((g_article + ".envfail").c_str());
    Finish(script, 0);
}

int RunChecker(const std::string &program, const Script &script)
{
    const bool verifier = program == "verifier";
    Out(verifier ? "Verifier based on More Strict Mizar Processor, Mizar Ver. 8.1.12 (Linux/FPC)\n"
                 : "Irrelevant Items Detector based on More Strict Mizar Processor, Mizar Ver. 8.1.12 (Linux/FPC)\n");
    Out("Copyright (c) 1990-2022 Association of Mizar Users\n");
    Out("Processing: " + g_article + ".miz\n\n");
    if (script.floodMb > 0) {
        const std::string line(79, 'x');
        for (long written = 0; written < script.floodMb * 1024 * 1024; written += 80)
            Out(line + "\n");
    }
    if (script.deleteArticle)
        std::remove((g_article + ".miz").c_str());

    // The real verifier run after a failed environment finds nothing at all.
    bool envFailed = false;
    ReadFile(g_article + ".envfail", &envFailed);
    if (envFailed) {
        WriteFile(g_article + ".err", "");
        std::exit(0);
    }

    const long lines = std::max(1L, ArticleLines());
    const std::vector<std::string> passes = verifier ? std::vector<std::string>{"Parser", "MSM", "Analyzer", "Checker"}
                                                     : std::vector<std::string>{"Parser", "Analyser", "Proofs"};
    std::signal(SIGTERM, OnInterrupt);
    std::signal(SIGINT, OnInterrupt);
    for (size_t pass = 0; pass < passes.size(); ++pass) {
        const std::string label = Label(passes[pass], 8);
        const bool last = pass + 1 == passes.size();
        Out(label);
        const long rewrites = pass == 0 && script.output > 0 ? script.output : 5;
        long current = 0;
        for (long step = 1; step <= rewrites; ++step) {
            current = std::max(1L, lines * step / rewrites);
            long errors = 0;
            if (last) {
                for (const Issue &issue : script.issues)
                    errors += issue.line <= current ? 1 : 0;
            }
            Out("\r" + label + " " + Counter(current, errors));
        }
        if (script.wait && pass == 0) {
            while (!g_interrupted)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            Out("\n");
            Boxed("**** User break ****");
            WriteErr({{1, 1, 1255}});
            std::exit(99);
        }
        Out(verifier ? "   0:00\n" : "\n");
        std::this_thread::sleep_for(std::chrono::milliseconds(script.delayMs));
    }
    if (verifier) {
        Out("Time of mizaring: 0:00\n");
    } else if (!script.issues.empty()) {
        Boxed("**** " + std::to_string(script.issues.size()) + " Irrelevant Items Found ****");
    }
    if (script.noErr)
        std::remove((g_article + ".err").c_str());
    else
        WriteErr(script.issues, script.blankLines);
    const bool found = !script.issues.empty();
    Finish(script, found && program != "chklab" ? 1 : 0);
}

int RunErrflag()
{
    bool ok = false;
    const std::string text = ReadFile(g_article + ".miz", &ok);
    if (!ok) {
        Out("Can't open " + g_article + ".miz\n");
        return 2;
    }
    std::vector<Issue> issues = ReadErr();
    std::stable_sort(issues.begin(), issues.end(), [](const Issue &a, const Issue &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    std::vector<std::string> lines;
    for (const std::string &line : SplitKeepingEnds(text)) {
        if (!IsFlagLine(line))
            lines.push_back(line);
    }
    const std::string end = LineEnd(lines);
    std::string result;
    size_t next = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        const long number = long(i + 1);
        if (line.back() != '\n' && next < issues.size() && issues[next].line == number)
            line += end;
        result += line;
        std::string marker = "::>";
        bool first = true;
        while (next < issues.size() && issues[next].line == number) {
            const Issue &issue = issues[next++];
            const std::string code = std::to_string(issue.code);
            if (long(marker.size()) < issue.column) {
                marker.resize(size_t(issue.column - 1), ' ');
                marker += "*" + code;
            } else {
                marker += (first ? "*" : ",") + code;
            }
            first = false;
        }
        if (!first)
            result += marker + end;
    }
    WriteFile(g_article + ".miz", result);
    return 0;
}

int RunAddfmsg(const std::string &messageBase)
{
    bool ok = false;
    std::string text = ReadFile(g_article + ".miz", &ok);
    if (!ok) {
        Out("Can't open " + g_article + ".miz\n");
        return 2;
    }
    const std::vector<Issue> issues = ReadErr();
    if (issues.empty())
        return 0;
    std::set<long> codes;
    for (const Issue &issue : issues)
        codes.insert(issue.code);

    std::map<long, std::string> messages;
    std::istringstream base(ReadFile(messageBase + ".msg"));
    std::string line;
    long pending = -1;
    while (std::getline(base, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("# ", 0) == 0) {
            pending = std::atol(line.c_str() + 2);
        } else if (pending >= 0 && !line.empty()) {
            messages.emplace(pending, line);
            pending = -1;
        }
    }
    const std::string end = LineEnd(SplitKeepingEnds(text));
    if (!text.empty() && text.back() != '\n')
        text += end;
    text += "::>" + end;
    for (long code : codes) {
        const auto found = messages.find(code);
        text += "::> " + std::to_string(code) + ": " + (found == messages.end() ? "???" : found->second) + end;
    }
    WriteFile(g_article + ".miz", text);
    return 0;
}

int RunRemflags()
{
    bool ok = false;
    const std::string text = ReadFile(g_article + ".miz", &ok);
    if (!ok)
        return 2;
    std::string result;
    for (const std::string &line : SplitKeepingEnds(text)) {
        if (!IsFlagLine(line))
            result += line;
    }
    WriteFile(g_article + ".miz", result);
    return 0;
}

bool ValidName(const std::string &name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '_';
    });
}

} // namespace

int main(int argc, char **argv)
{
    std::string program = argv[0];
    program = program.substr(program.find_last_of('/') + 1);
    if (argc < 2) {
        Out("Usage: " + program + " article\n");
        return 2;
    }
    std::string argument = argv[1];
    const bool withExtension = argument.size() > 4 && argument.compare(argument.size() - 4, 4, ".miz") == 0;
    g_article = withExtension ? argument.substr(0, argument.size() - 4) : argument;

    {
        std::ofstream log(g_article + ".standin.log", std::ios::app);
        log << program;
        for (int i = 1; i < argc; ++i)
            log << ' ' << argv[i];
        log << '\n';
    }

    if (program == "remflags") {
        if (!withExtension) {
            Out("Can't open " + argument + "\n");
            return 2;
        }
        return RunRemflags();
    }
    if (!ValidName(g_article)) {
        Out("Only letters, numbers and _ allowed in Mizar file names\n");
        return 1;
    }
    if (program == "errflag")
        return RunErrflag();
    if (program == "addfmsg")
        return argc < 3 ? 2 : RunAddfmsg(argv[2]);

    const Script script = ReadScript(program);
    if (program == "makeenv" || program == "accom")
        return RunEnvironment(program, script);
    if (program == "verifier" || IsDetector(program))
        return RunChecker(program, script);
    Out(program + ": not a Mizar program of the stand-in\n");
    return 2;
}
