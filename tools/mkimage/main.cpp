// quillon-mkiso: builds an ISO 9660 + Joliet image from a folder or from a layout
// file of "i" elements, with the program's own image builder.
#include "Failure.h"
#include "FolderInput.h"
#include "ImageWriter.h"
#include "LayoutInput.h"
#include "Progress.h"

#include "FileSource.h"
#include "FileSystemImage.h"
#include "TextConversion.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace di = quillon::discimage;
using namespace quillon::mkiso;

namespace {

constexpr const char* kUsage =
    "Usage: quillon-mkiso [options] <folder|layout.xml> <out.iso>\n"
    "\n"
    "Builds an ISO 9660 image with a Joliet tree from the content of a folder, or\n"
    "from a layout file whose root holds <i t=\"1\" n=\"folder\"> and\n"
    "<i t=\"0\" n=\"name\" a=\"source path\"/> elements.\n"
    "\n"
    "Options:\n"
    "  -V, --volume LABEL    volume label: at most 15 of A-Z a-z 0-9 _ .\n"
    "                        (default: the date and time, YYYYMMDD_HHMM)\n"
    "      --iso9660-only    no Joliet tree (names become 8-level, 30-character ISO 9660 names)\n"
    "      --free-blocks N   fail when the image needs more than N blocks of 2048 bytes\n"
    "                        (default 0: no limit)\n"
    "      --stage           copy every file aside when it is added, so the sources may\n"
    "                        change while the image is written\n"
    "      --working-dir DIR folder for the staged copies (default: the temporary folder)\n"
    "      --date SECONDS    volume creation time in seconds since 1970 UTC (default: now)\n"
    "      --progress        show progress even when stderr is not a terminal\n"
    "  -q, --quiet           no progress and no summary\n"
    "  -h, --help            this text\n"
    "\n"
    "Exit status: 0 when the image was written, 1 when it failed (nothing is left\n"
    "behind), 2 for a wrong command line.\n";

struct Argument {
    std::string text; // UTF-8, for parsing and messages
    std::filesystem::path path;
};

struct Options {
    std::u16string volume;
    std::string volumeText;
    bool volumeGiven = false;
    bool isoOnly = false;
    std::int32_t freeBlocks = 0;
    bool stage = false;
    std::optional<std::filesystem::path> workingDir;
    std::optional<std::int64_t> date;
    bool forceProgress = false;
    bool quiet = false;
    std::vector<Argument> positional;
};

int Usage(const std::string& problem) {
    std::fprintf(stderr, "quillon-mkiso: %s\n\n%s", problem.c_str(), kUsage);
    return 2;
}

bool ParseInteger(const std::string& text, std::int64_t min, std::int64_t max, std::int64_t* value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < min || v > max) return false;
    *value = v;
    return true;
}

// Returns -1 to go on, else the exit code.
int ParseArguments(const std::vector<Argument>& args, Options* o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i].text;
        auto value = [&](const Argument** out) {
            if (i + 1 >= args.size()) return false;
            *out = &args[++i];
            return true;
        };
        const Argument* v = nullptr;
        if (a == "-h" || a == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (a == "-V" || a == "--volume") {
            if (!value(&v)) return Usage(a + " needs a label");
            if (!di::Utf8ToUtf16(v->text, &o->volume)) return Usage("the label is not valid text");
            o->volumeText = v->text;
            o->volumeGiven = true;
        } else if (a == "--iso9660-only") {
            o->isoOnly = true;
        } else if (a == "--free-blocks") {
            std::int64_t n = 0;
            if (!value(&v) || !ParseInteger(v->text, 0, INT32_MAX, &n))
                return Usage("--free-blocks needs a number from 0 to 2147483647");
            o->freeBlocks = static_cast<std::int32_t>(n);
        } else if (a == "--stage") {
            o->stage = true;
        } else if (a == "--working-dir") {
            if (!value(&v)) return Usage("--working-dir needs a folder");
            o->workingDir = v->path;
        } else if (a == "--date") {
            std::int64_t n = 0;
            if (!value(&v) || !ParseInteger(v->text, 0, 253402300799, &n))
                return Usage("--date needs seconds since 1970");
            o->date = n;
        } else if (a == "--progress") {
            o->forceProgress = true;
        } else if (a == "-q" || a == "--quiet") {
            o->quiet = true;
        } else if (a == "--") {
            for (++i; i < args.size(); ++i)
                o->positional.push_back(args[i]);
        } else if (a.size() > 1 && a[0] == '-') {
            return Usage("unknown option " + a);
        } else {
            o->positional.push_back(args[i]);
        }
    }
    if (o->positional.size() != 2) return Usage("give one input (folder or layout file) and one output file");
    return -1;
}

