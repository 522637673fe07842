#include "FolderInput.h"

#include "Failure.h"
#include "ImageWriter.h"

#include "FileSource.h"
#include "TextConversion.h"

#include <algorithm>
#include <system_error>
#include <vector>

namespace quillon::mkiso {

namespace di = quillon::discimage;

bool NameOf(const std::filesystem::path& path, std::u16string* name) {
#ifdef _WIN32
    const std::wstring w = path.filename().native();
    name->assign(w.begin(), w.end());
    return true;
#else
    return di::Utf8ToUtf16(path.filename().native(), name);
#endif
}

namespace {

class FolderWalker {
  public:
    FolderWalker(di::FileSystemImage& image, const OutputGuard& output, Progress& progress,
                 std::string* error)
        : image_(image), output_(output), progress_(progress), error_(*error) {}

    bool Walk(const std::filesystem::path& folder, const std::u16string& imagePath) {
        std::error_code ec;
        const std::filesystem::path canonical = std::filesystem::canonical(folder, ec);
        if (ec) return Fail(folder, ec.message());
        // A link back to a folder being walked would never end.
        if (std::find(ancestors_.begin(), ancestors_.end(), canonical) != ancestors_.end())
            return Fail(folder, "symbolic link loop");
        ancestors_.push_back(canonical);

        std::vector<std::filesystem::directory_entry> entries;
        std::filesystem::directory_iterator it(folder, ec), end;
        for (; !ec && it != end; it.increment(ec))
            entries.push_back(*it);
        if (ec) return Fail(folder, "cannot be listed: " + ec.message());
        // Sorted, so the same folder always gives the same image.
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });

        for (const auto& entry : entries) {
            const std::filesystem::path& path = entry.path();
            if (g_cancelled) return Fail(path, "interrupted");
            std::u16string name;
            if (!NameOf(path, &name)) return Fail(path, "the name is not valid UTF-8");
            const std::u16string itemPath = imagePath.empty() ? name : imagePath + u"\\" + name;
            const auto type = std::filesystem::status(path, ec).type(); // follows links
            if (ec) return Fail(path, ec.message());
            if (type == std::filesystem::file_type::directory) {
                di::ItemOptions options;
                options.modified = di::FileModificationTime(path);
                if (!Added(path, image_.AddDirectory(itemPath, options))) return false;
                if (!Walk(path, itemPath)) return false;
            } else if (type == std::filesystem::file_type::regular) {
                if (output_.IsOutput(path)) {
                    error_ = InputIsOutput(path);
                    return false;
                }
                auto source = std::make_shared<di::FileSource>(path);
                if (!Added(path, image_.AddFile(itemPath, source))) return false;
            } else {
                return Fail(path, "not a regular file or folder");
            }
            progress_.Counting("Adding", ++count_);
        }
        ancestors_.pop_back();
        return true;
    }

  private:
    bool Fail(const std::filesystem::path& path, const std::string& what) {
        error_ = di::PathForDisplay(path) + ": " + what;
        return false;
    }

    bool Added(const std::filesystem::path& path, di::Status s) {
        if (!di::Failed(s)) return true;
        return Fail(path, DescribeFailure(image_, s));
    }

    di::FileSystemImage& image_;
    const OutputGuard& output_;
    Progress& progress_;
    std::string& error_;
    std::vector<std::filesystem::path> ancestors_;
    std::uint64_t count_ = 0;
};

} // namespace

bool AddFolder(di::FileSystemImage& image, const std::filesystem::path& folder, const OutputGuard& output,
               Progress& progress, std::string* error) {
    if (auto t = di::FileModificationTime(folder))
        (void)image.SetModificationTime(u"", *t); // the root always takes it
    FolderWalker walker(image, output, progress, error);
    return walker.Walk(folder, u"");
}

} // namespace quillon::mkiso
