#include "XmlDocument.h"

#include "XmlConvert.h"
#include "XmlGuard.h"
#include "XmlUnicode.h"

const char* const kXmlDefaultDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>";

void XmlHeader::SetEncoding(const char* name) noexcept {
    declaration_ = "<?xml version=\"1.0\" encoding=\"";
    declaration_ += name ? name : "";
    declaration_ += "\" standalone=\"yes\" ?>";
}

int XmlHeader::AddComment(const char* text, int position) noexcept {
    commentCapacity_ = XmlGrownCapacity(commentCapacity_, GetCommentCount(), kCommentStep);
    comments_.push_back(std::make_unique<XmlComment>(text, position));
    return GetCommentCount();
}

XmlComment* XmlHeader::GetComment(int index) const noexcept {
    if (index < 0 || index >= GetCommentCount()) return nullptr;
    return comments_[static_cast<std::size_t>(index)].get();
}

std::unique_ptr<XmlHeader> XmlHeader::Copy() const noexcept {
    auto copy = std::make_unique<XmlHeader>(declaration_);
    for (const auto& comment : comments_)
        copy->AddComment(comment->GetText().c_str(), comment->GetPosition());
    return copy;
}

XmlDocument::XmlDocument(const char* source, int kind, XmlTransform* transform, int /*reserved*/) noexcept {
    Load(source, kind, transform);
}

XmlDocument::~XmlDocument() = default;

std::unique_ptr<XmlDocument> XmlDocument::Open(const char* source, int kind, XmlTransform* transform,
                                               int reserved) noexcept {
    return std::make_unique<XmlDocument>(source, kind, transform, reserved);
}

std::unique_ptr<XmlDocument> XmlDocument::OpenWide(const char16_t* path, int /*reserved*/,
                                                   XmlTransform* transform, int /*reserved2*/) noexcept {
    auto document = std::make_unique<XmlDocument>();
    document->Load(path, XmlSourceWideFile, transform);
    return document;
}

int XmlDocument::LoadWideText(const char16_t* text) noexcept {
    std::string utf8;
    // A text too large to convert loads like an empty one.
    const bool converted = text && XmlGuarded(false, [&] {
                               utf8 = xmlconv::ToUtf8(std::u16string_view(text, Utf16Length(text)));
                               return true;
                           });
    return LoadText(converted ? utf8.c_str() : nullptr);
}

int XmlDocument::LoadText(const char* text) noexcept {
    return Load(text, XmlSourceText);
}

void XmlDocument::Close() noexcept {
    if (autoSave_ && hasFileName_) Save(nullptr, true, XmlOutputUtf8File);
    if (root_) root_->RemoveAllChildren();
    root_.reset();
    header_.reset();
    ForgetFileName();
}

void XmlDocument::ForgetFileName() {
    hasFileName_ = false;
    wideName_ = false;
    fileName_.clear();
    wideFileName_.clear();
}

void XmlDocument::SetRoot(std::unique_ptr<XmlElement> root) noexcept {
    if (root) root->SetParent(nullptr);
    root_ = std::move(root);
}

std::unique_ptr<XmlElement> XmlDocument::ResetRoot() noexcept {
    auto old = std::move(root_);
    root_ = XmlElement::Create(nullptr, "<root/>", 0);
    return old;
}

void XmlDocument::SetHeader(std::unique_ptr<XmlHeader> header) noexcept {
    header_ = std::move(header);
}

int XmlDocument::Assign(const XmlDocument& other) noexcept {
    return XmlGuarded(0, [&] {
        // Copies first, so assigning a document to itself keeps its content.
        auto header = other.header_ ? other.header_->Copy() : nullptr;
        std::unique_ptr<XmlElement> root;
        if (other.root_) {
            root = other.root_->Clone(nullptr);
            if (!root) return 0;
        }
        Close();
        header_ = std::move(header);
        root_ = std::move(root);
        errorCode_ = XmlErrorNone;
        autoSave_ = false;
        return 1;
    });
}
