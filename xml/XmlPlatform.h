#pragma once
// The few places where the library meets the operating system: opening files by
// narrow or UTF-16 name and the ANSI code page. XmlPlatform.cpp is the portable body,
// XmlPlatform_win.cpp the Windows one.

#include <cstdio>
#include <memory>
#include <string>

struct XmlFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using XmlFilePtr = std::unique_ptr<std::FILE, XmlFileCloser>;

// Read: an existing file. Write: created or truncated. CreateNew: created, and refused
// when the name is taken.
enum class XmlFileMode { Read, Write, CreateNew };

// Why a file could not be opened. NotFound is only the file (or a folder on its path)
// not existing; everything else (no permission, a folder in its place...) is Other.
enum class XmlOpenError { None, NotFound, AlreadyExists, Other };

// Binary mode; null when the file cannot be opened, with the reason in error when given.
XmlFilePtr XmlOpenFile(const char* name, XmlFileMode mode, XmlOpenError* error = nullptr);
XmlFilePtr XmlOpenFileWide(const char16_t* name, XmlFileMode mode, XmlOpenError* error = nullptr);

// Text in the system's ANSI code page to UTF-8 (the portable body takes it as UTF-8).
std::string XmlAnsiToUtf8(const char* text);

// Closes a file that was written and reports whether everything reached it.
bool XmlCloseWritten(XmlFilePtr file);

// Identifies this process in the names of temporary files.
unsigned long XmlProcessId();
