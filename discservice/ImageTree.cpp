#include "ImageTree.h"

#include "ImagePlan.h"
#include "JolietNames.h"

namespace quillon::discimage {

namespace {

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

const ImageNode* Child(const ImageNode& dir, std::u16string_view name) {
    const auto it = dir.byKey.find(NameKey(name));
    return it == dir.byKey.end() ? nullptr : it->second;
}

} // namespace

ImageTree::ImageTree() : root_(std::make_unique<ImageNode>()) {
    root_->directory = true;
}

ImageTree::~ImageTree() {
    std::vector<std::unique_ptr<ImageNode>> pending;
    pending.push_back(std::move(root_));
    while (!pending.empty()) {
        std::unique_ptr<ImageNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->children)
            pending.push_back(std::move(child));
        node->children.clear();
    }
}

Status ImageTree::SplitPath(std::u16string_view path, std::vector<std::u16string_view>* names) {
    names->clear();
    if (!path.empty() && IsSeparator(path.front())) path.remove_prefix(1);
    if (path.empty()) return status::InvalidPath;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || IsSeparator(path[i])) {
            if (i == start) return status::InvalidPath;
            names->push_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return status::Ok;
}

Status ImageTree::FindParent(const std::vector<std::u16string_view>& names, ImageNode** parent) {
    ImageNode* dir = root_.get();
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        const ImageNode* next = Child(*dir, names[i]);
        if (!next || !next->directory) return status::DirNotFound;
        dir = const_cast<ImageNode*>(next);
    }
    *parent = dir;
    return status::Ok;
}

const ImageNode* ImageTree::Find(const std::vector<std::u16string_view>& names) const {
    const ImageNode* node = root_.get();
    for (std::u16string_view name : names) {
        if (!node->directory) return nullptr;
        node = Child(*node, name);
        if (!node) return nullptr;
    }
    return node;
}

Status ImageTree::AddChild(ImageNode& parent, std::u16string_view name, bool directory, ImageNode** added) {
    DISC_CHECK(parent.directory);
    std::u16string key = NameKey(name);
    if (parent.byKey.count(key)) return status::DupName;
    auto node = std::make_unique<ImageNode>();
    node->name = std::u16string(name);
    node->directory = directory;
    node->parent = &parent;
    node->depth = parent.depth + 1;
    ImageNode* raw = node.get();
    parent.children.push_back(std::move(node));
    parent.byKey.emplace(std::move(key), raw);
    if (directory) ++directories_;
    *added = raw;
    return status::Ok;
}

void ImageTree::AccountFile(std::uint64_t size) {
    ++files_;
    dataBlocks_ += (size + kBlockSize - 1) / kBlockSize;
}

} // namespace quillon::discimage
