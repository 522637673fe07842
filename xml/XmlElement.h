#pragma once
// An element of the document model: its name (stored form), variables, text pieces,
// comments, CDATA sections and children. An element owns everything below it except
// linked children. Every walk over a subtree is iterative, so nesting depth is bounded
// only by memory.

#include "XmlItems.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class XmlHeader;
class XmlTransform;

struct XmlFormat {
    std::uint8_t indentWithSpaces = 0; // 0: tabs, 1: blanks
    std::int32_t indentCount = 1;      // characters per nesting level, at most 50
    std::uint8_t inlineText = 0;       // 1: an element whose only content is one text piece on one line
};

// Target kinds of Save and Write.
enum XmlOutputKind : int { XmlOutputUtf8File = 0, XmlOutputMemory = 1, XmlOutputUtf16File = 3 };

using XmlElementCompare = int (*)(XmlElement* first, XmlElement* second);
using XmlVariableCompare = int (*)(XmlVariable* first, XmlVariable* second);

class XmlElement {
  public:
    static constexpr int kMaxIndentCount = 50;

    // Builds the element from tagText (ParseTag); it is not added to parent's children.
    XmlElement(XmlElement* parent, const char* tagText, int mode = 0) noexcept;
    XmlElement(XmlElement* parent, std::string_view tagText, int mode) noexcept;
    ~XmlElement();
    static std::unique_ptr<XmlElement> Create(XmlElement* parent, const char* tagText,
                                              int mode = 0) noexcept {
        return std::make_unique<XmlElement>(parent, tagText, mode);
    }

    XmlElement(const XmlElement&) = delete;
    XmlElement& operator=(const XmlElement&) = delete;

    // Mode 1: tagText becomes the stored name verbatim. Mode 0: name and variables are
    // read from a tag text such as <d n="x" />. A tag text is in the stored form, as in a
    // file: the name and the values are kept as they stand there.
    void ParseTag(const char* tagText, int mode) noexcept;
    void ParseTag(std::string_view tagText, int mode) noexcept;
    int GetCreationMode() const noexcept { return creationMode_; }

    // Children. Counts and indexes are 32-bit; a null slot is a swapped-out child.
    int AddChildFromText(const char* tagText) noexcept;
    int AddChild(std::unique_ptr<XmlElement> child) noexcept;
    int InsertChild(int index, std::unique_ptr<XmlElement> child) noexcept;
    int InsertLinkedChild(XmlElement* child, int index) noexcept;
    int RemoveChild(int index) noexcept;
    int DetachChild(int index, std::unique_ptr<XmlElement>& out) noexcept;
    int RemoveAllChildren() noexcept;
    int RemoveLinkedChildren() noexcept;
    bool IsLinkedChild(const XmlElement* child) const noexcept;
    XmlElement* GetParent() const noexcept { return parent_; }
    void SetParent(XmlElement* parent) noexcept { parent_ = parent; }
    XmlElement* const* GetChildren() const noexcept { return children_.data(); }
    int GetChildCount() const noexcept { return static_cast<int>(children_.size()); }
    XmlElement* GetChild(int index) const noexcept;

    // Names, looked up decoded and byte for byte.
    int GetName(char* buf, bool raw) const noexcept { return XmlCopyOut(name_, buf, raw); }
    std::string GetNameText(bool raw = false) const noexcept;
    const std::string& StoredName() const noexcept { return name_; }
    void SetName(const char* name) noexcept;
    int FindChildIndex(const char* name) const noexcept;
    // With create set and no such child, one is appended: built from tagText when it is
    // given, otherwise named exactly name, so the same lookup finds it again.
    XmlElement* FindChild(const char* name, bool create = false, const char* tagText = nullptr) noexcept;
    // A path of names separated by "\"; empty gives this element.
    XmlElement* FindElement(const char* path) noexcept;

    // Variables.
    int AddVariable(std::unique_ptr<XmlVariable> variable) noexcept;
    int AddNewVariable(const char* name, const char* value) noexcept;
    XmlVariable* FindVariable(const char* name, bool create = false,
                              const char* initialValue = nullptr) noexcept;
    int FindVariableIndex(const char* name) const noexcept;
    int RemoveVariable(int index) noexcept;
    void RemoveAllVariables() noexcept;
    int GetVariableCount() const noexcept { return static_cast<int>(variables_.size()); }
    XmlVariable* GetVariable(int index) const noexcept;

    // Text pieces (from plain text), comments and CDATA sections (verbatim), each with
    // its position: the number of children it is written after.
    int AddContent(const char* text, int position) noexcept;
    int AddContent(std::unique_ptr<XmlContent> content) noexcept;
    int AddComment(const char* text, int position) noexcept;
    int AddCData(const char* text, int position) noexcept;
    void RemoveAllComments() noexcept;
    void RemoveAllContents() noexcept;
    void RemoveAllCData() noexcept;
    int GetContentCount() const noexcept { return extras_ ? static_cast<int>(extras_->contents.size()) : 0; }
    int GetCommentCount() const noexcept { return extras_ ? static_cast<int>(extras_->comments.size()) : 0; }
    int GetCDataCount() const noexcept { return extras_ ? static_cast<int>(extras_->cdata.size()) : 0; }
    XmlContent* GetContent(int index) const noexcept;
    XmlComment* GetComment(int index) const noexcept;
    XmlCData* GetCData(int index) const noexcept;

