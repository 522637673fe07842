#include "StandInFileSystemImage.h"

#include "ComObject.h"
#include "ComStreams.h"
#include "FileSystemImage.h"

#include <wrl/client.h>

#include <memory>
#include <string>

namespace quillon::discservice {

using discimage::FileSystemImage;
using Microsoft::WRL::ComPtr;

namespace {

std::u16string FromBstr(BSTR text) {
    return text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text))
                : std::u16string();
}

HRESULT ToBstr(const std::u16string& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = SysAllocStringLen(reinterpret_cast<const wchar_t*>(text.data()), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT Result(discimage::Status s) {
    return static_cast<HRESULT>(s);
}

VARIANT_BOOL ToVariantBool(bool b) {
    return b ? VARIANT_TRUE : VARIANT_FALSE;
}

// "a" below "" is "a"; below "Docs" it is "Docs\a".
std::u16string Join(const std::u16string& folder, const std::u16string& name) {
    return folder.empty() ? name : folder + u"\\" + name;
}

std::u16string LastName(const std::u16string& path) {
    size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

// Asked of a file item to tell the stand-in's own items from anybody else's; only
// FileItem answers it, with its own pointer.
constexpr IID kIidStandInFileItem = {
    0x6a1f3c52, 0x9d0e, 0x4b7a, {0x8c, 0x61, 0x2f, 0x4e, 0x95, 0x0b, 0x7d, 0x13}};

// Members of IFsiItem that the stand-in's items do not offer.
#define QUILLON_FSI_ITEM_NOT_IMPLEMENTED                                                                     \
    QUILLON_NOT_IMPLEMENTED(get_CreationTime, DATE*)                                                         \
    QUILLON_NOT_IMPLEMENTED(put_CreationTime, DATE)                                                          \
    QUILLON_NOT_IMPLEMENTED(get_LastAccessedTime, DATE*)                                                     \
    QUILLON_NOT_IMPLEMENTED(put_LastAccessedTime, DATE)                                                      \
    QUILLON_NOT_IMPLEMENTED(get_LastModifiedTime, DATE*)                                                     \
    QUILLON_NOT_IMPLEMENTED(put_LastModifiedTime, DATE)                                                      \
    QUILLON_NOT_IMPLEMENTED(get_IsHidden, VARIANT_BOOL*)                                                     \
    QUILLON_NOT_IMPLEMENTED(put_IsHidden, VARIANT_BOOL)                                                      \
    QUILLON_NOT_IMPLEMENTED(FileSystemName, FsiFileSystems, BSTR*)                                           \
    QUILLON_NOT_IMPLEMENTED(FileSystemPath, FsiFileSystems, BSTR*)

// A file item made by CreateFileItem: a name and, once set, its data. It belongs to no
// directory until a directory's Add takes it.
class FileItem : public DispatchObject<FileItem, IFsiFileItem> {
  public:
    explicit FileItem(std::u16string name) : name_(std::move(name)) {}

    bool Answers(REFIID iid) const {
        return IsOneOf(iid, {&IID_IDispatch, &IID_IFsiItem, &IID_IFsiFileItem, &kIidStandInFileItem});
    }
    const std::u16string& Name() const { return name_; }
    IStream* Data() const { return data_.Get(); }

    HRESULT STDMETHODCALLTYPE get_Name(BSTR* out) override { return ToBstr(name_, out); }
    HRESULT STDMETHODCALLTYPE get_FullPath(BSTR* out) override {
        return Guarded([&] { return ToBstr(u"\\" + name_, out); });
    }
    HRESULT STDMETHODCALLTYPE get_Data(IStream** out) override {
        if (!out) return E_POINTER;
        return data_.CopyTo(out);
    }
    HRESULT STDMETHODCALLTYPE put_Data(IStream* data) override {
        data_ = data;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_DataSize(LONGLONG* out) override {
        if (!out) return E_POINTER;
        *out = 0;
        if (!data_) return S_OK;
        std::uint64_t size = 0;
        HRESULT hr = Guarded([&] { return Result(StreamSource(data_).Size(&size)); });
        *out = static_cast<LONGLONG>(size);
        return hr;
    }
    HRESULT STDMETHODCALLTYPE get_DataSize32BitLow(LONG* out) override {
        if (!out) return E_POINTER;
        LONGLONG size = 0;
        HRESULT hr = get_DataSize(&size);
        *out = static_cast<LONG>(size & 0xFFFFFFFF);
        return hr;
    }
    HRESULT STDMETHODCALLTYPE get_DataSize32BitHigh(LONG* out) override {
        if (!out) return E_POINTER;
        LONGLONG size = 0;
        HRESULT hr = get_DataSize(&size);
        *out = static_cast<LONG>(size >> 32);
        return hr;
    }
    QUILLON_FSI_ITEM_NOT_IMPLEMENTED

  private:
    std::u16string name_;
    ComPtr<IStream> data_;
};

// A directory of the image, addressed by its path below the root ("" for the root).
class DirectoryItem : public DispatchObject<DirectoryItem, IFsiDirectoryItem> {
  public:
    DirectoryItem(std::shared_ptr<FileSystemImage> image, std::u16string path)
        : image_(std::move(image)), path_(std::move(path)) {}

    bool Answers(REFIID iid) const {
        return IsOneOf(iid, {&IID_IDispatch, &IID_IFsiItem, &IID_IFsiDirectoryItem});
    }

    HRESULT STDMETHODCALLTYPE get_Name(BSTR* out) override {
        return Guarded([&] { return ToBstr(LastName(path_), out); });
    }
    HRESULT STDMETHODCALLTYPE get_FullPath(BSTR* out) override {
        return Guarded([&] { return ToBstr(u"\\" + path_, out); });
    }
    HRESULT STDMETHODCALLTYPE get_Count(LONG* out) override {
        if (!out) return E_POINTER;
        return Guarded([&] { return Count(out); });
    }
    HRESULT STDMETHODCALLTYPE AddDirectory(BSTR path) override {
        return Guarded([&] { return Result(image_->AddDirectory(Join(path_, FromBstr(path)))); });
    }
    HRESULT STDMETHODCALLTYPE AddFile(BSTR path, IStream* data) override {
        if (!data) return E_POINTER;
        return Guarded([&] {
            return Result(image_->AddFile(Join(path_, FromBstr(path)), std::make_shared<StreamSource>(data)));
        });
    }
    HRESULT STDMETHODCALLTYPE Add(IFsiItem* item) override {
        if (!item) return E_POINTER;
        // Only file items made by this stand-in's CreateFileItem carry what Add needs.
        ComPtr<IFsiFileItem> ours;
        if (FAILED(
                item->QueryInterface(kIidStandInFileItem, reinterpret_cast<void**>(ours.GetAddressOf())))) {
            return E_NOTIMPL;
        }
        auto* file = static_cast<FileItem*>(ours.Get());
        if (!file->Data()) return E_INVALIDARG;
        return Guarded([&] {
            return Result(
                image_->AddFile(Join(path_, file->Name()), std::make_shared<StreamSource>(file->Data())));
        });
    }
    QUILLON_NOT_IMPLEMENTED(get__NewEnum, IEnumVARIANT**)
    QUILLON_NOT_IMPLEMENTED(get_Item, BSTR, IFsiItem**)
    QUILLON_NOT_IMPLEMENTED(get_EnumFsiItems, IEnumFsiItems**)
    QUILLON_NOT_IMPLEMENTED(AddTree, BSTR, VARIANT_BOOL)
    QUILLON_NOT_IMPLEMENTED(Remove, BSTR)
    QUILLON_NOT_IMPLEMENTED(RemoveTree, BSTR)
    QUILLON_FSI_ITEM_NOT_IMPLEMENTED

  private:
    HRESULT Count(LONG* out) {
        std::vector<std::u16string_view> names;
        if (!path_.empty()) {
            discimage::Status s = discimage::ImageTree::SplitPath(path_, &names);
            if (discimage::Failed(s)) return Result(s);
        }
        const discimage::ImageNode* node = image_->Tree().Find(names);
        if (!node) return IMAPI_E_ITEM_NOT_FOUND;
        *out = static_cast<LONG>(node->children.size());
        return S_OK;
    }

    std::shared_ptr<FileSystemImage> image_;
    std::u16string path_;
};

class ImageResult : public DispatchObject<ImageResult, IFileSystemImageResult> {
  public:
    explicit ImageResult(std::shared_ptr<const discimage::ImageResult> result) : result_(std::move(result)) {}

    bool Answers(REFIID iid) const { return IsOneOf(iid, {&IID_IDispatch, &IID_IFileSystemImageResult}); }

    HRESULT STDMETHODCALLTYPE get_ImageStream(IStream** out) override {
        return CreateImageStream(result_, out);
    }
    HRESULT STDMETHODCALLTYPE get_TotalBlocks(LONG* out) override {
        if (!out) return E_POINTER;
        *out = static_cast<LONG>(result_->TotalBlocks());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_BlockSize(LONG* out) override {
        if (!out) return E_POINTER;
        *out = static_cast<LONG>(result_->BlockSize());
        return S_OK;
    }
    QUILLON_NOT_IMPLEMENTED(get_ProgressItems, IProgressItems**)
    QUILLON_NOT_IMPLEMENTED(get_DiscId, BSTR*)

  private:
    std::shared_ptr<const discimage::ImageResult> result_;
};

class Image : public DispatchObject<Image, IFileSystemImage> {
  public:
    Image() : image_(std::make_shared<FileSystemImage>()) {}

    bool Answers(REFIID iid) const { return IsOneOf(iid, {&IID_IDispatch, &IID_IFileSystemImage}); }

    HRESULT STDMETHODCALLTYPE get_Root(IFsiDirectoryItem** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Guarded([&] {
            *out = new DirectoryItem(image_, u"");
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_SessionStartBlock(LONG* out) override {
        if (!out) return E_POINTER;
        *out = image_->SessionStartBlock();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_SessionStartBlock(LONG block) override {
        return Result(image_->SetSessionStartBlock(block));
    }
    HRESULT STDMETHODCALLTYPE get_FreeMediaBlocks(LONG* out) override {
        if (!out) return E_POINTER;
        *out = image_->FreeMediaBlocks();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_FreeMediaBlocks(LONG blocks) override {
        return Result(image_->SetFreeMediaBlocks(blocks));
    }
    HRESULT STDMETHODCALLTYPE get_UsedBlocks(LONG* out) override {
        if (!out) return E_POINTER;
        std::int32_t blocks = 0;
        HRESULT hr = Guarded([&] { return Result(image_->UsedBlocks(&blocks)); });
        *out = blocks;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE get_VolumeName(BSTR* out) override { return ToBstr(image_->VolumeName(), out); }
    HRESULT STDMETHODCALLTYPE put_VolumeName(BSTR name) override {
        return Guarded([&] { return Result(image_->SetVolumeName(FromBstr(name))); });
    }
    HRESULT STDMETHODCALLTYPE get_FileCount(LONG* out) override {
        if (!out) return E_POINTER;
        *out = static_cast<LONG>(image_->FileCount());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_DirectoryCount(LONG* out) override {
        if (!out) return E_POINTER;
        *out = static_cast<LONG>(image_->DirectoryCount());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_WorkingDirectory(BSTR* out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Guarded([&] {
            std::wstring folder = image_->WorkingDirectory().wstring();
            *out = SysAllocStringLen(folder.data(), static_cast<UINT>(folder.size()));
            return *out ? S_OK : E_OUTOFMEMORY;
        });
    }
    HRESULT STDMETHODCALLTYPE put_WorkingDirectory(BSTR folder) override {
        // Wide text into the path as it is: a conversion could fail on a lone surrogate.
        return Guarded([&] {
            return Result(image_->SetWorkingDirectory(std::filesystem::path(
                std::wstring(folder ? folder : L"", folder ? SysStringLen(folder) : 0))));
        });
    }
    HRESULT STDMETHODCALLTYPE get_FileSystemsToCreate(FsiFileSystems* out) override {
        if (!out) return E_POINTER;
        *out = static_cast<FsiFileSystems>(image_->FileSystemsToCreate());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_FileSystemsToCreate(FsiFileSystems fileSystems) override {
        return Result(image_->SetFileSystemsToCreate(static_cast<std::uint32_t>(fileSystems)));
    }
    HRESULT STDMETHODCALLTYPE get_FileSystemsSupported(FsiFileSystems* out) override {
        if (!out) return E_POINTER;
        *out = static_cast<FsiFileSystems>(discimage::file_system::Supported);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE CreateResultImage(IFileSystemImageResult** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Guarded([&] {
            std::shared_ptr<const discimage::ImageResult> result;
            discimage::Status s = image_->CreateResultImage(&result);
            if (discimage::Failed(s)) return Result(s);
            *out = new ImageResult(std::move(result));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE Exists(BSTR path, FsiItemType* out) override {
        if (!out) return E_POINTER;
        return Guarded([&] {
            *out = static_cast<FsiItemType>(image_->Exists(FromBstr(path)));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE CreateFileItem(BSTR name, IFsiFileItem** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Guarded([&] {
            std::u16string text = FromBstr(name);
            discimage::Status s = image_->CheckFileItemName(text);
            if (discimage::Failed(s)) return Result(s);
            *out = new FileItem(std::move(text));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_StageFiles(VARIANT_BOOL* out) override {
        if (!out) return E_POINTER;
        *out = ToVariantBool(image_->StageFiles());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_StageFiles(VARIANT_BOOL stage) override {
        image_->SetStageFiles(stage != VARIANT_FALSE);
        return S_OK;
    }

    // Continuing a previous session needs a recorder to read it from.
    QUILLON_NOT_IMPLEMENTED(get_MultisessionInterfaces, SAFEARRAY**)
    QUILLON_NOT_IMPLEMENTED(put_MultisessionInterfaces, SAFEARRAY*)
    QUILLON_NOT_IMPLEMENTED(ImportFileSystem, FsiFileSystems*)
    QUILLON_NOT_IMPLEMENTED(SetMaxMediaBlocksFromDevice, IDiscRecorder2*)
    QUILLON_NOT_IMPLEMENTED(get_ImportedVolumeName, BSTR*)
    QUILLON_NOT_IMPLEMENTED(get_BootImageOptions, IBootOptions**)
    QUILLON_NOT_IMPLEMENTED(put_BootImageOptions, IBootOptions*)
    QUILLON_NOT_IMPLEMENTED(get_ChangePoint, LONG*)
    QUILLON_NOT_IMPLEMENTED(get_StrictFileSystemCompliance, VARIANT_BOOL*)
    QUILLON_NOT_IMPLEMENTED(put_StrictFileSystemCompliance, VARIANT_BOOL)
    QUILLON_NOT_IMPLEMENTED(get_UseRestrictedCharacterSet, VARIANT_BOOL*)
    QUILLON_NOT_IMPLEMENTED(put_UseRestrictedCharacterSet, VARIANT_BOOL)
    QUILLON_NOT_IMPLEMENTED(put_UDFRevision, LONG)
    QUILLON_NOT_IMPLEMENTED(get_UDFRevision, LONG*)
    QUILLON_NOT_IMPLEMENTED(get_UDFRevisionsSupported, SAFEARRAY**)
    QUILLON_NOT_IMPLEMENTED(ChooseImageDefaults, IDiscRecorder2*)
    QUILLON_NOT_IMPLEMENTED(ChooseImageDefaultsForMediaType, IMAPI_MEDIA_PHYSICAL_TYPE)
    QUILLON_NOT_IMPLEMENTED(put_ISO9660InterchangeLevel, LONG)
    QUILLON_NOT_IMPLEMENTED(get_ISO9660InterchangeLevel, LONG*)
    QUILLON_NOT_IMPLEMENTED(get_ISO9660InterchangeLevelsSupported, SAFEARRAY**)
    QUILLON_NOT_IMPLEMENTED(CalculateDiscIdentifier, BSTR*)
    QUILLON_NOT_IMPLEMENTED(IdentifyFileSystemsOnDisc, IDiscRecorder2*, FsiFileSystems*)
    QUILLON_NOT_IMPLEMENTED(GetDefaultFileSystemForImport, FsiFileSystems, FsiFileSystems*)
    QUILLON_NOT_IMPLEMENTED(ImportSpecificFileSystem, FsiFileSystems)
    QUILLON_NOT_IMPLEMENTED(RollbackToChangePoint, LONG)
    QUILLON_NOT_IMPLEMENTED(LockInChangePoint)
    QUILLON_NOT_IMPLEMENTED(CreateDirectoryItem, BSTR, IFsiDirectoryItem**)
    QUILLON_NOT_IMPLEMENTED(get_VolumeNameUDF, BSTR*)
    QUILLON_NOT_IMPLEMENTED(get_VolumeNameJoliet, BSTR*)
    QUILLON_NOT_IMPLEMENTED(get_VolumeNameISO9660, BSTR*)

  private:
    std::shared_ptr<FileSystemImage> image_;
};

} // namespace

HRESULT CreateStandInFileSystemImage(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    ComPtr<Image> image;
    HRESULT hr = Guarded([&] {
        image.Attach(new Image);
        return S_OK;
    });
    if (FAILED(hr)) return hr;
    return image->QueryInterface(iid, out);
}

} // namespace quillon::discservice
