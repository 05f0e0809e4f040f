// A scripted console program for the process-runner tests: each argument is
// one step, done in order.
//   w:TEXT       write TEXT in one write (escapes \r \n \t \0 \\ \xHH)
//   p:MS         pause MS milliseconds
//   flood:N:L    write N bytes as lines of L bytes (L-1 letters and LF)
//   x:CODE       exit with CODE now
//   hang         sleep until killed
//   ignore-term  ignore SIGTERM from now on
//   abort        end by SIGABRT
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

std::string Unescape(const char *text)
{
    std::string out;
    for (const char *p = text; *p; ++p) {
        if (*p != '\\' || !p[1]) {
            out += *p;
            continue;
        }
        ++p;
        switch (*p) {
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case '0': out += '\0'; break;
        case 'x': {
            const char hex[3] = {p[1], p[1] ? p[2] : '\0', '\0'};
            out += char(std::strtol(hex, nullptr, 16));
            p += 2;
            break;
        }
        default: out += *p; break;
        }
    }
    return out;
}

void WriteAll(const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(1, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            std::exit(120);
        }
        data += written;
        size -= size_t(written);
    }
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *step = argv[i];
        if (std::strncmp(step, "w:", 2) == 0) {
            const std::string chunk = Unescape(step + 2);
            WriteAll(chunk.data(), chunk.size());
        } else if (std::strncmp(step, "p:", 2) == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(step + 2)));
        } else if (std::strncmp(step, "flood:", 6) == 0) {
            char *rest = nullptr;
            long long total = std::strtoll(step + 6, &rest, 10);
            const long length = rest && *rest == ':' ? std::strtol(rest + 1, nullptr, 10) : 80;
            std::string line(size_t(length), 'm');
            line.back() = '\n';
            std::string block;
            while (block.size() < 65536)
                block += line;
            while (total > 0) {
                const size_t n = size_t(std::min<long long>(total, (long long)block.size()));
                WriteAll(block.data(), n);
                total -= (long long)n;
            }
        } else if (std::strncmp(step, "x:", 2) == 0) {
            return std::atoi(step + 2);
        } else if (std::strcmp(step, "hang") == 0) {
            for (;;)
                ::pause();
        } else if (std::strcmp(step, "ignore-term") == 0) {
            std::signal(SIGTERM, SIG_IGN);
        } else if (std::strcmp(step, "abort") == 0) {
            std::signal(SIGABRT, SIG_DFL);
            std::abort();
        }
    }
    return 0;
}
