#include "LayoutInput.h"

#include "Failure.h"
#include "FileSource.h"
#include "ImageWriter.h"
#include "NativeFile.h"
#include "TextConversion.h"

#ifdef QUILLON_MKISO_LAYOUT
#include "XmlDocument.h"
#include "XmlElement.h"
#include "XmlItems.h"
#endif

#include <vector>

namespace quillon::mkiso {

namespace di = quillon::discimage;

namespace {

constexpr std::size_t kReadChunk = 1 << 20;

bool NotALayout(const std::filesystem::path& file, const char* why, std::string* error) {
    *error = di::PathForDisplay(file) + ": not a layout file: " + why;
    return false;
}

} // namespace

bool ReadLayoutText(const std::filesystem::path& file, std::string* text, std::string* error) {
    int err = 0;
    di::NativeFile in = di::NativeFile::OpenForReading(file, &err);
    if (!in.IsOpen()) {
        *error = di::PathForDisplay(file) + ": cannot be opened: " + di::ErrorText(err);
        return false;
    }
    // Read to the end rather than to the size the system tells: some files (those
    // of /proc) say 0 and have content, others cannot be read at all.
    text->clear();
    for (;;) {
        const std::size_t at = text->size();
        text->resize(at + kReadChunk);
        std::size_t done = 0;
        if (!in.ReadAt(at, text->data() + at, kReadChunk, &done, &err)) {
            *error = di::PathForDisplay(file) + ": cannot be read: " + di::ErrorText(err);
            return false;
        }
        text->resize(at + done);
        if (done < kReadChunk) break;
    }

    // The XML library takes any bytes and stops at a NUL; a layout must be text.
    if (text->find('\0') != std::string::npos)
        return NotALayout(file, "it is not UTF-8 text: it holds NUL bytes", error);
    std::u16string wide;
    if (!di::Utf8ToUtf16(*text, &wide)) return NotALayout(file, "it is not UTF-8 text", error);
    std::size_t start = text->compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    start = text->find_first_not_of(" \t\r\n", start);
    if (start == std::string::npos) return NotALayout(file, "it is empty", error);
    if ((*text)[start] != '<') return NotALayout(file, "it does not start with an XML tag", error);
    return true;
}

#ifdef QUILLON_MKISO_LAYOUT

namespace {

// A variable's decoded value; a missing variable counts as empty, as the engine
// reads it.
std::string Value(XmlElement& element, const char* name) {
    const XmlVariable* v = element.FindVariable(name, false);
    return v ? v->GetValueText(false) : std::string();
}

int Kind(XmlElement& element) {
    const XmlVariable* v = element.FindVariable("t", false);
    return v ? v->GetValueInt() : 0;
}

std::filesystem::path SourcePath(const std::string& utf8, bool* ok) {
#ifdef _WIN32
    std::u16string wide;
    *ok = di::Utf8ToUtf16(utf8, &wide);
    return std::filesystem::path(std::wstring(wide.begin(), wide.end()));
#else
    *ok = true;
    return std::filesystem::path(utf8);
#endif
}

// Walks the layout with a stack of its own, so a deeply nested file cannot
// exhaust the call stack. Folders are added before their content, in layout order.
bool AddElements(di::FileSystemImage& image, XmlElement& top, const OutputGuard& output, Progress& progress,
                 std::string* error) {
    struct Level {
        XmlElement* element;
        int next;
        std::u16string prefix;
    };
    std::vector<Level> stack{{&top, 0, u""}};
    std::uint64_t count = 0;
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.next >= level.element->GetChildCount()) {
            stack.pop_back();
            continue;
        }
        if (g_cancelled) {
            *error = "interrupted";
            return false;
        }
        XmlElement* child = level.element->GetChild(level.next++);
        if (!child) continue;
        const int kind = Kind(*child);
        const std::string name = Value(*child, "n");
        std::u16string wideName;
        if (!di::Utf8ToUtf16(name, &wideName)) {
            *error = "layout item \"" + name + "\": the name is not valid UTF-8";
            return false;
        }
        std::u16string path = level.prefix;
        if (!path.empty()) path.push_back(u'\\');
        path += wideName;
        const std::string shown = di::Utf16ToUtf8Lossy(path);

        // Other kinds are not items; the engine skips them too.
        if (kind != 0 && kind != 1) continue;
        const char* what = kind == 0 ? "layout file" : "layout folder";
        // A name is one item: separators in it would reach into other folders.
        di::Status s = image.CheckFileItemName(wideName);
        if (di::Failed(s)) {
            *error = std::string(what) + " \"" + shown + "\": the name \"" + name +
                     "\" cannot be an item of the image: " + DescribeFailure(image, s);
            return false;
        }
        if (kind == 0) {
            const std::string source = Value(*child, "a");
            bool ok = false;
            const std::filesystem::path sourcePath = SourcePath(source, &ok);
            if (source.empty() || !ok) {
                *error = "layout file \"" + shown + "\": no usable source path (a)";
                return false;
            }
            if (output.IsOutput(sourcePath)) {
                *error = "layout file \"" + shown + "\": " + InputIsOutput(sourcePath);
                return false;
            }
            s = image.AddFile(path, std::make_shared<di::FileSource>(sourcePath));
            if (di::Failed(s)) {
                *error = "layout file \"" + shown + "\" from " + source + ": " + DescribeFailure(image, s);
                return false;
            }
        } else {
            s = image.AddDirectory(path);
            if (di::Failed(s)) {
                *error = "layout folder \"" + shown + "\": " + DescribeFailure(image, s);
                return false;
            }
            stack.push_back({child, 0, std::move(path)}); // invalidates level
        }
        progress.Counting("Adding", ++count);
    }
    return true;
}

} // namespace

bool AddLayoutFile(di::FileSystemImage& image, const std::filesystem::path& file, const OutputGuard& output,
                   Progress& progress, std::string* error) {
    std::string text;
    if (!ReadLayoutText(file, &text, error)) return false;
    // The library makes up a root when no tag follows the declaration.
    const std::size_t declarationEnd = text.find("?>");
    if (declarationEnd != std::string::npos && text.find('<', declarationEnd + 2) == std::string::npos)
        return NotALayout(file, "it holds no root element", error);
    XmlDocument document;
    document.LoadText(text.c_str());
    if (document.GetErrorCode() == XmlErrorMissingEndTag) {
        *error = di::PathForDisplay(file) + ": not a well-formed layout file (an end tag is missing)";
        return false;
    }
    XmlElement* root = document.GetRoot();
    if (!root || root->StoredName().empty()) return NotALayout(file, "it holds no root element", error);
    return AddElements(image, *root, output, progress, error);
}

#else

bool AddLayoutFile(di::FileSystemImage&, const std::filesystem::path& file, const OutputGuard&, Progress&,
                   std::string* error) {
    *error = di::PathForDisplay(file) + ": layout files need the XML library, which this build leaves out";
    return false;
}

#endif

} // namespace quillon::mkiso
