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
    XmlElement(XmlElement* parent, const char* tagText, int mode = 0);
    XmlElement(XmlElement* parent, std::string_view tagText, int mode);
    ~XmlElement();
    static std::unique_ptr<XmlElement> Create(XmlElement* parent, const char* tagText, int mode = 0) {
        return std::make_unique<XmlElement>(parent, tagText, mode);
    }

    XmlElement(const XmlElement&) = delete;
    XmlElement& operator=(const XmlElement&) = delete;

    // Mode 1: tagText becomes the stored name verbatim. Mode 0: name and variables are
    // read from a tag text such as <d n="x" />. A tag text is in the stored form, as in a
    // file: the name and the values are kept as they stand there.
    void ParseTag(const char* tagText, int mode);
    void ParseTag(std::string_view tagText, int mode);
    int GetCreationMode() const { return creationMode_; }

    // Children. Counts and indexes are 32-bit; a null slot is a swapped-out child.
    int AddChildFromText(const char* tagText);
    int AddChild(std::unique_ptr<XmlElement> child);
    int InsertChild(int index, std::unique_ptr<XmlElement> child);
    int InsertLinkedChild(XmlElement* child, int index);
    int RemoveChild(int index);
    int DetachChild(int index, std::unique_ptr<XmlElement>& out);
    int RemoveAllChildren();
    int RemoveLinkedChildren();
    bool IsLinkedChild(const XmlElement* child) const;
    XmlElement* GetParent() const { return parent_; }
    void SetParent(XmlElement* parent) { parent_ = parent; }
    XmlElement* const* GetChildren() const { return children_.data(); }
    int GetChildCount() const { return static_cast<int>(children_.size()); }
    XmlElement* GetChild(int index) const;

    // Names, looked up decoded and byte for byte.
    int GetName(char* buf, bool raw) const { return XmlCopyOut(name_, buf, raw); }
    std::string GetNameText(bool raw = false) const;
    const std::string& StoredName() const { return name_; }
    void SetName(const char* name);
    int FindChildIndex(const char* name) const;
    // With create set and no such child, one is appended: built from tagText when it is
    // given, otherwise named exactly name, so the same lookup finds it again.
    XmlElement* FindChild(const char* name, bool create = false, const char* tagText = nullptr);
    // A path of names separated by "\"; empty gives this element.
    XmlElement* FindElement(const char* path);

    // Variables.
    int AddVariable(std::unique_ptr<XmlVariable> variable);
    int AddNewVariable(const char* name, const char* value);
    XmlVariable* FindVariable(const char* name, bool create = false, const char* initialValue = nullptr);
    int FindVariableIndex(const char* name) const;
    int RemoveVariable(int index);
    void RemoveAllVariables();
    int GetVariableCount() const { return static_cast<int>(variables_.size()); }
    XmlVariable* GetVariable(int index) const;

    // Text pieces (from plain text), comments and CDATA sections (verbatim), each with
    // its position: the number of children it is written after.
    int AddContent(const char* text, int position);
    int AddContent(std::unique_ptr<XmlContent> content);
    int AddComment(const char* text, int position);
    int AddCData(const char* text, int position);
    void RemoveAllComments();
    void RemoveAllContents();
    void RemoveAllCData();
    int GetContentCount() const { return extras_ ? static_cast<int>(extras_->contents.size()) : 0; }
    int GetCommentCount() const { return extras_ ? static_cast<int>(extras_->comments.size()) : 0; }
    int GetCDataCount() const { return extras_ ? static_cast<int>(extras_->cdata.size()) : 0; }
    XmlContent* GetContent(int index) const;
    XmlComment* GetComment(int index) const;
    XmlCData* GetCData(int index) const;

    // Null compare: decoded names, ASCII letters folded to one case. Returns 1, or 0 and
    // leaves the order as it was when a swapped-out child could not be restored.
    int SortChildren(XmlElementCompare compare = nullptr);
    void SortVariables(XmlVariableCompare compare = nullptr);

    // Deep copy whose parent pointer is parent; it is not added to parent's children.
    // Null when a swapped-out child could not be restored.
    std::unique_ptr<XmlElement> Clone(XmlElement* parent = nullptr);
    // Frees everything this element owns; the element stays usable with an empty name.
    void Clear();

    void SetFormat(const XmlFormat* format);
    XmlFormat GetFormat() const { return format_; }

    // Size for a memory target: a buffer of this many zero-filled bytes (plus the
    // header's size when a header is written too) always holds what Write puts there
    // without a transform. Swapped-out children are swapped in to be counted.
    std::uint32_t EstimateSize();

    // Writes this subtree (with the header's declaration and comments when header is
    // not null). target is an open FILE* for kinds 0 and 3, a zero-filled char buffer
    // for kind 1 (output appended to the text in it). Returns 1, or 0 when nothing
    // could be written; nothing is written when a swapped-out child cannot be restored.
    int Write(void* target, bool withChildren, bool raw, int outputKind, XmlHeader* header,
              XmlTransform* transform = nullptr);
    // The same as text in memory (empty when it cannot be composed).
    std::string WriteToString(bool withChildren, bool raw, XmlHeader* header = nullptr);

    // Swapping: child index's subtree goes to a temporary file of its own in the current
    // folder, and its slot becomes null; the slot keeps the file's name wherever it
    // moves. SwapOut refuses (false) a subtree that would not come back the same.
    // SwapIn restores one slot; SwapInChildren all (false when one stays out).
    bool SwapOut(int index);
    bool SwapIn(int index);
    bool SwapInChildren();
    // The file of a swapped-out slot; empty for any other slot.
    std::string SwapFileName(int index) const;

    // Capacities as the growth steps give them (they enter EstimateSize).
    int GetChildCapacity() const { return childCapacity_; }
    int GetVariableCapacity() const { return variableCapacity_; }
    int GetCommentCapacity() const { return extras_ ? extras_->commentCapacity : kCommentStart; }
    int GetContentCapacity() const { return extras_ ? extras_->contentCapacity : kContentStart; }
    int GetCDataCapacity() const { return extras_ ? extras_->cdataCapacity : kCDataStart; }
    int GetLinkedCapacity() const { return extras_ ? extras_->linkedCapacity : kLinkedStart; }

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
inline int XmlGrownCapacity(int capacity, int count, int step) {
    while (count >= capacity)
        capacity += step;
    return capacity;
}
