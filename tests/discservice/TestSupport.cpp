#include "TestSupport.h"

#include "TextConversion.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quillon::discimage::test {

std::filesystem::path ScratchFolder(const std::string& name) {
    const char* root = std::getenv("QUILLON_TEST_OUTPUT");
    std::filesystem::path base =
        root && *root ? std::filesystem::path(root) : std::filesystem::temp_directory_path();
    const std::filesystem::path folder = base / "discservice" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    ASSERT_TRUE(out.good()) << path;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::shared_ptr<ByteSource> Bytes(const std::string& content) {
    return std::make_shared<MemorySource>(std::vector<std::uint8_t>(content.begin(), content.end()));
}

std::u16string Join(std::u16string parent, std::u16string_view name) {
    if (!parent.empty()) parent.push_back(u'\\');
    parent.append(name);
    return parent;
}

std::u16string U(const std::string& text) {
    std::u16string out;
    EXPECT_TRUE(Utf8ToUtf16(text, &out));
    return out;
}

std::uint8_t PatternByte(std::uint64_t offset, std::uint32_t seed) {
    std::uint64_t x = offset * 0x9E3779B97F4A7C15ull + seed;
    x ^= x >> 29;
    return static_cast<std::uint8_t>(x ^ (x >> 8) ^ (offset >> 32));
}

namespace {

[[noreturn]] void ThrowAs(const Script& s, const char* where) {
    if (s.throwNonStandard) throw 42;
    throw std::runtime_error(std::string("scripted ") + where);
}

class PatternReader : public SourceReader {
  public:
    PatternReader(std::uint64_t size, std::uint32_t seed) : size_(size), seed_(seed) {}
    Status ReadAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* done) override {
        *done = 0;
        if (offset >= size_) return status::Ok;
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(length, size_ - offset));
        auto* out = static_cast<std::uint8_t*>(buffer);
        for (std::size_t i = 0; i < n; ++i)
            out[i] = PatternByte(offset + i, seed_);
        *done = n;
        return status::Ok;
    }
    Status CurrentSize(std::uint64_t* size) override {
        *size = size_;
        return status::Ok;
    }

  private:
    std::uint64_t size_;
    std::uint32_t seed_;
};

class ScriptedReader : public SourceReader {
  public:
    explicit ScriptedReader(Script s) : s_(s) {}
    Status ReadAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* done) override {
        *done = 0;
        if (s_.throwIn == Script::Throw::InRead) ThrowAs(s_, "read");
        if (s_.failRead) return status::StreamReadFailure;
        if (offset >= s_.bytesAvailable) return status::Ok;
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(length, s_.bytesAvailable - offset));
        std::memset(buffer, 'x', n);
        *done = n + s_.claimExtra;
        finished_ = offset + n >= s_.sizeWhenAdded;
        return status::Ok;
    }
    Status CurrentSize(std::uint64_t* size) override {
        *size = finished_ ? s_.sizeAtEnd : s_.sizeWhenOpened;
        return status::Ok;
    }

  private:
    Script s_;
    bool finished_ = false;
};

} // namespace

Status PatternSource::Size(std::uint64_t* size) const {
    *size = size_;
    return status::Ok;
}

Status PatternSource::Open(std::unique_ptr<SourceReader>* reader) const {
    *reader = std::make_unique<PatternReader>(size_, seed_);
    return status::Ok;
}

Status ScriptedSource::Size(std::uint64_t* size) const {
    if (script_.throwIn == Script::Throw::InSize) ThrowAs(script_, "size");
    if (script_.failSize) return status::StreamReadFailure;
    *size = script_.sizeWhenAdded;
    return status::Ok;
}

Status ScriptedSource::Open(std::unique_ptr<SourceReader>* reader) const {
    if (script_.throwIn == Script::Throw::InOpen) ThrowAs(script_, "open");
    if (script_.failOpen) return status::StreamReadFailure;
    *reader = std::make_unique<ScriptedReader>(script_);
    return status::Ok;
}

std::vector<std::uint8_t> ReadAll(const ImageResult& result) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(result.SizeInBytes()));
    auto reader = result.OpenReader();
    std::size_t done = 0;
    const Status s = reader->Read(0, bytes.data(), bytes.size(), &done);
    EXPECT_EQ(s, status::Ok) << reader->LastError();
    EXPECT_EQ(done, bytes.size());
    return bytes;
}

