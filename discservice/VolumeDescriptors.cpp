#include "VolumeDescriptors.h"

#include "DirectoryRecords.h"
#include "FieldWriter.h"

#include <cstring>

namespace quillon::discimage {

namespace {

constexpr std::string_view kApplication = "QUILLON";
constexpr std::u16string_view kApplicationUcs2 = u"QUILLON";

// ECMA-119 8.1: type, "CD001" and version 1 open every descriptor.
void WriteHeader(FieldWriter& w, std::uint8_t type) {
    w.U8(0, type);      // 8.1.1 volume descriptor type
    w.Text(1, "CD001"); // 8.1.2 standard identifier
    w.U8(6, 1);         // 8.1.3 volume descriptor version
}

// The fields that the primary (8.4) and supplementary (8.5) descriptors share.
void WriteCommonFields(FieldWriter& w, const ImagePlan& plan, const PlannedTree& tree) {
    w.U32Both(80, plan.Absolute(plan.totalBlocks)); // 8.4.8 volume space size
    w.U16Both(120, 1);                              // 8.4.10 volume set size
    w.U16Both(124, 1);                              // 8.4.11 volume sequence number
    w.U16Both(128, kBlockSize);                     // 8.4.12 logical block size
    w.U32Both(132, tree.pathTableBytes);            // 8.4.13 path table size
    w.U32Le(140, tree.littleEndianPathTableLba);    // 8.4.14 location of type L path table
    w.U32Le(144, 0);                                // 8.4.15 location of optional type L path table
    w.U32Be(148, tree.bigEndianPathTableLba);       // 8.4.16 location of type M path table
    w.U32Be(152, 0);                                // 8.4.17 location of optional type M path table
    const std::uint32_t rootLength =                // 8.4.18 directory record for root directory
        WriteDirectoryRecord(w, 156, DirectoryFields(tree.directories.at(0), std::string_view("\0", 1)));
    DISC_CHECK(rootLength == 34);
    w.VolumeDate(813, plan.volume.created); // 8.4.26 volume creation date and time
    w.VolumeDate(830, plan.volume.created); // 8.4.27 volume modification date and time
    w.VolumeDate(847, std::nullopt);        // 8.4.28 volume expiration date and time
    w.VolumeDate(864, plan.volume.created); // 8.4.29 volume effective date and time
    w.U8(881, 1);                           // 8.4.30 file structure version
}

} // namespace

void WritePrimaryDescriptor(const ImagePlan& plan, std::span<std::uint8_t> sector) {
    DISC_CHECK(sector.size() == kBlockSize);
    std::memset(sector.data(), 0, sector.size());
    FieldWriter w(sector);
    WriteHeader(w, 1);                         // 8.4.1 primary volume descriptor
    w.PaddedText(8, 32, "");                   // 8.4.5 system identifier
    w.PaddedText(40, 32, plan.volume.iso9660); // 8.4.6 volume identifier
    WriteCommonFields(w, plan, plan.iso);
    w.PaddedText(190, 128, "");           // 8.4.19 volume set identifier
    w.PaddedText(318, 128, "");           // 8.4.20 publisher identifier
    w.PaddedText(446, 128, "");           // 8.4.21 data preparer identifier
    w.PaddedText(574, 128, kApplication); // 8.4.22 application identifier
    w.PaddedText(702, 37, "");            // 8.4.23 copyright file identifier
    w.PaddedText(739, 37, "");            // 8.4.24 abstract file identifier
    w.PaddedText(776, 37, "");            // 8.4.25 bibliographic file identifier
}

void WriteJolietDescriptor(const ImagePlan& plan, std::span<std::uint8_t> sector) {
    DISC_CHECK(sector.size() == kBlockSize && plan.joliet.has_value());
    std::memset(sector.data(), 0, sector.size());
    FieldWriter w(sector);
    WriteHeader(w, 2);                        // 8.5 supplementary volume descriptor (type 2)
    w.U8(7, 0);                               // 8.5 volume flags (BP 8): escape sequences per ISO 2375
    w.PaddedUcs2(8, 32, u"");                 // 8.5 system identifier (BP 9-40)
    w.PaddedUcs2(40, 32, plan.volume.joliet); // 8.5 volume identifier (BP 41-72)
    w.Bytes(88, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>("%/E"), 3));
    // 8.5 escape sequences (BP 89-120): UCS-2 level 3
    WriteCommonFields(w, plan, *plan.joliet);
    w.PaddedUcs2(190, 128, u"");              // 8.5 volume set identifier (BP 191-318)
    w.PaddedUcs2(318, 128, u"");              // 8.5 publisher identifier (BP 319-446)
    w.PaddedUcs2(446, 128, u"");              // 8.5 data preparer identifier (BP 447-574)
    w.PaddedUcs2(574, 128, kApplicationUcs2); // 8.5 application identifier (BP 575-702)
    w.PaddedUcs2(702, 37, u"");               // 8.5 copyright file identifier (BP 703-739)
    w.PaddedUcs2(739, 37, u"");               // 8.5 abstract file identifier (BP 740-776)
    w.PaddedUcs2(776, 37, u"");               // 8.5 bibliographic file identifier (BP 777-813)
}

void WriteDescriptorSetTerminator(std::span<std::uint8_t> sector) {
    DISC_CHECK(sector.size() == kBlockSize);
    std::memset(sector.data(), 0, sector.size());
    FieldWriter w(sector);
    WriteHeader(w, 255); // 8.3.1 volume descriptor set terminator
}

} // namespace quillon::discimage
