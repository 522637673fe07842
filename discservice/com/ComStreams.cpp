#include "ComStreams.h"

#include "ComObject.h"
#include "TextConversion.h"

#include <algorithm>
#include <cstring>
#include <climits>

namespace quillon::discservice {

using discimage::Status;
using Microsoft::WRL::ComPtr;
namespace status = discimage::status;

namespace {

// Stat without asking for the name; fields a stream does not fill stay zero.
bool StatOf(IStream* stream, STATSTG* stat) {
    std::memset(stat, 0, sizeof(*stat));
    return SUCCEEDED(stream->Stat(stat, STATFLAG_NONAME));
}

class StreamReader : public discimage::SourceReader {
  public:
    explicit StreamReader(ComPtr<IStream> stream) : stream_(std::move(stream)) {}

    Status ReadAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* done) override {
        *done = 0;
        // Always seek: several image streams (and their clones) share this stream, so
        // where it stands is only known right after a seek.
        LARGE_INTEGER move;
        move.QuadPart = static_cast<LONGLONG>(offset);
        if (FAILED(stream_->Seek(move, STREAM_SEEK_SET, nullptr))) return status::StreamReadFailure;
        auto* out = static_cast<BYTE*>(buffer);
        while (*done < length) {
            ULONG want = static_cast<ULONG>(std::min<std::size_t>(length - *done, 1u << 20));
            ULONG got = 0;
            // Some streams answer S_FALSE at the end, others S_OK with fewer bytes.
            if (FAILED(stream_->Read(out + *done, want, &got)) || got > want)
                return status::StreamReadFailure;
            *done += got;
            if (got == 0) break;
        }
        return status::Ok;
    }

    Status CurrentSize(std::uint64_t* size) override {
        STATSTG stat;
        if (!StatOf(stream_.Get(), &stat)) return status::StreamReadFailure;
        *size = stat.cbSize.QuadPart;
        return status::Ok;
    }

  private:
    ComPtr<IStream> stream_;
};

class ImageStream : public ComObject<ImageStream, IStream> {
  public:
    ImageStream(std::shared_ptr<const discimage::ImageResult> result, std::uint64_t position)
        : result_(std::move(result)), reader_(result_->OpenReader()), position_(position) {}

    static HRESULT Create(std::shared_ptr<const discimage::ImageResult> result, std::uint64_t position,
                          IStream** stream) {
        if (!stream) return E_POINTER;
        *stream = nullptr;
        return Guarded([&] {
            *stream = new ImageStream(std::move(result), position);
            return S_OK;
        });
    }