std::shared_ptr<const ImageResult> Build(const FileSystemImage& image) {
    std::shared_ptr<const ImageResult> result;
    const Status s = image.CreateResultImage(&result);
    EXPECT_EQ(s, status::Ok) << StatusName(s);
    return result;
}

std::uint32_t Both32(const std::uint8_t* p) {
    const std::uint32_t le = p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    const std::uint32_t be = static_cast<std::uint32_t>(p[4]) << 24 | p[5] << 16 | p[6] << 8 | p[7];
    EXPECT_EQ(le, be) << "both-byte-order field disagrees";
    return le;
}

std::uint16_t Both16(const std::uint8_t* p) {
    const auto le = static_cast<std::uint16_t>(p[0] | p[1] << 8);
    const auto be = static_cast<std::uint16_t>(p[2] << 8 | p[3]);
    EXPECT_EQ(le, be) << "both-byte-order field disagrees";
    return le;
}

IsoImage::IsoImage(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    EXPECT_EQ(bytes_.size() % 2048, 0u);
    for (std::uint32_t lba = 16; (lba + 1) * 2048 <= bytes_.size(); ++lba) {
        const std::uint8_t* d = Sector(lba);
        EXPECT_EQ(std::memcmp(d + 1, "CD001", 5), 0) << "descriptor at " << lba;
        if (d[0] == 255) break;
        if (d[0] == 2 && d[88] == 0x25 && d[89] == 0x2F && d[90] == 0x45) jolietDescriptor_ = lba;
    }
    EXPECT_EQ(Sector(16)[0], 1);
}

const std::uint8_t* IsoImage::Sector(std::uint32_t lba) const {
    if ((std::uint64_t{lba} + 1) * 2048 > bytes_.size()) {
        ADD_FAILURE() << "sector " << lba << " beyond the image";
        static const std::uint8_t zero[2048] = {};
        return zero;
    }
    return bytes_.data() + std::size_t{lba} * 2048;
}

const std::uint8_t* IsoImage::Descriptor(bool joliet) const {
    return Sector(joliet ? jolietDescriptor_ : 16);
}

std::uint32_t IsoImage::VolumeSpaceSize() const {
    return Both32(Sector(16) + 80);
}

std::string IsoImage::VolumeId() const {
    std::string id(reinterpret_cast<const char*>(Sector(16) + 40), 32);
    id.erase(id.find_last_not_of(' ') + 1);
    return id;
}

static std::u16string DecodeUcs2(const std::uint8_t* p, std::size_t bytes) {
    std::u16string out;
    for (std::size_t i = 0; i + 1 < bytes; i += 2)
        out += static_cast<char16_t>(p[i] << 8 | p[i + 1]);
    return out;
}

std::u16string IsoImage::JolietVolumeId() const {
    std::u16string id = DecodeUcs2(Descriptor(true) + 40, 32);
    id.erase(id.find_last_not_of(u' ') + 1);
    return id;
}

IsoEntry IsoImage::Tree(bool joliet) const {
    const std::uint8_t* root = Descriptor(joliet) + 156;
    EXPECT_EQ(root[0], 34);
    EXPECT_EQ(root[32], 1);
    EXPECT_EQ(root[33], 0);
    IsoEntry e;
    e.directory = true;
    e.lba = Both32(root + 2);
    e.size = Both32(root + 10);
    e.flags = root[25];
    ReadDirectory(e, joliet, 1);
    return e;
}

