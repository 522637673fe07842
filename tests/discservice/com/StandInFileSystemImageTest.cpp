// The stand-in MsftFileSystemImage driven through the service's interfaces, the way
// the engine drives it, and read back through its image stream.
#include "ComObject.h"
#include "ComTestSupport.h"
#include "Imapi2Interfaces.h"
#include "ServiceObjects.h"

#include <gtest/gtest.h>
#include <wrl/client.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Microsoft::WRL::ComPtr;
using quillon::discservice::CreateServiceObject;

// A stream over bytes in memory. Like the program's own file stream, its Stat fills
// only the type and size and leaves the other fields as they were.
class MemoryStream : public ComObject<MemoryStream, IStream> {
  public:
    explicit MemoryStream(std::string bytes, bool failReads = false)
        : bytes_(std::move(bytes)), failReads_(failReads) {}

    bool Answers(REFIID iid) const { return IsOneOf(iid, {&IID_IStream}); }

    HRESULT STDMETHODCALLTYPE Read(void* out, ULONG count, ULONG* read) override {
        if (failReads_) return E_FAIL;
        ULONG n = static_cast<ULONG>(std::min<size_t>(count, bytes_.size() - position_));
        std::memcpy(out, bytes_.data() + position_, n);
        position_ += n;
        if (read) *read = n;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override {
        if (failReads_) return E_FAIL;
        LONGLONG base = origin == STREAM_SEEK_SET ? 0 : origin == STREAM_SEEK_CUR ? position_ : bytes_.size();
        position_ = static_cast<size_t>(base + move.QuadPart);
        if (position) position->QuadPart = position_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD) override {
        stat->type = STGTY_STREAM;
        stat->cbSize.QuadPart = bytes_.size();
        return S_OK;
    }
    QUILLON_NOT_IMPLEMENTED(Write, const void*, ULONG, ULONG*)
    QUILLON_NOT_IMPLEMENTED(SetSize, ULARGE_INTEGER)
    QUILLON_NOT_IMPLEMENTED(CopyTo, IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*)
    QUILLON_NOT_IMPLEMENTED(Commit, DWORD)
    QUILLON_NOT_IMPLEMENTED(Revert)
    QUILLON_NOT_IMPLEMENTED(LockRegion, ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
    QUILLON_NOT_IMPLEMENTED(UnlockRegion, ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
    QUILLON_NOT_IMPLEMENTED(Clone, IStream**)

  private:
    std::string bytes_;
    bool failReads_;
    size_t position_ = 0;
};

ComPtr<IStream> StreamOf(std::string bytes, bool failReads = false) {
    ComPtr<IStream> stream;
    stream.Attach(new MemoryStream(std::move(bytes), failReads));
    return stream;
}

struct Bstr {
    explicit Bstr(const wchar_t* text) : value(SysAllocString(text)) {}
    ~Bstr() { SysFreeString(value); }
    operator BSTR() const { return value; }
    BSTR value;
};

class StandInImage : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_EQ(CreateServiceObject(CLSID_MsftFileSystemImage, image.GetAddressOf()), S_OK);
        ASSERT_EQ(image->get_Root(root.GetAddressOf()), S_OK);
    }
    void TearDown() override {
        root.Reset();
        image.Reset();
        CoUninitialize();
    }

    // The whole image, read through the result's stream in engine-sized chunks.
    std::string ReadImage(LONG* totalBlocks = nullptr) {
        ComPtr<IFileSystemImageResult> result;
        EXPECT_EQ(image->CreateResultImage(result.GetAddressOf()), S_OK);
        if (!result) return {};
        if (totalBlocks) result->get_TotalBlocks(totalBlocks);
        ComPtr<IStream> stream;
        EXPECT_EQ(result->get_ImageStream(stream.GetAddressOf()), S_OK);
        std::string bytes;
        HRESULT hr = ReadInChunks(stream.Get(), [&](const char* data, ULONG size) {
            bytes.append(data, size);
            return true;
        });
        EXPECT_TRUE(SUCCEEDED(hr));
        return bytes;
    }

    ComPtr<IFileSystemImage> image;
    ComPtr<IFsiDirectoryItem> root;
};

TEST_F(StandInImage, TakesTheEnginesCallsAndMakesAnIsoWithJoliet) {
    image->put_StageFiles(VARIANT_FALSE);
    EXPECT_EQ(image->put_VolumeName(Bstr(L"BACKUP")), S_OK);
    EXPECT_EQ(image->put_FreeMediaBlocks(0), S_OK);
    ComPtr<IFsiFileItem> item;
    ASSERT_EQ(image->CreateFileItem(Bstr(L"r.txt"), item.GetAddressOf()), S_OK);
    item.Reset();
    ASSERT_EQ(root->AddDirectory(Bstr(L"Docs")), S_OK);
    ASSERT_EQ(root->AddDirectory(Bstr(L"Docs\\Old")), S_OK);
    ASSERT_EQ(root->AddFile(Bstr(L"Docs\\Old\\r.txt"), StreamOf("unique payload 4711").Get()), S_OK);
    EXPECT_EQ(image->put_FileSystemsToCreate(FsiFileSystemJoliet), S_OK);

    LONG blocks = 0;
    std::string iso = ReadImage(&blocks);
    ASSERT_EQ(iso.size(), static_cast<size_t>(blocks) * 2048);
    // Primary descriptor at sector 16, Joliet's supplementary one (UCS-2 level 3) at 17.
    EXPECT_EQ(iso.substr(16 * 2048, 6), std::string("\x01"
                                                    "CD001",
                                                    6));
    EXPECT_EQ(iso.substr(16 * 2048 + 40, 6), "BACKUP");
    EXPECT_EQ(iso.substr(17 * 2048, 6), std::string("\x02"
                                                    "CD001",
                                                    6));
    EXPECT_EQ(iso.substr(17 * 2048 + 88, 3), "%/E");
    EXPECT_NE(iso.find("unique payload 4711"), std::string::npos);

    LONG files = 0, folders = 0;
    image->get_FileCount(&files);
    image->get_DirectoryCount(&folders);
    EXPECT_EQ(files, 1);
    EXPECT_EQ(folders, 2);
}

TEST_F(StandInImage, ImageStreamSeeksAndStats) {
    ASSERT_EQ(root->AddFile(Bstr(L"a.bin"), StreamOf(std::string(5000, 'a')).Get()), S_OK);
    ComPtr<IFileSystemImageResult> result;
    ASSERT_EQ(image->CreateResultImage(result.GetAddressOf()), S_OK);
    ComPtr<IStream> stream;
    ASSERT_EQ(result->get_ImageStream(stream.GetAddressOf()), S_OK);

    STATSTG stat = {};
    ASSERT_EQ(stream->Stat(&stat, STATFLAG_NONAME), S_OK);
    LONG blocks = 0, blockSize = 0;
    result->get_TotalBlocks(&blocks);
    result->get_BlockSize(&blockSize);
    EXPECT_EQ(blockSize, 2048);
    EXPECT_EQ(stat.cbSize.QuadPart, static_cast<ULONGLONG>(blocks) * 2048);

    LARGE_INTEGER move;
    move.QuadPart = 0;
    ULARGE_INTEGER position;
    ASSERT_EQ(stream->Seek(move, STREAM_SEEK_END, &position), S_OK);
    EXPECT_EQ(position.QuadPart, stat.cbSize.QuadPart);
    char byte = 0;
    ULONG got = 1;
    EXPECT_EQ(stream->Read(&byte, 1, &got), S_FALSE) << "nothing past the end";
    EXPECT_EQ(got, 0u);

    move.QuadPart = 16 * 2048 + 1;
    ASSERT_EQ(stream->Seek(move, STREAM_SEEK_SET, nullptr), S_OK);
    char magic[5] = {};
    ASSERT_EQ(stream->Read(magic, 5, &got), S_OK);
    EXPECT_EQ(std::string(magic, 5), "CD001");

    ComPtr<IStream> clone;
    ASSERT_EQ(stream->Clone(clone.GetAddressOf()), S_OK);
    ULARGE_INTEGER here;
    move.QuadPart = 0;
    clone->Seek(move, STREAM_SEEK_CUR, &here);
    EXPECT_EQ(here.QuadPart, 16u * 2048 + 6) << "a clone starts where its original stands";
    EXPECT_EQ(stream->Write("x", 1, nullptr), STG_E_ACCESSDENIED);
}

TEST_F(StandInImage, RefusesWhatTheImageCannotHold) {
    ASSERT_EQ(root->AddDirectory(Bstr(L"Docs")), S_OK);
    struct Case {
        const char* what;
        HRESULT expected;
        HRESULT actual;
    };
    ComPtr<IFsiFileItem> item;
    const Case cases[] = {
        {"the same folder twice", IMAPI_E_DUP_NAME, root->AddDirectory(Bstr(L"Docs"))},
        {"a folder below a missing one", IMAPI_E_DIR_NOT_FOUND, root->AddDirectory(Bstr(L"Nope\\Sub"))},
        {"a name Joliet cannot hold", IMAPI_E_INVALID_PARAM,
         image->CreateFileItem(Bstr(L"what?.txt"), item.ReleaseAndGetAddressOf())},
        {"a name of 65 characters", IMAPI_E_INVALID_PARAM,
         image->CreateFileItem(Bstr(std::wstring(65, L'n').c_str()), item.ReleaseAndGetAddressOf())},
        {"a file without a stream", E_POINTER, root->AddFile(Bstr(L"x.txt"), nullptr)},
        {"a volume name of 16 characters", IMAPI_E_INVALID_VOLUME_NAME,
         image->put_VolumeName(Bstr(L"SIXTEEN_CHARS_XX"))},
        {"UDF", IMAPI_E_INVALID_PARAM, image->put_FileSystemsToCreate(FsiFileSystemUDF)},
        {"continuing a session", E_NOTIMPL, image->ImportFileSystem(nullptr)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.what;
}

TEST_F(StandInImage, AFileThatDoesNotFitTheLimitIsRefused) {
    ASSERT_EQ(image->put_FreeMediaBlocks(40), S_OK);
    EXPECT_EQ(root->AddFile(Bstr(L"big.bin"), StreamOf(std::string(200 * 2048, 'b')).Get()),
              IMAPI_E_IMAGE_SIZE_LIMIT);
    EXPECT_EQ(root->AddFile(Bstr(L"small.bin"), StreamOf("s").Get()), S_OK);
}

TEST_F(StandInImage, AnUnreadableSourceFailsTheImageReadNotSilently) {
    ASSERT_EQ(root->AddFile(Bstr(L"gone.bin"), StreamOf(std::string(3000, 'g'), true).Get()), S_OK);
    ComPtr<IFileSystemImageResult> result;
    ASSERT_EQ(image->CreateResultImage(result.GetAddressOf()), S_OK);
    ComPtr<IStream> stream;
    ASSERT_EQ(result->get_ImageStream(stream.GetAddressOf()), S_OK);
    EXPECT_EQ(ReadInChunks(stream.Get(), [](const char*, ULONG) { return true; }),
              IMAPI_E_DATA_STREAM_READ_FAILURE);
}

TEST_F(StandInImage, AnEmptySourceThatCannotBeReadIsRefused) {
    // The program's file stream over a file that did not open reports the size 0.
    EXPECT_EQ(root->AddFile(Bstr(L"gone.txt"), StreamOf("", true).Get()), IMAPI_E_DATA_STREAM_READ_FAILURE);
    EXPECT_EQ(root->AddFile(Bstr(L"empty.txt"), StreamOf("").Get()), S_OK);
}

TEST_F(StandInImage, InterleavedImageStreamsReadTheSameBytes) {
    std::string data(300000, '\0');
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i * 7 + i / 251);
    ASSERT_EQ(root->AddFile(Bstr(L"data.bin"), StreamOf(data).Get()), S_OK);
    const std::string reference = ReadImage();
    ASSERT_FALSE(reference.empty());

    ComPtr<IFileSystemImageResult> result;
    ASSERT_EQ(image->CreateResultImage(result.GetAddressOf()), S_OK);
    ComPtr<IStream> a, b;
    ASSERT_EQ(result->get_ImageStream(a.GetAddressOf()), S_OK);
    ASSERT_EQ(result->get_ImageStream(b.GetAddressOf()), S_OK);
    auto read = [](IStream* stream, ULONG count, std::string& into) {
        std::string chunk(count, '\0');
        ULONG got = 0;
        HRESULT hr = stream->Read(chunk.data(), count, &got);
        into.append(chunk.data(), got);
        return hr;
    };
    // Both streams pull the same file through the one source stream, in turns.
    std::string fromA, fromB;
    EXPECT_TRUE(SUCCEEDED(read(a.Get(), 51200, fromA)));
    EXPECT_TRUE(SUCCEEDED(read(a.Get(), 150000, fromA)));
    EXPECT_TRUE(SUCCEEDED(read(b.Get(), 51200, fromB)));
    EXPECT_TRUE(SUCCEEDED(read(b.Get(), 20001, fromB)));
    while (fromA.size() < reference.size())
        ASSERT_TRUE(SUCCEEDED(read(a.Get(), 65536, fromA)));
    EXPECT_TRUE(fromA == reference);
    EXPECT_EQ(fromB, reference.substr(0, fromB.size()));
}

TEST_F(StandInImage, OddArgumentsGiveErrorsNotCrashes) {
    wchar_t loneSurrogate[] = {L'C', L':', L'\\', static_cast<wchar_t>(0xD800), 0};
    EXPECT_TRUE(FAILED(image->put_WorkingDirectory(Bstr(loneSurrogate))));

    ComPtr<IFsiFileItem> item;
    ASSERT_EQ(image->CreateFileItem(Bstr(L"x.txt"), item.GetAddressOf()), S_OK);
    EXPECT_EQ(item->get_DataSize32BitLow(nullptr), E_POINTER);
    EXPECT_EQ(item->get_DataSize32BitHigh(nullptr), E_POINTER);

    ComPtr<IStream> result;
    ASSERT_EQ(root->AddFile(Bstr(L"a.bin"), StreamOf("a").Get()), S_OK);
    ComPtr<IFileSystemImageResult> made;
    ASSERT_EQ(image->CreateResultImage(made.GetAddressOf()), S_OK);
    ASSERT_EQ(made->get_ImageStream(result.GetAddressOf()), S_OK);
    LARGE_INTEGER move;
    move.QuadPart = LLONG_MAX;
    EXPECT_EQ(result->Seek(move, STREAM_SEEK_SET, nullptr), S_OK);
    move.QuadPart = 1;
    EXPECT_EQ(result->Seek(move, STREAM_SEEK_CUR, nullptr), STG_E_INVALIDFUNCTION);
    move.QuadPart = -1;
    EXPECT_EQ(result->Seek(move, STREAM_SEEK_SET, nullptr), STG_E_INVALIDFUNCTION);
}

// A file item that some other implementation made.
class ForeignFileItem : public DispatchObject<ForeignFileItem, IFsiFileItem> {
  public:
    bool Answers(REFIID iid) const {
        return IsOneOf(iid, {&IID_IDispatch, &IID_IFsiItem, &IID_IFsiFileItem});
    }
    QUILLON_NOT_IMPLEMENTED(get_Name, BSTR*)
    QUILLON_NOT_IMPLEMENTED(get_FullPath, BSTR*)
    QUILLON_NOT_IMPLEMENTED(get_CreationTime, DATE*)
    QUILLON_NOT_IMPLEMENTED(put_CreationTime, DATE)
    QUILLON_NOT_IMPLEMENTED(get_LastAccessedTime, DATE*)
    QUILLON_NOT_IMPLEMENTED(put_LastAccessedTime, DATE)
    QUILLON_NOT_IMPLEMENTED(get_LastModifiedTime, DATE*)
    QUILLON_NOT_IMPLEMENTED(put_LastModifiedTime, DATE)
    QUILLON_NOT_IMPLEMENTED(get_IsHidden, VARIANT_BOOL*)
    QUILLON_NOT_IMPLEMENTED(put_IsHidden, VARIANT_BOOL)
    QUILLON_NOT_IMPLEMENTED(FileSystemName, FsiFileSystems, BSTR*)
    QUILLON_NOT_IMPLEMENTED(FileSystemPath, FsiFileSystems, BSTR*)
    QUILLON_NOT_IMPLEMENTED(get_DataSize, LONGLONG*)
    QUILLON_NOT_IMPLEMENTED(get_DataSize32BitLow, LONG*)
    QUILLON_NOT_IMPLEMENTED(get_DataSize32BitHigh, LONG*)
    QUILLON_NOT_IMPLEMENTED(get_Data, IStream**)
    QUILLON_NOT_IMPLEMENTED(put_Data, IStream*)
};

TEST_F(StandInImage, AddTakesItsOwnFileItemsOnly) {
    ComPtr<IFsiFileItem> item;
    ASSERT_EQ(image->CreateFileItem(Bstr(L"added.txt"), item.GetAddressOf()), S_OK);
    ComPtr<IFsiItem> asItem;
    ASSERT_EQ(item.As(&asItem), S_OK);
    EXPECT_EQ(root->Add(asItem.Get()), E_INVALIDARG) << "no data yet";
    ASSERT_EQ(item->put_Data(StreamOf("added").Get()), S_OK);
    EXPECT_EQ(root->Add(asItem.Get()), S_OK);
    FsiItemType type = FsiItemNotFound;
    EXPECT_EQ(image->Exists(Bstr(L"added.txt"), &type), S_OK);
    EXPECT_EQ(type, FsiItemFile);

    ComPtr<IFsiItem> foreign;
    foreign.Attach(new ForeignFileItem);
    EXPECT_EQ(root->Add(foreign.Get()), E_NOTIMPL);
}

TEST_F(StandInImage, AnswersOnlyItsOwnInterfaces) {
    ComPtr<IDispatch> dispatch;
    EXPECT_EQ(image.As(&dispatch), S_OK);
    ComPtr<IDiscRecorder2> recorder;
    EXPECT_EQ(image.As(&recorder), E_NOINTERFACE);
    ComPtr<IFsiItem> item;
    EXPECT_EQ(root.As(&item), S_OK);
}

TEST(ServiceObjects, AClassWithoutStandInReportsThatItIsNotRegistered) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ComPtr<IDiscFormat2Erase> erase;
    HRESULT hr = CreateServiceObject(CLSID_MsftDiscFormat2Erase, erase.GetAddressOf());
    if (FAILED(hr)) {
        EXPECT_EQ(hr, REGDB_E_CLASSNOTREG);
    }
    CoUninitialize();
}

} // namespace
