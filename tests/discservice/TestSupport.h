// Support for the image tests: scratch folders, sources that misbehave on cue, and
// a small reader of finished images that knows nothing of how they were planned.
#pragma once

#include "ByteSource.h"
#include "FileSystemImage.h"
#include "ImageReader.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace quillon::discimage::test {

// A fresh, empty folder for one test below the tree's test output folder.
std::filesystem::path ScratchFolder(const std::string& name);
void WriteFile(const std::filesystem::path& path, const std::string& content);
std::string ReadFile(const std::filesystem::path& path);

std::shared_ptr<ByteSource> Bytes(const std::string& content);
// A path below parent ("" for the root), joined with a backslash.
std::u16string Join(std::u16string parent, std::u16string_view name);
// ASCII or UTF-8 text as UTF-16.
std::u16string U(const std::string& text);

// Content made up on demand: byte i is a function of i and the seed, so sources of
// gigabytes cost no memory.
std::uint8_t PatternByte(std::uint64_t offset, std::uint32_t seed);
class PatternSource : public ByteSource {
  public:
    PatternSource(std::uint64_t size, std::uint32_t seed) : size_(size), seed_(seed) {}
    Status Size(std::uint64_t* size) const override;
    Status Open(std::unique_ptr<SourceReader>* reader) const override;
    std::string Describe() const override { return "pattern"; }

  private:
    std::uint64_t size_;
    std::uint32_t seed_;
};

// A source whose behaviour after it was added is set by the test.
struct Script {
    std::uint64_t sizeWhenAdded = 100;
    std::uint64_t sizeWhenOpened = 100; // what CurrentSize says when the data is reached
    std::uint64_t sizeAtEnd = 100;      // what CurrentSize says after the last byte
    std::uint64_t bytesAvailable = 100; // reads end here
    bool failSize = false;
    bool failOpen = false;
    bool failRead = false;
    // Where the source throws instead of answering: a std::runtime_error naming the
    // place ("scripted size", "scripted open", "scripted read"), or an int.
    enum class Throw { Nowhere, InSize, InOpen, InRead } throwIn = Throw::Nowhere;
    bool throwNonStandard = false;
    std::size_t claimExtra = 0; // each read reports this many bytes more than it gave
};
class ScriptedSource : public ByteSource {
  public:
    explicit ScriptedSource(Script script) : script_(script) {}
    Status Size(std::uint64_t* size) const override;
    Status Open(std::unique_ptr<SourceReader>* reader) const override;
    std::string Describe() const override { return "scripted"; }

  private:
    Script script_;
};

std::vector<std::uint8_t> ReadAll(const ImageResult& result);
std::shared_ptr<const ImageResult> Build(const FileSystemImage& image);

// Reads an image with its own parsing of ECMA-119: every both-byte-order field is
// checked for agreement, every record for a sane length.
struct IsoEntry {
    std::u16string name; // Joliet: decoded UCS-2; ISO 9660: the identifier as recorded
    bool directory = false;
    std::uint32_t lba = 0;
    std::uint32_t size = 0;
    std::uint8_t flags = 0;
    std::array<std::uint8_t, 7> date{};
    std::vector<IsoEntry> children;
};

struct PathTableEntry {
    std::string identifier;
    std::uint32_t lba = 0;
    std::uint16_t parent = 0;
};

class IsoImage {
  public:
    explicit IsoImage(std::vector<std::uint8_t> bytes);

    const std::uint8_t* Sector(std::uint32_t lba) const;
    bool HasJoliet() const { return jolietDescriptor_ != 0; }
    std::uint32_t VolumeSpaceSize() const;
    std::string VolumeId() const; // primary, trailing spaces removed
    std::u16string JolietVolumeId() const;
    const std::uint8_t* Descriptor(bool joliet) const;

    IsoEntry Tree(bool joliet) const;
    std::vector<PathTableEntry> PathTable(bool joliet, bool bigEndian) const;
    std::string Data(const IsoEntry& file) const;
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

    // Finds an entry by names below the root ("a/b"), null when missing.
    static const IsoEntry* Find(const IsoEntry& root, const std::u16string& path);
    // Calls visit for every entry below root with its depth (root's children: 1).
    static void Walk(const IsoEntry& root, const std::function<void(const IsoEntry&, int)>& visit,
                     int depth = 1);

  private:
    void ReadDirectory(IsoEntry& dir, bool joliet, int depth) const;

    std::vector<std::uint8_t> bytes_;
    std::uint32_t jolietDescriptor_ = 0;
};

std::uint32_t Both32(const std::uint8_t* p);
std::uint16_t Both16(const std::uint8_t* p);

} // namespace quillon::discimage::test