void IsoImage::ReadDirectory(IsoEntry& dir, bool joliet, int depth) const {
    if (depth > 200) {
        ADD_FAILURE() << "directory loop";
        return;
    }
    EXPECT_EQ(dir.size % 2048, 0u);
    std::uint32_t offset = 0;
    int index = 0;
    while (offset < dir.size) {
        const std::uint8_t* r = Sector(dir.lba + offset / 2048) + offset % 2048;
        if (r[0] == 0) { // rest of the sector is padding
            offset = (offset / 2048 + 1) * 2048;
            continue;
        }
        const std::uint8_t length = r[0];
        const std::uint8_t idLength = r[32];
        EXPECT_EQ(length % 2, 0);
        EXPECT_EQ(length, 33 + idLength + (idLength % 2 == 0 ? 1 : 0));
        EXPECT_LE(offset % 2048 + length, 2048u) << "record crosses a sector";
        EXPECT_EQ(Both16(r + 28), 1);
        IsoEntry e;
        e.lba = Both32(r + 2);
        e.size = Both32(r + 10);
        std::memcpy(e.date.data(), r + 18, 7);
        e.flags = r[25];
        e.directory = (e.flags & 2) != 0;
        if (index == 0) {
            EXPECT_TRUE(idLength == 1 && r[33] == 0) << "first record is not \".\"";
            EXPECT_EQ(e.lba, dir.lba);
        } else if (index == 1) {
            EXPECT_TRUE(idLength == 1 && r[33] == 1) << "second record is not \"..\"";
        } else {
            if (joliet) {
                EXPECT_EQ(idLength % 2, 0);
                e.name = DecodeUcs2(r + 33, idLength);
            } else {
                for (int i = 0; i < idLength; ++i)
                    e.name += static_cast<char16_t>(r[33 + i]);
            }
            if (e.directory) ReadDirectory(e, joliet, depth + 1);
            dir.children.push_back(std::move(e));
        }
        ++index;
        offset += length;
    }
}

std::vector<PathTableEntry> IsoImage::PathTable(bool joliet, bool bigEndian) const {
    const std::uint8_t* d = Descriptor(joliet);
    const std::uint32_t size = Both32(d + 132);
    std::uint32_t lba;
    if (bigEndian)
        lba = static_cast<std::uint32_t>(d[148]) << 24 | d[149] << 16 | d[150] << 8 | d[151];
    else
        lba = d[140] | d[141] << 8 | d[142] << 16 | static_cast<std::uint32_t>(d[143]) << 24;
    std::vector<PathTableEntry> out;
    if (std::uint64_t{lba} * 2048 + size > bytes_.size()) {
        ADD_FAILURE() << "path table beyond the image";
        return out;
    }
    // Records may run over a sector end; the extent is contiguous.
    const std::uint8_t* table = bytes_.data() + std::size_t{lba} * 2048;
    std::uint32_t pos = 0;
    while (pos < size) {
        const std::uint8_t* r = table + pos;
        PathTableEntry e;
        const std::uint8_t n = r[0];
        if (bigEndian) {
            e.lba = static_cast<std::uint32_t>(r[2]) << 24 | r[3] << 16 | r[4] << 8 | r[5];
            e.parent = static_cast<std::uint16_t>(r[6] << 8 | r[7]);
        } else {
            e.lba = r[2] | r[3] << 8 | r[4] << 16 | static_cast<std::uint32_t>(r[5]) << 24;
            e.parent = static_cast<std::uint16_t>(r[6] | r[7] << 8);
        }
        e.identifier.assign(reinterpret_cast<const char*>(r + 8), n);
        out.push_back(std::move(e));
        pos += 8 + n + (n % 2);
    }
    EXPECT_EQ(pos, size);
    return out;
}

std::string IsoImage::Data(const IsoEntry& file) const {
    if (file.size == 0) return {};
    EXPECT_LE(std::uint64_t{file.lba} * 2048 + file.size, bytes_.size());
    return std::string(reinterpret_cast<const char*>(Sector(file.lba)), file.size);
}

const IsoEntry* IsoImage::Find(const IsoEntry& root, const std::u16string& path) {
    const IsoEntry* e = &root;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = path.find(u'/', start);
        const std::u16string name =
            path.substr(start, slash == std::u16string::npos ? std::u16string::npos : slash - start);
        const IsoEntry* next = nullptr;
        for (const IsoEntry& c : e->children)
            if (c.name == name) next = &c;
        if (!next) return nullptr;
        e = next;
        if (slash == std::u16string::npos) break;
        start = slash + 1;
    }
    return e;
}

void IsoImage::Walk(const IsoEntry& root, const std::function<void(const IsoEntry&, int)>& visit, int depth) {
    for (const IsoEntry& c : root.children) {
        visit(c, depth);
        if (c.directory) Walk(c, visit, depth + 1);
    }
}

} // namespace quillon::discimage::test
