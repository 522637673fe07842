#include "LayoutPlanner.h"

#include "DirectoryRecords.h"
#include "IsoNames.h"
#include "JolietNames.h"
#include "PathTables.h"

#include <algorithm>
#include <deque>
#include <limits>
#include <unordered_map>

namespace quillon::discimage {

namespace {

struct Child {
    const ImageNode* node;
    std::string identifier;
};

class TreeBuilder {
  public:
    TreeBuilder(ImagePlan& plan, std::unordered_map<const ImageNode*, std::uint32_t>& fileIndex)
        : plan_(plan), fileIndex_(fileIndex) {}

    Status Build(const ImageNode& root, bool joliet, PlannedTree* tree) {
        tree->joliet = joliet;
        PlannedDirectory top;
        top.identifier = std::string(1, '\0');
        top.parent = 0;
        top.modified = root.modified;
        tree->directories.push_back(std::move(top));

        struct Pending {
            const ImageNode* node;
            std::uint32_t index;
            std::size_t pathLength; // ISO 9660 path length up to this directory
            unsigned level;         // the root is level 1
        };
        std::deque<Pending> queue{{&root, 0, 0, 1}};
        while (!queue.empty()) {
            const Pending p = queue.front();
            queue.pop_front();
            std::vector<Child> children;
            const Status s = joliet ? JolietChildren(*p.node, &children)
                                    : IsoChildren(*p.node, p.pathLength, p.level, &children);
            if (Failed(s)) return s;

            std::vector<PlannedRecord> records;
            records.reserve(children.size());
            for (Child& c : children) {
                PlannedRecord r;
                r.directory = c.node->directory;
                r.modified = c.node->modified;
                r.hidden = c.node->hidden;
                if (r.directory) {
                    if (tree->directories.size() >= kMaxDirectories) return status::TooManyDirs;
                    r.target = static_cast<std::uint32_t>(tree->directories.size());
                    PlannedDirectory d;
                    d.identifier = c.identifier;
                    d.parent = p.index;
                    d.modified = c.node->modified;
                    tree->directories.push_back(std::move(d));
                    const std::size_t childPath = p.pathLength + (p.index == 0 ? 0 : 1) + c.identifier.size();
                    queue.push_back({c.node, r.target, childPath, p.level + 1});
                } else {
                    r.target = FileIndex(*c.node);
                }
                r.identifier = std::move(c.identifier);
                records.push_back(std::move(r));
            }
            tree->directories[p.index].records = std::move(records);
        }
        return status::Ok;
    }

