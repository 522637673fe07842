// Swapping subtrees out to files in the current folder and back. A swapped-out child
// is a null slot; the element keeps the name of the slot's file beside it, and every
// file is created new under a name of its own, so no other slot, tree or process can
// take or overwrite it.

#include "XmlDocument.h"
#include "XmlGuard.h"
#include "XmlParser.h"
#include "XmlPlatform.h"

#include <atomic>
#include <cstdio>
#include <vector>

namespace {

std::atomic<unsigned long> g_swapFileCounter{0};

// Creates a swap file that did not exist before; its name goes to name.
XmlFilePtr CreateSwapFile(std::string& name) {
    // A name can only be taken by a file left behind by an earlier process with the
    // same id, so a few tries are plenty.
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = "xml" + std::to_string(XmlProcessId()) + "-" + std::to_string(++g_swapFileCounter) + ".xmltmp";
        XmlOpenError error = XmlOpenError::Other;
        XmlFilePtr file = XmlOpenFile(name.c_str(), XmlFileMode::CreateNew, &error);
        if (file || error != XmlOpenError::AlreadyExists) return file;
    }
    return nullptr;
}

// A linked child would come back as an owned copy, no longer shared.
bool HasLinkedChildren(const XmlElement& top) {
    std::vector<const XmlElement*> pending{&top};
    while (!pending.empty()) {
        const XmlElement* e = pending.back();
        pending.pop_back();
        for (int i = 0; i < e->GetChildCount(); ++i) {
            const XmlElement* child = e->GetChild(i);
            if (!child) continue;
            if (e->IsLinkedChild(child)) return true;
            pending.push_back(child);
        }
    }
    return false;
}

} // namespace

std::string XmlElement::SwapFileName(int index) const noexcept {
    if (!HasSwappedSlots() || index < 0 || index >= GetChildCount()) return std::string();
    return extras_->swapFiles[static_cast<std::size_t>(index)];
}

bool XmlElement::SwapOut(int index) noexcept {
    return XmlGuarded(false, [&] {
        XmlElement* child = GetChild(index);
        if (!child || IsLinkedChild(child) || HasLinkedChildren(*child)) return false;
        // Only a subtree that reads back to the same text is swapped out: whatever the
        // writer cannot reproduce (format settings, odd names, markup in comments) stays.
        XmlHeader header(kXmlDefaultDeclaration);
        header.SetEncoding("UTF-8");
        const std::string text = child->WriteToString(true, true, &header);
        if (text.empty()) return false; // a swapped-out grandchild could not be restored
        XmlDocument check;
        check.LoadText(text.c_str());
        if (check.GetErrorCode() != XmlErrorNone || !check.GetRoot() || check.SaveToString(true) != text)
            return false;

        Extras& extras = GetExtras();
        if (extras.swappedCount == 0) extras.swapFiles.assign(children_.size(), std::string());
        std::string name;
        XmlFilePtr file = CreateSwapFile(name);
        bool written = file && std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
        written = XmlCloseWritten(std::move(file)) && written;
        if (!written) {
            if (!name.empty()) std::remove(name.c_str());
            if (extras.swappedCount == 0) extras.swapFiles.clear();
            return false;
        }
        extras.swapFiles[static_cast<std::size_t>(index)] = std::move(name);
        ++extras.swappedCount;
        children_[static_cast<std::size_t>(index)] = nullptr;
        delete child;
        return true;
    });
}

bool XmlElement::SwapIn(int index) noexcept {
    if (index < 0 || index >= GetChildCount()) return false;
    if (children_[static_cast<std::size_t>(index)]) return true;
    return XmlGuarded(false, [&] {
        const std::string name = SwapFileName(index);
        // A missing or damaged file leaves the slot empty and the file in place.
        const std::optional<std::string> text = name.empty() ? std::nullopt : XmlReadFileText(name.c_str());
        if (!text) return false;
        XmlDocument document;
        document.LoadText(text->c_str());
        if (document.GetErrorCode() != XmlErrorNone || !document.GetRoot()) return false;
        std::unique_ptr<XmlElement> child = document.ResetRoot();
        child->parent_ = this;
        children_[static_cast<std::size_t>(index)] = child.release();
        ForgetSwapFile(index);
        return true;
    });
}

bool XmlElement::SwapInChildren() noexcept {
    bool all = true;
    for (int i = 0; HasSwappedSlots() && i < GetChildCount(); ++i)
        if (!children_[static_cast<std::size_t>(i)] && !SwapIn(i)) all = false;
    return all;
}
