// The finished layout of one image: every structure's place and size, decided
// before a single byte is produced. The plan is immutable and self-contained (it
// copies what it needs from the image tree), so a result stays valid while the
// image it came from goes on changing, and any number of readers can share it.
#pragma once

#include "ByteSource.h"
#include "Timestamp.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillon::discimage {

inline constexpr std::uint32_t kBlockSize = 2048;
inline constexpr std::uint32_t kSystemAreaBlocks = 16; // ECMA-119 6.2.1

// ECMA-119 9.1.6 file flags.
inline constexpr std::uint8_t kFlagHidden = 0x01;
inline constexpr std::uint8_t kFlagDirectory = 0x02;

// One child's record in a directory extent.
struct PlannedRecord {
    std::string identifier; // the bytes recorded: d-characters with ";1", or UCS-2 big-endian
    bool directory = false;
    std::uint32_t target = 0; // index into the tree's directories, or into the plan's files
    Timestamp modified;
    bool hidden = false;
};

struct PlannedDirectory {
    std::string identifier;   // as in the path table; the root's is a single 0x00
    std::uint32_t parent = 0; // index of the parent directory; the root is its own parent
    Timestamp modified;
    std::vector<PlannedRecord> records; // children in ECMA-119 9.3 order
    std::uint32_t lba = 0;              // absolute, session start included
    std::uint32_t bytes = 0;            // whole sectors
};

// The directory hierarchy of one volume descriptor: the ISO 9660 primary tree or
// the Joliet tree. Directories are kept in path-table order (ECMA-119 6.9.1), so
// the directory number of directories[i] is i + 1.
struct PlannedTree {
    bool joliet = false;
    std::vector<PlannedDirectory> directories;
    std::uint32_t pathTableBytes = 0;
    std::uint32_t littleEndianPathTableLba = 0; // absolute
    std::uint32_t bigEndianPathTableLba = 0;    // absolute
};

struct PlannedFile {
    std::shared_ptr<ByteSource> source;
    std::uint64_t size = 0;
    std::uint32_t lba = 0; // absolute; 0 for an empty file, which has no extent
};

enum class ExtentKind : std::uint8_t {
    SystemArea,
    PrimaryDescriptor,
    JolietDescriptor,
    Terminator,
    PathTable,
    Directory,
    FileData,
};

// A run of blocks of the image and what fills it, in image order.
struct Extent {
    std::uint32_t firstBlock = 0; // relative to the start of this image
    std::uint32_t blocks = 0;
    ExtentKind kind = ExtentKind::SystemArea;
    bool jolietTree = false; // PathTable, Directory
    bool bigEndian = false;  // PathTable
    std::uint32_t index = 0; // Directory: index in the tree; FileData: index in files
};

struct VolumeIdentity {
    std::string iso9660;   // d-characters, at most 32
    std::u16string joliet; // at most 16 UCS-2 characters
    Timestamp created;
};

struct ImagePlan {
    VolumeIdentity volume;
    std::uint32_t sessionStartBlock = 0; // every recorded address is offset by it
    std::uint32_t totalBlocks = 0;       // blocks of this image, without the earlier sessions
    PlannedTree iso;
    std::optional<PlannedTree> joliet;
    std::vector<PlannedFile> files; // in the order of their data
    std::vector<Extent> extents;    // covering blocks 0 .. totalBlocks - 1 without gaps

    std::uint64_t SizeInBytes() const { return std::uint64_t{totalBlocks} * kBlockSize; }
    std::uint32_t Absolute(std::uint32_t relativeBlock) const { return sessionStartBlock + relativeBlock; }
};

} // namespace quillon::discimage