  private:
    Status JolietChildren(const ImageNode& dir, std::vector<Child>* out) {
        for (const auto& child : dir.children) {
            if (CheckItemName(child->name, true) != NameProblem::None) return status::InvalidPath;
            out->push_back({child.get(), JolietIdentifier(child->name)});
        }
        // Joliet records in the order of their UCS-2 code units, the big-endian
        // bytes compared as unsigned.
        std::sort(out->begin(), out->end(), [](const Child& a, const Child& b) {
            return std::lexicographical_compare(
                a.identifier.begin(), a.identifier.end(), b.identifier.begin(), b.identifier.end(),
                [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
        });
        return status::Ok;
    }

    Status IsoChildren(const ImageNode& dir, std::size_t pathLength, unsigned level,
                       std::vector<Child>* out) {
        std::vector<IsoName> names;
        names.reserve(dir.children.size());
        // Names are made unique in a fixed order (the Joliet one), so the same
        // tree always gets the same ISO 9660 names.
        std::vector<const ImageNode*> nodes;
        for (const auto& child : dir.children)
            nodes.push_back(child.get());
        std::sort(nodes.begin(), nodes.end(),
                  [](const ImageNode* a, const ImageNode* b) { return a->name < b->name; });
        for (const ImageNode* n : nodes)
            names.push_back(MapIsoName(n->name, n->directory));
        const Status s = MakeUniqueIsoNames(names);
        if (Failed(s)) return s;

        std::vector<std::size_t> order(nodes.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(),
                  [&](std::size_t a, std::size_t b) { return IsoNameLess(names[a], names[b]); });
        for (std::size_t i : order) {
            std::string identifier = names[i].Identifier();
            const std::size_t length = pathLength + (level == 1 ? 0 : 1) + identifier.size();
            const bool tooDeep = nodes[i]->directory && level + 1 > kIsoMaxLevels;
            if (tooDeep || length > kIsoMaxPathLength) {
                if (!plan_.joliet) return status::Iso9660Levels;
                continue; // only in the Joliet tree
            }
            out->push_back({nodes[i], std::move(identifier)});
        }
        return status::Ok;
    }

    std::uint32_t FileIndex(const ImageNode& node) {
        const auto [it, added] =
            fileIndex_.try_emplace(&node, static_cast<std::uint32_t>(plan_.files.size()));
        if (added) {
            PlannedFile f;
            f.source = node.source;
            f.size = node.size;
            plan_.files.push_back(std::move(f));
        }
        return it->second;
    }

    ImagePlan& plan_;
    std::unordered_map<const ImageNode*, std::uint32_t>& fileIndex_;
};

std::uint64_t BlocksFor(std::uint64_t bytes) {
    return (bytes + kBlockSize - 1) / kBlockSize;
}

class BlockAllocator {
  public:
    // Addresses and the image's block count are signed 32-bit numbers for the
    // service's callers, the session start included.
    explicit BlockAllocator(ImagePlan& plan)
        : plan_(plan), maxBlocks_(static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()) -
                                  plan.sessionStartBlock) {}

    // Appends an extent of the given blocks; returns its absolute address.
    std::uint32_t Add(std::uint64_t blocks, ExtentKind kind, bool joliet = false, bool bigEndian = false,
                      std::uint32_t index = 0) {
        if (cursor_ + blocks > maxBlocks_) {
            overflow_ = true;
            return 0;
        }
        Extent e;
        e.firstBlock = static_cast<std::uint32_t>(cursor_);
        e.blocks = static_cast<std::uint32_t>(blocks);
        e.kind = kind;
        e.jolietTree = joliet;
        e.bigEndian = bigEndian;
        e.index = index;
        plan_.extents.push_back(e);
        cursor_ += blocks;
        return plan_.Absolute(e.firstBlock);
    }

    bool Overflow() const { return overflow_; }
    std::uint64_t Cursor() const { return cursor_; }

  private:
    ImagePlan& plan_;
    std::uint64_t maxBlocks_;
    std::uint64_t cursor_ = 0;
    bool overflow_ = false;
};

void SizeTree(PlannedTree& tree) {
    for (PlannedDirectory& d : tree.directories)
        d.bytes = DirectoryExtentBytes(d);
    tree.pathTableBytes = PathTableBytes(tree);
}

void PlacePathTables(BlockAllocator& blocks, PlannedTree& tree) {
    const std::uint64_t n = BlocksFor(tree.pathTableBytes);
    tree.littleEndianPathTableLba = blocks.Add(n, ExtentKind::PathTable, tree.joliet, false);
    tree.bigEndianPathTableLba = blocks.Add(n, ExtentKind::PathTable, tree.joliet, true);
}

void PlaceDirectories(BlockAllocator& blocks, PlannedTree& tree) {
    for (std::uint32_t i = 0; i < tree.directories.size(); ++i) {
        PlannedDirectory& d = tree.directories[i];
        d.lba = blocks.Add(d.bytes / kBlockSize, ExtentKind::Directory, tree.joliet, false, i);
    }
}

Status PlanNow(const ImageNode& root, const PlanOptions& options, std::shared_ptr<const ImagePlan>* result) {
    auto plan = std::make_shared<ImagePlan>();
    plan->volume = options.volume;
    plan->sessionStartBlock = options.sessionStartBlock;
    if (options.joliet) plan->joliet.emplace();

    // The tree that holds every item goes first; it decides the order of the file data.
    std::unordered_map<const ImageNode*, std::uint32_t> fileIndex;
    TreeBuilder builder(*plan, fileIndex);
    if (plan->joliet) {
        Status s = builder.Build(root, true, &*plan->joliet);
        if (Failed(s)) return s;
    }
    Status s = builder.Build(root, false, &plan->iso);
    if (Failed(s)) return s;

    SizeTree(plan->iso);
    if (plan->joliet) SizeTree(*plan->joliet);

    BlockAllocator blocks(*plan);
    blocks.Add(kSystemAreaBlocks, ExtentKind::SystemArea);
    blocks.Add(1, ExtentKind::PrimaryDescriptor);
    if (plan->joliet) blocks.Add(1, ExtentKind::JolietDescriptor);
    blocks.Add(1, ExtentKind::Terminator);
    PlacePathTables(blocks, plan->iso);
    if (plan->joliet) PlacePathTables(blocks, *plan->joliet);
    PlaceDirectories(blocks, plan->iso);
    if (plan->joliet) PlaceDirectories(blocks, *plan->joliet);
    for (std::uint32_t i = 0; i < plan->files.size(); ++i) {
        PlannedFile& f = plan->files[i];
        DISC_CHECK(f.size <= 0xFFFFFFFFu);
        if (f.size > 0) f.lba = blocks.Add(BlocksFor(f.size), ExtentKind::FileData, false, false, i);
    }
    if (blocks.Overflow()) return status::ImageSizeLimit;
    plan->totalBlocks = static_cast<std::uint32_t>(blocks.Cursor());
    *result = std::move(plan);
    return status::Ok;
}

} // namespace

Status PlanImage(const ImageNode& root, const PlanOptions& options, std::shared_ptr<const ImagePlan>* result,
                 std::string* cause) {
    return Guarded([&] { return PlanNow(root, options, result); }, cause);
}

} // namespace quillon::discimage
