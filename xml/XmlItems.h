#pragma once
// The leaves of the document model: variables (attributes), text pieces, comments and
// CDATA sections.

#include <memory>
#include <string>
#include <string_view>

class XmlElement;

// Copies text into buf (when not null) with its terminator; returns the length of the
// copied text, or with buf null the length of stored, an upper bound for both forms.
int XmlCopyOut(const std::string& stored, char* buf, bool raw) noexcept;

// A signed decimal integer as atoi reads it (leading blanks, optional sign, digits up to
// the first non-digit, 0 when there are none), wrapping modulo 2^32 instead of
// overflowing, so a value printed with "%u" reads back as the same int.
int XmlReadInteger(const std::string& text) noexcept;

class XmlVariable {
  public:
    // Name and value are encoded unless raw; a null value is empty.
    XmlVariable(const char* name, const char* value, bool raw = false) noexcept;
    // Name and value already in the stored form.
    XmlVariable(std::string_view storedName, std::string_view storedValue) noexcept;
    static std::unique_ptr<XmlVariable> Create(const char* name, const char* value,
                                               bool raw = false) noexcept {
        return std::make_unique<XmlVariable>(name, value, raw);
    }

    XmlVariable(const XmlVariable&) = delete;
    XmlVariable& operator=(const XmlVariable&) = delete;

    void SetName(const char* name, bool raw) noexcept;
    void SetValue(const char* value, bool raw) noexcept;
    int GetName(char* buf, bool raw) const noexcept { return XmlCopyOut(name_, buf, raw); }
    int GetValue(char* buf, bool raw) const noexcept { return XmlCopyOut(value_, buf, raw); }
    std::string GetNameText(bool raw = false) const noexcept;
    std::string GetValueText(bool raw = false) const noexcept;
    const std::string& StoredName() const noexcept { return name_; }
    const std::string& StoredValue() const noexcept { return value_; }

    int GetValueInt() const noexcept;
    void SetValueInt(int n) noexcept;
    float GetValueFloat() const noexcept;
    void SetValueFloat(float x) noexcept;

    // A copy without owner; decoded name and value are encoded again.
    std::unique_ptr<XmlVariable> Clone() const noexcept;

    XmlElement* GetOwner() const noexcept { return owner_; }
    void SetOwner(XmlElement* owner) noexcept { owner_ = owner; }

  private:
    std::string name_;
    std::string value_;
    XmlElement* owner_ = nullptr;
};

// What text pieces, comments and CDATA sections share: their text as stored, the
// element that owns them and their position among its children.
class XmlItem {
  public:
    XmlItem(const XmlItem&) = delete;
    XmlItem& operator=(const XmlItem&) = delete;

    int GetPosition() const noexcept { return position_; }
    void SetPosition(int position) noexcept { position_ = position; }
    XmlElement* GetOwner() const noexcept { return owner_; }
    void SetOwner(XmlElement* owner) noexcept { owner_ = owner; }

  protected:
    XmlItem(std::string text, int position) : text_(std::move(text)), position_(position) {}

    std::string text_;

  private:
    XmlElement* owner_ = nullptr;
    int position_;
};

class XmlContent : public XmlItem {
  public:
    // Text is plain unless raw.
    XmlContent(const char* text, int position, bool raw = false) noexcept;

    int GetText(char* buf, bool raw) const noexcept { return XmlCopyOut(text_, buf, raw); }
    std::string GetTextString(bool raw = false) const noexcept;
    void SetText(const char* text, bool raw) noexcept;
    const std::string& StoredText() const noexcept { return text_; }
};

// Comments and CDATA sections keep their text exactly as in the file.
class XmlVerbatimItem : public XmlItem {
  public:
    XmlVerbatimItem(const char* text, int position) noexcept : XmlItem(text ? text : "", position) {}
    XmlVerbatimItem(std::string text, int position) noexcept : XmlItem(std::move(text), position) {}

    const std::string& GetText() const noexcept { return text_; }
    void SetText(const char* text) noexcept { text_ = text ? text : ""; }
};

class XmlComment : public XmlVerbatimItem {
  public:
    using XmlVerbatimItem::XmlVerbatimItem;
};

class XmlCData : public XmlVerbatimItem {
  public:
    using XmlVerbatimItem::XmlVerbatimItem;
};
