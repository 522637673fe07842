// The writer: exact bytes of the library's layout (CRLF line ends, one indentation unit
// per level, "/>" without blank), to a UTF-8 file, a UTF-16LE file or memory. The text
// is composed in memory first, so a target is touched only once all of it exists; the
// walk over the tree keeps its own stack. The same walk can only count the bytes, which
// is how EstimateSize knows the exact size.

#include "XmlConvert.h"
#include "XmlDocument.h"
#include "XmlEncode.h"
#include "XmlGuard.h"
#include "XmlPlatform.h"
#include "XmlUnicode.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

class XmlTreeWriter {
  public:
    // out null: only count the bytes.
    XmlTreeWriter(std::string* out, bool withChildren, bool raw, int kind)
        : out_(out), withChildren_(withChildren), raw_(raw), memory_(kind == XmlOutputMemory) {}

    void WriteHeader(const XmlHeader& header, int part);
    void WriteElement(XmlElement* element, int depth);
    // False once a child to be written was swapped out and could not be restored.
    bool Complete() const { return complete_; }
    std::uint64_t Length() const { return length_; }

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
    void Put(std::string_view text) {
        length_ += text.size();
        if (out_) out_->append(text);
    }
    void Put(char c) {
        ++length_;
        if (out_) out_->push_back(c);
    }
    void PutStored(const std::string& stored) {
        if (raw_ || XmlDecodeIsIdentity(stored))
            Put(stored);
        else
            Put(XmlDecodeString(stored));
    }
    bool Open(Frame& frame);
    void PrepareOrder(Frame& frame);
    int KeyOf(const XmlElement& element, Kind kind, int index) const;
    void WriteItem(const Frame& frame, Kind kind, int index);
    void WriteItemsUpTo(Frame& frame, int child);
    void WriteRemainingItems(Frame& frame);
    void Close(const Frame& frame);

    std::string* out_;
    std::uint64_t length_ = 0;
    bool withChildren_;
    bool raw_;
    bool memory_;
    bool complete_ = true;
};

void XmlTreeWriter::WriteHeader(const XmlHeader& header, int part) {
    if (part == 0) {
        Put(header.GetDeclaration());
        Put("\r\n");
    }
    for (int i = 0; i < header.GetCommentCount(); ++i) {
        const XmlComment* comment = header.GetComment(i);
        if (comment->GetPosition() == part) {
            Put("<!--");
            Put(comment->GetText());
            Put("-->\r\n");
        }
    }
}

void XmlTreeWriter::Indent(const XmlElement& element, int depth) {
    const XmlFormat& format = element.format_;
    const int count = std::clamp(format.indentCount, 0, XmlElement::kMaxIndentCount);
    const std::size_t n = static_cast<std::size_t>(count) * static_cast<std::size_t>(depth);
    length_ += n;
    if (out_) out_->append(n, format.indentWithSpaces ? ' ' : '\t');
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
        Put("<!--");
        Put(extras.comments[i]->GetText());
        Put("-->");
        break;
    case CData:
        Put("<![CDATA[");
        Put(extras.cdata[i]->GetText());
        Put("]]>");
        break;
    default: PutStored(extras.contents[i]->StoredText()); break;
    }
    Put("\r\n");
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
    if (!e.SwapInChildren() && withChildren_) complete_ = false;
    Indent(e, frame.depth);
    Put('<');
    PutStored(e.name_);
    for (const auto& variable : e.variables_) {
        Put(' ');
        PutStored(variable->StoredName());
        Put("=\"");
        PutStored(variable->StoredValue());
        Put('"');
    }
    const int items = e.GetCommentCount() + e.GetContentCount() + e.GetCDataCount();
    if (!(e.GetChildCount() > 0 && withChildren_) && items == 0) {
        Put("/>\r\n");
        return false;
    }
    frame.inlineCase = e.format_.inlineText && e.GetContentCount() == 1 && e.GetCommentCount() == 0 &&
                       e.GetCDataCount() == 0 && e.GetChildCount() == 0;
    Put(frame.inlineCase && !memory_ ? ">" : ">\r\n");
    if (items > 0) PrepareOrder(frame);
    if (!withChildren_) frame.next = e.GetChildCount();
    return true;
}

