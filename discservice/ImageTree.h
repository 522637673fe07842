// The image model: a tree of directories and files as the caller added them, with
// the names given (UTF-16), each file's byte source, size and modification time.
// Names are unique per directory regardless of case (see NameKey).
#pragma once

#include "ByteSource.h"
#include "ImageStatus.h"
#include "Timestamp.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillon::discimage {

struct ImageNode {
    std::u16string name; // empty for the root
    bool directory = false;
    ImageNode* parent = nullptr;
    unsigned depth = 0; // the root is 0, its children 1
    Timestamp modified;
    bool hidden = false;

    // Directories: children in the order they were added, and their name index.
    std::vector<std::unique_ptr<ImageNode>> children;
    std::unordered_map<std::u16string, ImageNode*> byKey;

    // Files.
    std::shared_ptr<ByteSource> source;
    std::uint64_t size = 0;
};

enum class ItemType { NotFound = 0, Directory = 1, File = 2 }; // FsiItemType values

class ImageTree {
  public:
    ImageTree();
    // Frees the nodes without recursion, however deep the tree.
    ~ImageTree();
    ImageTree(const ImageTree&) = delete;
    ImageTree& operator=(const ImageTree&) = delete;

    ImageNode& Root() { return *root_; }
    const ImageNode& Root() const { return *root_; }

    // Splits a path below the root into its names. "\" and "/" separate names;
    // one leading separator is allowed. Empty names give InvalidPath; the names
    // themselves are checked by the caller.
    static Status SplitPath(std::u16string_view path, std::vector<std::u16string_view>* names);

    // The directory named by all but the last name; DirNotFound when any of them is
    // missing or is a file.
    Status FindParent(const std::vector<std::u16string_view>& names, ImageNode** parent);

    const ImageNode* Find(const std::vector<std::u16string_view>& names) const;
    ImageNode* Find(const std::vector<std::u16string_view>& names) {
        return const_cast<ImageNode*>(static_cast<const ImageTree*>(this)->Find(names));
    }

    // Adds a child; DupName when the directory already has one of that name.
    Status AddChild(ImageNode& parent, std::u16string_view name, bool directory, ImageNode** added);

    std::uint32_t FileCount() const { return files_; }
    std::uint32_t DirectoryCount() const { return directories_; } // without the root
    // Sum of the whole blocks of all file data.
    std::uint64_t DataBlocks() const { return dataBlocks_; }
    void AccountFile(std::uint64_t size);

  private:
    std::unique_ptr<ImageNode> root_;
    std::uint32_t files_ = 0;
    std::uint32_t directories_ = 0;
    std::uint64_t dataBlocks_ = 0;
};

} // namespace quillon::discimage
