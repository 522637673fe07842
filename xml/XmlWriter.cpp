// The writer: exact bytes of the library's layout (CRLF line ends, one indentation unit
// per level, "/>" without blank), to a UTF-8 file, a UTF-16LE file or memory. The text
// is composed in memory first; the walk over the tree keeps its own stack.

#include "XmlDocument.h"
#include "XmlEncode.h"
#include "XmlPlatform.h"
#include "XmlUnicode.h"

#include <algorithm>
#include <cstring>
#include <vector>

class XmlTreeWriter {
  public:
    XmlTreeWriter(std::string& out, bool withChildren, bool raw, int kind)
        : out_(out), withChildren_(withChildren), raw_(raw), memory_(kind == XmlOutputMemory) {}

    void WriteHeader(const XmlHeader& header, int part);
    void WriteElement(XmlElement* element, int depth);

  private:
    enum Kind { Comments, Contents, CData, KindCount };

    struct Frame {
        Frame(XmlElement* e, int level) : element(e), depth(level) {}
        XmlElement* element;
        int depth;
        bool inlineCase = false;
        int next = 0;
        // Per kind: item indexes in writing order, and how many are written.
        std::vector<int> order[KindCount];
        std::size_t written[KindCount] = {};
    };

    void Indent(const XmlElement& element, int depth);
    void PutStored(const std::string& stored) {
        if (raw_ || XmlDecodeIsIdentity(stored))
            out_ += stored;
        else
            out_ += XmlDecodeString(stored);
    }
    bool Open(Frame& frame);
    void PrepareOrder(Frame& frame);
    int KeyOf(const XmlElement& element, Kind kind, int index) const;
    void WriteItem(const Frame& frame, Kind kind, int index);
    void WriteItemsUpTo(Frame& frame, int child);
    void WriteRemainingItems(Frame& frame);
    void Close(const Frame& frame);

    std::string& out_;
    bool withChildren_;
    bool raw_;
    bool memory_;
};

void XmlTreeWriter::WriteHeader(const XmlHeader& header, int part) {
    if (part == 0) {
        out_ += header.GetDeclaration();
        out_ += "\r\n";
    }
    for (int i = 0; i < header.GetCommentCount(); ++i) {
        const XmlComment* comment = header.GetComment(i);
        if (comment->GetPosition() == part) {
            out_ += "<!--";
            out_ += comment->GetText();
            out_ += "-->\r\n";
        }
    }
}

void XmlTreeWriter::Indent(const XmlElement& element, int depth) {
    const XmlFormat& format = element.format_;
    const int count = std::clamp(format.indentCount, 0, XmlElement::kMaxIndentCount);
    out_.append(static_cast<std::size_t>(count) * static_cast<std::size_t>(depth),
                format.indentWithSpaces ? ' ' : '\t');
}

int XmlTreeWriter::KeyOf(const XmlElement& element, Kind kind, int index) const {
    const auto& extras = *element.extras_;
    const std::size_t i = static_cast<std::size_t>(index);
    const int position = kind == Comments   ? extras.comments[i]->GetPosition()
                         : kind == Contents ? extras.contents[i]->GetPosition()
                                            : extras.cdata[i]->GetPosition();
    return std::clamp(position, 0, element.GetChildCount());
}

// An item goes before the first child whose index is at least its position, so
// ordering each kind by that (stably) lets a cursor replace a scan per child.
void XmlTreeWriter::PrepareOrder(Frame& frame) {
    const XmlElement& e = *frame.element;
    const int counts[KindCount] = {e.GetCommentCount(), e.GetContentCount(), e.GetCDataCount()};
    const bool byPosition = withChildren_ && e.GetChildCount() > 0;
    for (int k = 0; k < KindCount; ++k) {
        auto& order = frame.order[k];
        order.resize(static_cast<std::size_t>(counts[k]));
        for (int i = 0; i < counts[k]; ++i)
            order[static_cast<std::size_t>(i)] = i;
        if (byPosition)
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                return KeyOf(e, static_cast<Kind>(k), a) < KeyOf(e, static_cast<Kind>(k), b);
            });
    }
}

