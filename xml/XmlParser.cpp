// The tolerant parser: splits off the declaration, then walks the text from tag to
// tag. End tags are matched by nesting depth only (FindEndTag), so nested content is
// scanned once per enclosing level. The walk keeps its own stack of open levels instead
// of recursing, so deep nesting costs time, never the call stack.

#include "XmlConvert.h"
#include "XmlDocument.h"
#include "XmlGuard.h"
#include "XmlParser.h"
#include "XmlPlatform.h"
#include "XmlUnicode.h"

#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr std::size_t npos = std::string_view::npos;

std::string BytesToText(std::string_view bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::u16string units;
        units.reserve(bytes.size() / 2);
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                        (static_cast<unsigned char>(bytes[i + 1]) << 8));
            if (unit == 0) break;
            units += unit;
        }
        return xmlconv::ToUtf8(units);
    }
    return std::string(bytes.substr(0, bytes.find('\0')));
}

std::optional<std::string> ReadWholeFile(std::FILE* file) {
    std::string bytes;
    char chunk[65536];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
        bytes.append(chunk, got);
        if (got < sizeof chunk) break;
    }
    if (std::ferror(file)) return std::nullopt;
    return bytes;
}

// What reading a source gave: its text, or why there is none.
struct SourceText {
    enum Outcome { Read, Missing, Unreadable } outcome = Unreadable;
    std::string text;
};

SourceText ReadFileText(const void* name, bool wide, XmlTransform* transform) {
    XmlOpenError error = XmlOpenError::Other;
    XmlFilePtr file = wide ? XmlOpenFileWide(static_cast<const char16_t*>(name), XmlFileMode::Read, &error)
                           : XmlOpenFile(static_cast<const char*>(name), XmlFileMode::Read, &error);
    if (!file) return {error == XmlOpenError::NotFound ? SourceText::Missing : SourceText::Unreadable, {}};
    std::optional<std::string> bytes = ReadWholeFile(file.get());
    if (!bytes) return {};
    if (transform) {
        const int size = bytes->size() > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(bytes->size());
        std::string output(static_cast<std::size_t>(size), '\0');
        int produced = transform->OnLoad(bytes->data(), size, output.data(), size);
        produced = produced < 0 ? 0 : (produced > size ? size : produced);
        output.resize(static_cast<std::size_t>(produced));
        bytes = std::move(output);
    }
    return {SourceText::Read, BytesToText(*bytes)};
}

class Parser {
  public:
    Parser(std::string_view text, XmlHeader& header, std::uint32_t& error)
        : s_(text), header_(header), error_(error) {}

    // ParseElements at the outermost level: the element that becomes the root, or null.
    std::unique_ptr<XmlElement> Run(std::size_t start);

  private:
    // One open level of ParseElements: its parent, the range it works in, its result.
    struct Frame {
        Frame(XmlElement* parentElement, std::size_t from, std::size_t to)
            : parent(parentElement), pos(from), end(to) {}
        XmlElement* parent;
        std::size_t pos;
        std::size_t end;
        XmlElement* result = nullptr;
        // The result while it is not yet among the parent's children (always, at the
        // outermost level, where it becomes the root).
        std::unique_ptr<XmlElement> pending;
        bool rootSeen = false;
    };

    struct EndTag {
        enum { NotFound, SelfClosed, Found } kind;
        std::size_t lt = 0; // the "<" of the end tag
    };

    std::size_t Find(char c, std::size_t from, std::size_t end) const {
        if (from >= end) return npos;
        const void* hit = std::memchr(s_.data() + from, c, end - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - s_.data()) : npos;
    }
    std::size_t Find(std::string_view what, std::size_t from, std::size_t end) const {
        if (from >= end) return npos;
        const std::size_t at = s_.substr(0, end).find(what, from);
        return at;
    }
    bool StartsWith(std::size_t at, std::string_view prefix, std::size_t end) const {
        return at + prefix.size() <= end && s_.compare(at, prefix.size(), prefix) == 0;
    }
    std::string Slice(std::size_t from, std::size_t to) const {
        return from < to ? std::string(s_.substr(from, to - from)) : std::string();
    }

    EndTag FindEndTag(std::size_t start, std::size_t end) const;
    void AddTrimmedContent(XmlElement* parent, std::size_t from, std::size_t to) const;
    // One construct of the frame on top; false when that frame has ended.
    bool Step(std::vector<Frame>& frames);

    std::string_view s_;
    XmlHeader& header_;
    std::uint32_t& error_;
};