    // Null compare: decoded names, ASCII letters folded to one case. Returns 1, or 0 and
    // leaves the order as it was when a swapped-out child could not be restored.
    int SortChildren(XmlElementCompare compare = nullptr) noexcept;
    void SortVariables(XmlVariableCompare compare = nullptr) noexcept;

    // Deep copy whose parent pointer is parent; it is not added to parent's children.
    // Null when a swapped-out child could not be restored.
    std::unique_ptr<XmlElement> Clone(XmlElement* parent = nullptr) noexcept;
    // Frees everything this element owns; the element stays usable with an empty name.
    void Clear() noexcept;

    void SetFormat(const XmlFormat* format) noexcept;
    XmlFormat GetFormat() const noexcept { return format_; }

    // Size for a memory target: a buffer of this many zero-filled bytes (plus the
    // header's size when a header is written too) always holds what Write puts there
    // without a transform. Swapped-out children are swapped in to be counted.
    std::uint32_t EstimateSize() noexcept;

    // Writes this subtree (with the header's declaration and comments when header is
    // not null). target is an open FILE* for kinds 0 and 3, a zero-filled char buffer
    // for kind 1 (output appended to the text in it). Returns 1, or 0 when nothing
    // could be written; nothing is written when a swapped-out child cannot be restored.
    int Write(void* target, bool withChildren, bool raw, int outputKind, XmlHeader* header,
              XmlTransform* transform = nullptr) noexcept;
    // The same as text in memory (empty when it cannot be composed).
    std::string WriteToString(bool withChildren, bool raw, XmlHeader* header = nullptr) noexcept;

    // Swapping: child index's subtree goes to a temporary file of its own in the current
    // folder, and its slot becomes null; the slot keeps the file's name wherever it
    // moves. SwapOut refuses (false) a subtree that would not come back the same.
    // SwapIn restores one slot; SwapInChildren all (false when one stays out).
    bool SwapOut(int index) noexcept;
    bool SwapIn(int index) noexcept;
    bool SwapInChildren() noexcept;
    // The file of a swapped-out slot; empty for any other slot.
    std::string SwapFileName(int index) const noexcept;

    // Capacities as the growth steps give them (they enter EstimateSize).
    int GetChildCapacity() const noexcept { return childCapacity_; }
    int GetVariableCapacity() const noexcept { return variableCapacity_; }
    int GetCommentCapacity() const noexcept { return extras_ ? extras_->commentCapacity : kCommentStart; }
    int GetContentCapacity() const noexcept { return extras_ ? extras_->contentCapacity : kContentStart; }
    int GetCDataCapacity() const noexcept { return extras_ ? extras_->cdataCapacity : kCDataStart; }
    int GetLinkedCapacity() const noexcept { return extras_ ? extras_->linkedCapacity : kLinkedStart; }

  private:
    static constexpr int kChildStart = 20, kChildStep = 20;
    static constexpr int kVariableStart = 20, kVariableStep = 20;
    static constexpr int kCommentStart = 10, kCommentStep = 10;
    static constexpr int kContentStart = 4, kContentStep = 4;
    static constexpr int kCDataStart = 10, kCDataStep = 10;
    static constexpr int kLinkedStart = 1, kLinkedStep = 5;

    // Items most elements never have, kept apart so a plain element stays small.
    struct Extras {
        std::vector<std::unique_ptr<XmlComment>> comments;
        std::vector<std::unique_ptr<XmlContent>> contents;
        std::vector<std::unique_ptr<XmlCData>> cdata;
        std::vector<std::pair<std::int32_t, XmlElement*>> linked;
        // While any slot is swapped out: one entry per child slot, the swap file's name
        // for a null slot and empty for the others.
        std::vector<std::string> swapFiles;
        int swappedCount = 0;
        int commentCapacity = kCommentStart;
        int contentCapacity = kContentStart;
        int cdataCapacity = kCDataStart;
        int linkedCapacity = kLinkedStart;
    };

    Extras& GetExtras();
    int InsertSlot(XmlElement* child, int index, bool linked);
    void EraseSlot(int index);
    bool HasSwappedSlots() const { return extras_ && extras_->swappedCount > 0; }
    void ForgetSwapFile(int index);
    void Unlink(const XmlElement* child);
    void GrowChildren();
    // Moves the children this element owns into out and frees everything else it owns.
    void ReleaseOwned(std::vector<XmlElement*>& out);
    std::unique_ptr<XmlElement> ShallowCopy(XmlElement* parent) const;
    std::unique_ptr<XmlElement> CloneTree(XmlElement* parent);
    int SortChildrenInPlace(XmlElementCompare compare);

    friend class XmlTreeWriter;

    std::string name_;
    XmlElement* parent_;
    std::vector<XmlElement*> children_;
    std::vector<std::unique_ptr<XmlVariable>> variables_;
    std::unique_ptr<Extras> extras_;
    std::int32_t creationMode_ = 0;
    std::int32_t childCapacity_ = kChildStart;
    std::int32_t variableCapacity_ = kVariableStart;
    XmlFormat format_;
};

// Grows a capacity by step until it exceeds count (the array is full when they are equal).
inline int XmlGrownCapacity(int capacity, int count, int step) noexcept {
    while (count >= capacity)
        capacity += step;
    return capacity;
}
