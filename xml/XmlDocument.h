#pragma once
// A document: the XML declaration with the comments outside the root (XmlHeader) and
// the root element. Loading (parser) and saving (writer) live in their own sources;
// the settings access of ReadValue/WriteValue is in XmlSettings.cpp.

#include "XmlElement.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Kinds of Load sources.
enum XmlSourceKind : int {
    XmlSourceFile = 0,     // narrow file name
    XmlSourceText = 1,     // NUL-terminated UTF-8 text in memory
    XmlSourceUrl = 2,      // not supported: loads as an unreadable source
    XmlSourceWideFile = 7, // UTF-16 file name
};

// Error codes left by a load.
enum XmlError : std::uint32_t {
    XmlErrorNone = 0,
    XmlErrorNoDeclaration = 1, // no "?>", or no "<" after the declaration
    XmlErrorMissingEndTag = 2,
};

// An optional caller-supplied conversion of the whole text on save and on load (for
// example encryption). Each returns the number of bytes written to output, at most
// outputCapacity.
class XmlTransform {
  public:
    virtual ~XmlTransform() = default;
    virtual int OnSave(const char* input, int inputLength, char* output, int outputCapacity) = 0;
    virtual int OnLoad(const char* input, int inputLength, char* output, int outputCapacity) = 0;
};

class XmlHeader {
  public:
    XmlHeader() = default;
    explicit XmlHeader(std::string declaration) noexcept : declaration_(std::move(declaration)) {}

    XmlHeader(const XmlHeader&) = delete;
    XmlHeader& operator=(const XmlHeader&) = delete;

    const std::string& GetDeclaration() const noexcept { return declaration_; }
    void SetDeclaration(std::string declaration) noexcept { declaration_ = std::move(declaration); }
    // The declaration becomes the generated one naming this encoding.
    void SetEncoding(const char* name) noexcept;

    // Comments outside the root: position 0 before it, 1 after it.
    int AddComment(const char* text, int position) noexcept;
    int GetCommentCount() const noexcept { return static_cast<int>(comments_.size()); }
    XmlComment* GetComment(int index) const noexcept;
    int GetCommentCapacity() const noexcept { return commentCapacity_; }

    std::unique_ptr<XmlHeader> Copy() const noexcept;

  private:
    static constexpr int kCommentStart = 5, kCommentStep = 10;
    int commentCapacity_ = kCommentStart;
    std::string declaration_;
    std::vector<std::unique_ptr<XmlComment>> comments_;
};

// The declaration every generated header starts with.
extern const char* const kXmlDefaultDeclaration;

class XmlDocument {
  public:
    // An empty document: no header, no root, no file name (as after Close).
    XmlDocument() = default;
    // Open: constructs, then loads source of the given kind.
    XmlDocument(const char* source, int kind, XmlTransform* transform = nullptr, int reserved = 0) noexcept;
    // Frees the tree; it does not save, whatever the auto-save flag says (Close does).
    ~XmlDocument();

    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    static std::unique_ptr<XmlDocument> Open(const char* source, int kind = XmlSourceFile,
                                             XmlTransform* transform = nullptr, int reserved = 0) noexcept;
    static std::unique_ptr<XmlDocument> OpenWide(const char16_t* path, int reserved = 0,
                                                 XmlTransform* transform = nullptr,
                                                 int reserved2 = 0) noexcept;
#ifdef _WIN32
    static std::unique_ptr<XmlDocument> OpenWide(const wchar_t* path, int reserved = 0,
                                                 XmlTransform* transform = nullptr,
                                                 int reserved2 = 0) noexcept {
        return OpenWide(reinterpret_cast<const char16_t*>(path), reserved, transform, reserved2);
    }
#endif

    // Loading (parser). source is a char text for kinds 0, 1, 2 and a char16_t text for
    // kind 7. Always returns 1; the outcome is in GetErrorCode and the tree.
    int Load(const void* source, int kind, XmlTransform* transform = nullptr) noexcept;
    int LoadText(const char* text) noexcept;
    int LoadWideText(const char16_t* text) noexcept;
#ifdef _WIN32
    int LoadWideText(const wchar_t* text) noexcept {
        return LoadWideText(reinterpret_cast<const char16_t*>(text));
    }
#endif