void XmlTreeWriter::WriteItem(const Frame& frame, Kind kind, int index) {
    const XmlElement& e = *frame.element;
    const auto& extras = *e.extras_;
    const std::size_t i = static_cast<std::size_t>(index);
    if (kind == Contents && e.format_.inlineText) {
        PutStored(extras.contents[i]->StoredText());
        return;
    }
    Indent(e, frame.depth + 1);
    switch (kind) {
    case Comments:
        out_ += "<!--";
        out_ += extras.comments[i]->GetText();
        out_ += "-->";
        break;
    case CData:
        out_ += "<![CDATA[";
        out_ += extras.cdata[i]->GetText();
        out_ += "]]>";
        break;
    default: PutStored(extras.contents[i]->StoredText()); break;
    }
    out_ += "\r\n";
}

void XmlTreeWriter::WriteItemsUpTo(Frame& frame, int child) {
    for (Kind kind : {Comments, Contents, CData}) {
        auto& order = frame.order[kind];
        std::size_t& done = frame.written[kind];
        while (done < order.size() && KeyOf(*frame.element, kind, order[done]) <= child)
            WriteItem(frame, kind, order[done++]);
    }
}

void XmlTreeWriter::WriteRemainingItems(Frame& frame) {
    for (Kind kind : {Comments, CData, Contents}) {
        auto& order = frame.order[kind];
        std::size_t& done = frame.written[kind];
        while (done < order.size())
            WriteItem(frame, kind, order[done++]);
    }
}

// Start tag; true when the element has a body to write.
bool XmlTreeWriter::Open(Frame& frame) {
    XmlElement& e = *frame.element;
    e.SwapInChildren();
    Indent(e, frame.depth);
    out_ += '<';
    PutStored(e.name_);
    for (const auto& variable : e.variables_) {
        out_ += ' ';
        PutStored(variable->StoredName());
        out_ += "=\"";
        PutStored(variable->StoredValue());
        out_ += '"';
    }
    const int items = e.GetCommentCount() + e.GetContentCount() + e.GetCDataCount();
    if (!(e.GetChildCount() > 0 && withChildren_) && items == 0) {
        out_ += "/>\r\n";
        return false;
    }
    frame.inlineCase = e.format_.inlineText && e.GetContentCount() == 1 && e.GetCommentCount() == 0 &&
                       e.GetCDataCount() == 0 && e.GetChildCount() == 0;
    out_ += frame.inlineCase && !memory_ ? ">" : ">\r\n";
    if (items > 0) PrepareOrder(frame);
    if (!withChildren_) frame.next = e.GetChildCount();
    return true;
}

void XmlTreeWriter::Close(const Frame& frame) {
    if (!frame.inlineCase) Indent(*frame.element, frame.depth);
    out_ += "</";
    PutStored(frame.element->name_);
    out_ += ">\r\n";
}

void XmlTreeWriter::WriteElement(XmlElement* element, int depth) {
    std::vector<Frame> stack;
    stack.emplace_back(element, depth);
    if (!Open(stack.back())) return;
    while (!stack.empty()) {
        Frame& frame = stack.back();
        XmlElement& e = *frame.element;
        if (frame.next < e.GetChildCount()) {
            const int m = frame.next++;
            WriteItemsUpTo(frame, m);
            XmlElement* child = e.GetChild(m);
            if (!child) continue; // could not be swapped in
            Frame childFrame(child, frame.depth + 1);
            if (Open(childFrame)) stack.push_back(std::move(childFrame));
            continue;
        }
        WriteRemainingItems(frame);
        Close(frame);
        stack.pop_back();
    }
}