void OnSignal(int) {
    g_cancelled = true;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "quillon-mkiso: %s\n", message.c_str());
    return 1;
}

int Run(const std::vector<Argument>& args) {
    Options o;
    if (const int code = ParseArguments(args, &o); code >= 0) return code;
    const std::filesystem::path& input = o.positional[0].path;
    const std::filesystem::path& output = o.positional[1].path;

    di::FileSystemImage image;
    di::Status s = image.SetFreeMediaBlocks(o.freeBlocks);
    if (di::Failed(s)) return Fail("--free-blocks: " + di::DescribeStatus(s));
    if (o.volumeGiven && di::Failed(s = image.SetVolumeName(o.volume)))
        return Fail("volume label \"" + o.volumeText + "\": " + di::DescribeStatus(s));
    s = image.SetFileSystemsToCreate(o.isoOnly ? di::file_system::Iso9660
                                               : di::file_system::Iso9660 | di::file_system::Joliet);
    if (di::Failed(s)) return Fail("file systems: " + di::DescribeStatus(s));
    if (o.workingDir && di::Failed(s = image.SetWorkingDirectory(*o.workingDir)))
        return Fail(di::PathForDisplay(*o.workingDir) + ": not a folder");
    image.SetStageFiles(o.stage);
    if (o.date) image.SetCreationTime(di::Timestamp{*o.date});

    const Progress::Mode mode = o.quiet              ? Progress::Mode::Off
                                : StderrIsTerminal() ? Progress::Mode::Terminal
                                : o.forceProgress    ? Progress::Mode::Lines
                                                     : Progress::Mode::Off;
    const auto started = std::chrono::steady_clock::now();
    // Nothing may be written over an input: the layout file or folder, or a source.
    const OutputGuard guard(output);
    if (guard.IsOutput(input)) return Fail(InputIsOutput(input));

    std::string error;
    {
        Progress adding(mode == Progress::Mode::Terminal ? mode : Progress::Mode::Off);
        std::error_code ec;
        bool ok;
        if (std::filesystem::is_directory(input, ec)) {
            ok = AddFolder(image, input, guard, adding, &error);
        } else if (std::filesystem::is_regular_file(input, ec)) {
            ok = AddLayoutFile(image, input, guard, adding, &error);
        } else if (std::filesystem::exists(input, ec)) {
            ok = false;
            error = di::PathForDisplay(input) + ": neither a folder nor a layout file";
        } else {
            ok = false;
            error = di::PathForDisplay(input) + ": no such folder or layout file";
        }
        adding.Finish();
        if (!ok) return Fail(error);
    }

    std::shared_ptr<const di::ImageResult> result;
    if (di::Failed(s = image.CreateResultImage(&result)))
        return Fail("cannot make the image: " + DescribeFailure(image, s));

    Progress writing(mode);
    const bool written = WriteImage(*result, output, writing, &error);
    writing.Finish();
    if (!written) return Fail(error);

    if (mode != Progress::Mode::Off) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::fprintf(stderr, "%s: %u blocks (%s), %u files, %u folders, %.1f s\n",
                     di::PathForDisplay(output).c_str(), result->TotalBlocks(),
                     HumanBytes(result->SizeInBytes()).c_str(), image.FileCount(), image.DirectoryCount(),
                     seconds);
    }
    return 0;
}

void InstallSignalHandlers() {
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
}

// The last line of defence: an exception ends the run with a message, and the
// unwinding removes the temporary file on its way.
int RunGuarded(const std::vector<Argument>& args) {
    try {
        return Run(args);
    } catch (const std::exception& e) {
        return Fail(std::string("internal error: ") + e.what());
    } catch (...) {
        return Fail("internal error: an unknown exception");
    }
}

} // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    InstallSignalHandlers();
    std::vector<Argument> args;
    for (int i = 1; i < argc; ++i) {
        const std::wstring w(argv[i]);
        Argument a;
        a.text = di::Utf16ToUtf8Lossy(std::u16string(w.begin(), w.end()));
        a.path = std::filesystem::path(w);
        args.push_back(std::move(a));
    }
    return RunGuarded(args);
}
#else
int main(int argc, char** argv) {
    InstallSignalHandlers();
    std::vector<Argument> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(Argument{argv[i], std::filesystem::path(argv[i])});
    return RunGuarded(args);
}
#endif
