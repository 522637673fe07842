#include "XmlElement.h"

#include "XmlEncode.h"
#include "XmlGuard.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

bool IsNameEnd(char c) {
    return c == ' ' || c == '\t' || c == '"' || c == '/' || c == '>';
}

unsigned char FoldCase(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = FoldCase(static_cast<unsigned char>(a[i]));
        const unsigned char y = FoldCase(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

// Decoded stored text equals name byte for byte; decodes only when it has to.
bool DecodedEquals(const std::string& stored, const char* name) {
    if (XmlDecodeIsIdentity(stored)) return stored == name;
    return XmlDecodeString(stored) == name;
}

template <typename T> T* At(const std::vector<std::unique_ptr<T>>& items, int index) {
    if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
    return items[static_cast<std::size_t>(index)].get();
}

} // namespace

XmlElement::XmlElement(XmlElement* parent, const char* tagText, int mode) noexcept : parent_(parent) {
    ParseTag(tagText, mode);
}

XmlElement::XmlElement(XmlElement* parent, std::string_view tagText, int mode) noexcept : parent_(parent) {
    ParseTag(tagText, mode);
}

XmlElement::~XmlElement() {
    Clear();
}

void XmlElement::ParseTag(const char* tagText, int mode) noexcept {
    ParseTag(std::string_view(tagText ? tagText : ""), mode);
}

void XmlElement::ParseTag(std::string_view s, int mode) noexcept {
    creationMode_ = mode;
    if (mode == 1) {
        name_.assign(s);
        return;
    }
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n && !IsNameEnd(s[i]))
        ++i;
    // The name is taken as it stands, like the values: encoding it again would make
    // every load and save of a name with a reference in it one level longer.
    const std::string_view nameText = s.substr(0, i);
    if (nameText.find('<') == std::string_view::npos) {
        name_.assign(nameText);
    } else {
        name_.clear();
        for (char c : nameText)
            if (c != '<') name_ += c;
    }

    for (;;) {
        while (i < n && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        if (i >= n || s[i] == '>' || s[i] == '/') break;
        const std::size_t eq = s.find('=', i);
        if (eq == std::string_view::npos) break;
        const std::size_t open = s.find('"', eq + 1);
        if (open == std::string_view::npos) break;
        const std::size_t close = s.find('"', open + 1);
        if (close == std::string_view::npos) break;
        AddVariable(std::make_unique<XmlVariable>(s.substr(i, eq - i), s.substr(open + 1, close - open - 1)));
        i = close + 1;
    }
}

XmlElement::Extras& XmlElement::GetExtras() {
    if (!extras_) extras_ = std::make_unique<Extras>();
    return *extras_;
}

void XmlElement::GrowChildren() {
    childCapacity_ = XmlGrownCapacity(childCapacity_, GetChildCount(), kChildStep);
}

XmlElement* XmlElement::GetChild(int index) const noexcept {
    if (index < 0 || index >= GetChildCount()) return nullptr;
    return children_[static_cast<std::size_t>(index)];
}

int XmlElement::AddChildFromText(const char* tagText) noexcept {
    return AddChild(Create(this, tagText, 0));
}

int XmlElement::AddChild(std::unique_ptr<XmlElement> child) noexcept {
    if (!child) return GetChildCount();
    child->parent_ = this;
    return InsertSlot(child.release(), GetChildCount(), false);
}

int XmlElement::InsertChild(int index, std::unique_ptr<XmlElement> child) noexcept {
    if (!child) return GetChildCount();
    child->parent_ = this;
    return InsertSlot(child.release(), index, false);
}

int XmlElement::InsertLinkedChild(XmlElement* child, int index) noexcept {
    return InsertSlot(child, index, true);
}

int XmlElement::InsertSlot(XmlElement* child, int index, bool linked) {
    if (!child) return GetChildCount();
    if (linked) {
        Extras& extras = GetExtras();
        extras.linkedCapacity =
            XmlGrownCapacity(extras.linkedCapacity, static_cast<int>(extras.linked.size()), kLinkedStep);
        extras.linked.emplace_back(1, child);
    }
    GrowChildren();
    const bool append = index >= GetChildCount();
    index = append ? GetChildCount() : std::max(index, 0);
    if (HasSwappedSlots()) {
        auto& files = extras_->swapFiles;
        files.insert(files.begin() + index, std::string());
    }
    children_.insert(children_.begin() + index, child);
    return append ? GetChildCount() : index;
}

void XmlElement::EraseSlot(int index) {
    children_.erase(children_.begin() + index);
    if (HasSwappedSlots()) extras_->swapFiles.erase(extras_->swapFiles.begin() + index);
}

void XmlElement::ForgetSwapFile(int index) {
    if (!HasSwappedSlots()) return;
    std::string& name = extras_->swapFiles[static_cast<std::size_t>(index)];
    if (name.empty()) return;
    std::remove(name.c_str());
    name.clear();
    if (--extras_->swappedCount == 0) extras_->swapFiles.clear();
}

bool XmlElement::IsLinkedChild(const XmlElement* child) const noexcept {
    if (!extras_ || !child) return false;
    for (const auto& entry : extras_->linked)
        if (entry.first && entry.second == child) return true;
    return false;
}

void XmlElement::Unlink(const XmlElement* child) {
    auto& linked = extras_->linked;
    for (auto it = linked.begin(); it != linked.end(); ++it) {
        if (it->first && it->second == child) {
            linked.erase(it);
            return;
        }
    }
}

int XmlElement::RemoveChild(int index) noexcept {
    if (index < 0 || index >= GetChildCount()) return GetChildCount();
    XmlElement* child = children_[static_cast<std::size_t>(index)];
    if (!child)
        ForgetSwapFile(index);
    else if (IsLinkedChild(child))
        Unlink(child);
    else
        delete child;
    EraseSlot(index);
    return GetChildCount();
}

int XmlElement::DetachChild(int index, std::unique_ptr<XmlElement>& out) noexcept {
    out.reset();
    if (index < 0 || index >= GetChildCount()) return GetChildCount();
    // A child we do not own cannot be handed out as owned, and a swapped-out child that
    // cannot be read back stays where it is.
    XmlElement* child = children_[static_cast<std::size_t>(index)];
    if ((!child && !SwapIn(index)) || IsLinkedChild(child)) return GetChildCount();
    child = children_[static_cast<std::size_t>(index)];
    EraseSlot(index);
    child->parent_ = nullptr;
    out.reset(child);
    return GetChildCount();
}

int XmlElement::RemoveAllChildren() noexcept {
    for (int i = GetChildCount() - 1; i >= 0; --i)
        RemoveChild(i);
    return GetChildCount();
}

int XmlElement::RemoveLinkedChildren() noexcept {
    int removed = 0;
    for (int i = GetChildCount() - 1; i >= 0; --i) {
        XmlElement* child = children_[static_cast<std::size_t>(i)];
        if (child && IsLinkedChild(child)) {
            RemoveChild(i);
            ++removed;
        }
    }
    return removed;
}

std::string XmlElement::GetNameText(bool raw) const noexcept {
    return raw ? name_ : XmlDecodeString(name_);
}

void XmlElement::SetName(const char* name) noexcept {
    name_ = XmlEncodeString(name ? name : "");
}

int XmlElement::FindChildIndex(const char* name) const noexcept {
    if (!name) return -1;
    for (std::size_t i = 0; i < children_.size(); ++i)
        if (children_[i] && DecodedEquals(children_[i]->name_, name)) return static_cast<int>(i);
    return -1;
}

XmlElement* XmlElement::FindChild(const char* name, bool create, const char* tagText) noexcept {
    const int index = FindChildIndex(name);
    if (index >= 0) return children_[static_cast<std::size_t>(index)];
    if (!create) return nullptr;
    if (tagText)
        AddChildFromText(tagText);
    else if (name)
        AddChild(Create(this, XmlEncodeName(name).c_str(), 1));
    else
        return nullptr;
    return children_.back();
}

XmlElement* XmlElement::FindElement(const char* path) noexcept {
    XmlElement* current = this;
    if (!path || !*path) return current;
    std::string_view rest(path);
    for (;;) {
        const std::size_t cut = rest.find('\\');
        const std::string step(rest.substr(0, cut));
        const int index = current->FindChildIndex(step.c_str());
        if (index < 0) return nullptr;
        current = current->children_[static_cast<std::size_t>(index)];
        if (cut == std::string_view::npos) return current;
        rest.remove_prefix(cut + 1);
    }
}

int XmlElement::AddVariable(std::unique_ptr<XmlVariable> variable) noexcept {
    if (!variable) return GetVariableCount();
    variableCapacity_ = XmlGrownCapacity(variableCapacity_, GetVariableCount(), kVariableStep);
    variable->SetOwner(this);
    variables_.push_back(std::move(variable));
    return GetVariableCount();
}

int XmlElement::AddNewVariable(const char* name, const char* value) noexcept {
    return AddVariable(std::make_unique<XmlVariable>(name, value, false));
}

int XmlElement::FindVariableIndex(const char* name) const noexcept {
    if (!name) return -1;
    for (std::size_t i = 0; i < variables_.size(); ++i)
        if (DecodedEquals(variables_[i]->StoredName(), name)) return static_cast<int>(i);
    return -1;
}

XmlVariable* XmlElement::FindVariable(const char* name, bool create, const char* initialValue) noexcept {
    const int index = FindVariableIndex(name);
    if (index >= 0) return variables_[static_cast<std::size_t>(index)].get();
    if (!create || !name) return nullptr;
    AddNewVariable(name, initialValue);
    return variables_.back().get();
}

int XmlElement::RemoveVariable(int index) noexcept {
    if (index >= 0 && index < GetVariableCount()) variables_.erase(variables_.begin() + index);
    return GetVariableCount();
}

void XmlElement::RemoveAllVariables() noexcept {
    variables_.clear();
}

XmlVariable* XmlElement::GetVariable(int index) const noexcept {
    return At(variables_, index);
}

int XmlElement::AddContent(const char* text, int position) noexcept {
    return AddContent(std::make_unique<XmlContent>(text, position, false));
}

int XmlElement::AddContent(std::unique_ptr<XmlContent> content) noexcept {
    Extras& extras = GetExtras();
    if (!content) return static_cast<int>(extras.contents.size());
    extras.contentCapacity =
        XmlGrownCapacity(extras.contentCapacity, static_cast<int>(extras.contents.size()), kContentStep);
    content->SetOwner(this);
    extras.contents.push_back(std::move(content));
    return static_cast<int>(extras.contents.size());
}

int XmlElement::AddComment(const char* text, int position) noexcept {
    Extras& extras = GetExtras();
    extras.commentCapacity =
        XmlGrownCapacity(extras.commentCapacity, static_cast<int>(extras.comments.size()), kCommentStep);
    extras.comments.push_back(std::make_unique<XmlComment>(text, position));
    extras.comments.back()->SetOwner(this);
    return static_cast<int>(extras.comments.size());
}

int XmlElement::AddCData(const char* text, int position) noexcept {
    Extras& extras = GetExtras();
    extras.cdataCapacity =
        XmlGrownCapacity(extras.cdataCapacity, static_cast<int>(extras.cdata.size()), kCDataStep);
    extras.cdata.push_back(std::make_unique<XmlCData>(text, position));
    extras.cdata.back()->SetOwner(this);
    return static_cast<int>(extras.cdata.size());
}

void XmlElement::RemoveAllComments() noexcept {
    if (extras_) extras_->comments.clear();
}

void XmlElement::RemoveAllContents() noexcept {
    if (extras_) extras_->contents.clear();
}

void XmlElement::RemoveAllCData() noexcept {
    if (extras_) extras_->cdata.clear();
}

XmlContent* XmlElement::GetContent(int index) const noexcept {
    return extras_ ? At(extras_->contents, index) : nullptr;
}

XmlComment* XmlElement::GetComment(int index) const noexcept {
    return extras_ ? At(extras_->comments, index) : nullptr;
}

XmlCData* XmlElement::GetCData(int index) const noexcept {
    return extras_ ? At(extras_->cdata, index) : nullptr;
}

int XmlElement::SortChildren(XmlElementCompare compare) noexcept {
    return XmlGuarded(0, [&] { return SortChildrenInPlace(compare); });
}

int XmlElement::SortChildrenInPlace(XmlElementCompare compare) {
    // The comparison needs every child, so a child that cannot be restored stops the
    // sort before anything moves.
    if (!SwapInChildren()) return 0;
    // Stable, and immune to comparisons that are not a strict order.
    if (compare) {
        std::stable_sort(children_.begin(), children_.end(),
                         [compare](XmlElement* a, XmlElement* b) { return compare(a, b) < 0; });
        return 1;
    }
    std::vector<std::pair<std::string, XmlElement*>> keyed;
    keyed.reserve(children_.size());
    for (XmlElement* child : children_)
        keyed.emplace_back(child->GetNameText(), child);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return LessIgnoringCase(a.first, b.first); });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        children_[i] = keyed[i].second;
    return 1;
}

