#pragma once
// Helpers shared by the XML tests: a scratch folder, whole-file reads and writes.

#include "XmlDocument.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace xmltest {

// A folder for files the tests write, inside the build tree.
inline std::string ScratchDir() {
    const char* base = std::getenv("QUILLON_TEST_OUTPUT");
    std::string dir = base && *base ? base : ".";
    return dir;
}

inline std::string ScratchPath(std::string_view name) {
    return ScratchDir() + "/xml-" + std::string(name);
}

inline std::string SourcePath(std::string_view relative) {
    const char* base = std::getenv("QUILLON_SOURCE_DIR");
    return std::string(base && *base ? base : "../..") + "/" + std::string(relative);
}

inline bool ReadBytes(const std::string& path, std::string& out) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    out.clear();
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        out.append(chunk, got);
    std::fclose(file);
    return true;
}

inline std::string ReadBytes(const std::string& path) {
    std::string out;
    ReadBytes(path, out);
    return out;
}

inline bool FileExists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file) std::fclose(file);
    return file != nullptr;
}

inline void WriteBytes(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

inline std::string Decl() {
    return std::string(kXmlDefaultDeclaration);
}

// A document loaded from memory.
inline std::unique_ptr<XmlDocument> Parse(const std::string& text) {
    auto document = std::make_unique<XmlDocument>();
    document->LoadText(text.c_str());
    return document;
}

// The text of an element subtree as the memory target writes it (raw).
inline std::string Text(XmlElement* element, bool raw = true) {
    return element->WriteToString(true, raw);
}

} // namespace xmltest
