// Swapping subtrees out to files in the current folder and back. A swapped-out child
// is a null slot; its file is named from the position key of its parent and its index.

#include "XmlDocument.h"
#include "XmlPlatform.h"
#include "XmlSwap.h"

#include <atomic>
#include <cstdio>
#include <vector>

namespace {

// Null slots alive in the process; while there are none, freeing a tree need not look
// for swap files.
std::atomic<long> g_swappedOut{0};

bool FileReadable(const std::string& name) {
    return XmlOpenFile(name.c_str(), XmlFileMode::Read) != nullptr;
}

} // namespace

void XmlDiscardSwapFile(const std::string& name) {
    std::remove(name.c_str());
    --g_swappedOut;
}

void XmlDiscardSwapFilesBelow(XmlElement* element) {
    if (g_swappedOut.load() <= 0) return;
    std::vector<XmlElement*> pending{element};
    while (!pending.empty()) {
        XmlElement* e = pending.back();
        pending.pop_back();
        for (int i = 0; i < e->GetChildCount(); ++i) {
            XmlElement* child = e->GetChild(i);
            if (!child)
                XmlDiscardSwapFile(e->SwapFileName(i));
            else if (!e->IsLinkedChild(child))
                pending.push_back(child);
        }
    }
}

std::string XmlElement::PositionKey() const {
    std::vector<int> indexes;
    for (const XmlElement* e = this; e->parent_; e = e->parent_) {
        const auto& siblings = e->parent_->children_;
        int index = -1;
        for (std::size_t i = 0; i < siblings.size(); ++i)
            if (siblings[i] == e) index = static_cast<int>(i);
        if (index < 0) break;
        indexes.push_back(index);
    }
    std::string key;
    for (auto it = indexes.rbegin(); it != indexes.rend(); ++it) {
        if (!key.empty()) key += '-';
        key += std::to_string(*it);
    }
    return key;
}

std::string XmlElement::SwapFileName(int index) const {
    const std::string key = PositionKey();
    return (key.empty() ? std::string() : key + "-") + std::to_string(index) + ".xmltmp";
}

bool XmlElement::SwapOut(int index) {
    XmlElement* child = GetChild(index);
    if (!child || IsLinkedChild(child)) return false;
    // Only a subtree that reads back to the same text is swapped out: whatever the
    // writer cannot reproduce (format settings, odd names, markup in comments) stays.
    XmlHeader header(kXmlDefaultDeclaration);
    header.SetEncoding("UTF-8");
    const std::string text = child->WriteToString(true, true, &header);
    XmlDocument check;
    check.LoadText(text.c_str());
    if (check.GetErrorCode() != XmlErrorNone || !check.GetRoot() || check.SaveToString(true) != text)
        return false;
    const std::string name = SwapFileName(index);
    XmlFilePtr file = XmlOpenFile(name.c_str(), XmlFileMode::Write);
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    if (!XmlCloseWritten(std::move(file)) || !written) {
        std::remove(name.c_str());
        return false;
    }
    children_[static_cast<std::size_t>(index)] = nullptr;
    ++g_swappedOut;
    delete child;
    return true;
}

bool XmlElement::SwapIn(int index) {
    if (index < 0 || index >= GetChildCount()) return false;
    if (children_[static_cast<std::size_t>(index)]) return true;
    const std::string name = SwapFileName(index);
    // A missing or damaged file leaves the slot empty and the file in place.
    if (!FileReadable(name)) return false;
    XmlDocument document(name.c_str(), XmlSourceFile);
    if (document.GetErrorCode() != XmlErrorNone || !document.GetRoot()) return false;
    std::unique_ptr<XmlElement> child = document.ResetRoot();
    child->parent_ = this;
    children_[static_cast<std::size_t>(index)] = child.release();
    XmlDiscardSwapFile(name);
    return true;
}

void XmlElement::SwapInChildren() {
    if (g_swappedOut.load() <= 0) return;
    for (int i = 0; i < GetChildCount(); ++i)
        if (!children_[static_cast<std::size_t>(i)]) SwapIn(i);
}