    bool Answers(REFIID iid) const { return IsOneOf(iid, {&IID_IStream, &IID_ISequentialStream}); }

    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG count, ULONG* read) override {
        if (read) *read = 0;
        if (!buffer && count) return STG_E_INVALIDPOINTER;
        std::size_t done = 0;
        Status s = discimage::status::Ok;
        HRESULT hr = Guarded([&] {
            s = reader_->Read(position_, buffer, count, &done);
            return S_OK;
        });
        if (FAILED(hr)) return hr;
        position_ += done;
        if (read) *read = static_cast<ULONG>(done);
        if (discimage::Failed(s)) return static_cast<HRESULT>(s);
        return done < count ? S_FALSE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG* written) override {
        if (written) *written = 0;
        return STG_E_ACCESSDENIED;
    }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override {
        LONGLONG base = 0;
        switch (origin) {
        case STREAM_SEEK_SET: base = 0; break;
        case STREAM_SEEK_CUR: base = static_cast<LONGLONG>(position_); break;
        case STREAM_SEEK_END: base = static_cast<LONGLONG>(result_->SizeInBytes()); break;
        default: return STG_E_INVALIDFUNCTION;
        }
        // Out of range either way, and without signed overflow.
        if (move.QuadPart > 0 ? base > LLONG_MAX - move.QuadPart : base + move.QuadPart < 0) {
            return STG_E_INVALIDFUNCTION;
        }
        LONGLONG target = base + move.QuadPart;
        position_ = static_cast<std::uint64_t>(target);
        if (position) position->QuadPart = position_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD flags) override {
        if (!stat) return STG_E_INVALIDPOINTER;
        std::memset(stat, 0, sizeof(*stat));
        stat->type = STGTY_STREAM;
        stat->cbSize.QuadPart = result_->SizeInBytes();
        stat->grfMode = STGM_READ | STGM_SHARE_DENY_WRITE;
        if (!(flags & STATFLAG_NONAME)) {
            static const wchar_t kName[] = L"image.iso";
            stat->pwcsName = static_cast<LPOLESTR>(CoTaskMemAlloc(sizeof(kName)));
            if (!stat->pwcsName) return STG_E_INSUFFICIENTMEMORY;
            std::memcpy(stat->pwcsName, kName, sizeof(kName));
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream* target, ULARGE_INTEGER count, ULARGE_INTEGER* read,
                                     ULARGE_INTEGER* written) override {
        if (!target) return STG_E_INVALIDPOINTER;
        std::uint64_t total = 0, totalWritten = 0;
        std::vector<BYTE> buffer;
        HRESULT hr = Guarded([&] {
            buffer.resize(1 << 16);
            return S_OK;
        });
        while (total < count.QuadPart) {
            ULONG want = static_cast<ULONG>(std::min<std::uint64_t>(buffer.size(), count.QuadPart - total));
            ULONG got = 0;
            hr = Read(buffer.data(), want, &got);
            if (FAILED(hr) || got == 0) break;
            total += got;
            ULONG put = 0;
            hr = target->Write(buffer.data(), got, &put);
            totalWritten += put;
            if (FAILED(hr)) break;
        }
        if (read) read->QuadPart = total;
        if (written) written->QuadPart = totalWritten;
        return FAILED(hr) ? hr : S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IStream** clone) override {
        if (!clone) return STG_E_INVALIDPOINTER;
        return Create(result_, position_, clone);
    }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return STG_E_ACCESSDENIED; }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return S_OK; }
    QUILLON_NOT_IMPLEMENTED(LockRegion, ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
    QUILLON_NOT_IMPLEMENTED(UnlockRegion, ULARGE_INTEGER, ULARGE_INTEGER, DWORD)

  private:
    std::shared_ptr<const discimage::ImageResult> result_;
    std::unique_ptr<discimage::ImageReader> reader_;
    std::uint64_t position_;
};

} // namespace

discimage::Timestamp TimestampFromFileTime(const FILETIME& time) {
    ULARGE_INTEGER ticks;
    ticks.LowPart = time.dwLowDateTime;
    ticks.HighPart = time.dwHighDateTime;
    constexpr std::int64_t kTicksPerSecond = 10000000;
    constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
    return {static_cast<std::int64_t>(ticks.QuadPart / kTicksPerSecond) - kSecondsFrom1601To1970};
}

Status StreamSource::Size(std::uint64_t* size) const {
    STATSTG stat;
    if (!StatOf(stream_.Get(), &stat)) return status::StreamReadFailure;
    *size = stat.cbSize.QuadPart;
    if (*size > 0) return status::Ok;
    // An empty file is never read for the image, so make sure it is one: a stream over
    // a file that could not be opened also reports the size 0.
    LARGE_INTEGER start = {};
    BYTE probe = 0;
    ULONG got = 0;
    if (FAILED(stream_->Seek(start, STREAM_SEEK_SET, nullptr)) || FAILED(stream_->Read(&probe, 1, &got))) {
        return status::StreamReadFailure;
    }
    return got == 0 ? status::Ok : status::StreamInconsistency;
}

Status StreamSource::Open(std::unique_ptr<discimage::SourceReader>* reader) const {
    *reader = std::make_unique<StreamReader>(stream_);
    return status::Ok;
}

std::optional<discimage::Timestamp> StreamSource::ModificationTime() const {
    STATSTG stat;
    if (!StatOf(stream_.Get(), &stat)) return std::nullopt;
    if (stat.mtime.dwLowDateTime == 0 && stat.mtime.dwHighDateTime == 0) return std::nullopt;
    return TimestampFromFileTime(stat.mtime);
}

std::string StreamSource::Describe() const {
    STATSTG stat = {};
    std::string name = "stream";
    if (SUCCEEDED(stream_->Stat(&stat, STATFLAG_DEFAULT)) && stat.pwcsName) {
        name = discimage::Utf16ToUtf8Lossy(reinterpret_cast<const char16_t*>(stat.pwcsName));
        CoTaskMemFree(stat.pwcsName);
    }
    return name;
}

HRESULT CreateImageStream(std::shared_ptr<const discimage::ImageResult> result, IStream** stream) {
    return ImageStream::Create(std::move(result), 0, stream);
}

} // namespace quillon::discservice
