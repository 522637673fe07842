// Result codes of the file-system image core. The values are the disc-mastering
// service's own, so the COM classes on top can hand them out unchanged; they are
// plain 32-bit integers here because this code builds without Windows headers.
#pragma once

#include <cstdint>
#include <exception>
#include <new>
#include <stdexcept>
#include <string>

namespace quillon::discimage {

using Status = std::int32_t;

constexpr Status MakeStatus(std::uint32_t value) {
    return static_cast<Status>(value);
}

namespace status {
inline constexpr Status Ok = 0;
inline constexpr Status InternalError = MakeStatus(0xC0AAB100u);       // IMAPI_E_FSI_INTERNAL_ERROR
inline constexpr Status InvalidParam = MakeStatus(0xC0AAB101u);        // IMAPI_E_INVALID_PARAM
inline constexpr Status NoOutput = MakeStatus(0xC0AAB103u);            // IMAPI_E_NO_OUTPUT
inline constexpr Status InvalidVolumeName = MakeStatus(0xC0AAB104u);   // IMAPI_E_INVALID_VOLUME_NAME
inline constexpr Status InvalidPath = MakeStatus(0xC0AAB110u);         // IMAPI_E_INVALID_PATH
inline constexpr Status DupName = MakeStatus(0xC0AAB112u);             // IMAPI_E_DUP_NAME
inline constexpr Status NoUniqueName = MakeStatus(0xC0AAB113u);        // IMAPI_E_NO_UNIQUE_NAME
inline constexpr Status ItemNotFound = MakeStatus(0xC0AAB118u);        // IMAPI_E_ITEM_NOT_FOUND
inline constexpr Status DirNotFound = MakeStatus(0xC0AAB11Au);         // IMAPI_E_DIR_NOT_FOUND
inline constexpr Status ImageSizeLimit = MakeStatus(0xC0AAB120u);      // IMAPI_E_IMAGE_SIZE_LIMIT
inline constexpr Status ImageTooBig = MakeStatus(0xC0AAB121u);         // IMAPI_E_IMAGE_TOO_BIG
inline constexpr Status StreamInconsistency = MakeStatus(0xC0AAB128u); // IMAPI_E_DATA_STREAM_INCONSISTENCY
inline constexpr Status StreamReadFailure = MakeStatus(0xC0AAB129u);   // IMAPI_E_DATA_STREAM_READ_FAILURE
inline constexpr Status TooManyDirs = MakeStatus(0xC0AAB130u);         // IMAPI_E_TOO_MANY_DIRS
inline constexpr Status Iso9660Levels = MakeStatus(0xC0AAB131u);       // IMAPI_E_ISO9660_LEVELS
inline constexpr Status DataTooBig = MakeStatus(0xC0AAB132u);          // IMAPI_E_DATA_TOO_BIG
inline constexpr Status OutOfMemory = MakeStatus(0x8007000Eu);         // E_OUTOFMEMORY
inline constexpr Status InvalidArg = MakeStatus(0x80070057u);          // E_INVALIDARG
// IMAPI_E_INVALID_WORKING_DIRECTORY
inline constexpr Status InvalidWorkingDirectory = MakeStatus(0xC0AAB140u);
} // namespace status

inline bool Failed(Status s) {
    return s < 0;
}

// The service's symbolic name of a code ("IMAPI_E_DUP_NAME"), or its hex value.
std::string StatusName(Status s);
// One line for people: the symbolic name and what it means.
std::string DescribeStatus(Status s);

// Thrown when a structure comes out different from its plan. It is a defect of
// this code, never of the input; the public calls turn it into InternalError.
class InternalError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

[[noreturn]] void FailCheck(const char* expression, const char* file, int line);

// Stores text in *cause (when given) without ever throwing: a cause that cannot be
// stored for lack of memory is dropped, the code that goes with it is not.
void SetCause(std::string* cause, const char* text) noexcept;

// Runs body (which returns a Status) so that no exception leaves it: bad_alloc
// becomes OutOfMemory, anything else InternalError, and the exception's text goes
// to *cause for messages. Every public call of the core goes through it, since the
// sources it calls are not ours and the COM layer above must never see a throw.
template <class Body> Status Guarded(Body&& body, std::string* cause) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        SetCause(cause, "out of memory");
        return status::OutOfMemory;
    } catch (const std::exception& e) {
        SetCause(cause, e.what());
        return status::InternalError;
    } catch (...) {
        SetCause(cause, "an unknown exception");
        return status::InternalError;
    }
}

} // namespace quillon::discimage

#define DISC_CHECK(expr)                                                                                     \
    do {                                                                                                     \
        if (!(expr)) ::quillon::discimage::FailCheck(#expr, __FILE__, __LINE__);                             \
    } while (false)
