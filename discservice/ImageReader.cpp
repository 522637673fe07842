#include "ImageReader.h"

#include "DirectoryRecords.h"
#include "PathTables.h"
#include "VolumeDescriptors.h"

#include <algorithm>
#include <cstring>

namespace quillon::discimage {

ImageReader::ImageReader(std::shared_ptr<const ImagePlan> plan) : plan_(std::move(plan)) {}

Status ImageReader::Read(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* done) {
    *done = 0;
    lastError_.clear();
    const std::uint64_t size = Size();
    if (offset >= size) return status::Ok;
    length = static_cast<std::size_t>(std::min<std::uint64_t>(length, size - offset));
    auto* out = static_cast<std::uint8_t*>(buffer);
    const auto& extents = plan_->extents;
    const Status result = Guarded(
        [&] {
            while (*done < length) {
                const std::uint64_t pos = offset + *done;
                const auto block = static_cast<std::uint32_t>(pos / kBlockSize);
                auto it = std::upper_bound(extents.begin(), extents.end(), block,
                                           [](std::uint32_t b, const Extent& e) { return b < e.firstBlock; });
                DISC_CHECK(it != extents.begin());
                --it;
                const Extent& e = *it;
                const std::uint64_t start = std::uint64_t{e.firstBlock} * kBlockSize;
                const std::uint64_t end = start + std::uint64_t{e.blocks} * kBlockSize;
                DISC_CHECK(pos >= start && pos < end);
                const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(length - *done, end - pos));
                const Status s = e.kind == ExtentKind::FileData
                                     ? ReadFileData(e, pos - start, out + *done, n)
                                     : ReadMetadata(static_cast<std::size_t>(it - extents.begin()),
                                                    pos - start, out + *done, n);
                if (Failed(s)) return s;
                *done += n;
            }
            return status::Ok;
        },
        &lastError_);
    if (Failed(result)) {
        // After a throw the open source may be anywhere; the next read opens it anew.
        source_.reset();
        openFile_ = kNone;
    }
    return result;
}

void ImageReader::Render(std::size_t index) {
    const Extent& e = plan_->extents[index];
    rendered_.assign(std::size_t{e.blocks} * kBlockSize, 0);
    renderedExtent_ = kNone;
    const std::span<std::uint8_t> out(rendered_);
    switch (e.kind) {
    case ExtentKind::SystemArea: break;
    case ExtentKind::PrimaryDescriptor: WritePrimaryDescriptor(*plan_, out); break;
    case ExtentKind::JolietDescriptor: WriteJolietDescriptor(*plan_, out); break;
    case ExtentKind::Terminator: WriteDescriptorSetTerminator(out); break;
    case ExtentKind::PathTable:
        WritePathTable(e.jolietTree ? *plan_->joliet : plan_->iso, e.bigEndian, out);
        break;
    case ExtentKind::Directory:
        WriteDirectoryExtent(*plan_, e.jolietTree ? *plan_->joliet : plan_->iso, e.index, out);
        break;
    case ExtentKind::FileData: DISC_CHECK(false); break;
    }
    renderedExtent_ = index;
}

Status ImageReader::ReadMetadata(std::size_t index, std::uint64_t offset, std::uint8_t* out,
                                 std::size_t length) {
    if (renderedExtent_ != index) Render(index);
    DISC_CHECK(offset + length <= rendered_.size());
    std::memcpy(out, rendered_.data() + offset, length);
    return status::Ok;
}

Status ImageReader::Fail(Status s, const PlannedFile& file, const std::string& what) {
    lastError_ = file.source->Describe() + ": " + what;
    source_.reset();
    openFile_ = kNone;
    return s;
}

Status ImageReader::ReadFileData(const Extent& e, std::uint64_t offset, std::uint8_t* out,
                                 std::size_t length) {
    const PlannedFile& file = plan_->files[e.index];
    std::size_t filled = 0;
    if (offset < file.size) {
        if (openFile_ != e.index) {
            source_.reset();
            openFile_ = kNone;
            std::unique_ptr<SourceReader> reader;
            if (Failed(file.source->Open(&reader)) || !reader)
                return Fail(status::StreamReadFailure, file, "cannot be opened");
            std::uint64_t now = 0;
            if (Failed(reader->CurrentSize(&now)))
                return Fail(status::StreamReadFailure, file, "size cannot be read");
            if (now != file.size)
                return Fail(status::StreamInconsistency, file,
                            "size changed from " + std::to_string(file.size) + " to " + std::to_string(now) +
                                " bytes since it was added");
            source_ = std::move(reader);
            openFile_ = e.index;
        }
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(length, file.size - offset));
        std::size_t got = 0;
        if (Failed(source_->ReadAt(offset, out, want, &got)))
            return Fail(status::StreamReadFailure, file, "read failed");
        // The count is the source's word; a larger one would be taken as bytes it never gave.
        if (got > want)
            return Fail(status::StreamReadFailure, file,
                        "read " + std::to_string(got) + " bytes where " + std::to_string(want) +
                            " were asked for");
        if (got != want)
            return Fail(status::StreamInconsistency, file,
                        "ended early: it became shorter since it was added");
        filled = want;
        if (offset + want == file.size) {
            // The last bytes are in: a file that grew meanwhile would be cut silently.
            std::uint64_t now = 0;
            if (Failed(source_->CurrentSize(&now)) || now != file.size)
                return Fail(status::StreamInconsistency, file, "size changed while it was read");
            source_.reset();
            openFile_ = kNone;
        }
    }
    // The rest of the file's last block is zero.
    std::memset(out + filled, 0, length - filled);
    return status::Ok;
}

} // namespace quillon::discimage
