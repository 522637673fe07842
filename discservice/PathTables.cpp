#include "PathTables.h"

#include "FieldWriter.h"

#include <cstring>

namespace quillon::discimage {

std::uint32_t PathTableRecordLength(std::size_t identifierLength) {
    DISC_CHECK(identifierLength >= 1 && identifierLength <= 255);
    return 8 + static_cast<std::uint32_t>(identifierLength) + (identifierLength % 2 == 1 ? 1 : 0);
}

std::uint32_t PathTableBytes(const PlannedTree& tree) {
    std::uint64_t bytes = 0;
    for (const PlannedDirectory& d : tree.directories)
        bytes += PathTableRecordLength(d.identifier.size());
    DISC_CHECK(bytes <= 0xFFFFFFFFu);
    return static_cast<std::uint32_t>(bytes);
}

void WritePathTable(const PlannedTree& tree, bool bigEndian, std::span<std::uint8_t> out) {
    DISC_CHECK(out.size() >= tree.pathTableBytes && out.size() % kBlockSize == 0);
    DISC_CHECK(tree.directories.size() <= 0xFFFF);
    std::memset(out.data(), 0, out.size());
    FieldWriter w(out);
    std::size_t pos = 0;
    for (const PlannedDirectory& d : tree.directories) {
        const auto parentNumber = static_cast<std::uint16_t>(d.parent + 1);
        w.U8(pos + 0, static_cast<std::uint8_t>(d.identifier.size())); // 9.4.1 length of directory identifier
        w.U8(pos + 1, 0); // 9.4.2 extended attribute record length
        if (bigEndian) {
            w.U32Be(pos + 2, d.lba);        // 9.4.3 location of extent (type M)
            w.U16Be(pos + 6, parentNumber); // 9.4.4 parent directory number (type M)
        } else {
            w.U32Le(pos + 2, d.lba);        // 9.4.3 location of extent (type L)
            w.U16Le(pos + 6, parentNumber); // 9.4.4 parent directory number (type L)
        }
        w.Text(pos + 8, d.identifier); // 9.4.5 directory identifier; 9.4.6 padding stays zero
        pos += PathTableRecordLength(d.identifier.size());
    }
    DISC_CHECK(pos == tree.pathTableBytes);
}

} // namespace quillon::discimage