Parser::EndTag Parser::FindEndTag(std::size_t start, std::size_t end) const {
    std::size_t pos = start;
    long depth = 0;
    for (;;) {
        const std::size_t lt = Find('<', pos, end);
        if (lt == npos) return {EndTag::NotFound};
        if (lt + 1 < end && s_[lt + 1] == '/') {
            const std::size_t gt = Find('>', lt, end);
            if (gt == npos) return {EndTag::NotFound};
            if (depth == 1) return {EndTag::Found, lt};
            --depth;
            pos = gt + 1;
            continue;
        }
        const bool inComment = StartsWith(lt, "<!--", end) || StartsWith(lt, "<?", end);
        const bool inCData = StartsWith(lt, "<![CDATA[", end);
        std::size_t stop;
        bool atSlash = false;
        if (inCData) {
            const std::size_t close = Find("]]>", lt, end);
            if (close == npos) return {EndTag::NotFound};
            stop = close + 2;
        } else {
            // To the next ">", or to a "/" outside double quotes (not in a comment).
            const std::size_t gt = Find('>', lt + 1, end);
            const std::size_t bound = gt == npos ? end : gt;
            stop = gt;
            bool quoted = false;
            for (std::size_t from = lt + 1; !inComment;) {
                const std::size_t quote = Find('"', from, bound);
                const std::size_t upTo = quote == npos ? bound : quote;
                if (!quoted) {
                    const std::size_t slash = Find('/', from, upTo);
                    if (slash != npos) {
                        stop = slash;
                        atSlash = true;
                        break;
                    }
                }
                if (quote == npos) break;
                quoted = !quoted;
                from = quote + 1;
            }
            if (stop == npos) return {EndTag::NotFound};
        }
        pos = stop + 1;
        if (inCData || inComment || atSlash) {
            if (depth == 0) return {EndTag::SelfClosed};
            continue;
        }
        ++depth;
    }
}

void Parser::AddTrimmedContent(XmlElement* parent, std::size_t from, std::size_t to) const {
    if (!parent) return;
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (from < to && blank(s_[from]))
        ++from;
    while (to > from && blank(s_[to - 1]))
        --to;
    if (from == to) return;
    // Already escaped in the file: kept in the stored form unchanged.
    const std::string text = Slice(from, to);
    parent->AddContent(std::make_unique<XmlContent>(text.c_str(), parent->GetChildCount(), true));
}

bool Parser::Step(std::vector<Frame>& frames) {
    Frame& f = frames.back();
    const std::size_t lt = Find('<', f.pos, f.end);
    if (lt == npos) {
        AddTrimmedContent(f.parent, f.pos, f.end);
        return false;
    }
    AddTrimmedContent(f.parent, f.pos, lt);

    std::size_t gt;
    if (StartsWith(lt, "<![CDATA", f.end)) {
        const std::size_t close = Find("]]>", lt, f.end);
        gt = close == npos ? npos : close + 2;
    } else {
        gt = Find('>', lt, f.end);
    }
    if (gt == npos) return false;

    if (StartsWith(lt, "<!--", f.end) || StartsWith(lt, "<?", f.end)) {
        // From the fifth byte to two bytes before ">": a comment's text, a processing
        // instruction clipped.
        const std::string text = gt >= 2 ? Slice(lt + 4, gt - 2) : std::string();
        if (f.parent)
            f.parent->AddComment(text.c_str(), f.parent->GetChildCount());
        else
            header_.AddComment(text.c_str(), f.rootSeen ? 1 : 0);
        f.pos = gt + 1;
        return true;
    }
    if (StartsWith(lt, "<![CDATA[", f.end)) {
        // Outside the root there is no element to hold it: dropped.
        if (f.parent) f.parent->AddCData(Slice(lt + 9, gt - 2).c_str(), f.parent->GetChildCount());
        f.pos = gt + 1;
        return true;
    }
    if (s_[lt + 1] == '/') {
        // A stray end tag with no element before it appends nothing.
        if (f.parent && f.pending) f.parent->AddChild(std::move(f.pending));
        f.pos = gt + 1;
        return true;
    }

    EndTag endTag{EndTag::SelfClosed};
    const bool emptyTag = gt > lt + 1 && s_[gt - 1] == '/';
    if (!emptyTag) endTag = FindEndTag(lt, f.end);
    if (endTag.kind == EndTag::NotFound) {
        error_ = XmlErrorMissingEndTag;
        return false;
    }
    if (endTag.kind == EndTag::SelfClosed) {
        // An empty-element tag, or a start tag that FindEndTag saw close itself (a "/"
        // outside quotes): either way it has no content.
        auto element = std::make_unique<XmlElement>(f.parent, s_.substr(lt + 1, gt - lt - 1), 0);
        f.rootSeen = true;
        if (f.parent) {
            XmlElement* added = element.get();
            f.parent->AddChild(std::move(element));
            if (!f.result) f.result = added;
        } else if (!f.result) {
            f.result = element.get();
            f.pending = std::move(element);
        }
        f.pos = gt + 1;
        return true;
    }

    auto element = std::make_unique<XmlElement>(f.parent, s_.substr(lt, gt - lt + 1), 0);
    f.result = element.get();
    f.pending = std::move(element);
    f.rootSeen = true;
    // Back at this level, parsing goes on at the end tag, which appends the element.
    f.pos = endTag.lt;
    const std::size_t contentStart = gt + 1;
    const std::size_t contentEnd = endTag.lt > contentStart ? endTag.lt : contentStart;
    XmlElement* parent = f.result;
    frames.emplace_back(parent, contentStart, contentEnd);
    return true;
}

