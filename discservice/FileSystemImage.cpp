#include "FileSystemImage.h"

#include "JolietNames.h"
#include "LayoutPlanner.h"
#include "Staging.h"
#include "VolumeName.h"

#include <cstdlib>
#include <system_error>

namespace quillon::discimage {

namespace {

// Where the runtime looks for the temporary folder, in its order.
#ifdef _WIN32
constexpr const char* kTemporaryFolderVariables[] = {"TMP", "TEMP", "USERPROFILE"};
#else
constexpr const char* kTemporaryFolderVariables[] = {"TMPDIR", "TMP", "TEMP", "TEMPDIR"};
#endif

// Items added without a time of their own get the time they were added.
Timestamp TimeFor(const ItemOptions& options, const ByteSource* source) {
    if (options.modified) return *options.modified;
    if (source)
        if (auto t = source->ModificationTime()) return *t;
    return Now();
}

} // namespace

FileSystemImage::FileSystemImage() {
    tree_.Root().modified = Now();
}
FileSystemImage::~FileSystemImage() = default;

Status FileSystemImage::SetVolumeName(std::u16string_view name) {
    lastError_.clear();
    return Guarded(
        [&] {
            const Status s = CheckVolumeName(name);
            if (Failed(s)) return s;
            volumeName_ = std::u16string(name);
            return status::Ok;
        },
        &lastError_);
}

Status FileSystemImage::SetFreeMediaBlocks(std::int32_t blocks) {
    lastError_.clear();
    if (blocks < 0) return status::InvalidParam;
    if (blocks > 0 && MinimumBlocks(0, 0) > static_cast<std::uint64_t>(blocks)) return status::ImageTooBig;
    freeMediaBlocks_ = blocks;
    return status::Ok;
}

Status FileSystemImage::SetWorkingDirectory(const std::filesystem::path& folder) {
    lastError_.clear();
    return Guarded(
        [&] {
            std::error_code ec;
            if (folder.empty() || !std::filesystem::is_directory(folder, ec)) return status::InvalidParam;
            workingDirectory_ = folder;
            return status::Ok;
        },
        &lastError_);
}

std::filesystem::path FileSystemImage::WorkingDirectory() const {
    if (!workingDirectory_.empty()) return workingDirectory_;
    std::error_code ec;
    return std::filesystem::temp_directory_path(ec);
}

Status FileSystemImage::SetFileSystemsToCreate(std::uint32_t fileSystems) {
    lastError_.clear();
    if ((fileSystems & ~file_system::Supported) != 0) return status::InvalidParam;
    fileSystems_ = fileSystems;
    return status::Ok;
}

Status FileSystemImage::SetSessionStartBlock(std::int32_t block) {
    lastError_.clear();
    if (block < 0) return status::InvalidParam;
    sessionStartBlock_ = static_cast<std::uint32_t>(block);
    return status::Ok;
}

Status FileSystemImage::ParsePath(std::u16string_view path, std::vector<std::u16string_view>* names) const {
    const Status s = ImageTree::SplitPath(path, names);
    if (Failed(s)) return s;
    for (std::u16string_view name : *names)
        if (CheckItemName(name, Joliet()) != NameProblem::None) return status::InvalidPath;
    return status::Ok;
}

Status FileSystemImage::FindParentOf(std::u16string_view path, std::vector<std::u16string_view>* names,
                                     ImageNode** parent) {
    const Status s = ParsePath(path, names);
    if (Failed(s)) return s;
    return tree_.FindParent(*names, parent);
}

std::uint64_t FileSystemImage::MinimumBlocks(std::uint64_t extraDataBlocks,
                                             std::uint32_t extraDirectories) const {
    const std::uint64_t trees = Joliet() ? 2 : 1;
    const std::uint64_t directories = std::uint64_t{tree_.DirectoryCount()} + 1 + extraDirectories;
    // System area, descriptors and terminator, two path tables and at least one
    // block per directory in each tree.
    return 16 + 1 + (trees - 1) + 1 + 2 * trees + directories * trees + tree_.DataBlocks() + extraDataBlocks;
}

Status FileSystemImage::AddDirectory(std::u16string_view path, const ItemOptions& options) {
    lastError_.clear();
    return Guarded([&] { return AddDirectoryNow(path, options); }, &lastError_);
}

Status FileSystemImage::AddDirectoryNow(std::u16string_view path, const ItemOptions& options) {
    std::vector<std::u16string_view> names;
    ImageNode* parent = nullptr;
    Status s = FindParentOf(path, &names, &parent);
    if (Failed(s)) return s;
    // The new directory's ISO 9660 level is its depth plus one for the root.
    if (!Joliet() && parent->depth + 2 > kIsoMaxLevels) return status::Iso9660Levels;
    if (tree_.DirectoryCount() + 2 > kMaxDirectories) return status::TooManyDirs; // the root counts too
    if (freeMediaBlocks_ > 0 && MinimumBlocks(0, 1) > static_cast<std::uint64_t>(freeMediaBlocks_))
        return status::ImageSizeLimit;
    ImageNode* node = nullptr;
    s = tree_.AddChild(*parent, names.back(), true, &node);
    if (Failed(s)) return s;
    node->modified = TimeFor(options, nullptr);
    node->hidden = options.hidden;
    return status::Ok;
}

Status FileSystemImage::AddFile(std::u16string_view path, std::shared_ptr<ByteSource> source,
                                const ItemOptions& options) {
    lastError_.clear();
    return Guarded([&] { return AddFileNow(path, std::move(source), options); }, &lastError_);
}

Status FileSystemImage::AddFileNow(std::u16string_view path, std::shared_ptr<ByteSource> source,
                                   const ItemOptions& options) {
    if (!source) return status::InvalidArg;
    std::vector<std::u16string_view> names;
    ImageNode* parent = nullptr;
    Status s = FindParentOf(path, &names, &parent);
    if (Failed(s)) return s;
    if (parent->byKey.count(NameKey(names.back()))) return status::DupName;

    std::uint64_t size = 0;
    if (Failed(source->Size(&size))) return status::StreamReadFailure;
    if (size > kMaxFileSize) return status::DataTooBig;
    const std::uint64_t blocks = (size + kBlockSize - 1) / kBlockSize;
    if (freeMediaBlocks_ > 0 && MinimumBlocks(blocks, 0) > static_cast<std::uint64_t>(freeMediaBlocks_))
        return status::ImageSizeLimit;

    const Timestamp modified = TimeFor(options, source.get());
    if (stageFiles_) {
        if (!staging_) {
            std::filesystem::path folder;
            s = StagingFolder(&folder);
            if (Failed(s)) return s;
            s = StagingArea::Create(folder, &staging_, &lastError_);
            if (Failed(s)) return s;
        }
        std::shared_ptr<ByteSource> staged;
        s = staging_->Stage(*source, size, &staged, &lastError_);
        if (Failed(s)) return s;
        source = std::move(staged);
    }

    ImageNode* node = nullptr;
    s = tree_.AddChild(*parent, names.back(), false, &node);
    if (Failed(s)) return s;
    node->source = std::move(source);
    node->size = size;
    node->modified = modified;
    node->hidden = options.hidden;
    tree_.AccountFile(size);
    return status::Ok;
}

Status FileSystemImage::StagingFolder(std::filesystem::path* folder) const {
    if (!workingDirectory_.empty()) {
        *folder = workingDirectory_;
        return status::Ok;
    }
    std::error_code ec;
    *folder = std::filesystem::temp_directory_path(ec);
    if (!ec) return status::Ok;
    // The runtime forgets the folder it looked for; the variable it came from names it.
    lastError_ = "the temporary folder cannot be used: " + ec.message();
    for (const char* variable : kTemporaryFolderVariables) {
        if (const char* value = std::getenv(variable); value && *value) {
            lastError_ += std::string(" (") + variable + "=" + value + ")";
            break;
        }
    }
    return status::InvalidWorkingDirectory;
}

Status FileSystemImage::SetModificationTime(std::u16string_view path, Timestamp t) {
    lastError_.clear();
    return Guarded(
        [&] {
            if (path.empty() || path == u"\\" || path == u"/") {
                tree_.Root().modified = t;
                return status::Ok;
            }
            std::vector<std::u16string_view> names;
            const Status s = ImageTree::SplitPath(path, &names);
            if (Failed(s)) return s;
            ImageNode* node = tree_.Find(names);
            if (!node) return status::ItemNotFound;
            node->modified = t;
            return status::Ok;
        },
        &lastError_);
}

ItemType FileSystemImage::Exists(std::u16string_view path) const {
    ItemType type = ItemType::NotFound;
    lastError_.clear();
    (void)Guarded(
        [&] {
            std::vector<std::u16string_view> names;
            if (Failed(ImageTree::SplitPath(path, &names))) return status::Ok;
            if (const ImageNode* node = tree_.Find(names))
                type = node->directory ? ItemType::Directory : ItemType::File;
            return status::Ok;
        },
        &lastError_); // a lookup that ran out of memory finds nothing
    return type;
}

Status FileSystemImage::CheckFileItemName(std::u16string_view name) const {
    lastError_.clear();
    return CheckItemName(name, Joliet()) == NameProblem::None ? status::Ok : status::InvalidParam;
}

Status FileSystemImage::Plan(std::shared_ptr<const ImagePlan>* plan) const {
    if ((fileSystems_ & file_system::Supported) == 0) return status::NoOutput;
    const Timestamp created = creationTime_.value_or(Now());
    PlanOptions options;
    options.joliet = Joliet();
    options.sessionStartBlock = sessionStartBlock_;
    options.volume =
        MakeVolumeIdentity(volumeName_.empty() ? GeneratedVolumeName(created) : volumeName_, created);
    return PlanImage(tree_.Root(), options, plan, &lastError_);
}

Status FileSystemImage::UsedBlocks(std::int32_t* blocks) const {
    lastError_.clear();
    return Guarded(
        [&] {
            std::shared_ptr<const ImagePlan> plan;
            const Status s = Plan(&plan);
            if (Failed(s)) return s;
            *blocks = static_cast<std::int32_t>(plan->totalBlocks);
            return status::Ok;
        },
        &lastError_);
}

Status FileSystemImage::CreateResultImage(std::shared_ptr<const ImageResult>* result) const {
    lastError_.clear();
    return Guarded(
        [&] {
            std::shared_ptr<const ImagePlan> plan;
            const Status s = Plan(&plan);
            if (Failed(s)) return s;
            if (freeMediaBlocks_ > 0 && plan->totalBlocks > static_cast<std::uint32_t>(freeMediaBlocks_))
                return status::ImageSizeLimit;
            *result = std::make_shared<const ImageResult>(std::move(plan));
            return status::Ok;
        },
        &lastError_);
}

} // namespace quillon::discimage