void XmlElement::SortVariables(XmlVariableCompare compare) noexcept {
    if (compare) {
        std::stable_sort(variables_.begin(), variables_.end(),
                         [compare](const auto& a, const auto& b) { return compare(a.get(), b.get()) < 0; });
        return;
    }
    std::vector<std::pair<std::string, std::unique_ptr<XmlVariable>>> keyed;
    keyed.reserve(variables_.size());
    for (auto& variable : variables_)
        keyed.emplace_back(variable->GetNameText(), std::move(variable));
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return LessIgnoringCase(a.first, b.first); });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        variables_[i] = std::move(keyed[i].second);
}

std::unique_ptr<XmlElement> XmlElement::ShallowCopy(XmlElement* parent) const {
    // The stored name is copied as it is: parsing the decoded name again as a tag text
    // would cut it at its first blank or "/" and lose its escapes.
    auto copy = Create(parent, "", 0);
    copy->name_ = name_;
    for (const auto& variable : variables_)
        copy->AddVariable(variable->Clone());
    if (extras_) {
        for (const auto& content : extras_->contents)
            copy->AddContent(content->GetTextString().c_str(), content->GetPosition());
        for (const auto& comment : extras_->comments)
            copy->AddComment(comment->GetText().c_str(), comment->GetPosition());
        for (const auto& cdata : extras_->cdata)
            copy->AddCData(cdata->GetText().c_str(), cdata->GetPosition());
    }
    return copy;
}