void XmlTreeWriter::Close(const Frame& frame) {
    if (!frame.inlineCase) Indent(*frame.element, frame.depth);
    Put("</");
    PutStored(frame.element->name_);
    Put(">\r\n");
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
            if (!child) continue; // could not be swapped in: Complete() says so
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

// The text of Write's three steps (header part 0, element, header part 1); nothing when
// a swapped-out child could not be restored.
std::optional<std::string> ComposeText(XmlElement* element, XmlHeader* header, bool withChildren, bool raw,
                                       int kind) {
    std::string text;
    XmlTreeWriter writer(&text, withChildren, raw, kind);
    if (header) writer.WriteHeader(*header, 0);
    if (element) writer.WriteElement(element, 0);
    if (header) writer.WriteHeader(*header, 1);
    if (!writer.Complete()) return std::nullopt;
    return text;
}

std::string ToUtf16Bytes(const std::string& utf8) {
    const std::u16string units = xmlconv::ToUtf16(utf8);
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

// The bytes that go to a target of the given kind: the text (UTF-16 for kind 3), or
// what the transform made of it. Nothing when there is nothing to write.
std::optional<std::string> Render(XmlElement* element, XmlHeader* header, bool withChildren, bool raw,
                                  int kind, XmlTransform* transform) {
    if (transform) {
        if (kind != XmlOutputUtf8File && kind != XmlOutputMemory) return std::nullopt;
        const std::optional<std::string> text =
            ComposeText(element, header, withChildren, raw, XmlOutputMemory);
        if (!text) return std::nullopt;
        const std::size_t estimate = element ? element->EstimateSize() : 0;
        const std::size_t capacity =
            std::min<std::size_t>(std::max(estimate, text->size()) + 100, 0x7FFFFFFF);
        std::string output(capacity, '\0');
        const int inputLength = static_cast<int>(std::min<std::size_t>(text->size(), 0x7FFFFFFF));
        int produced =
            transform->OnSave(text->data(), inputLength, output.data(), static_cast<int>(capacity));
        produced = std::clamp(produced, 0, static_cast<int>(capacity));
        output.resize(static_cast<std::size_t>(produced));
        return output;
    }
    if (kind != XmlOutputUtf8File && kind != XmlOutputUtf16File && kind != XmlOutputMemory)
        return std::nullopt;
    std::optional<std::string> text = ComposeText(element, header, withChildren, raw, kind);
    if (text && kind == XmlOutputUtf16File) return ToUtf16Bytes(*text);
    return text;
}

// Write's three steps to target.
int WriteTo(void* target, XmlElement* element, XmlHeader* header, bool withChildren, bool raw, int kind,
            XmlTransform* transform) {
    if (!target) return 0;
    return XmlGuarded(0, [&] {
        const std::optional<std::string> bytes = Render(element, header, withChildren, raw, kind, transform);
        if (!bytes) return 0;
        if (kind != XmlOutputMemory) return PutBytes(static_cast<std::FILE*>(target), *bytes) ? 1 : 0;
        // Without a transform the text is appended to what the buffer holds; the
        // transform's output replaces it.
        char* buffer = static_cast<char*>(target);
        if (!transform) buffer += std::strlen(buffer);
        std::memcpy(buffer, bytes->data(), bytes->size());
        buffer[bytes->size()] = '\0';
        return 1;
    });
}

} // namespace

std::uint32_t XmlElement::EstimateSize() noexcept {
    return XmlGuarded(std::uint32_t{UINT32_MAX}, [&] {
        // The bytes the memory target receives, raw (the longer form), and the
        // terminator; counting swaps the children in first, so the formula sees them too.
        XmlTreeWriter counter(nullptr, true, true, XmlOutputMemory);
        counter.WriteElement(this, 0);
        // The sizing formula the library has always used falls short of deep or widely
        // indented trees, so it only sets a floor.
        std::uint64_t formula = 0;
        std::vector<const XmlElement*> pending{this};
        while (!pending.empty()) {
            const XmlElement* e = pending.back();
            pending.pop_back();
            formula += 104 + e->name_.size();
            for (const auto& variable : e->variables_)
                formula += variable->StoredName().size() + variable->StoredValue().size() + 12;
            if (e->extras_) {
                for (const auto& item : e->extras_->comments)
                    formula += item->GetText().size() + 12;
                for (const auto& item : e->extras_->contents)
                    formula += item->StoredText().size() + 12;
                for (const auto& item : e->extras_->cdata)
                    formula += item->GetText().size() + 12;
            }
            formula += 4ull * (static_cast<std::uint64_t>(e->childCapacity_) + e->variableCapacity_ +
                               e->GetCommentCapacity() + e->GetContentCapacity() + e->GetCDataCapacity());
            for (const XmlElement* child : e->children_)
                if (child) pending.push_back(child);
        }
        const std::uint64_t total = std::max(formula, counter.Length() + 1);
        return total > UINT32_MAX ? std::uint32_t{UINT32_MAX} : static_cast<std::uint32_t>(total);
    });
}

int XmlElement::Write(void* target, bool withChildren, bool raw, int outputKind, XmlHeader* header,
                      XmlTransform* transform) noexcept {
    return WriteTo(target, this, header, withChildren, raw, outputKind, transform);
}

std::string XmlElement::WriteToString(bool withChildren, bool raw, XmlHeader* header) noexcept {
    return XmlGuarded(std::string(), [&] {
        return ComposeText(this, header, withChildren, raw, XmlOutputMemory).value_or(std::string());
    });
}

std::string XmlDocument::SaveToString(bool raw) noexcept {
    return XmlGuarded(std::string(), [&] {
        return ComposeText(root_.get(), header_.get(), true, raw, XmlOutputMemory).value_or(std::string());
    });
}

int XmlDocument::Save(std::nullptr_t, bool raw, int outputKind, XmlTransform* transform,
                      int /*reserved*/) noexcept {
    if (!hasFileName_ || outputKind == XmlOutputMemory) return 0;
    return wideName_ ? SaveToFile(wideFileName_.c_str(), true, raw, outputKind, transform)
                     : SaveToFile(fileName_.c_str(), false, raw, outputKind, transform);
}

int XmlDocument::Save(char* target, bool raw, int outputKind, XmlTransform* transform,
                      int reserved) noexcept {
    if (outputKind != XmlOutputMemory)
        return Save(static_cast<const char*>(target), raw, outputKind, transform, reserved);
    if (!target || (!header_ && !root_)) return 0;
    return WriteTo(target, root_.get(), header_.get(), true, raw, outputKind, transform);
}

int XmlDocument::Save(const char* fileName, bool raw, int outputKind, XmlTransform* transform,
                      int reserved) noexcept {
    if (!fileName) return Save(nullptr, raw, outputKind, transform, reserved);
    if (outputKind == XmlOutputMemory) return 0; // a name is not a buffer to write into
    return SaveToFile(fileName, false, raw, outputKind, transform);
}

int XmlDocument::Save(const char16_t* fileName, bool raw, int outputKind, XmlTransform* transform,
                      int reserved) noexcept {
    if (!fileName) return Save(nullptr, raw, outputKind, transform, reserved);
    if (outputKind == XmlOutputMemory) return 0;
    return SaveToFile(fileName, true, raw, outputKind, transform);
}

int XmlDocument::SaveToFile(const void* fileName, bool wide, bool raw, int outputKind,
                            XmlTransform* transform) {
    if (!header_ && !root_) return 0; // closed: nothing to save
    if (outputKind != XmlOutputUtf8File && outputKind != XmlOutputUtf16File) return 0;
    // What a transform makes of the text is not UTF-16, so that pairing is refused
    // before anything is touched.
    if (outputKind == XmlOutputUtf16File && transform) return 0;
    return XmlGuarded(0, [&] {
        if (!header_) header_ = std::make_unique<XmlHeader>();
        // The whole file is composed before it is created, so a tree that cannot be
        // written leaves the file (and the header) as they were.
        const std::string previous = header_->GetDeclaration();
        header_->SetEncoding(outputKind == XmlOutputUtf16File ? "UTF-16" : "UTF-8");
        std::optional<std::string> bytes =
            Render(root_.get(), header_.get(), true, raw, outputKind, transform);
        if (!bytes) {
            header_->SetDeclaration(previous);
            return 0;
        }
        if (outputKind == XmlOutputUtf16File) bytes->insert(0, "\xFF\xFE");
        XmlFilePtr file = wide ? XmlOpenFileWide(static_cast<const char16_t*>(fileName), XmlFileMode::Write)
                               : XmlOpenFile(static_cast<const char*>(fileName), XmlFileMode::Write);
        if (!file) return 0;
        const bool written = PutBytes(file.get(), *bytes);
        return XmlCloseWritten(std::move(file)) && written ? 1 : 0;
    });
}
