#include "DirectoryRecords.h"

#include <cstring>

namespace quillon::discimage {

namespace {

constexpr std::string_view kSelf("\0", 1);   // ECMA-119 6.8.2.2: "." is a single 0x00
constexpr std::string_view kParent("\1", 1); // and ".." a single 0x01

// Position of the next record: at offset, unless it would cross into the next sector.
std::uint32_t Place(std::uint32_t offset, std::uint32_t length) {
    const std::uint32_t left = kBlockSize - offset % kBlockSize;
    return length > left ? offset + left : offset;
}

} // namespace

std::uint32_t DirectoryRecordLength(std::size_t identifierLength) {
    DISC_CHECK(identifierLength >= 1 && identifierLength <= 222);
    return 33 + static_cast<std::uint32_t>(identifierLength) + (identifierLength % 2 == 0 ? 1 : 0);
}

std::uint32_t DirectoryExtentBytes(const PlannedDirectory& directory) {
    std::uint32_t offset = 2 * DirectoryRecordLength(1);
    for (const PlannedRecord& r : directory.records) {
        const std::uint32_t length = DirectoryRecordLength(r.identifier.size());
        offset = Place(offset, length) + length;
    }
    return (offset + kBlockSize - 1) / kBlockSize * kBlockSize;
}

std::uint32_t WriteDirectoryRecord(FieldWriter& out, std::size_t pos, const RecordFields& f) {
    const std::uint32_t length = DirectoryRecordLength(f.identifier.size());
    out.U8(pos + 0, static_cast<std::uint8_t>(length)); // 9.1.1 length of directory record
    out.U8(pos + 1, 0);                                 // 9.1.2 extended attribute record length
    out.U32Both(pos + 2, f.lba);                        // 9.1.3 location of extent
    out.U32Both(pos + 10, f.dataLength);                // 9.1.4 data length
    out.RecordingDate(pos + 18, f.recorded);            // 9.1.5 recording date and time
    out.U8(pos + 25, f.flags);                          // 9.1.6 file flags
    out.U8(pos + 26, 0);                                // 9.1.7 file unit size
    out.U8(pos + 27, 0);                                // 9.1.8 interleave gap size
    out.U16Both(pos + 28, 1);                           // 9.1.9 volume sequence number
    out.U8(pos + 32, static_cast<std::uint8_t>(f.identifier.size())); // 9.1.10 length of file identifier
    out.Text(pos + 33, f.identifier);                                 // 9.1.11 file identifier
    if (f.identifier.size() % 2 == 0) out.U8(pos + 33 + f.identifier.size(), 0); // 9.1.12 padding field
    return length;
}

RecordFields DirectoryFields(const PlannedDirectory& directory, std::string_view identifier) {
    RecordFields f;
    f.identifier = identifier;
    f.lba = directory.lba;
    f.dataLength = directory.bytes;
    f.recorded = directory.modified;
    f.flags = kFlagDirectory;
    return f;
}

void WriteDirectoryExtent(const ImagePlan& plan, const PlannedTree& tree, std::uint32_t index,
                          std::span<std::uint8_t> out) {
    const PlannedDirectory& dir = tree.directories.at(index);
    DISC_CHECK(out.size() == dir.bytes);
    std::memset(out.data(), 0, out.size());
    FieldWriter w(out);

    std::uint32_t offset = 0;
    offset += WriteDirectoryRecord(w, offset, DirectoryFields(dir, kSelf));
    offset += WriteDirectoryRecord(w, offset, DirectoryFields(tree.directories.at(dir.parent), kParent));
    for (const PlannedRecord& r : dir.records) {
        RecordFields f;
        f.identifier = r.identifier;
        f.recorded = r.modified;
        if (r.directory) {
            const PlannedDirectory& child = tree.directories.at(r.target);
            f.lba = child.lba;
            f.dataLength = child.bytes;
            f.flags = kFlagDirectory;
        } else {
            const PlannedFile& file = plan.files.at(r.target);
            f.lba = file.lba;
            f.dataLength = static_cast<std::uint32_t>(file.size);
            DISC_CHECK(f.dataLength == file.size);
        }
        if (r.hidden) f.flags |= kFlagHidden;
        offset = Place(offset, DirectoryRecordLength(r.identifier.size()));
        offset += WriteDirectoryRecord(w, offset, f);
    }
    // The records must end in the last planned sector, never beyond it.
    DISC_CHECK(offset <= dir.bytes && dir.bytes - offset < kBlockSize);
}

} // namespace quillon::discimage