std::unique_ptr<XmlElement> XmlElement::Clone(XmlElement* parent) noexcept {
    return XmlGuarded(std::unique_ptr<XmlElement>(), [&] { return CloneTree(parent); });
}

std::unique_ptr<XmlElement> XmlElement::CloneTree(XmlElement* parent) {
    auto top = ShallowCopy(parent);
    std::vector<std::pair<XmlElement*, XmlElement*>> pending{{this, top.get()}};
    while (!pending.empty()) {
        auto [source, copy] = pending.back();
        pending.pop_back();
        // A copy without a child that could not be restored would not be a copy.
        if (!source->SwapInChildren()) return nullptr;
        for (XmlElement* child : source->children_) {
            auto childCopy = child->ShallowCopy(copy);
            pending.emplace_back(child, childCopy.get());
            copy->AddChild(std::move(childCopy));
        }
    }
    return top;
}

void XmlElement::ReleaseOwned(std::vector<XmlElement*>& out) {
    for (XmlElement* child : children_)
        if (child && !IsLinkedChild(child)) out.push_back(child);
    // Swapped-out children go with their files.
    if (HasSwappedSlots())
        for (const std::string& file : extras_->swapFiles)
            if (!file.empty()) std::remove(file.c_str());
    children_.clear();
    children_.shrink_to_fit();
    variables_.clear();
    variables_.shrink_to_fit();
    extras_.reset();
    name_.clear();
    name_.shrink_to_fit();
    childCapacity_ = kChildStart;
    variableCapacity_ = kVariableStart;
}

void XmlElement::Clear() noexcept {
    // Iterative, so a deep tree cannot exhaust the stack: each element is emptied
    // before it is deleted, and its destructor then has nothing left to free.
    std::vector<XmlElement*> pending;
    ReleaseOwned(pending);
    while (!pending.empty()) {
        XmlElement* element = pending.back();
        pending.pop_back();
        element->ReleaseOwned(pending);
        delete element;
    }
}

void XmlElement::SetFormat(const XmlFormat* format) noexcept {
    if (!format) return;
    XmlFormat limited = *format;
    limited.indentCount = std::clamp(limited.indentCount, 0, kMaxIndentCount);
    std::vector<XmlElement*> pending{this};
    while (!pending.empty()) {
        XmlElement* element = pending.back();
        pending.pop_back();
        element->format_ = limited;
        for (XmlElement* child : element->children_)
            if (child) pending.push_back(child);
    }
}