    // Saving (writer). Returns 1 on success, 0 otherwise; nothing is written when it
    // fails before the file is created. The type of target decides what it is:
    // - nullptr: the document's own file name (narrow or UTF-16 as it was opened);
    //   0 when the document has none, and always 0 for kind 1;
    // - char*: a zero-filled buffer the text is appended to for kind 1, otherwise a
    //   narrow file name;
    // - const char*: a narrow file name (null means the document's own); 0 for kind 1;
    // - const char16_t* (and wchar_t on Windows): a UTF-16 file name; 0 for kind 1.
    int Save(std::nullptr_t, bool raw, int outputKind, XmlTransform* transform = nullptr,
             int reserved = 0) noexcept;
    int Save(char* target, bool raw, int outputKind, XmlTransform* transform = nullptr,
             int reserved = 0) noexcept;
    int Save(const char* fileName, bool raw, int outputKind, XmlTransform* transform = nullptr,
             int reserved = 0) noexcept;
    int Save(const char16_t* fileName, bool raw, int outputKind, XmlTransform* transform = nullptr,
             int reserved = 0) noexcept;
#ifdef _WIN32
    int Save(const wchar_t* fileName, bool raw, int outputKind, XmlTransform* transform = nullptr,
             int reserved = 0) noexcept {
        return Save(reinterpret_cast<const char16_t*>(fileName), raw, outputKind, transform, reserved);
    }
#endif
    // The text Save would put in a memory buffer (empty when it cannot be composed).
    std::string SaveToString(bool raw) noexcept;

    // Saves first when the auto-save flag is set and there is a file name, then frees
    // everything; the object may be loaded again.
    void Close() noexcept;

    XmlElement* GetRoot() const noexcept {
        return root_.get();
    }
    void SetRoot(std::unique_ptr<XmlElement> root) noexcept;
    std::unique_ptr<XmlElement> ResetRoot() noexcept;
    XmlHeader* GetHeader() const noexcept {
        return header_.get();
    }
    void SetHeader(std::unique_ptr<XmlHeader> header) noexcept;
    // 1 when this document became a copy of other; 0 (and this document unchanged) when
    // a swapped-out child of other could not be restored.
    int Assign(const XmlDocument& other) noexcept;

    std::uint32_t GetErrorCode() const noexcept {
        return errorCode_;
    }
    bool HasFileName() const noexcept {
        return hasFileName_;
    }
    bool HasWideFileName() const noexcept {
        return hasFileName_ && wideName_;
    }
    // Null when there is no narrow file name.
    const char* GetFileName() const noexcept {
        return hasFileName_ && !wideName_ ? fileName_.c_str() : nullptr;
    }
    const char16_t* GetWideFileName() const noexcept {
        return hasFileName_ && wideName_ ? wideFileName_.c_str() : nullptr;
    }
    bool GetAutoSave() const noexcept {
        return autoSave_;
    }
    void SetAutoSave(bool on) noexcept {
        autoSave_ = on;
    }

    // Settings access: the element at a "\"-separated path below the root, a variable key.
    int ReadValue(const char* path, const char* key, char* out, int outSize) noexcept;
    void WriteValue(const char* path, const char* key, const char* value) noexcept;

  private:
    void ForgetFileName();
    void SetDefaultContent();
    void LoadSource(const void* source, int kind, XmlTransform* transform);
    void WriteSetting(const char* path, const char* key, const char* value);
    void ParseText(const char* text);
    int SaveToFile(const void* fileName, bool wide, bool raw, int outputKind, XmlTransform* transform);

    std::uint32_t errorCode_ = XmlErrorNone;
    bool hasFileName_ = false;
    bool wideName_ = false;
    std::string fileName_;
    std::u16string wideFileName_;
    std::unique_ptr<XmlHeader> header_;
    std::unique_ptr<XmlElement> root_;
    bool autoSave_ = false;
};
