// Streams between the COM world and the image core: a file's IStream as a byte source
// of the image, and the finished image as a read-only, seekable IStream.
#pragma once

#include "ByteSource.h"
#include "ImageReader.h"

#include <objidl.h>
#include <wrl/client.h>

#include <memory>

namespace quillon::discservice {

// The image reads a file's data through the IStream it was given. The size comes from
// Stat (the stream must report it); the modification time too, when the stream fills it.
class StreamSource : public discimage::ByteSource {
  public:
    explicit StreamSource(Microsoft::WRL::ComPtr<IStream> stream) : stream_(std::move(stream)) {}

    discimage::Status Size(std::uint64_t* size) const override;
    discimage::Status Open(std::unique_ptr<discimage::SourceReader>* reader) const override;
    std::optional<discimage::Timestamp> ModificationTime() const override;
    std::string Describe() const override;

  private:
    Microsoft::WRL::ComPtr<IStream> stream_;
};

// The finished image as an IStream: any position can be read, nothing can be written.
HRESULT CreateImageStream(std::shared_ptr<const discimage::ImageResult> result, IStream** stream);

// FILETIME (100 ns since 1601) and the image's seconds since 1970.
discimage::Timestamp TimestampFromFileTime(const FILETIME& time);

} // namespace quillon::discservice
