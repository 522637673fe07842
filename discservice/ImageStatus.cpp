#include "ImageStatus.h"

#include <cstdio>

namespace quillon::discimage {

namespace {

struct StatusText {
    Status code;
    const char* name;
    const char* meaning;
};

constexpr StatusText kTexts[] = {
    {status::Ok, "S_OK", "success"},
    {status::InternalError, "IMAPI_E_FSI_INTERNAL_ERROR", "internal error of the image builder"},
    {status::InvalidParam, "IMAPI_E_INVALID_PARAM", "invalid parameter"},
    {status::NoOutput, "IMAPI_E_NO_OUTPUT", "no file system selected to create"},
    {status::InvalidVolumeName, "IMAPI_E_INVALID_VOLUME_NAME",
     "volume name too long or with characters outside A-Z a-z 0-9 _ ."},
    {status::InvalidPath, "IMAPI_E_INVALID_PATH",
     "path badly formed: an empty part, or a name over 64 characters, ending in a dot or a space, with a "
     "character beyond U+FFFF, a control character or one of * / : ; ? \\"},
    {status::DupName, "IMAPI_E_DUP_NAME", "name already exists in that directory"},
    {status::NoUniqueName, "IMAPI_E_NO_UNIQUE_NAME", "cannot make a unique ISO 9660 name"},
    {status::ItemNotFound, "IMAPI_E_ITEM_NOT_FOUND", "item not found"},
    {status::DirNotFound, "IMAPI_E_DIR_NOT_FOUND", "parent directory not found in the image"},
    {status::ImageSizeLimit, "IMAPI_E_IMAGE_SIZE_LIMIT", "the image would exceed the free media blocks"},
    {status::ImageTooBig, "IMAPI_E_IMAGE_TOO_BIG", "the image is already larger than that limit"},
    {status::StreamInconsistency, "IMAPI_E_DATA_STREAM_INCONSISTENCY",
     "a file changed size after it was added"},
    {status::StreamReadFailure, "IMAPI_E_DATA_STREAM_READ_FAILURE", "a file could not be read"},
    {status::TooManyDirs, "IMAPI_E_TOO_MANY_DIRS", "more than 65535 directories"},
    {status::Iso9660Levels, "IMAPI_E_ISO9660_LEVELS",
     "an ISO 9660-only image is limited to 8 directory levels and 255-character paths"},
    {status::DataTooBig, "IMAPI_E_DATA_TOO_BIG", "file of 4 GiB or more"},
    {status::InvalidWorkingDirectory, "IMAPI_E_INVALID_WORKING_DIRECTORY",
     "the working folder for staged copies cannot be used"},
    {status::OutOfMemory, "E_OUTOFMEMORY", "out of memory"},
    {status::InvalidArg, "E_INVALIDARG", "invalid argument"},
};

const StatusText* Find(Status s) {
    for (const auto& t : kTexts)
        if (t.code == s) return &t;
    return nullptr;
}

std::string Hex(Status s) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(static_cast<std::uint32_t>(s)));
    return buf;
}

} // namespace

std::string StatusName(Status s) {
    const StatusText* t = Find(s);
    return t ? t->name : Hex(s);
}

std::string DescribeStatus(Status s) {
    const StatusText* t = Find(s);
    if (!t) return Hex(s);
    return std::string(t->name) + " (" + Hex(s) + "): " + t->meaning;
}

void SetCause(std::string* cause, const char* text) noexcept {
    if (!cause) return;
    try {
        *cause = text;
    } catch (...) {
        cause->clear();
    }
}

void FailCheck(const char* expression, const char* file, int line) {
    throw InternalError(std::string("check failed: ") + expression + " at " + file + ":" +
                        std::to_string(line));
}

} // namespace quillon::discimage
