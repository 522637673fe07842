#pragma once
// Profile-style settings over XML documents: a value is addressed by a section path of
// element names below the root ("General\\Language") and a key naming a variable.
// Each function works on document when it is given, otherwise on the file fileName
// (narrow), opened as a scratch document for the one call.

#include <cstddef>

class XmlDocument;

// The value's length (0 when absent or empty). out receives the value when it fits with
// its terminator (length below outSize) and is left untouched otherwise; without a
// value, defaultText is copied the same way and its length returned.
int XmlReadString(const char* section, const char* key, const char* defaultText, char* out, int outSize,
                  const char* fileName, XmlDocument* document) noexcept;
// 1 when the value was stored: with a document, in it (the caller saves); without, in the
// file, which is then saved. 0 when the file could not be rewritten (for example a
// file that did not load completely keeps its content and is not written).
int XmlWriteString(const char* section, const char* key, const char* value, const char* fileName,
                   XmlDocument* document) noexcept;

int XmlReadInt(const char* section, const char* key, int defaultValue, const char* fileName,
               XmlDocument* document) noexcept;
float XmlReadFloat(const char* section, const char* key, float defaultValue, const char* fileName,
                   XmlDocument* document) noexcept;
// Decodes the base64 value (the default when absent) into out; at most size bytes and
// at most 5000. Returns the number copied, 0 when the read returned 0.
int XmlReadBinary(const char* section, const char* key, const char* defaultText, void* out, int size,
                  const char* fileName, XmlDocument* document) noexcept;

int XmlWriteInt(const char* section, const char* key, int value, const char* fileName,
                XmlDocument* document) noexcept;
int XmlWriteFloat(const char* section, const char* key, float value, const char* fileName,
                  XmlDocument* document) noexcept;
// Base64 with "__" where a line break follows every 72 characters.
int XmlWriteBinary(const char* section, const char* key, const void* data, int size, const char* fileName,
                   XmlDocument* document) noexcept;
int XmlWriteStringW(const char* section, const char* key, const char16_t* value, const char* fileName,
                    XmlDocument* document) noexcept;
#ifdef _WIN32
inline int XmlWriteStringW(const char* section, const char* key, const wchar_t* value, const char* fileName,
                           XmlDocument* document) noexcept {
    return XmlWriteStringW(section, key, reinterpret_cast<const char16_t*>(value), fileName, document);
}
#endif
// value in the ANSI code page; always works on the file.
int XmlWriteStringA(const char* section, const char* key, const char* value, const char* fileName) noexcept;
