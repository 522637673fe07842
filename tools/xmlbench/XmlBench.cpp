// Load and save throughput of the XML library and of pugixml on the same files: a wide
// document (a flat layout of many thousand entries) and a deep one (a chain of nested
// folders). The library's parser scans nested content once per enclosing level, so the
// deep shape is its worst case. Prints MB/s (10^6 bytes per second, best of N runs).
//
// Usage: xmlbench [--dir DIR] [--wide N] [--depth N] [--runs N]

#include "Xml.h"

#include <pugixml.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

namespace {

struct Options {
    std::string dir = ".";
    int wide = 200000;
    int depth = 1000;
    int runs = 3;
};

using Clock = std::chrono::steady_clock;

// before runs untimed ahead of each run (freeing the previous run's document).
double BestSeconds(
    int runs, const std::function<void()>& work, const std::function<void()>& before = [] {}) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        before();
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

std::uintmax_t FileSize(const std::string& path) {
    return std::filesystem::file_size(path);
}

// A layout element as the program builds it: folders of files with type, name and path.
void AddFile(XmlElement& folder, int i, const std::string& where) {
    const std::string tag = "<i t=\"0\" n=\"file " + std::to_string(i) + " &amp; notes.txt\" a=\"" + where +
                            "\\file " + std::to_string(i) + " &amp; notes.txt\" />";
    folder.AddChildFromText(tag.c_str());
}

std::unique_ptr<XmlDocument> WideDocument(int entries) {
    auto doc = std::make_unique<XmlDocument>();
    doc->LoadText("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?><layout/>");
    XmlElement* root = doc->GetRoot();
    for (int i = 0; i < entries; i += 10) {
        const std::string name = "Folder " + std::to_string(i);
        root->AddChildFromText(("<i t=\"1\" n=\"" + name + "\" />").c_str());
        XmlElement* folder = root->GetChild(root->GetChildCount() - 1);
        folder->AddContent("Some descriptive text for this folder", 0);
        for (int k = 1; k < 10; ++k)
            AddFile(*folder, i + k, "C:\\Data\\" + name);
    }
    return doc;
}

std::unique_ptr<XmlDocument> DeepDocument(int depth) {
    auto doc = std::make_unique<XmlDocument>();
    doc->LoadText("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?><layout/>");
    XmlElement* tip = doc->GetRoot();
    std::string where = "C:";
    for (int level = 0; level < depth; ++level) {
        for (int k = 0; k < 4; ++k)
            AddFile(*tip, level * 4 + k, where);
        const std::string name = "d" + std::to_string(level);
        where += "\\" + name;
        tip->AddChildFromText(("<i t=\"1\" n=\"" + name + "\" />").c_str());
        tip = tip->GetChild(tip->GetChildCount() - 1);
    }
    return doc;
}

void Measure(const char* shape, const std::string& path, const std::string& dir, int runs) {
    const double mb = static_cast<double>(FileSize(path)) / 1e6;
    const std::string ourOut = dir + "/out-quillon.xml";
    const std::string pugiOut = dir + "/out-pugixml.xml";

    std::unique_ptr<XmlDocument> ours;
    const double ourLoad =
        BestSeconds(runs, [&] { ours = std::make_unique<XmlDocument>(path.c_str(), XmlSourceFile); });
    if (ours->GetErrorCode() != 0 || !ours->GetRoot()) {
        std::fprintf(stderr, "xmlbench: %s did not load (error %u)\n", path.c_str(), ours->GetErrorCode());
        std::exit(1);
    }
    const double ourSave = BestSeconds(runs, [&] {
        if (ours->Save(ourOut.c_str(), true, XmlOutputUtf8File) != 1) {
            std::fprintf(stderr, "xmlbench: cannot write %s\n", ourOut.c_str());
            std::exit(1);
        }
    });
    const double ourOutMb = static_cast<double>(FileSize(ourOut)) / 1e6;

    pugi::xml_document pugi;
    const double pugiLoad = BestSeconds(
        runs,
        [&] {
            if (!pugi.load_file(path.c_str())) {
                std::fprintf(stderr, "xmlbench: pugixml cannot load %s\n", path.c_str());
                std::exit(1);
            }
        },
        [&] { pugi.reset(); });
    const double pugiSave = BestSeconds(runs, [&] {
        if (!pugi.save_file(pugiOut.c_str(), "\t", pugi::format_default, pugi::encoding_utf8)) {
            std::fprintf(stderr, "xmlbench: pugixml cannot write %s\n", pugiOut.c_str());
            std::exit(1);
        }
    });
    const double pugiOutMb = static_cast<double>(FileSize(pugiOut)) / 1e6;

    std::printf("%-5s %9.2f  %-8s %10.1f %10.1f\n", shape, mb, "quillon", mb / ourLoad, ourOutMb / ourSave);
    std::printf("%-5s %9.2f  %-8s %10.1f %10.1f\n", shape, mb, "pugixml", mb / pugiLoad,
                pugiOutMb / pugiSave);
    std::fflush(stdout);
    std::filesystem::remove(ourOut);
    std::filesystem::remove(pugiOut);
}

int Usage() {
    std::fprintf(stderr, "usage: xmlbench [--dir DIR] [--wide ENTRIES] [--depth LEVELS] [--runs N]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return Usage();
        const char* value = argv[++i];
        if (arg == "--dir")
            options.dir = value;
        else if (arg == "--wide")
            options.wide = std::atoi(value);
        else if (arg == "--depth")
            options.depth = std::atoi(value);
        else if (arg == "--runs")
            options.runs = std::max(1, std::atoi(value));
        else
            return Usage();
    }
    std::filesystem::create_directories(options.dir);

    const std::string widePath = options.dir + "/wide.xml";
    const std::string deepPath = options.dir + "/deep.xml";
    if (WideDocument(options.wide)->Save(widePath.c_str(), true, XmlOutputUtf8File) != 1 ||
        DeepDocument(options.depth)->Save(deepPath.c_str(), true, XmlOutputUtf8File) != 1) {
        std::fprintf(stderr, "xmlbench: cannot write the documents into %s\n", options.dir.c_str());
        return 1;
    }
    std::printf("wide: %d entries; deep: %d levels; best of %d runs; MB = 10^6 bytes\n", options.wide,
                options.depth, options.runs);
    std::printf("%-5s %9s  %-8s %10s %10s\n", "shape", "file MB", "library", "load MB/s", "save MB/s");
    Measure("wide", widePath, options.dir, options.runs);
    Measure("deep", deepPath, options.dir, options.runs);
    return 0;
}
