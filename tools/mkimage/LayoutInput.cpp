#include "LayoutInput.h"

#include "FileSource.h"
#include "ImageWriter.h"
#include "TextConversion.h"

#ifdef QUILLON_MKISO_LAYOUT
#include "XmlDocument.h"
#include "XmlElement.h"
#include "XmlItems.h"
#endif

#include <vector>

namespace quillon::mkiso {

namespace di = quillon::discimage;

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
bool AddElements(di::FileSystemImage& image, XmlElement& top, Progress& progress, std::string* error) {
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

        di::Status s = di::status::Ok;
        if (kind == 0) {
            const std::string source = Value(*child, "a");
            bool ok = false;
            const std::filesystem::path sourcePath = SourcePath(source, &ok);
            if (source.empty() || !ok) {
                *error = "layout file \"" + shown + "\": no usable source path (a)";
                return false;
            }
            s = image.AddFile(path, std::make_shared<di::FileSource>(sourcePath));
            if (di::Failed(s)) {
                *error = "layout file \"" + shown + "\" from " + source + ": " + di::DescribeStatus(s);
                return false;
            }
        } else if (kind == 1) {
            s = image.AddDirectory(path);
            if (di::Failed(s)) {
                *error = "layout folder \"" + shown + "\": " + di::DescribeStatus(s);
                return false;
            }
            stack.push_back({child, 0, std::move(path)}); // invalidates level
        }
        // Other kinds are not items; the engine skips them too.
        progress.Counting("Adding", ++count);
    }
    return true;
}

} // namespace

bool AddLayoutFile(di::FileSystemImage& image, const std::filesystem::path& file, Progress& progress,
                   std::string* error) {
#ifdef _WIN32
    auto document = XmlDocument::OpenWide(file.c_str());
#else
    auto document = XmlDocument::Open(file.c_str(), XmlSourceFile);
#endif
    // The library reads anything; a lost end tag is the one fault it reports.
    if (!document || document->GetErrorCode() == XmlErrorMissingEndTag || !document->GetRoot()) {
        *error = di::PathForDisplay(file) + ": not a well-formed layout file (an end tag is missing)";
        return false;
    }
    return AddElements(image, *document->GetRoot(), progress, error);
}

#else

bool AddLayoutFile(di::FileSystemImage&, const std::filesystem::path& file, Progress&, std::string* error) {
    *error = di::PathForDisplay(file) + ": layout files need the XML library, which this build leaves out";
    return false;
}

#endif

} // namespace quillon::mkiso