namespace {

std::string ComposeText(XmlElement* element, XmlHeader* header, bool withChildren, bool raw, int kind) {
    std::string text;
    XmlTreeWriter writer(text, withChildren, raw, kind);
    if (header) writer.WriteHeader(*header, 0);
    if (element) writer.WriteElement(element, 0);
    if (header) writer.WriteHeader(*header, 1);
    return text;
}

std::string ToUtf16Bytes(const std::string& utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

bool PutBytes(std::FILE* file, const std::string& bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

// Write's three steps (header part 0, element, header part 1) to target.
int WriteTo(void* target, XmlElement* element, XmlHeader* header, bool withChildren, bool raw, int kind,
            XmlTransform* transform) {
    if (!target) return 0;
    if (transform) {
        const std::string text = ComposeText(element, header, withChildren, raw, XmlOutputMemory);
        const std::size_t estimate = element ? element->EstimateSize() : 0;
        const std::size_t capacity = std::min<std::size_t>(std::max(estimate, text.size()) + 100, 0x7FFFFFFF);
        std::string output(capacity, '\0');
        const int inputLength = static_cast<int>(std::min<std::size_t>(text.size(), 0x7FFFFFFF));
        int produced = transform->OnSave(text.data(), inputLength, output.data(), static_cast<int>(capacity));
        produced = std::clamp(produced, 0, static_cast<int>(capacity));
        output.resize(static_cast<std::size_t>(produced));
        if (kind == XmlOutputUtf8File) return PutBytes(static_cast<std::FILE*>(target), output) ? 1 : 0;
        if (kind == XmlOutputMemory) {
            std::memcpy(target, output.data(), output.size());
            static_cast<char*>(target)[output.size()] = '\0';
            return 1;
        }
        return 0;
    }
    const std::string text = ComposeText(element, header, withChildren, raw, kind);
    switch (kind) {
    case XmlOutputUtf8File: return PutBytes(static_cast<std::FILE*>(target), text) ? 1 : 0;
    case XmlOutputUtf16File: return PutBytes(static_cast<std::FILE*>(target), ToUtf16Bytes(text)) ? 1 : 0;
    case XmlOutputMemory: {
        char* buffer = static_cast<char*>(target);
        std::memcpy(buffer + std::strlen(buffer), text.c_str(), text.size() + 1);
        return 1;
    }
    default: return 0;
    }
}

} // namespace

int XmlElement::Write(void* target, bool withChildren, bool raw, int outputKind, XmlHeader* header,
                      XmlTransform* transform) {
    return WriteTo(target, this, header, withChildren, raw, outputKind, transform);
}

std::string XmlElement::WriteToString(bool withChildren, bool raw, XmlHeader* header) {
    return ComposeText(this, header, withChildren, raw, XmlOutputMemory);
}

std::string XmlDocument::SaveToString(bool raw) {
    return ComposeText(root_.get(), header_.get(), true, raw, XmlOutputMemory);
}

int XmlDocument::Save(const void* target, bool raw, int outputKind, XmlTransform* transform,
                      int /*reserved*/) {
    if (!header_ && !root_) return 0; // closed: nothing to save
    if (outputKind == XmlOutputMemory) {
        if (!target) return 0;
        return WriteTo(const_cast<void*>(target), root_.get(), header_.get(), true, raw, outputKind,
                       transform);
    }
    if (outputKind != XmlOutputUtf8File && outputKind != XmlOutputUtf16File) return 0;
    // What a transform makes of the text is not UTF-16, so that pairing is refused
    // before anything is touched.
    if (outputKind == XmlOutputUtf16File && transform) return 0;
    if (!target) {
        if (!hasFileName_) return 0;
        target = wideName_ ? static_cast<const void*>(wideFileName_.c_str()) : fileName_.c_str();
    }
    XmlFilePtr file = wideName_ ? XmlOpenFileWide(static_cast<const char16_t*>(target), XmlFileMode::Write)
                                : XmlOpenFile(static_cast<const char*>(target), XmlFileMode::Write);
    if (!file) return 0;
    if (!header_) header_ = std::make_unique<XmlHeader>();
    bool ok = true;
    if (outputKind == XmlOutputUtf16File) {
        ok = PutBytes(file.get(), "\xFF\xFE");
        header_->SetEncoding("UTF-16");
    } else {
        header_->SetEncoding("UTF-8");
    }
    ok = WriteTo(file.get(), root_.get(), header_.get(), true, raw, outputKind, transform) == 1 && ok;
    return XmlCloseWritten(std::move(file)) && ok ? 1 : 0;
}
