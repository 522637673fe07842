// The stand-in image fed from files on disk through file streams and saved as an image
// file in chunks, the way the engine writes an ISO file. com_readers_check.py runs this
// with a source tree and checks the image with independent readers; run alone, it skips.
#include "ComTestSupport.h"
#include "Imapi2Interfaces.h"
#include "ServiceObjects.h"

#include <gtest/gtest.h>
#include <shlwapi.h>
#include <wrl/client.h>

#include <string>
#include <vector>

namespace {

using Microsoft::WRL::ComPtr;

std::wstring Environment(const wchar_t* name) {
    wchar_t value[32768] = {};
    DWORD n = GetEnvironmentVariableW(name, value, 32768);
    return n > 0 && n < 32768 ? std::wstring(value) : std::wstring();
}

struct Bstr {
    explicit Bstr(const std::wstring& text) : value(SysAllocString(text.c_str())) {}
    ~Bstr() { SysFreeString(value); }
    operator BSTR() const { return value; }
    BSTR value;
};

// Adds the content of `folder` below `prefix` (a path in the image), folders before
// their content. Paths on disk carry \\?\ so that deep trees are not cut at MAX_PATH.
void AddFolder(IFsiDirectoryItem* root, const std::wstring& folder, const std::wstring& prefix) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    ASSERT_NE(find, INVALID_HANDLE_VALUE) << "cannot list the source folder";
    std::vector<std::wstring> folders, files;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? folders : files).push_back(name);
    } while (FindNextFileW(find, &found));
    FindClose(find);

    for (const std::wstring& name : files) {
        ComPtr<IStream> stream;
        ASSERT_EQ(SHCreateStreamOnFileEx((folder + L"\\" + name).c_str(), STGM_READ | STGM_SHARE_DENY_WRITE,
                                         FILE_ATTRIBUTE_NORMAL, FALSE, nullptr, stream.GetAddressOf()),
                  S_OK);
        ASSERT_EQ(root->AddFile(Bstr(prefix + name), stream.Get()), S_OK);
    }
    for (const std::wstring& name : folders) {
        ASSERT_EQ(root->AddDirectory(Bstr(prefix + name)), S_OK);
        AddFolder(root, folder + L"\\" + name, prefix + name + L"\\");
    }
}

TEST(StandInImageFile, HoldsTheTreeItIsGiven) {
    const std::wstring source = Environment(L"QUILLON_COM_SOURCE");
    const std::wstring target = Environment(L"QUILLON_COM_IMAGE");
    if (source.empty() || target.empty()) GTEST_SKIP() << "run by com_readers_check.py";

    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        ComPtr<IFileSystemImage> image;
        ASSERT_EQ(quillon::discservice::CreateServiceObject(CLSID_MsftFileSystemImage, image.GetAddressOf()),
                  S_OK);
        image->put_VolumeName(Bstr(L"Readers_Test"));
        image->put_FreeMediaBlocks(0);
        ComPtr<IFsiDirectoryItem> root;
        ASSERT_EQ(image->get_Root(root.GetAddressOf()), S_OK);
        AddFolder(root.Get(), L"\\\\?\\" + source, L"");
        if (HasFatalFailure()) return;
        image->put_FileSystemsToCreate(FsiFileSystemJoliet);
        ComPtr<IFileSystemImageResult> result;
        ASSERT_EQ(image->CreateResultImage(result.GetAddressOf()), S_OK);
        ComPtr<IStream> stream;
        ASSERT_EQ(result->get_ImageStream(stream.GetAddressOf()), S_OK);

        HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        bool allWritten = true;
        HRESULT hr = ReadInChunks(stream.Get(), [&](const char* data, ULONG size) {
            DWORD written = 0;
            allWritten = WriteFile(file, data, size, &written, nullptr) && written == size;
            return allWritten;
        });
        CloseHandle(file);
        EXPECT_TRUE(allWritten);
        EXPECT_TRUE(SUCCEEDED(hr));
    }
    CoUninitialize();
}

} // namespace
