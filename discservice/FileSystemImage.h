// The file-system image builder: what the service's IFileSystemImage,
// IFsiDirectoryItem and IFileSystemImageResult do, without COM. Items are added by
// paths relative to the root; CreateResultImage plans the ISO 9660 (+ Joliet)
// image and hands out a result from which the image is read on demand.
//
// Every call returns the service's result code (ImageStatus.h); nothing is thrown.
// After a failed call LastError may tell more than the code: the folder that could
// not be used, the text of an exception that a source threw.
#pragma once

#include "ByteSource.h"
#include "ImageReader.h"
#include "ImageStatus.h"
#include "ImageTree.h"
#include "Timestamp.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quillon::discimage {

class StagingArea;

// FsiFileSystems bits.
namespace file_system {
inline constexpr std::uint32_t None = 0;
inline constexpr std::uint32_t Iso9660 = 1;
inline constexpr std::uint32_t Joliet = 2;
inline constexpr std::uint32_t Udf = 4;
// Joliet always comes with the ISO 9660 tree its descriptor sits beside; UDF is not made.
inline constexpr std::uint32_t Supported = Iso9660 | Joliet;
} // namespace file_system

struct ItemOptions {
    std::optional<Timestamp> modified; // files: else the source's own time; else now
    bool hidden = false;
};

class FileSystemImage {
  public:
    static constexpr std::int32_t kDefaultFreeMediaBlocks = 332800; // 650 MB, like the service
    static constexpr std::uint64_t kMaxFileSize = 0xFFFFFFFFull;    // a 32-bit data length

    FileSystemImage();
    ~FileSystemImage();
    FileSystemImage(const FileSystemImage&) = delete;
    FileSystemImage& operator=(const FileSystemImage&) = delete;

    // Empty means a name made from the date when the result is created.
    Status SetVolumeName(std::u16string_view name);
    const std::u16string& VolumeName() const { return volumeName_; }

    // 0 means no limit. A limit below what the image already needs gives ImageTooBig.
    Status SetFreeMediaBlocks(std::int32_t blocks);
    std::int32_t FreeMediaBlocks() const { return freeMediaBlocks_; }

    // Staging applies to the files added after it is switched on.
    void SetStageFiles(bool stage) { stageFiles_ = stage; }
    bool StageFiles() const { return stageFiles_; }
    // Where staged copies go; an existing folder. Defaults to the system's temporary folder.
    Status SetWorkingDirectory(const std::filesystem::path& folder);
    std::filesystem::path WorkingDirectory() const;

    // Bits of file_system; UDF and unknown bits give InvalidParam, 0 makes
    // CreateResultImage fail with NoOutput.
    Status SetFileSystemsToCreate(std::uint32_t fileSystems);
    std::uint32_t FileSystemsToCreate() const { return fileSystems_; }

    // Every address recorded in the image is offset by this block (a later session).
    Status SetSessionStartBlock(std::int32_t block);
    std::int32_t SessionStartBlock() const { return static_cast<std::int32_t>(sessionStartBlock_); }

    // The volume's creation time in the descriptors; by default the time of CreateResultImage.
    void SetCreationTime(Timestamp t) { creationTime_ = t; }

    // The parent must exist. Errors: InvalidPath, DirNotFound, DupName, Iso9660Levels
    // (without Joliet), TooManyDirs, ImageSizeLimit.
    Status AddDirectory(std::u16string_view path, const ItemOptions& options = {});
    // The source's size is taken now. Errors as AddDirectory, and DataTooBig (4 GiB
    // or more), StreamReadFailure / StreamInconsistency (source or staging copy).
    Status AddFile(std::u16string_view path, std::shared_ptr<ByteSource> source,
                   const ItemOptions& options = {});

    // Sets an item's modification time; an empty path (or a lone separator) is the root.
    Status SetModificationTime(std::u16string_view path, Timestamp t);

    ItemType Exists(std::u16string_view path) const;
    std::uint32_t FileCount() const { return tree_.FileCount(); }
    std::uint32_t DirectoryCount() const { return tree_.DirectoryCount(); }
    const ImageTree& Tree() const { return tree_; }

    // The exact size the image would have now, in blocks.
    Status UsedBlocks(std::int32_t* blocks) const;

    // A name for CreateFileItem: InvalidParam if the image could not hold it.
    Status CheckFileItemName(std::u16string_view name) const;

    Status CreateResultImage(std::shared_ptr<const ImageResult>* result) const;

    // What went wrong in the last failed call beyond its code; empty when the code
    // says it all. Each call clears it first.
    const std::string& LastError() const { return lastError_; }

  private:
    bool Joliet() const { return (fileSystems_ & file_system::Joliet) != 0; }
    Status AddDirectoryNow(std::u16string_view path, const ItemOptions& options);
    Status AddFileNow(std::u16string_view path, std::shared_ptr<ByteSource> source,
                      const ItemOptions& options);
    // The working directory, else the system's temporary folder; InvalidWorkingDirectory
    // when that cannot be found.
    Status StagingFolder(std::filesystem::path* folder) const;
    Status ParsePath(std::u16string_view path, std::vector<std::u16string_view>* names) const;
    // Splits and checks a new item's path and finds the directory it goes in.
    Status FindParentOf(std::u16string_view path, std::vector<std::u16string_view>* names,
                        ImageNode** parent);
    // A lower bound of the image's blocks with extra data blocks and directories added.
    std::uint64_t MinimumBlocks(std::uint64_t extraDataBlocks, std::uint32_t extraDirectories) const;
    // Plans the image as it stands, created at the set creation time or now.
    Status Plan(std::shared_ptr<const ImagePlan>* plan) const;

    ImageTree tree_;
    std::u16string volumeName_;
    std::int32_t freeMediaBlocks_ = kDefaultFreeMediaBlocks;
    bool stageFiles_ = false;
    std::filesystem::path workingDirectory_;
    std::uint32_t fileSystems_ = file_system::Iso9660 | file_system::Joliet;
    std::uint32_t sessionStartBlock_ = 0;
    std::optional<Timestamp> creationTime_;
    std::shared_ptr<StagingArea> staging_;
    mutable std::string lastError_;
};

} // namespace quillon::discimage