std::unique_ptr<XmlElement> Parser::Run(std::size_t start) {
    std::vector<Frame> frames;
    frames.emplace_back(nullptr, start, s_.size());
    for (;;) {
        if (Step(frames)) continue;
        if (frames.size() == 1) return std::move(frames.back().pending);
        frames.pop_back();
    }
}

} // namespace

std::string XmlFileBytesToText(std::string_view bytes) noexcept {
    return BytesToText(bytes);
}

std::optional<std::string> XmlReadFileText(const char* name) noexcept {
    return XmlGuarded(std::optional<std::string>(), [&]() -> std::optional<std::string> {
        SourceText source = ReadFileText(name, false, nullptr);
        if (source.outcome != SourceText::Read) return std::nullopt;
        return std::move(source.text);
    });
}

int XmlDocument::Load(const void* source, int kind, XmlTransform* transform) noexcept {
    Close();
    errorCode_ = XmlErrorNone;
    wideName_ = false;
    try {
        LoadSource(source, kind, transform);
    } catch (const std::exception&) {
        // Only allocation can fail here (a source too large for memory): the document
        // is complete but forgets its file, which it could not have saved back whole.
        errorCode_ = XmlErrorNone;
        ForgetFileName();
        SetDefaultContent();
    }
    return 1;
}

void XmlDocument::SetDefaultContent() {
    header_ = std::make_unique<XmlHeader>(kXmlDefaultDeclaration);
    root_ = XmlElement::Create(nullptr, "root", 0);
}

void XmlDocument::LoadSource(const void* source, int kind, XmlTransform* transform) {
    SourceText read;
    if (kind == XmlSourceFile && source) {
        hasFileName_ = true;
        fileName_ = static_cast<const char*>(source);
        read = ReadFileText(source, false, transform);
    } else if (kind == XmlSourceWideFile && source) {
        const auto* name = static_cast<const char16_t*>(source);
        hasFileName_ = true;
        wideName_ = true;
        wideFileName_.assign(name, Utf16Length(name));
        read = ReadFileText(source, true, transform);
    } else if (kind == XmlSourceText && source && *static_cast<const char*>(source)) {
        read = {SourceText::Read, static_cast<const char*>(source)};
    }

    if (read.outcome != SourceText::Read) {
        // A file that does not exist yet keeps its name, so a later Save creates it. One
        // that exists but cannot be read must not be replaced by the default content.
        if (read.outcome == SourceText::Unreadable) ForgetFileName();
        SetDefaultContent();
        return;
    }
    if (transform) ForgetFileName();
    ParseText(read.text.c_str());
}

void XmlDocument::ParseText(const char* text) {
    const std::string_view s(text);
    header_ = std::make_unique<XmlHeader>();
    std::size_t start = 0;
    const std::size_t declarationEnd = s.find("?>");
    if (declarationEnd != npos) {
        header_->SetDeclaration(std::string(s.substr(0, declarationEnd + 2)));
        start = declarationEnd + 2;
    } else {
        ForgetFileName();
        errorCode_ = XmlErrorNoDeclaration;
        header_->SetDeclaration(std::string("\xEF\xBB\xBF") + kXmlDefaultDeclaration);
    }
    const std::size_t first = s.find('<', start);
    if (first == npos) {
        ForgetFileName();
        errorCode_ = XmlErrorNoDeclaration;
        root_ = XmlElement::Create(nullptr, "<root>", 0);
        return;
    }
    root_ = Parser(s, *header_, errorCode_).Run(first);
    // Saving back what an incomplete load left would destroy the rest of the file.
    if (!root_ || errorCode_ == XmlErrorMissingEndTag) ForgetFileName();
}
